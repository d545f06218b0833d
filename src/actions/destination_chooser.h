#pragma once
// The destination chooser frmMove: browsing for the folder that copies and moves go to,
// making folders for them, and renaming or deleting the folders made during this visit.
#include <string>

#include "session/session.h"
#include "ui/key_filter.h"
#include "ui/user_interface.h"
#include "ui/view.h"

namespace quillon {

// Opening: the chooser shows the confirmed destination; OK waits for a usable folder.
void OpenDestinationChooser(Session& s);
// frmMove's Dir1 shows `path`: the destination follows it while the chooser serves the
// Action panel. A system folder is refused while working there is not allowed.
void ChooserDir1Change(Session& s, UserInterface& ui, const std::string& path);
// frmMove's Drive1: a drive that cannot be read keeps the last good drive.
void ChooserDrive1Change(Session& s, UserInterface& ui, const std::string& drive);

// The create box: open it, its key filter and text, its OK and its cancel.
void ImageActionMoveCreateNewClick(Session& s);
KeyVerdict CreateBoxKey(Session& s, UserInterface& ui, char32_t key);
void OnTextActionMoveCreateChange(Session& s, const std::string& text);
void ImageActionMoveCreateOKClick(Session& s, UserInterface& ui);
void ImageActionMoveCreateCancelClick(Session& s);
// The newest folder made: rename it (the rename box) or delete it.
void ImageActionMoveRenameClick(Session& s);
void OnTextActionMoveNewNameChange(Session& s, const std::string& text);
void ImageActionMoveRenameOKClick(Session& s, UserInterface& ui);
void ImageActionMoveDeleteClick(Session& s, UserInterface& ui);
// Browse again: the boxes close and the made folders are forgotten (they stay on disk).
void ImageActionMoveBrowseAgainClick(Session& s);
// Cancel's part in the chooser: back to the confirmed destination, made folders forgotten.
void CancelDestinationChooser(Session& s, UserInterface& ui);

// What frmMove shows.
View ChooserView(const Session& s);

}  // namespace quillon
