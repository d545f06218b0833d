#pragma once
// A new folder in the folder list: the working folder, the system-folder rule and the
// folder history, then the selection.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// The folder list shows a new folder (Dir1Path is set by now).
void OnDir1Change(Session& s, UserInterface& ui);

// The system-folder rule and the folder history for the working folder.
void GuardSystemFolder(Session& s);

}  // namespace quillon
