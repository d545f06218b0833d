#pragma once
// The Little Help's texts and the status labels it writes, and the criteria editor's
// flags that hand the Little Help over to the editor and back.
#include <string>

namespace quillon {

struct HelpState {
  // Set by the criteria editor when it opens and closes; the control-state dispatcher
  // turns them into EditorHelpShown.
  bool EditorHelpRequest = false;
  bool EditorHelpEnd = false;
  bool EditorHelpShown = false;

  // The four lines of FrameInfo; line breaks inside a line are CR LF.
  std::string LabelInfo1;
  std::string LabelInfo2;
  std::string LabelInfo3;
  std::string LabelInfo4;
  std::string FrameInfoCaption = " Little Help ";
  std::string LabelHelpOption;
  std::string LabelReviewMode;
  bool LabelReviewModeHighlight = false;  // "Undo Complete" stands out
  std::string LabelRenamePriority = "Priority :";
  std::string LabelSelectFile = "Select File";
  std::string LabelFileNum;
  std::string LabelListFile;
};

}  // namespace quillon
