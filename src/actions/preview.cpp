// Preview and Cancel of a prepared job.
#include "actions/conflicts.h"
#include "actions/job_bar.h"
#include "rename/auto_number.h"
#include "rename/engine.h"
#include "selection/file_selection.h"
#include "session/action_kinds.h"
#include "session/panel_dispatch.h"
#include "session/readiness.h"
#include "ui/control_state.h"
#include "ui/messages.h"

namespace quillon {
namespace {

bool AutoUsesLetters(const RenameCriteria& c) {
  return c.AutoOn && (c.AutoKind == "Capital Letter" || c.AutoKind == "Small Letter");
}

// Back to "Rename", as the Reset button beside the action display does.
void ReturnToRename(Session& s, UserInterface& ui) {
  s.state.ActionIndexPending = 0;
  s.state.ReviewModePending = false;
  s.state.PendingKeyword = "Action";
  ApplyPanel(s, ui);
}

}  // namespace

void PreviewClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.PanelOpen || st.ActionBusy) return;
  if (!st.RenamePending && !st.CheckPending) return;
  if (ActionNeedsDestination(st.ActionIndex) && st.WorkFolder == st.DestFolder) {
    s.message.MessageKey = "MessageSourceDestSame";
    ShowMessageByKey(s, ui);
    return;
  }
  ZeroConflictCounters(s);

  // A report cancelled here ends the preview: for "Copy" and "Move" the check is due
  // again at once, and running it twice would show the same report again.
  bool cancelled = false;
  if (st.RenamePending) {
    RenameState& r = s.rename;
    if (AutoUsesLetters(r.criteria) && !CheckAutoLetterCapacity(s)) {
      ShowAutoLetterImpossible(s, ui, r.EdAutoStart, r.AutoLetterLimit, r.AutoLetterCapacity);
      return;
    }
    RunRenameCriteria(s);
    cancelled = FindConflicts(s, ui) == ConflictOutcome::Cancelled;
  }
  if (!cancelled && st.CheckPending) FindConflicts(s, ui);

  if (st.JobReady) {
    st.ResultShown = true;
    st.ViewRefreshPending = true;
  }
  SetControlState(s, ui, "setButGlobal");
}

void RejectClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.ActionBusy) return;
  if (st.JobReady) {
    st.JobReady = false;
    const bool listsNames = st.ActionName == "Delete" || st.ActionName == "Set Attribute";
    if (!listsNames) {
      s.selection.List1.clear();
    } else if (!st.ReviewMode) {
      // A cancelled deletion or attribute change never stays armed.
      ReturnToRename(s, ui);
      if (st.SelectionMade) ClearSelection(s, ui);
    }
  }
  UpdateReadiness(s);
  if (st.RenamePending || st.CheckPending) SplitSelectedNames(s);
  if (st.ResultShown) {
    st.ResultShown = false;
    st.ViewRefreshPending = true;
  }
  SetControlState(s, ui, "setButGlobal");
}

}  // namespace quillon
