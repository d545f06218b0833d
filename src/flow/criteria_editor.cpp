#include "flow/criteria_editor.h"

#include "flow/control_state.h"
#include "flow/panel_dispatch.h"
#include "rename/criteria_complete.h"
#include "rename/criteria_editor.h"
#include "rename/editor_focus.h"
#include "rename/pattern_replace.h"
#include "ui/messages.h"

namespace quillon {
namespace {

void HideEditor(Session& s, UserInterface& ui) {
  s.editor.shown = false;
  ui.ShowCriteriaEditor(false);
}

}  // namespace

void ImageRenameCriteriaClick(Session& s, UserInterface& ui) {
  if (s.state.ResultShown) return;
  ShowRenameEditor(s, ui);
}

void ShowRenameEditor(Session& s, UserInterface& ui) {
  s.help.EditorHelpRequest = true;
  RefillEditor(s, ui);
  s.editor.shown = true;
  ui.ShowCriteriaEditor(true);
  SetControlState(s, ui, "");
}

void OnEditorOKClick(Session& s, UserInterface& ui) {
  EditorState& e = s.editor;
  // A pattern the library refuses is shown with its reason, and the box keeps it for
  // mending.
  if (e.CheckReplace && s.rename.OptReplacePlace == 13 && !s.rename.EdReplacePattern.empty()) {
    if (const std::string error = PatternError(s.rename.EdReplacePattern); !error.empty()) {
      s.message.MessageKey = "MessageOnlyReadyMsg";
      s.message.MessageReadyText = "The pattern to Replace is not valid: " + error + ".";
      ShowReadyMessage(s, ui);
      FocusBox(s, EditorBox::TextReplacePattern);
      return;
    }
  }
  if (CheckCriteriaComplete(s, ui) == "CriteriaSetAgain") return;
  UnselectIncomplete(s, ui);
  if (s.state.SelectedCount >= 2 && s.rename.OptReplacePlace == 1 && s.rename.OptAutoKind == 0) {
    const Answer answer = ShowMessage(s, ui, "MessageMultiNameRenOK");
    if (answer.ok) {
      FocusBox(s, EditorBox::TextAutoStart);
    } else {
      OnCheckReplaceClick(s, ui, false);
      e.MessageAnswer = answer.code;
    }
    return;
  }
  if (e.MessageAnswer == "SetRenameABOKAgain") {
    e.MessageAnswer.clear();
    CheckCriteriaComplete(s, ui);
  }
  HideEditor(s, ui);
  s.help.EditorHelpShown = false;
  s.state.PendingKeyword = "RenameSet";
  ApplyPanel(s, ui);
}

void OnEditorCancelClick(Session& s, UserInterface& ui) {
  HideEditor(s, ui);
  s.help.EditorHelpEnd = true;
  SetControlState(s, ui, "");
}

}  // namespace quillon
