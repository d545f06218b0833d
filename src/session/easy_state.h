#pragma once
// Easy Process: the one file picked in File2, the new name typed for it, and the state of
// its boxes and run button.
#include <cstdint>
#include <string>

namespace quillon {

struct EasyState {
  // Position in File2 of the file picked; -1 when none.
  std::int16_t SingleFileIndex = -1;
  // The last name check found a conflict.
  bool SingleConflict = false;
  // "Include Space" (CheckSingleProcess): spaces may be typed into the name box.
  bool IncludeSpace = false;
  std::string TextSingleProcessName;
  std::string TextSingleProcessExt;
  // The two boxes (for the renaming actions) and "Include Space" take input.
  bool BoxesEnabled = false;
  bool IncludeSpaceEnabled = false;
  bool ButtonEnabled = false;
  // The name box takes the keyboard with its text selected, once.
  bool FocusName = false;
};

}  // namespace quillon
