#include "flow/selection_panel_buttons.h"

#include "flow/control_state.h"
#include "flow/panel_dispatch.h"
#include "flow/panel_opening.h"
#include "selection/file_selection.h"
#include "selection/selection_panel.h"
#include "ui/messages.h"

namespace quillon {
namespace {

constexpr std::int16_t kByNumber = 1;

}  // namespace

void ImageSelectionClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.ResultShown && st.ActionIndex < 6) return;
  st.PanelOpen = true;
  st.PendingKeyword = "Selection";
  OpenPanel(s, ui, "setNullSelectionStart");
}

void ImageClearSelectionClick(Session& s, UserInterface& ui) {
  if (s.selection.SavedSelection != 0) {
    CopyActiveRuleToPanel(s);
    s.selection.OptSelection = 0;
    s.state.PendingKeyword = "Selection";
    ApplyPanel(s, ui);
    return;
  }
  ClearSelection(s, ui);
  SetControlState(s, ui, "setButGlobal");
}

void ImageSelectionOKClick(Session& s, UserInterface& ui) {
  const SelectionState& sel = s.selection;
  if (sel.OptSelection == kByNumber && sel.OptSelectionNum == 1 && sel.EdSelectMax != 0 &&
      sel.EdSelectNumFiles > sel.EdSelectMax) {
    s.message.MessageKey = "MessageOnlyReadyMsg";
    s.message.MessageReadyText =
        "Limit of maximum file to select is " + std::to_string(sel.EdSelectMax) +
        ". Number of files you want to be selected is " + std::to_string(sel.EdSelectNumFiles) +
        ". This can not be done.\r\n\r\nEither change the number of file you want to select or "
        "change the maximum limit of files to be selected.";
    ShowReadyMessage(s, ui);
    return;
  }
  ApplyPanel(s, ui);
}

}  // namespace quillon
