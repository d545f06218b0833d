#include "flow/folder_lists.h"

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
