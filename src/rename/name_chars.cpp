#include "rename/name_chars.h"

#include <unicode/uchar.h>

#include "platform/text.h"

namespace quillon {
namespace {

// Letters of any script count, so names in every language can be built.
bool IsLetterOrDigit(char32_t c) {
  if (c < 0x80) return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  return u_isalnum(static_cast<UChar32>(c)) != 0;
}

}  // namespace

bool IsNewNameChar(char32_t c, bool spaceAllowed) {
  return IsLetterOrDigit(c) || c == U'$' || c == U'-' || c == U'_' || (spaceAllowed && c == U' ');
}

bool IsExtensionChar(char32_t c) {
  return IsLetterOrDigit(c);
}

bool AllNewNameChars(std::string_view text, bool spaceAllowed) {
  for (char32_t c : DecodeUtf8(text)) {
    if (!IsNewNameChar(c, spaceAllowed)) return false;
  }
  return true;
}

bool AllExtensionChars(std::string_view text) {
  for (char32_t c : DecodeUtf8(text)) {
    if (!IsExtensionChar(c)) return false;
  }
  return true;
}

}  // namespace quillon
