#pragma once
// The panel-opening dispatcher: runs a panel code's procedure and refreshes by its group.
#include <string>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

void OpenPanel(Session& s, UserInterface& ui, const std::string& code);

}  // namespace quillon
