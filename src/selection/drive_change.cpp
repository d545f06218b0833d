#include "selection/drive_change.h"

#include "selection/folder_change.h"
#include "session/work_folder.h"
#include "ui/messages.h"

namespace quillon {

void OnDrive1Change(Session& s, UserInterface& ui, const std::string& drive) {
  SelectionState& sel = s.selection;
  if (s.files.DriveReady(drive) && PointFolderList(s, drive)) {
    OnDir1Change(s, ui);
    sel.LastGoodDrive = s.files.DriveOf(sel.Dir1Path);
    sel.LastGoodDriveLetter = sel.LastGoodDrive;
    return;
  }
  s.message.MessageKey = "MessageDriveNotReady";
  ShowMessageByKey(s, ui);
}

}  // namespace quillon
