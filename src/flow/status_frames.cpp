#include "flow/status_frames.h"

#include "rename/criteria_summary.h"
#include "rename/priority.h"
#include "session/readiness.h"

namespace quillon {
namespace {

// One line per option of the Options panel that differs from its default.
std::string OptionsInEffect(const Options& o) {
  std::string text;
  auto line = [&text](const char* what) {
    if (!text.empty()) text += "\r\n";
    text += what;
  };
  if (!o.InsertRigid) line("If Insert is not possible : Ignore it.");
  if (!o.ReplaceRigid) line("If Replace is not possible : Ignore it.");
  if (o.RemoveRigid) line("If Remove is not possible : Mark the file.");
  if (o.CharReplaceRigid) line("If can not be Replaced : Mark the file.");
  if (o.CharRemoveRigid) line("If can not be Removed : Mark the file.");
  if (o.AllowSystemFolder) line("Working In System Folder Allowed.");
  if (text.empty()) text = "Default Options.";
  return text;
}

}  // namespace

View StatusFramesView(const Session& s) {
  const SessionState& st = s.state;
  View v;
  v["LabelSelectionType"].text = s.selection.LabelSelectionType;
  v["LabelSelectionInfo"].text = s.selection.LabelSelectionInfo;
  v["LabelActionType"].text = st.LabelActionType;
  v["LabelActionFolderName"].text = st.LabelActionFolderName;
  v["LabelPreview"].text = st.LabelPreview;
  v["LabelJob"].text = st.LabelJob;

  const bool renames = !st.EasyProcessOn && st.ActionIndex < 4;
  v["FrameRenInfo"].visible = renames;
  v["FramePriInfo"].visible = renames && PositionalCriteriaOn(s) > 1;
  const PriorityLabels labels = ShowPriorityLabels(s);
  v["LabelPriority1st"].text = labels.LabelPriority1st;
  v["LabelPriority2nd"].text = labels.LabelPriority2nd;
  v["LabelPriority3rd"].text = labels.LabelPriority3rd;
  v["LabelPriority3rd"].visible = !labels.LabelPriority3rd.empty();

  Merge(v, CriteriaSummaryView(s));
  v["LabelRigidityInfo"].text = OptionsInEffect(s.options);
  return v;
}

View FolderListState(const Session& s) {
  const SessionState& st = s.state;
  View v;
  const bool free = !st.PanelOpen && !st.JobReady;
  v["FrameDirDisableInfo"].visible = !free;
  v["Drive1"].enabled = free;
  v["Dir1"].enabled = free;
  v["Drive1"].background = free ? kDefaultColour : kGrey;
  v["Dir1"].background = free ? kDefaultColour : kGrey;
  v["File1"].enabled = !st.PanelOpen;
  for (const char* name : {"ImageGoBack", "ImageGoForward", "ImageGoToStart"}) {
    v[name].visible = free;
  }
  if (free) {
    v["ImageGoBack"].enabled = st.FolderHistoryPos >= 1;
    v["ImageGoToStart"].enabled = st.FolderHistoryPos >= 1;
    v["ImageGoForward"].enabled = st.FolderHistoryPos < st.FolderHistoryLast;
  } else {
    v["LabelDirDisableInfo"].text =
        st.PanelOpen
            ? "Drive and Directory box will be Activated after finishing your work at hand."
            : "Drive and Directory box will be Activated on completion or cancellation of Action.";
  }
  return v;
}

std::string WindowCaption(const Session& s) {
  return s.state.ProductName;
}

}  // namespace quillon
