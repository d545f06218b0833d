#pragma once
// The main window's drive, folder and file lists and the folder history's buttons.
#include <string>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// The folder list shows a new folder (Dir1Path is set by now).
void OnDir1Change(Session& s, UserInterface& ui);

// Goes to the chosen drive; a drive that cannot be read is refused with
// "MessageDriveNotReady" and the last good drive is shown again.
void OnDrive1Change(Session& s, UserInterface& ui, const std::string& drive);

// A click in File1 changed the selected flags.
void OnFile1Click(Session& s, UserInterface& ui);

// Whether the file list follows changes made outside the program: while no job is
// prepared and none runs.
bool FileListFollowsDisk(const Session& s);
// Reads the folder again (F5, or a change seen on the disk): new files show, gone ones
// go. Files chosen by hand that are still there stay chosen, through the path a click
// takes; a selection rule is applied again. A prepared job is let go, as on a folder
// change.
void RereadFolder(Session& s, UserInterface& ui);

// Back, forward and start in the folder history.
void ImageGoToStartClick(Session& s, UserInterface& ui);
void ImageGoBackClick(Session& s, UserInterface& ui);
void ImageGoForwardClick(Session& s, UserInterface& ui);

}  // namespace quillon
