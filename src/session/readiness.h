#pragma once
// What Preview and the Job may do next, and the criteria counts that decide it.
#include "session/session.h"

namespace quillon {

// Decides from the selection and the action whether Preview must compute names
// (RenamePending), only check conflicts (CheckPending), or the Job may run (JobReady).
void UpdateReadiness(Session& s);

// Whether any of Insert, Replace, Remove, Auto, Case, Space, Extension or Handle is on.
bool AnyRenameCriterionOn(const Session& s);
// How many of Insert, Replace and Remove are on.
int PositionalCriteriaOn(const Session& s);

}  // namespace quillon
