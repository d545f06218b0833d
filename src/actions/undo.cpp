// The driver of every undo.
#include "actions/undo.h"

#include <algorithm>
#include <exception>

#include "actions/file_walk.h"
#include "actions/job_journal.h"
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

// Copies that changed since the job are not deleted: the user hears which stayed.
void ReportKeptCopies(Session& s, UserInterface& ui) {
  const std::vector<std::string>& kept = s.actions.keptByUndo;
  if (kept.empty()) return;
  std::string text = std::to_string(kept.size()) +
                     (kept.size() == 1 ? " copy was" : " copies were") +
                     " changed after the job and kept:\r\n";
  const auto list = [&text](const std::vector<std::string>& paths) {
    const std::size_t shown = std::min<std::size_t>(paths.size(), 10);
    for (std::size_t i = 0; i < shown; ++i) text += "\r\n" + paths[i];
    if (paths.size() > shown) text += "\r\n...";
  };
  list(kept);
  const std::vector<std::string>& unhidden = s.actions.unhiddenByUndo;
  if (!unhidden.empty()) {
    text += "\r\n\r\n" + std::to_string(unhidden.size()) +
            (unhidden.size() == 1 ? " file they had replaced is" : " files they had replaced are") +
            " back beside them:\r\n";
    list(unhidden);
  }
  s.message.MessageKey = "MessageOnlyReadyMsg";
  s.message.MessageReadyText = text;
  ShowReadyMessage(s, ui);
}

}  // namespace

void UndoAction(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  try {
    st.ActionBusy = true;
    s.actions.undoneRows.clear();
    s.actions.keptByUndo.clear();
    s.actions.unhiddenByUndo.clear();
    s.actions.lastError.reset();
    if (st.WorkFolder == s.actions.journal.TextUndoWorkPath && st.SelectionMade) {
      s.message.MessageKey = "MessageUndoResetsFile";
      ShowMessageByKey(s, ui);
    }
    RunUndoProcedure(s, ui);
    // The journal on disk is used up too; a later run must not undo it again.
    if (!s.actions.journalPath.empty())
      (void)MarkJournal(s.actions.journalPath, JournalState::Used);
    ReportKeptCopies(s, ui);

    st.ActionBusy = false;
    RefreshAfterUndo(s, ui);
    st.UndoAvailable = false;
    s.actions.UndoJustDone = true;
  } catch (const std::exception&) {
    st.ActionBusy = false;
    ReportFailure(s, ui, "Bug-Quillon-ActionAStartUndo");
  }
}

}  // namespace quillon
