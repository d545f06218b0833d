#pragma once
// Which buttons of the main window are enabled, and which reset buttons are shown.
#include "session/session.h"
#include "ui/view.h"

namespace quillon {

// Every button EnableButtons decides, with `enabled` set (false unless a rule enables it).
View EnableButtons(const Session& s);

// The reset buttons beside the status displays and their captions: `visible` set for the
// four buttons and their labels, LabelClearSelection's text.
View ResetButtonVisibility(const Session& s);

}  // namespace quillon
