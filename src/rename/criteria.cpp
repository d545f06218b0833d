#include "rename/criteria.h"

namespace quillon {

void RenameSet(Session&) {}
void ResetRename(Session&) {}
void RecomputePriority(Session&) {}
bool AnyRenameCriterionOn(const Session&) { return false; }

}  // namespace quillon
