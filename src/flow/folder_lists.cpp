#include "flow/folder_lists.h"

#include <unordered_set>

#include "actions/easy_process.h"
#include "flow/control_state.h"
#include "flow/panel_dispatch.h"
#include "platform/text.h"
#include "selection/folder_change.h"
#include "session/work_folder.h"
#include "ui/messages.h"

namespace quillon {
namespace {

// Shows history entry `pos` in the folder list; its change handler does the rest.
void GoTo(Session& s, UserInterface& ui, std::int16_t pos) {
  SessionState& st = s.state;
  st.FolderHistoryPos = pos;
  if (PointFolderList(s, st.FolderHistory.at(static_cast<std::size_t>(pos)))) {
    OnDir1Change(s, ui);
  }
  ui.RefreshFolderList();
  ui.RefreshFileList();
  SetControlState(s, ui, "setButOnlyDir");
}

}  // namespace

void OnDir1Change(Session& s, UserInterface& ui) {
  FolderChanged(s, ui);
  // File2 follows the folder: nothing stays picked.
  if (s.state.EasyProcessOn && !s.state.StartingUp) ResetSingleProcess(s);
  if (!s.state.StartingUp) SetControlState(s, ui, "setButGlobal");
}

void OnDrive1Change(Session& s, UserInterface& ui, const std::string& drive) {
  SelectionState& sel = s.selection;
  if (s.files.DriveReady(drive) && PointFolderList(s, drive)) {
    OnDir1Change(s, ui);
    sel.LastGoodDrive = s.files.DriveOf(sel.Dir1Path);
    sel.LastGoodDriveLetter = sel.LastGoodDrive;
    return;
  }
  ShowMessage(s, ui, "MessageDriveNotReady");
}

void OnFile1Click(Session& s, UserInterface& ui) {
  s.state.FileListClicked = true;
  ApplyPanel(s, ui);
}

bool FileListFollowsDisk(const Session& s) {
  const SessionState& st = s.state;
  return !st.ActionBusy && !st.StartingUp && !st.JobReady && !st.ResultShown;
}

void RereadFolder(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  SelectionState& sel = s.selection;
  if (st.ActionBusy || st.StartingUp) return;
  std::unordered_set<std::string> chosen;
  if (st.SelectionMode == "Manual") {
    for (std::size_t i = 0; i < sel.Files.size() && i < sel.Selected.size(); ++i) {
      if (sel.Selected[i]) chosen.insert(sel.Files[i]);
    }
  }
  FolderChanged(s, ui);
  if (st.EasyProcessOn) ResetSingleProcess(s);
  if (!chosen.empty()) {
    bool any = false;
    for (std::size_t i = 0; i < sel.Files.size(); ++i) {
      sel.Selected[i] = chosen.count(sel.Files[i]) > 0;
      any = any || sel.Selected[i];
    }
    if (any) OnFile1Click(s, ui);
  }
  SetControlState(s, ui, "setButGlobal");
  ui.RefreshFileList();
}

void ImageGoToStartClick(Session& s, UserInterface& ui) {
  if (s.state.FolderHistory.empty()) return;
  GoTo(s, ui, 0);
}

void ImageGoBackClick(Session& s, UserInterface& ui) {
  if (s.state.FolderHistoryPos > 0)
    GoTo(s, ui, static_cast<std::int16_t>(s.state.FolderHistoryPos - 1));
}

void ImageGoForwardClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.FolderHistoryPos == st.FolderHistoryLast) return;
  const auto next = static_cast<std::int16_t>(st.FolderHistoryPos + 1);
  const std::string entry = WithSeparator(st.FolderHistory.at(static_cast<std::size_t>(next)));
  if (!s.options.AllowSystemFolder && ToUpper(entry) == st.WindowsFolderUpper) return;
  GoTo(s, ui, next);
}

}  // namespace quillon
