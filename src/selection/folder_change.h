#pragma once
// A new folder in the folder list: the working folder, the system-folder rule and the
// folder history, then the selection.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// The folder list shows a new folder (Dir1Path is set by now): the working folder, the
// system-folder rule, the history, and (unless starting up) the file list and the
// selection. The caller refreshes the controls.
void FolderChanged(Session& s, UserInterface& ui);

// The system-folder rule and the folder history for the working folder.
void GuardSystemFolder(Session& s);

}  // namespace quillon
