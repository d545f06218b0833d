#pragma once
// The control-state dispatcher: brings the window's controls into line with the session.
#include <string>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// What the front end renders for a control-state code. The Little Help is rendered for
// every code.
struct ControlRefresh {
  // The code's own step.
  bool folderListState = false;  // FolderListState
  bool buttons = false;          // EnableButtons
  bool buttonPictures = false;   // the buttons' faces
  bool actionOK = false;         // the Action panel's OK
  bool optionsButtons = false;   // the Options panel's OK and Default
  bool priorityButtons = false;  // the Priority panel's OK and hints
  bool windowCaption = false;
  bool statusFrames = false;
  bool easyProcessPanel = false;
  // Shows exactly the side frame SideFrame names.
  bool sideFrames = false;
  // The general refresh: buttons, reset buttons, status picture, folder-list state.
  bool general = false;
};

ControlRefresh RefreshFor(const std::string& code);

// The six steps: the editor's Little Help hand-over, the side-frame decision, the code's
// own step, the Little Help, the side frame and the general refresh with the priority
// re-sync. The front end renders what RefreshFor(code) names; after the editor's
// hand-over it is asked for "setButOnlyInfo" (the Little Help only).
void SetControlState(Session& s, UserInterface& ui, const std::string& code);

}  // namespace quillon
