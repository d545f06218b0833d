#pragma once
// What frmRen shows for the editor's state: every control's visibility, text, tick,
// chosen option or entry, and the tab positions of the chosen path.
#include "session/session.h"
#include "ui/view.h"

namespace quillon {

View EditorView(const Session& s);

}  // namespace quillon
