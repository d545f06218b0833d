#pragma once
// OK and Cancel of every editing panel, and the resets, dispatched on PendingKeyword.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

void ApplyPanel(Session& s, UserInterface& ui);
void CancelPanel(Session& s, UserInterface& ui);
// "ResetAll": selection rule, action, options, selection and criteria back to the start.
void ResetAll(Session& s, UserInterface& ui);

}  // namespace quillon
