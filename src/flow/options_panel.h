#pragma once
// The Options panel: OK, Default, the options Reset, and Cancel.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

void ApplyOptionsPanel(Session& s, UserInterface& ui);
void RigidityDefault(Session& s, UserInterface& ui);
void ResetRigidity(Session& s, UserInterface& ui);
void CancelOptionsPanel(Session& s);

}  // namespace quillon
