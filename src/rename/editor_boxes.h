#pragma once
// The criteria editor's text boxes: their names, maximum lengths and the Ed value each
// one mirrors, and the change reaction every box runs.
#include <string>
#include <string_view>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// The box's control name, such as "TextInsertThis".
std::string_view BoxName(EditorBox box);
// The box's maximum length in characters; 0 for none.
int BoxMaxLength(const Session& s, EditorBox box);
// True for the eight boxes that hold a count of characters.
bool IsNumberBox(EditorBox box);
// The box's text.
const std::string& BoxText(const Session& s, EditorBox box);

// The change reaction: the box's text, the Ed value it mirrors (a number box gives its
// integer value, 0 when empty), and for TextAutoStart of the kind "Number" the rewrite
// of a leading zero with its message. Setting a box from code calls it too.
void OnTextChange(Session& s, UserInterface& ui, EditorBox box, const std::string& text);

// A count as a number box shows it: decimal, and empty for 0.
std::string CountText(std::int16_t count);

}  // namespace quillon
