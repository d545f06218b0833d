#pragma once
// The control-state dispatcher: brings the window's controls into line with the session.
#include <string>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// Re-decides the side frame when asked to, then hands the code to the front end,
// which renders what the code refreshes.
void SetControlState(Session& s, UserInterface& ui, const std::string& code);

}  // namespace quillon
