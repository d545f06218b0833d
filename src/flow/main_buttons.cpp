#include "flow/main_buttons.h"

#include "flow/control_state.h"
#include "flow/panel_dispatch.h"
#include "flow/panel_opening.h"

namespace quillon {

void ImageResetAllClick(Session& s, UserInterface& ui) {
  if (s.state.ResultShown) return;
  s.state.PendingKeyword = "ResetAll";
  ApplyPanel(s, ui);
}

void ImageHelpClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.ResultShown) return;
  st.PanelOpen = true;
  st.PendingKeyword = "Help";
  OpenPanel(s, ui, "setNullHelp");
}

void ImageHelpCancelClick(Session& s, UserInterface& ui) {
  CancelPanel(s, ui);
}

void ImageClearRenameClick(Session& s, UserInterface& ui) {
  s.state.PendingKeyword = "ResetRename";
  ApplyPanel(s, ui);
}

void ImageViewInfoClick(Session& s, UserInterface& ui) {
  s.state.SavedSideFrame = s.state.SideFrame;
  s.state.SideFrame = "InfoFrame";
  SetControlState(s, ui, "setButFrame");
}

void ImageViewPriorityClick(Session& s, UserInterface& ui) {
  s.state.SideFrame = "PriorityFrame";
  SetControlState(s, ui, "setButFrame");
}

void ImageInfoHideClick(Session& s, UserInterface& ui) {
  s.state.SideFrame.clear();
  SetControlState(s, ui, "setButFrame");
}

void ImagePriorityHideClick(Session& s, UserInterface& ui) {
  s.state.SideFrame.clear();
  SetControlState(s, ui, "setButFrame");
}

void ImageHelpAboutClick(Session& s, UserInterface& ui) {
  std::string& side = s.state.SideFrame;
  side = side == "AboutFrame" ? "" : "AboutFrame";
  SetControlState(s, ui, "setButOnlyAbout");
}

bool ImageGoodbyeClick(const Session& s) {
  return !s.state.ActionBusy;
}

View SideFramesView(const Session& s) {
  const std::string& side = s.state.SideFrame;
  View v;
  v["FrameInfo"].visible = side == "InfoFrame";
  v["FramePriority"].visible = side == "PriorityFrame";
  v["FrameAbout"].visible = side == "AboutFrame";
  v["FrameView"].visible = side.empty();
  v["LabelAboutName"].text = s.state.ProductName;
  v["LabelAboutVersion"].text = s.state.ProductVersion;
  return v;
}

View WorkAreaView(const Session& s) {
  const SessionState& st = s.state;
  const std::string& keyword = st.PanelOpen ? st.PendingKeyword : std::string();
  View v;
  v["FrameSelection"].visible = keyword == "Selection";
  v["FrameAction"].visible = keyword == "Action";
  v["FrameRigidity"].visible = keyword == "Options";
  v["FrameHelp"].visible = keyword == "Help";
  const bool panel = v["FrameSelection"].visible.value() || v["FrameAction"].visible.value() ||
                     v["FrameRigidity"].visible.value() || v["FrameHelp"].visible.value();
  v["FrameSingleProcess"].visible = !panel && st.EasyProcessOn;
  v["List1"].visible = !panel && !st.EasyProcessOn;
  return v;
}

}  // namespace quillon
