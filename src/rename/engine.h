#pragma once
// The rename engine: computes the new name of every row of the selection store.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// Rewrites the base names and extensions of the selection store by the criteria record,
// in the fixed order Case, Extension, Space, Handle, the priority slots, Auto, Date. Files
// for which a criterion is not possible are marked "#$#" and counted. Changes nothing on
// the disk; reads the files' dates only when Date is on.
// Clears RenamePending and sets CheckPending. While it reads dates, `ui` (when given)
// shows how many files are done.
void RunRenameCriteria(Session& s, UserInterface* ui = nullptr);

}  // namespace quillon
