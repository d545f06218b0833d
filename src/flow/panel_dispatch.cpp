#include "flow/panel_dispatch.h"

#include "flow/action_panel.h"
#include "flow/control_state.h"
#include "flow/options_panel.h"
#include "flow/priority_panel.h"
#include "rename/criteria.h"
#include "selection/file_selection.h"
#include "selection/selection_panel.h"
#include "session/readiness.h"

namespace quillon {
namespace {

void DispatchKeyword(Session& s, UserInterface& ui) {
  const std::string& keyword = s.state.PendingKeyword;
  if (keyword == "ResetAll") {
    ResetAll(s, ui);
  } else if (keyword == "Selection") {
    CommitSelectionPanel(s, ui);
  } else if (keyword == "Action") {
    ConfirmAction(s, ui);
  } else if (keyword == "RenameSet") {
    RenameSet(s);
  } else if (keyword == "Options") {
    ApplyOptionsPanel(s, ui);
  } else if (keyword == "RigidityDefault") {
    RigidityDefault(s, ui);
  } else if (keyword == "ResetRigidity") {
    ResetRigidity(s, ui);
  } else if (keyword == "ResetRename") {
    ResetRename(s);
  } else if (keyword == "Priority") {
    ApplyPriorityPanel(s);
  }
}

// A click in the file list: re-read the selection, or undo the click on a prepared job.
// Returns false when ApplyPanel ends here.
bool ApplyFileListClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.JobReady && st.ActionIndex < 6) {
    RestoreSelection(s);
    // The list shows the prepared job's files again.
    ui.RefreshFileList();
    st.FileListClicked = false;
    SetControlState(s, ui, "setButOnlyPicture");
    return false;
  }
  st.SelectionApplying = true;
  RefreshSelection(s, ui);
  st.SelectionApplying = false;
  UpdateReadiness(s);
  const bool changed = st.SelectionChanged;
  st.SelectionChanged = false;
  if (changed && st.ResultShown) {
    if (st.ActionIndex < 6) {
      st.ResultShown = false;
      st.ViewRefreshPending = true;
    } else if (!st.SelectionMade) {
      s.selection.List1.clear();
    }
  }
  st.FileListClicked = false;
  return true;
}

// The tail of a reset when the action is (again) "Rename" outside Review Mode.
void ResetOptionsSelectionAndCriteria(Session& s, UserInterface& ui) {
  if (s.options.OptionsCode != 3) ResetRigidity(s, ui);
  ClearSelection(s, ui);
  ResetRename(s);
}

}  // namespace

void ApplyPanel(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.FileListClicked) {
    if (ApplyFileListClick(s, ui)) SetControlState(s, ui, "setButGlobal");
    return;
  }
  DispatchKeyword(s, ui);
  UpdateReadiness(s);
  if (st.KeepResultShown) {
    st.KeepResultShown = false;
  } else if (st.ResultShown) {
    st.ResultShown = false;
    st.ViewRefreshPending = true;
  }
  st.PendingKeyword.clear();
  st.PanelOpen = false;
  SetControlState(s, ui, "setButGlobal");
}

void ResetAll(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (s.selection.SavedSelection != 0) {
    CopyActiveRuleToPanel(s);
    s.selection.OptSelection = 0;
    CommitSelectionPanel(s, ui);
  }
  if (st.ActionIndex != 0 || st.ReviewMode) {
    // Unticking Review Mode and confirming "Rename" ends Review Mode too.
    st.ActionIndexPending = 0;
    st.ReviewModePending = false;
    ConfirmAction(s, ui);
  }
  ResetOptionsSelectionAndCriteria(s, ui);
}

void CancelPanel(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  const std::string& keyword = st.PendingKeyword;
  if (keyword == "Selection") {
    s.selection.OptSelection = s.selection.SavedSelection;
  } else if (keyword == "Action") {
    CancelActionPanel(s);
  } else if (keyword == "Options") {
    CancelOptionsPanel(s);
  }
  // The panel's frame is shown only while PanelOpen holds its keyword.
  st.PendingKeyword.clear();
  st.PanelOpen = false;
  if (st.ActionIndex < 6 && st.ResultShown) {
    st.ResultShown = false;
    st.ViewRefreshPending = true;
  }
  SetControlState(s, ui, "setButGlobal");
}

}  // namespace quillon
