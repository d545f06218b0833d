#include "flow/control_state.h"

#include "flow/little_help.h"
#include "flow/options_panel.h"
#include "flow/priority_panel.h"

namespace quillon {
namespace {

// After a panel or result view opens or closes: the Info frame may stay beside it;
// any other side frame is put away and comes back afterwards, the Priority frame only
// while the action renames.
void RedecideSideFrame(SessionState& st) {
  if (!st.ResultShown) {
    st.SideFrame = st.SavedSideFrame;
    st.SavedSideFrame.clear();
    if (st.SideFrame == "PriorityFrame" && st.ActionIndex >= 4) st.SideFrame.clear();
  } else {
    st.SavedSideFrame = st.SideFrame;
    if (st.SideFrame != "InfoFrame") st.SideFrame.clear();
  }
}

// Step 1: the criteria editor opens or closes; only the Little Help follows.
bool EditorHandOver(Session& s) {
  HelpState& h = s.help;
  if (h.EditorHelpRequest) {
    h.EditorHelpRequest = false;
    h.EditorHelpShown = true;
    return true;
  }
  if (h.EditorHelpEnd) {
    h.EditorHelpEnd = false;
    h.EditorHelpShown = false;
    return true;
  }
  return false;
}

// The parts of a code's own step that change the session; the rest is rendering.
void RunOwnStep(Session& s, const std::string& code) {
  if (code == "setButOnlyRigidity") {
    RefreshOptionsButtons(s);
  } else if (code == "setButOnlyPriority") {
    RefreshPriorityPanel(s);
  }
}

}  // namespace

ControlRefresh RefreshFor(const std::string& code) {
  ControlRefresh r;
  if (code == "setButOnlyDir") {
    r.folderListState = true;
  } else if (code == "setButOnlyActiveness") {
    r.buttons = true;
  } else if (code == "setButOnlyPicture") {
    r.buttonPictures = true;
  } else if (code == "setButOnlyAction") {
    r.actionOK = true;
  } else if (code == "setButOnlyRigidity") {
    r.optionsButtons = true;
  } else if (code == "setButOnlyAbout") {
    r.sideFrames = true;
  } else if (code == "setButOnlyPriority") {
    r.priorityButtons = true;
  } else if (code == "setButOnlyInfo") {
    // The Little Help only.
  } else if (code == "setButCaptionMain") {
    r.windowCaption = r.general = true;
  } else if (code == "setButFrame") {
    r.sideFrames = r.general = true;
  } else if (code == "setButSingleProcess") {
    r.easyProcessPanel = r.statusFrames = r.general = true;
  } else if (code == "setButGlobal") {
    r.statusFrames = r.buttonPictures = r.sideFrames = r.general = true;
  } else {
    r.general = true;
  }
  return r;
}

void SetControlState(Session& s, UserInterface& ui, const std::string& code) {
  SessionState& st = s.state;
  if (EditorHandOver(s)) {
    UpdateLittleHelp(s);
    ui.SetControlState("setButOnlyInfo");
    return;
  }
  if (st.ViewRefreshPending) {
    st.ViewRefreshPending = false;
    RedecideSideFrame(st);
  }
  st.ButtonStateCode = code;
  const ControlRefresh refresh = RefreshFor(code);
  RunOwnStep(s, code);
  UpdateLittleHelp(s);
  if (refresh.sideFrames && st.SideFrame == "PriorityFrame") ResyncPriorityCombos(s);
  if (refresh.general && s.priorityPanel.PriorityCombosStale) ResyncPriorityCombos(s);
  ui.SetControlState(st.ButtonStateCode);
  st.ButtonStateCode.clear();
}

}  // namespace quillon
