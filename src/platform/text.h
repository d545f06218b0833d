#pragma once
// Names are bytes on Linux. The core works on code points: every byte string decodes
// losslessly (bytes that are not UTF-8 map to U+DC80..U+DCFF) and encodes back exactly.
#include <string>
#include <string_view>

namespace quillon {

// Decodes UTF-8 bytes to code points; invalid bytes become U+DC80 + byte.
std::u32string DecodeUtf8(std::string_view bytes);
// The same into `out`, replacing what it held (its room is kept, for decoding name after
// name without an allocation each).
void DecodeUtf8Into(std::string_view bytes, std::u32string& out);

// Decodes the code point at bytes[i] (an invalid byte becomes U+DC80 + byte) and returns
// how many bytes it took.
std::size_t DecodeUtf8At(std::string_view bytes, std::size_t i, char32_t& out);

// Encodes code points to UTF-8; U+DC80..U+DCFF become the single byte they stand for.
std::string EncodeUtf8(std::u32string_view text);
void AppendUtf8(std::string& out, char32_t c);

// Simple (one to one) case mapping of the user's locale; a name never changes length.
char32_t SimpleUpper(char32_t c);
char32_t SimpleLower(char32_t c);
std::u32string ToUpper(std::u32string_view text);
std::u32string ToLower(std::u32string_view text);
std::string ToUpper(std::string_view bytes);
std::string ToLower(std::string_view bytes);

// Whether the bytes are valid UTF-8 (nothing to escape).
bool IsValidUtf8(std::string_view bytes);

// Number of code points in a byte string (lossless decoding).
std::size_t CodePointCount(std::string_view bytes);

}  // namespace quillon
