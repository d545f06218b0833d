// The Job button and the driver of every action.
#include "actions/do_action.h"

#include <exception>

#include "actions/file_walk.h"
#include "actions/job_bar.h"
#include "selection/file_selection.h"
#include "session/panel_dispatch.h"
#include "ui/control_state.h"
#include "ui/messages.h"

namespace quillon {
namespace {

// A folder path as a folder list shows it: no trailing "/" except at the root.
std::string ShownPath(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

void RunProcedure(Session& s, UserInterface& ui) {
  const std::string& action = s.state.ActionName;
  if (action == "Rename") {
    DoRename(s, ui);
  } else if (action == "Rename And Copy") {
    DoRenameAndCopy(s, ui);
  } else if (action == "Copy And Rename") {
    DoCopyAndRename(s, ui);
  } else if (action == "Move And Rename") {
    DoMoveAndRename(s, ui);
  } else if (action == "Copy") {
    DoCopy(s, ui);
  } else if (action == "Move") {
    DoMove(s, ui);
  } else if (action == "Delete") {
    DoDelete(s, ui);
  } else if (action == "Set Attribute") {
    DoSetAttribute(s, ui);
  }
}

}  // namespace

void StartJournal(Session& s) {
  const SessionState& st = s.state;
  UndoJournal& j = s.actions.journal;
  j.clear();
  j.TextUndoAction = st.ActionName;
  j.TextUndoWorkDir = s.selection.Dir1Path;
  j.TextUndoMoveDir = ShownPath(st.DestFolder);
  j.TextUndoWorkPath = st.WorkFolder;
  j.TextUndoMovePath = st.DestFolder;
  // At most one row per selected file.
  j.ComboUndoOldName.reserve(s.selection.store.size());
  j.ComboUndoNewName.reserve(s.selection.store.size());
}

void DoAction(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  try {
    StartJournal(s);
    RunProcedure(s, ui);

    st.ActionBusy = false;
    st.SelectedCount = 0;
    st.SelectionMade = false;
    st.JobReady = false;
    s.selection.List1.clear();
    ReadFileList(s);
    ui.RefreshFileList();
    if (st.ActionName == "Delete") {
      // The journal now holds no rows; an earlier job can no longer be undone.
      st.UndoAvailable = false;
      st.PendingKeyword = "ResetAll";
      ApplyPanel(s, ui);
    } else {
      st.UndoAvailable = true;
    }
  } catch (const std::exception&) {
    st.ActionBusy = false;
    ReportFailure(s, ui, "Bug-Quillon-ActionAStartDo");
  }
}

void JobClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.ActionBusy) return;
  if (st.ReviewMode) {
    s.message.MessageKey = "MessageReviewModeOn";
    ShowMessageByKey(s, ui);
    return;
  }
  if (!s.options.NoUndoWarning && st.UndoAvailable) {
    s.message.MessageAnswer.clear();
    s.message.MessageKey = "MessageOldUndoExist";
    ShowMessageByKey(s, ui);
    if (s.message.MessageAnswer != "ActionContinue") return;
    s.message.MessageAnswer.clear();
    st.UndoAvailable = false;
  }
  if (st.JobReady) {
    st.ActionBusy = true;
    // The controls go disabled for the whole job.
    SetControlState(s, ui, "setButGlobal");
    DoAction(s, ui);
  }
  if (st.ResultShown) {
    st.ResultShown = false;
    st.ViewRefreshPending = true;
  }
  SetControlState(s, ui, "setButGlobal");
}

}  // namespace quillon
