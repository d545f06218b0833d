#include "flow/panel_opening.h"

#include "actions/destination_chooser.h"
#include "flow/action_panel.h"
#include "flow/control_state.h"
#include "flow/options_panel.h"
#include "selection/selection_panel.h"

namespace quillon {
namespace {

enum class Group { PanelStart, Quiet, Destination };

Group RunProcedure(Session& s, UserInterface& ui, const std::string& code) {
  SelectionState& sel = s.selection;
  if (code == "setNullSelectionStart") {
    OpenSelectionPanel(s);
    return Group::PanelStart;
  }
  if (code == "setNullIndexSelection") {
    OnOptionSelectionClick(s, sel.OptSelection);
  } else if (code == "setNullNumIndexNumSelection") {
    OnOptionSelectionNumClick(s, sel.OptSelectionNum);
  } else if (code == "setNullSelectionOK") {
    UpdateSelectionOK(s);
  } else if (code == "setNullActionStart") {
    OpenActionPanel(s);
    return Group::PanelStart;
  } else if (code == "setNullIndexAction") {
    ActionChoiceChanged(s, ui);
  } else if (code == "setNullActionMovePath") {
    // The front end shows the destination chooser modally.
    OpenDestinationChooser(s);
    return Group::Destination;
  } else if (code == "setNullFramesActionMove") {
    // The destination chooser lays out its own frames.
  } else if (code == "setNullRigidity") {
    OpenOptionsPanel(s);
    return Group::PanelStart;
  } else if (code == "setNullHelp") {
    return Group::PanelStart;
  }
  return Group::Quiet;
}

}  // namespace

void OpenPanel(Session& s, UserInterface& ui, const std::string& code) {
  SessionState& st = s.state;
  st.NullStateCode = code;
  const Group group = RunProcedure(s, ui, code);
  ui.OpenPanel(code);
  st.NullStateCode.clear();
  if (group == Group::PanelStart) {
    st.ResultShown = true;
    st.ViewRefreshPending = true;
    SetControlState(s, ui, "setButGlobal");
  } else if (group == Group::Destination) {
    SetControlState(s, ui, "setButOnlyActiveness");
  }
}

}  // namespace quillon
