#pragma once
// The Priority panel: its OK and Default apply the preferred order.
#include "session/session.h"

namespace quillon {

void ApplyPriorityPanel(Session& s);

}  // namespace quillon
