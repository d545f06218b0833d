// The job bar: Preview, the Job, Cancel of a prepared job, and Undo.
#include "flow/job_bar.h"

#include "actions/conflicts.h"
#include "actions/do_action.h"
#include "actions/undo.h"
#include "flow/control_state.h"
#include "flow/panel_dispatch.h"
#include "rename/auto_number.h"
#include "rename/engine.h"
#include "selection/file_selection.h"
#include "session/action_kinds.h"
#include "session/readiness.h"
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

// The conflict check; after the report's OK unselected the marked files, the help and
// the counts follow at once.
ConflictOutcome CheckConflicts(Session& s, UserInterface& ui) {
  const ConflictOutcome outcome = FindConflicts(s, ui);
  if (outcome == ConflictOutcome::Unselected) SetControlState(s, ui, "setButOnlyInfo");
  return outcome;
}

}  // namespace

void PreviewClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.PanelOpen || st.ActionBusy) return;
  if (!st.RenamePending && !st.CheckPending) return;
  if (ActionNeedsDestination(st.ActionIndex) && st.WorkFolder == st.ActionDestFolder) {
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
    RunRenameCriteria(s, &ui);
    cancelled = CheckConflicts(s, ui) == ConflictOutcome::Cancelled;
  }
  if (!cancelled && st.CheckPending) CheckConflicts(s, ui);

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

void JobClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.ActionBusy) return;
  if (st.ReviewMode) {
    s.message.MessageKey = "MessageReviewModeOn";
    ShowMessageByKey(s, ui);
    return;
  }
  const bool earlierUndo = st.UndoAvailable;
  if (!s.options.NoUndoWarning && st.UndoAvailable) {
    if (ShowMessage(s, ui, "MessageOldUndoExist").code != "ActionContinue") return;
    st.UndoAvailable = false;
  }
  if (st.JobReady) {
    st.ActionBusy = true;
    // The controls go disabled for the whole job.
    SetControlState(s, ui, "setButGlobal");
    // A deletion cannot be undone: the whole workflow starts afresh.
    const bool ran = DoAction(s, ui);
    if (ran && st.ActionName == "Delete") {
      st.PendingKeyword = "ResetAll";
      ApplyPanel(s, ui);
    }
    // A job that could not start (its journal could not be written) touched nothing:
    // the earlier job can still be undone.
    if (!ran && s.actions.doneCount == 0) st.UndoAvailable = earlierUndo;
  }
  if (st.ResultShown) {
    st.ResultShown = false;
    st.ViewRefreshPending = true;
  }
  SetControlState(s, ui, "setButGlobal");
}

// Only the last job can be undone, and only once.
void UndoClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.ActionBusy || !st.UndoAvailable) return;
  if (st.ReviewMode) {
    s.message.MessageKey = "MessageReviewModeOn";
    ShowMessageByKey(s, ui);
    return;
  }
  st.ActionBusy = true;
  // The controls go disabled for the whole undo.
  SetControlState(s, ui, "setButGlobal");
  UndoAction(s, ui);
  if (st.ResultShown) {
    st.ResultShown = false;
    st.ViewRefreshPending = true;
  }
  SetControlState(s, ui, "setButGlobal");
}

}  // namespace quillon
