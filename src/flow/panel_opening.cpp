#include "flow/panel_opening.h"

#include "flow/action_panel.h"
#include "flow/control_state.h"
#include "selection/selection_panel.h"

namespace quillon {

void OpenPanel(Session& s, UserInterface& ui, const std::string& code) {
  SessionState& st = s.state;
  st.NullStateCode = code;
  bool panelStart = false;
  if (code == "setNullSelectionStart") {
    OpenSelectionPanel(s);
    panelStart = true;
  } else if (code == "setNullActionStart") {
    OpenActionPanel(s);
    panelStart = true;
  } else if (code == "setNullHelp") {
    panelStart = true;
  }
  // The front end shows the panel the code names.
  ui.OpenPanel(code);
  st.NullStateCode.clear();
  if (panelStart) {
    st.ResultShown = true;
    st.ViewRefreshPending = true;
    SetControlState(s, ui, "setButGlobal");
  }
}

}  // namespace quillon
