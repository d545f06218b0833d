#include "flow/priority_panel.h"

#include "rename/criteria.h"

namespace quillon {

void ApplyPriorityPanel(Session& s) {
  RecomputePriority(s);
}

}  // namespace quillon
