#pragma once
// What a text box does with a key press: the front end calls a filter of the core with
// the key as a character code (8 = Backspace, 13 = Enter) and obeys the verdict.
namespace quillon {

inline constexpr char32_t kKeyBackspace = 8;
inline constexpr char32_t kKeyEnter = 13;

enum class KeyAction {
  Accept,    // the key goes into the box
  AcceptAs,  // the key goes in as `replacement`
  Refuse,    // the key is discarded (a message may have been shown)
  PressOK,   // the key is discarded and the panel's OK is pressed
};

struct KeyVerdict {
  KeyAction action = KeyAction::Accept;
  char32_t replacement = 0;
};

}  // namespace quillon
