#pragma once
// The criteria editor frmRen from the main window: opening it, its OK and its Cancel.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// The Rename Criteria button: opens the editor unless the result list holds the area.
void ImageRenameCriteriaClick(Session& s, UserInterface& ui);
// Refills the editor from the record, shows it and hands the Little Help to it.
void ShowRenameEditor(Session& s, UserInterface& ui);
// OK: completeness, the whole-name rule for several files, then "RenameSet".
void OnEditorOKClick(Session& s, UserInterface& ui);
// Cancel: the editor closes; nothing changes.
void OnEditorCancelClick(Session& s, UserInterface& ui);

}  // namespace quillon
