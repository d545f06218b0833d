#include "flow/options_panel.h"

namespace quillon {

void ApplyOptionsPanel(Session&, UserInterface&) {}
void RigidityDefault(Session&, UserInterface&) {}
void ResetRigidity(Session&, UserInterface&) {}
void CancelOptionsPanel(Session&) {}

}  // namespace quillon
