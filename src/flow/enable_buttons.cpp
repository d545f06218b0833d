#include "flow/enable_buttons.h"

#include "rename/criteria.h"
#include "session/readiness.h"

namespace quillon {

ButtonStates EnableButtons(const Session& s) {
  const SessionState& st = s.state;
  const RenameCriteria& c = s.rename.criteria;
  ButtonStates b;
  b.ImageInfoHide = !(st.SideFrame == "InfoFrame" && st.ResultShown);
  b.ImageActionBrowse =
      !st.DestChooserOpen && st.ActionIndexPending >= 1 && st.ActionIndexPending <= 5;
  if (st.ActionBusy) return b;

  if (st.JobReady) {
    b.ImageJob = true;
    b.ImageReject = !st.ReviewMode || st.ActionIndex < 6;
  }
  if (!st.ResultShown) {
    b.ImageAction = b.ImageClearAction = b.ImageRigidity = b.ImageClearRigidity = true;
    b.ImageHelp = true;
    if (!st.EasyProcessOn) {
      b.ImageSelection = b.ImageClearSelection = true;
      if (st.ActionIndex < 4) b.ImageRenameCriteria = b.ImageClearRename = true;
    }
    b.ImageResetAll = c.CaseOn || c.SpaceOn || c.ExtOn || c.HandleOn || st.SettingsCount >= 1 ||
                      st.SelectionMade || !OptionsAtDefault(s.options.OptionsCode);
    b.ImagePreview = (st.RenamePending || st.CheckPending) && !st.PanelOpen;
    b.ImageUndo = st.UndoAvailable;
    b.ImageViewPriority = PositionalCriteriaOn(s) > 1;
    b.CheckEasyProcess = s.selection.SavedSelection == 0;
  } else if (st.ActionIndex == 6 || st.ActionIndex == 7) {
    // The files to delete or re-attribute can still be changed.
    b.ImageSelection = b.ImageClearSelection = b.ImageAction = b.ImageClearAction = true;
  }
  return b;
}

ResetButtons ResetButtonVisibility(const Session& s) {
  const SessionState& st = s.state;
  ResetButtons r;
  if (s.selection.SavedSelection != 0) {
    r.selectionVisible = true;
    r.LabelClearSelection = "Reset";
  } else if (st.SelectionMade) {
    r.selectionVisible = true;
    r.LabelClearSelection =
        st.SelectedCount < 2 ? "Reset : Unselect File" : "Reset : Unselect Files";
  }
  r.actionVisible = st.ActionIndex > 0 || st.ReviewMode;
  r.renameVisible = AnyRenameCriterionOn(s);
  r.rigidityVisible = !OptionsAtDefault(s.options.OptionsCode);
  return r;
}

}  // namespace quillon
