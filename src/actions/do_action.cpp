// The driver of every action.
#include "actions/do_action.h"

#include <exception>

#include "actions/file_walk.h"
#include "actions/job_intents.h"
#include "actions/job_journal.h"
#include "selection/file_selection.h"
#include "session/work_folder.h"
#include "ui/messages.h"

namespace quillon {
namespace {

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
  j.jobId = NewJobId();
  j.TextUndoAction = st.ActionName;
  j.TextUndoWorkDir = s.selection.Dir1Path;
  j.TextUndoMoveDir = ShownPath(st.ActionDestFolder);
  j.TextUndoWorkPath = st.WorkFolder;
  j.TextUndoMovePath = st.ActionDestFolder;
  if (auto id = s.files.Identify(j.TextUndoWorkPath); id.ok()) j.workFolderId = *id;
  if (auto id = s.files.Identify(j.TextUndoMovePath); id.ok()) j.destFolderId = *id;
  // At most one row per selected file.
  j.ComboUndoOldName.reserve(s.selection.store.size());
  j.ComboUndoNewName.reserve(s.selection.store.size());
}

bool DoAction(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  ActionState& a = s.actions;
  try {
    a.lastError.reset();
    a.doneCount = 0;
    a.missingCount = 0;
    UndoJournal previous = std::move(a.journal);
    StartJournal(s);
    a.intents = JobKeepsIntents(s) ? JobIntents(s) : std::vector<IntentRow>{};
    JobJournal writer(s);
    if (!a.journalPath.empty()) {
      // No file is touched before the journal that can undo it is on disk.
      if (Status begun = writer.Begin(); !begun) {
        a.journal = std::move(previous);
        a.intents.clear();
        st.ActionBusy = false;
        ReportFailure(s, ui, "Bug-Quillon-ActionAStartDo", begun.error());
        return false;
      }
      a.writer = &writer;
      a.replacedJobFolder.clear();
      if (const auto& replaced = writer.replaced(); replaced && replaced->jobId != previous.jobId) {
        a.replacedJobFolder = replaced->workDir;
      }
    } else {
      DropKeptFiles(s, previous);
    }
    previous = UndoJournal{};
    RunProcedure(s, ui);
    a.writer = nullptr;
    if (!a.journalPath.empty()) {
      if (Status finished = writer.Finish(s.selection.store.size()); !finished) {
        ReportFailure(s, ui, "Bug-Quillon-ActionAStartDo", finished.error());
      }
    }
    a.intents.clear();

    st.ActionBusy = false;
    st.SelectedCount = 0;
    st.SelectionMade = false;
    st.JobReady = false;
    s.selection.List1.clear();
    if (ui.ShowsFileList()) {
      ReadFileList(s);
      ui.RefreshFileList();
    }
    a.MissingJustCounted = a.missingCount > 0;
    // After "Delete" the journal holds no rows; an earlier job can no longer be undone.
    st.UndoAvailable = st.ActionName != "Delete";
    return true;
  } catch (const std::exception&) {
    a.writer = nullptr;
    st.ActionBusy = false;
    ReportFailure(s, ui, "Bug-Quillon-ActionAStartDo");
    return false;
  }
}

}  // namespace quillon
