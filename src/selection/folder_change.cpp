#include "selection/folder_change.h"

#include <algorithm>

#include "selection/file_selection.h"
#include "selection/selection_panel.h"
#include "session/readiness.h"
#include "session/work_folder.h"
#include "ui/messages.h"

namespace quillon {
namespace {

// Records the folder in the history without duplicates and tracks the system tree.
void KeepFolderHistory(Session& s) {
  SessionState& st = s.state;
  SelectionState& sel = s.selection;
  const std::string& path = sel.Dir1Path;
  if (st.FolderHistory.empty() || st.FolderHistory.front().empty()) {
    st.FolderHistory.assign(1, path);
    st.FolderHistoryLast = 0;
    st.FolderHistoryPos = 0;
    return;
  }
  if (InSystemTree(s, st.WorkFolderUpper)) {
    sel.SystemTreeEntered = true;
    if (sel.SystemTreeEntryPos == 0) sel.SystemTreeEntryPos = st.FolderHistoryLast;
  } else {
    sel.SystemTreeEntered = false;
    sel.SystemTreeEntryPos = 0;
  }
  const auto found = std::find(st.FolderHistory.begin(), st.FolderHistory.end(), path);
  if (found != st.FolderHistory.end()) {
    st.FolderHistoryPos = static_cast<std::int16_t>(found - st.FolderHistory.begin());
    return;
  }
  // Positions are 16-bit: at the limit the oldest entry gives way and the recorded
  // entry position into the system tree moves with the rest.
  if (st.FolderHistory.size() >= 32767) {
    st.FolderHistory.erase(st.FolderHistory.begin());
    if (sel.SystemTreeEntryPos > 0) --sel.SystemTreeEntryPos;
  }
  st.FolderHistory.push_back(path);
  st.FolderHistoryLast = static_cast<std::int16_t>(st.FolderHistory.size() - 1);
  st.FolderHistoryPos = st.FolderHistoryLast;
}

// The selection after a folder change: back to Manual, or the rule re-applied.
void ReselectAfterFolderChange(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  SelectionState& sel = s.selection;
  if (!sel.SelectKeep) {
    if (st.SelectionMode != "Manual") {
      // The panel copy may hold a cancelled edit; start from the rule in effect.
      CopyActiveRuleToPanel(s);
      sel.OptSelection = 0;
      CommitSelectionPanel(s, ui);
    } else {
      st.SelectedCount = 0;
      st.SelectionMade = false;
    }
    return;
  }
  st.SelectionApplying = true;
  ApplySelectionRule(s);
  CountSelected(s);
  UpdateReadiness(s);
  if (st.SelectionMade) {
    BuildSelectionRows(s);
    if (st.ActionName == "Delete" || st.ActionName == "Set Attribute") {
      ShowSelectedNames(s);
    } else {
      SplitSelectedNames(s);
    }
  }
  st.SelectionApplying = false;
}

}  // namespace

void GuardSystemFolder(Session& s) {
  SessionState& st = s.state;
  if (!s.options.AllowSystemFolder && !st.WindowsFolderUpper.empty() &&
      st.WorkFolderUpper == st.WindowsFolderUpper) {
    // Back to the folder shown before; it is recorded as any other folder.
    const std::string back = st.FolderHistory.at(static_cast<std::size_t>(st.FolderHistoryPos));
    PointFolderList(s, back);
    NoteWorkFolder(s);
    KeepFolderHistory(s);
    s.selection.SystemFolderRefused = true;
    return;
  }
  KeepFolderHistory(s);
}

void FolderChanged(Session& s, UserInterface& ui) {
  NoteWorkFolder(s);
  GuardSystemFolder(s);
  if (s.state.StartingUp) return;
  ReadFileList(s);
  ReselectAfterFolderChange(s, ui);
  if (s.selection.SystemFolderRefused) {
    s.selection.SystemFolderRefused = false;
    ShowMessage(s, ui, "MessageBypassingSystemRigidity");
  }
}

}  // namespace quillon
