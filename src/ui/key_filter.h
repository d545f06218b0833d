#pragma once
// What a text box does with a key press: the front end calls a filter of the core with
// the key as a character code (8 = Backspace, 13 = Enter) and obeys the verdict.
#include <string>

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
  KeyVerdict() = default;
  KeyVerdict(KeyAction a, char32_t r = 0) : action(a), replacement(r) {}  // NOLINT: implicit

  KeyAction action = KeyAction::Accept;
  char32_t replacement = 0;
  // A refusal's message: its key and, for a "ready" message, its text ("" when a
  // filter shows its message itself or shows none).
  std::string messageKey;
  std::string messageText;
};

}  // namespace quillon
