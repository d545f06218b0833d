#include "flow/easy_process_buttons.h"

#include "actions/easy_process.h"
#include "flow/control_state.h"
#include "selection/file_selection.h"

namespace quillon {

void OnCheckEasyProcessClick(Session& s, UserInterface& ui, bool ticked) {
  SessionState& st = s.state;
  if (ticked && s.selection.SavedSelection != 0) ticked = false;  // manual selection only
  if (ticked) {
    st.SelectionApplying = true;
    ClearSelection(s, ui);
    st.SelectionApplying = false;
  }
  st.EasyProcessOn = ticked;
  ResetSingleProcess(s);
  SetControlState(s, ui, "setButSingleProcess");
}

void OnFile2ClickFlow(Session& s, UserInterface& ui, std::int16_t index) {
  OnFile2Click(s, index);
  SetControlState(s, ui, "setButOnlyInfo");
}

void ButtonSingleProcessClick(Session& s, UserInterface& ui) {
  if (!RunSingleProcess(s, ui)) return;
  ReadFileList(s);
  ui.RefreshFileList();
  SetControlState(s, ui, "setButSingleProcess");
}

}  // namespace quillon
