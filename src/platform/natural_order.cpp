#include "platform/natural_order.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/file_services.h"
#include "platform/text.h"

// A name is a sequence of elements: runs of ASCII digits (numbers) and single code
// points. Code points compare case-blind (simple lower case), numbers by value, and a
// number sits between the code points below '0' and those above '9', where the digits
// would be. Equal sequences fall back to byte order, so distinct names never tie.
// Lower case rather than upper case so that '_' and '[' come before the letters.

namespace quillon {
namespace {

constexpr char32_t kEscapeBase = 0xDC00;  // bytes that are not UTF-8, as text.h maps them

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

char32_t Fold(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  return SimpleLower(c);
}

// The digit run starting at s[i]: [start of significant digits, end of run).
struct DigitRun {
  std::size_t first;
  std::size_t end;
};

DigitRun ScanDigits(std::string_view s, std::size_t i) {
  while (i < s.size() && s[i] == '0') ++i;
  std::size_t end = i;
  while (end < s.size() && IsDigit(s[end])) ++end;
  return {i, end};
}

// <0, 0, >0 as the element sequences of a and b compare.
int CompareElements(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const bool da = IsDigit(a[i]);
    const bool db = IsDigit(b[j]);
    if (da && db) {
      const DigitRun ra = ScanDigits(a, i);
      const DigitRun rb = ScanDigits(b, j);
      const std::size_t la = ra.end - ra.first;
      const std::size_t lb = rb.end - rb.first;
      if (la != lb) return la < lb ? -1 : 1;
      if (const int c = std::memcmp(a.data() + ra.first, b.data() + rb.first, la); c != 0) {
        return c;
      }
      i = ra.end;
      j = rb.end;
      continue;
    }
    const auto ua = static_cast<unsigned char>(a[i]);
    const auto ub = static_cast<unsigned char>(b[j]);
    if (!da && !db && ua < 0x80 && ub < 0x80) {
      const char32_t fa = Fold(ua);
      const char32_t fb = Fold(ub);
      if (fa != fb) return fa < fb ? -1 : 1;
      ++i;
      ++j;
      continue;
    }
    char32_t ca = 0;
    char32_t cb = 0;
    if (da) {
      DecodeUtf8At(b, j, cb);
      return Fold(cb) < U'0' ? 1 : -1;
    }
    if (db) {
      DecodeUtf8At(a, i, ca);
      return Fold(ca) < U'0' ? -1 : 1;
    }
    i += DecodeUtf8At(a, i, ca);
    j += DecodeUtf8At(b, j, cb);
    ca = Fold(ca);
    cb = Fold(cb);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

// Appends a folded code point so that byte order is code point order: UTF-8 (applied to
// escape code points too), with 0 and 1 shifted to "\1\1" and "\1\2" so that the zero
// byte ending the elements sorts before every element.
void AppendCodePoint(std::string& key, char32_t c) {
  if (c <= 1) {
    key.push_back('\1');
    key.push_back(static_cast<char>(c + 1));
    return;
  }
  if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
    // AppendUtf8 would turn these back into their single byte; keep them three bytes.
    key.push_back(static_cast<char>(0xE0 | (c >> 12)));
    key.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    key.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    return;
  }
  AppendUtf8(key, c);
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
  const int c = CompareElements(a, b);
  if (c != 0) return c < 0;
  return a < b;
}

namespace {

// The key byte of each ASCII byte that stands for itself, folded; 0 for the others
// (digits, which make numbers, 0 and 1, which are shifted, and bytes beyond ASCII).
constexpr std::array<unsigned char, 256> kKeyByte = [] {
  std::array<unsigned char, 256> key{};
  for (int c = 2; c < 0x80; ++c) {
    if (c >= '0' && c <= '9') continue;
    key[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  }
  return key;
}();

// Writes the key of the number in `digits` (its significant digits) at `out` and returns
// its end: '0' marks a number, then its length (one byte below 255, else 255 and four
// bytes), then the digits. That is at most six bytes more than the digits.
char* WriteNumberKey(char* out, std::string_view digits) {
  const std::size_t length = digits.size();
  *out++ = '0';
  if (length < 255) {
    *out++ = static_cast<char>(length);
  } else {
    *out++ = static_cast<char>(255);
    for (int shift = 24; shift >= 0; shift -= 8) {
      *out++ = static_cast<char>((length >> shift) & 0xFF);
    }
  }
  return std::copy(digits.begin(), digits.end(), out);
}

// Writes the key of `name` at `out` when the name is all ASCII, as AppendSortKey would,
// and returns its end; nullptr, with nothing of use written, for any other name. It needs
// room for 4 bytes per byte of the name and 8 more: no byte gives more than three (a
// one-digit number: '0', its length, the digit), then come the end mark and the name.
char* WriteAsciiSortKey(char* out, std::string_view name) {
  for (std::size_t i = 0; i < name.size();) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (byte >= 0x80) return nullptr;
    if (kKeyByte[byte] != 0) {
      *out++ = static_cast<char>(kKeyByte[byte]);
      ++i;
    } else if (IsDigit(name[i])) {
      const DigitRun run = ScanDigits(name, i);
      out = WriteNumberKey(out, name.substr(run.first, run.end - run.first));
      i = run.end;
    } else {  // 0 and 1
      *out++ = '\1';
      *out++ = static_cast<char>(byte + 1);
      ++i;
    }
  }
  *out++ = '\0';
  return std::copy(name.begin(), name.end(), out);
}

// Appends the key of `name` to `key`.
void AppendSortKey(std::string& key, std::string_view name) {
  // Most names are ASCII: their keys are written in place, with no call per byte.
  const std::size_t at = key.size();
  key.resize(at + 4 * name.size() + 8);
  if (char* end = WriteAsciiSortKey(key.data() + at, name)) {
    key.resize(static_cast<std::size_t>(end - key.data()));
    return;
  }
  key.resize(at);
  for (std::size_t i = 0; i < name.size();) {
    if (IsDigit(name[i])) {
      const DigitRun run = ScanDigits(name, i);
      const std::size_t start = key.size();
      key.resize(start + (run.end - run.first) + 6);
      char* end = WriteNumberKey(key.data() + start, name.substr(run.first, run.end - run.first));
      key.resize(static_cast<std::size_t>(end - key.data()));
      i = run.end;
      continue;
    }
    const auto byte = static_cast<unsigned char>(name[i]);
    if (byte >= 2 && byte < 0x80) {  // ASCII other than 0 and 1: the folded byte itself
      key.push_back(static_cast<char>(kKeyByte[byte]));
      ++i;
      continue;
    }
    char32_t c = 0;
    i += DecodeUtf8At(name, i, c);
    AppendCodePoint(key, Fold(c));
  }
  key.push_back('\0');
  key.append(name);
}

}  // namespace

std::string NaturalSortKey(std::string_view name) {
  std::string key;
  key.reserve(name.size() * 2 + 4);
  AppendSortKey(key, name);
  return key;
}

void SortNaturally(std::vector<std::string>& names) {
  // Every key in one buffer: no allocation per name.
  struct Entry {
    std::size_t at;          // the key's start in `keys`
    std::size_t length;      // the key's length
    std::size_t nameLength;  // the name, the key's tail
  };
  // Keys are about twice their names; a key is written with room for its worst case.
  std::size_t bytes = 0;
  std::size_t longest = 0;
  for (const std::string& name : names) {
    bytes += name.size() * 2 + 2;
    longest = std::max(longest, name.size());
  }
  bytes += 4 * longest + 8;
  std::string keys;
  keys.reserve(bytes);
  std::vector<Entry> entries;
  entries.reserve(names.size());
  for (const std::string& name : names) {
    const std::size_t at = keys.size();
    AppendSortKey(keys, name);
    entries.push_back({at, keys.size() - at, name.size()});
  }
  const auto key = [&keys](const Entry& e) {
    return std::string_view(keys).substr(e.at, e.length);
  };
  const auto less = [&key](const Entry& x, const Entry& y) { return key(x) < key(y); };
  // A listing often comes in order already, or in reverse order (files made one after
  // another, on a file system that lists them oldest or newest first): then the names
  // need no sorting.
  if (std::is_sorted(entries.begin(), entries.end(), less)) return;
  if (std::is_sorted(entries.rbegin(), entries.rend(), less)) {
    std::reverse(names.begin(), names.end());
    return;
  }
  std::sort(entries.begin(), entries.end(), less);
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const Entry& e = entries[k];
    names[k].assign(keys, e.at + e.length - e.nameLength, e.nameLength);
  }
}

}  // namespace quillon
