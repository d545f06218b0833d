#pragma once
// Carrying out the prepared action file by file, journaling what was done.
#include <array>
#include <cstdint>
#include <optional>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// Starts a new journal for the action in effect, runs its procedure, then refreshes the
// lists from the disk; the jobs other than "Delete" offer Undo. False when the driver
// itself failed (reported with "Bug-Quillon-ActionAStartDo").
bool DoAction(Session& s, UserInterface& ui);
// The journal's header for the job about to run, its rows emptied.
void StartJournal(Session& s);

// The procedures, one per action. Each walks the selection store, skips files that no
// longer exist, and ends at the first failure with its "Bug-Quillon-..." report.
void DoRename(Session& s, UserInterface& ui);
void DoRenameAndCopy(Session& s, UserInterface& ui);
void DoCopyAndRename(Session& s, UserInterface& ui);
void DoMoveAndRename(Session& s, UserInterface& ui);
void DoCopy(Session& s, UserInterface& ui);
void DoMove(Session& s, UserInterface& ui);
void DoDelete(Session& s, UserInterface& ui);
void DoSetAttribute(Session& s, UserInterface& ui);

// The attribute word "Set Attribute" writes for an AttributeIndex; nullopt for
// "Don't Change" and any index outside 1 to 5.
std::optional<std::uint16_t> AttributeValue(std::int16_t attributeIndex);

}  // namespace quillon
