#include "platform/natural_order.h"

#include <algorithm>
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

// Appends the key of `name` to `key`.
void AppendSortKey(std::string& key, std::string_view name) {
  for (std::size_t i = 0; i < name.size();) {
    if (IsDigit(name[i])) {
      // '0' marks a number, then its significant length (one byte below 255, else 255 and
      // four bytes), then its significant digits.
      const DigitRun run = ScanDigits(name, i);
      const std::size_t length = run.end - run.first;
      key.push_back('0');
      if (length < 255) {
        key.push_back(static_cast<char>(length));
      } else {
        key.push_back(static_cast<char>(255));
        for (int shift = 24; shift >= 0; shift -= 8) {
          key.push_back(static_cast<char>((length >> shift) & 0xFF));
        }
      }
      key.append(name.substr(run.first, length));
      i = run.end;
      continue;
    }
    const auto byte = static_cast<unsigned char>(name[i]);
    if (byte >= 2 && byte < 0x80) {  // ASCII other than 0 and 1: the folded byte itself
      key.push_back(static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte));
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
  std::size_t bytes = 0;
  for (const std::string& name : names) bytes += name.size() * 2 + 2;
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
