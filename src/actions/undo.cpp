// The driver of every undo.
#include "actions/undo.h"

#include <exception>

#include "actions/file_walk.h"
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
  ReadFileList(s);
  if (st.SelectionMade) {
    s.selection.store.clear();
    s.selection.List1.clear();
    st.SelectedCount = 0;
    st.SelectionMade = false;
    UpdateReadiness(s);
  }
  ui.RefreshFileList();
}

}  // namespace

void UndoAction(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  try {
    st.ActionBusy = true;
    s.actions.undoneRows.clear();
    if (st.WorkFolder == s.actions.journal.TextUndoWorkPath && st.SelectionMade) {
      s.message.MessageKey = "MessageUndoResetsFile";
      ShowMessageByKey(s, ui);
    }
    RunUndoProcedure(s, ui);

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
