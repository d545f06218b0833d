#pragma once
#include "session/session.h"

namespace quillon {

// Decides from the selection and the action whether Preview must compute names
// (RenamePending), only check conflicts (CheckPending), or the Job may run (JobReady).
void UpdateReadiness(Session& s);

}  // namespace quillon
