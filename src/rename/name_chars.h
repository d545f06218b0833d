#pragma once
// Which characters may go into a new name: letters, digits, "$", "-" and "_", and a
// space where the user asks for it; an extension is letters and digits only.
#include <string_view>

namespace quillon {

bool IsNewNameChar(char32_t c, bool spaceAllowed);
bool IsExtensionChar(char32_t c);
// Every character of the UTF-8 text passes the test.
bool AllNewNameChars(std::string_view text, bool spaceAllowed);
bool AllExtensionChars(std::string_view text);

}  // namespace quillon
