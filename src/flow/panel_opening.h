#pragma once
// The panel-opening dispatcher: runs a panel code's procedure and refreshes by its group.
#include <string>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// Panel-start codes take the work area (ResultShown) and refresh with "setButGlobal";
// quiet codes refresh nothing themselves; the destination code refreshes with
// "setButOnlyActiveness". The front end is told the code first, so that it can show
// the panel (or, for "setNullActionMovePath", run the destination chooser).
void OpenPanel(Session& s, UserInterface& ui, const std::string& code);

}  // namespace quillon
