// The driver of every undo.
#include "actions/undo.h"

#include <algorithm>
#include <exception>

#include "actions/file_walk.h"
#include "actions/job_journal.h"
#include "platform/file_lock.h"
#include "selection/file_selection.h"
#include "session/readiness.h"
#include "ui/messages.h"

namespace quillon {
namespace {

void RunUndoProcedure(Session& s, UserInterface& ui) {
  const std::string action = s.actions.journal.TextUndoAction;
  if (action == "Rename") {
    UndoRename(s, ui);
  } else if (action == "Rename And Copy") {
    UndoRenameAndCopy(s, ui);
  } else if (action == "Copy And Rename") {
    UndoCopyAndRename(s, ui);
  } else if (action == "Move And Rename") {
    UndoMoveAndRename(s, ui);
  } else if (action == "Copy") {
    UndoCopy(s, ui);
  } else if (action == "Move") {
    UndoMove(s, ui);
  } else if (action == "Set Attribute") {
    UndoSetAttribute(s, ui);
  }
}

// The file list is read again with nothing highlighted. A selection made before the
// undo would no longer match what the list shows, so it is let go with it.
void RefreshAfterUndo(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (ui.ShowsFileList()) ReadFileList(s);
  if (st.SelectionMade) {
    s.selection.store.clear();
    s.selection.List1.clear();
    st.SelectedCount = 0;
    st.SelectionMade = false;
    UpdateReadiness(s);
  }
  ui.RefreshFileList();
}

// Copies that changed since the job, or whose replaced file is no longer kept, are not
// deleted: the user hears which stayed.
void ReportKeptCopies(Session& s, UserInterface& ui) {
  const std::vector<std::string>& kept = s.actions.keptByUndo;
  const std::vector<std::string>& alone = s.actions.keptWithoutOriginal;
  if (kept.empty() && alone.empty()) return;
  std::string text;
  const auto list = [&text](const std::vector<std::string>& paths) {
    const std::size_t shown = std::min<std::size_t>(paths.size(), 10);
    for (std::size_t i = 0; i < shown; ++i) text += "\r\n" + paths[i];
    if (paths.size() > shown) text += "\r\n...";
  };
  if (!kept.empty()) {
    text += std::to_string(kept.size()) + (kept.size() == 1 ? " copy was" : " copies were") +
            " changed after the job and kept:\r\n";
    list(kept);
  }
  const std::vector<std::string>& unhidden = s.actions.unhiddenByUndo;
  if (!unhidden.empty()) {
    text += "\r\n\r\n" + std::to_string(unhidden.size()) +
            (unhidden.size() == 1 ? " file they had replaced is" : " files they had replaced are") +
            " back beside them:\r\n";
    list(unhidden);
  }
  if (!alone.empty()) {
    if (!text.empty()) text += "\r\n\r\n";
    text += std::to_string(alone.size()) + (alone.size() == 1 ? " copy was" : " copies were") +
            " kept because the file they had replaced is no longer there to take its place:\r\n";
    list(alone);
  }
  s.message.MessageKey = "MessageOnlyReadyMsg";
  s.message.MessageReadyText = text;
  ShowReadyMessage(s, ui);
}

}  // namespace

void UndoAction(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  ActionState& a = s.actions;
  try {
    st.ActionBusy = true;
    a.undoneRows.clear();
    a.keptByUndo.clear();
    a.unhiddenByUndo.clear();
    a.keptWithoutOriginal.clear();
    a.lastError.reset();
    a.undoStopped = false;
    // No job runs meanwhile on the journal; the journal is this undo's own only when it
    // is the same job's.
    FileLock lock;
    if (!a.journalPath.empty()) {
      auto place = TrustedJournalPath(a.journalPath);
      auto taken = place ? LockJournal(*place) : Result<FileLock>(place.error());
      if (!taken) {
        st.ActionBusy = false;
        ReportFailure(s, ui, "Bug-Quillon-ActionAStartUndo", taken.error());
        return;
      }
      a.journalPath = *place;
      lock = std::move(taken).value();
    }
    if (st.WorkFolder == a.journal.TextUndoWorkPath && st.SelectionMade) {
      s.message.MessageKey = "MessageUndoResetsFile";
      ShowMessageByKey(s, ui);
    }
    RunUndoProcedure(s, ui);
    // The journal on disk is used up too, once every row is settled, so that a later
    // run does not undo it again; an undo that stopped can be tried again.
    if (!a.journalPath.empty() && !a.undoStopped) {
      (void)MarkJournal(a.journalPath, JournalState::Used, a.journal.jobId);
    }
    lock.Release();
    ReportKeptCopies(s, ui);

    st.ActionBusy = false;
    RefreshAfterUndo(s, ui);
    st.UndoAvailable = a.undoStopped;
    a.UndoJustDone = !a.undoStopped;
  } catch (const std::exception&) {
    st.ActionBusy = false;
    ReportFailure(s, ui, "Bug-Quillon-ActionAStartUndo");
  }
}

}  // namespace quillon
