#pragma once
// The destination chooser frmMove: its folder list, the destination confirmed with the
// last action, the folders made during this visit, and its boxes.
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

struct ChooserState {
  // frmMove's Dir1, as it reports its path (no trailing "/" except "/").
  std::string Dir1Path;
  // Where the chooser opens and where Cancel returns: the destination confirmed last.
  std::string ConfirmedDestDir;
  // Entry 0: the folder in which the first new folder of this visit was made; then the
  // folders made, oldest first. CreatedCount is the index of the newest, 0 when none.
  std::vector<std::string> CreatedFolders;
  std::int16_t CreatedCount = 0;
  bool CreateOpen = false;
  bool RenameOpen = false;
  // The destination lies in or below the system folder.
  bool DestInSystemTree = false;

  std::string TextActionMoveCreate;
  std::string TextActionMoveNewName;
  std::string LabelActionMoveHead;
  std::string LabelActionMovePath;
  bool ImageActionMoveOKEnabled = false;
  std::string LastGoodDrive;
};

}  // namespace quillon
