#pragma once
// Reversing the last job from its journal, file by file, where that is safe: a file is
// never put back over a file that now holds its old name.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// Runs the procedure for the journal's action, then refreshes the lists from the disk;
// the journal is used up.
void UndoAction(Session& s, UserInterface& ui);

// The procedures, one per action that can be undone. Each walks every journal row,
// skips rows whose file is missing or whose old name is taken, and ends at the first
// failure with its "Bug-Quillon-..." report.
void UndoRename(Session& s, UserInterface& ui);
void UndoRenameAndCopy(Session& s, UserInterface& ui);
void UndoCopyAndRename(Session& s, UserInterface& ui);
void UndoMoveAndRename(Session& s, UserInterface& ui);
void UndoCopy(Session& s, UserInterface& ui);
void UndoMove(Session& s, UserInterface& ui);
void UndoSetAttribute(Session& s, UserInterface& ui);

}  // namespace quillon
