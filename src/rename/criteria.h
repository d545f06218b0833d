#pragma once
// Operations on the rename criteria record.
#include <cstdint>
#include <string_view>

#include "session/session.h"

namespace quillon {

// "RenameSet": rebuilds the criteria record from the editor values, then the summary.
void RenameSet(Session& s);
// "ResetRename": switches every criterion off and resets the priority.
void ResetRename(Session& s);
// "Priority": rebuilds the priority slots from the preferred order.
void RecomputePriority(Session& s);

// The steps of "RenameSet", one per criterion, in the order it runs them. Each rebuilds
// its criterion from the editor values; Auto, Date and the last three also keep SettingsCount,
// PriorityCount and the priority slots in step with an on or off transition.
void RenameSetExt(Session& s);
void RenameSetCase(Session& s);
void RenameSetHandle(Session& s);
void RenameSetSpace(Session& s);
void RenameSetAuto(Session& s);
void RenameSetDate(Session& s);
void RenameSetInsert(Session& s);
void RenameSetReplace(Session& s);
void RenameSetRemove(Session& s);

// The integer value of the Auto start text: its leading digits, 0 when there are none.
std::int32_t AutoStartValue(std::string_view text);

}  // namespace quillon
