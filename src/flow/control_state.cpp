#include "flow/control_state.h"

namespace quillon {
namespace {

// After a panel or result view opens or closes: the Info frame may stay beside it;
// any other side frame is put away and comes back afterwards.
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

}  // namespace

void SetControlState(Session& s, UserInterface& ui, const std::string& code) {
  SessionState& st = s.state;
  st.ButtonStateCode = code;
  if (st.ViewRefreshPending) {
    st.ViewRefreshPending = false;
    RedecideSideFrame(st);
  }
  ui.SetControlState(st.ButtonStateCode);
  st.ButtonStateCode.clear();
}

}  // namespace quillon
