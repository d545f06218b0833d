#pragma once
// Which buttons of the main window are enabled, and which reset buttons are visible,
// for the session's state.
#include <string>

#include "session/session.h"

namespace quillon {

struct ButtonStates {
  bool ImageInfoHide = false;
  bool ImageActionBrowse = false;
  bool ImageJob = false;
  bool ImageReject = false;
  bool ImageAction = false;
  bool ImageClearAction = false;
  bool ImageRigidity = false;
  bool ImageClearRigidity = false;
  bool ImageHelp = false;
  bool ImageSelection = false;
  bool ImageClearSelection = false;
  bool ImageRenameCriteria = false;
  bool ImageClearRename = false;
  bool ImageResetAll = false;
  bool ImagePreview = false;
  bool ImageUndo = false;
  bool ImageViewPriority = false;
  bool CheckEasyProcess = false;
};

ButtonStates EnableButtons(const Session& s);

// The reset buttons beside the status displays: visible or not, and their captions.
struct ResetButtons {
  bool selectionVisible = false;
  std::string LabelClearSelection;
  bool actionVisible = false;
  bool renameVisible = false;
  bool rigidityVisible = false;
};

ResetButtons ResetButtonVisibility(const Session& s);

}  // namespace quillon
