#pragma once
// The criteria editor's key filters: which keys each box accepts, which it changes and
// which it refuses, with the message that explains the refusal.
#include <string>

#include "session/session.h"
#include "ui/key_filter.h"
#include "ui/user_interface.h"

namespace quillon {

// The verdict for `key` typed into `box` in the editor's present state.
KeyVerdict EditorKeyFilter(const Session& s, EditorBox box, char32_t key);
// The same, and a refusal's message is shown.
KeyVerdict EditorBoxKey(Session& s, UserInterface& ui, EditorBox box, char32_t key);

// A text that reached a box by other means than typing (a paste): each character goes
// through the box's filter as if typed into the box from empty; refused characters are
// dropped and the first refusal is explained. Then the box's change reaction runs.
void OnTextEdited(Session& s, UserInterface& ui, EditorBox box, const std::string& text);

// The texts of a number box's refusals for the list entry chosen: the digit text (a
// key that is no digit) and the zero text (a "0" typed first).
std::string DigitText(const Session& s, EditorBox box);
std::string ZeroText(const Session& s, EditorBox box);

}  // namespace quillon
