#pragma once
// Where the criteria editor's keyboard goes: no reaction moves it while the editor is
// being filled (EditorHelpRequest).
#include <initializer_list>

#include "session/session.h"

namespace quillon {

// `box` takes the focus, unless the editor is being filled.
void FocusBox(Session& s, EditorBox box);
// The tab order of a chosen path, its first box taking the focus.
void FocusPath(Session& s, std::initializer_list<EditorBox> path);

}  // namespace quillon
