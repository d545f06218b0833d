#pragma once
// The working folder's file list and its selection.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// Reads the working folder's files from the disk into File1, nothing selected.
void ReadFileList(Session& s);
// Sets the selected flags of File1 from the active rule; nothing for "Manual".
void ApplySelectionRule(Session& s);
// SelectedCount and SelectionMade from the selected flags.
void CountSelected(Session& s);
// ComboFile1 and ComboIndex from the selected flags.
void BuildSelectionRows(Session& s);
// ComboName, ComboDot, ComboExt and ComboClearString from ComboFile1.
void SplitSelectedNames(Session& s);
// List1 from ComboFile1 (for "Delete" and "Set Attribute").
void ShowSelectedNames(Session& s);
// Applies the active rule, counts, and rebuilds the selection store and List1.
void RefreshSelection(Session& s, UserInterface& ui);
// Sets the selected flags again from the store's positions.
void RestoreSelection(Session& s);
// Replace is set to replace the whole file name and no auto numbering or lettering is on.
bool ReplacesWholeNameWithoutAuto(const Session& s);
// Unselects everything and empties the store and List1.
void ClearSelection(Session& s, UserInterface& ui);

}  // namespace quillon
