#pragma once
// Operations on the rename criteria record.
#include "session/session.h"

namespace quillon {

// "RenameSet": rebuilds the criteria record from the editor values.
void RenameSet(Session& s);
// "ResetRename": switches every criterion off and resets the priority.
void ResetRename(Session& s);
// "Priority": rebuilds the priority slots from the preferred order.
void RecomputePriority(Session& s);
// Whether any of Insert, Replace, Remove, Auto, Case, Space, Extension or Handle is on.
bool AnyRenameCriterionOn(const Session& s);

}  // namespace quillon
