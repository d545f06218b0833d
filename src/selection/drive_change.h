#pragma once
// A new drive in the drive list Drive1.
#include <string>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// Goes to the chosen drive; a drive that cannot be read is refused with
// "MessageDriveNotReady" and the last good drive is shown again.
void OnDrive1Change(Session& s, UserInterface& ui, const std::string& drive);

}  // namespace quillon
