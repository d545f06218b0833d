#include "platform/text.h"

#include <unicode/uchar.h>

namespace quillon {
namespace {

constexpr char32_t kEscapeBase = 0xDC00;  // U+DC80..U+DCFF carry undecodable bytes

// Length of the valid UTF-8 sequence at bytes[i], or 0 when it is not valid.
std::size_t ValidSequence(std::string_view bytes, std::size_t i, char32_t& out) {
  const auto b0 = static_cast<unsigned char>(bytes[i]);
  if (b0 < 0x80) {
    out = b0;
    return 1;
  }
  std::size_t len;
  char32_t cp;
  char32_t min;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > bytes.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(bytes[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  out = cp;
  return len;
}

}  // namespace

std::size_t DecodeUtf8At(std::string_view bytes, std::size_t i, char32_t& out) {
  const std::size_t len = ValidSequence(bytes, i, out);
  if (len != 0) return len;
  out = kEscapeBase + static_cast<unsigned char>(bytes[i]);
  return 1;
}

std::u32string DecodeUtf8(std::string_view bytes) {
  std::u32string out;
  DecodeUtf8Into(bytes, out);
  return out;
}

void DecodeUtf8Into(std::string_view bytes, std::u32string& out) {
  out.clear();
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t cp;
    i += DecodeUtf8At(bytes, i, cp);
    out.push_back(cp);
  }
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
    out.push_back(static_cast<char>(c - kEscapeBase));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) AppendUtf8(out, c);
  return out;
}

char32_t SimpleUpper(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  return static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
}

char32_t SimpleLower(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  return static_cast<char32_t>(u_tolower(static_cast<UChar32>(c)));
}

std::u32string ToUpper(std::u32string_view text) {
  std::u32string out(text);
  for (char32_t& c : out) c = SimpleUpper(c);
  return out;
}

std::u32string ToLower(std::u32string_view text) {
  std::u32string out(text);
  for (char32_t& c : out) c = SimpleLower(c);
  return out;
}

std::string ToUpper(std::string_view bytes) {
  return EncodeUtf8(ToUpper(DecodeUtf8(bytes)));
}
std::string ToLower(std::string_view bytes) {
  return EncodeUtf8(ToLower(DecodeUtf8(bytes)));
}

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    char32_t cp;
    const std::size_t len = ValidSequence(bytes, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

std::size_t CodePointCount(std::string_view bytes) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < bytes.size(); ++count) {
    char32_t cp;
    i += DecodeUtf8At(bytes, i, cp);
  }
  return count;
}

}  // namespace quillon
