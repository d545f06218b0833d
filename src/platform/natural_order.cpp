#include "platform/natural_order.h"

#include <unicode/ucol.h>
#include <unicode/ucoleitr.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

#include "platform/file_services.h"
#include "platform/text.h"

// Natural order is the order of ICU's root collation (the same on every machine, whatever
// its locale), case-blind, with runs of ASCII digits compared by value, and byte order as
// the last tie-break, so that distinct names never tie. Accented letters sort beside their
// plain letters ("Apfel", "Äpfel", "apple"), other scripts after Latin.
//
// A name's sort key holds two levels of the collation's weights, then the name itself:
//   primary    per element: the 16-bit primary weights of its collation elements, or for
//              a number the primary of '0', its length (two bytes) and its significant
//              digits;
//   "\0\0"     (no primary weight starts with a zero byte);
//   secondary  the accents: the secondary weight of each element that has one;
//   "\0"       then the name's bytes.
// Comparing two keys byte by byte compares them level by level, as the collation does.
// The weights of each code point are asked of ICU once and kept; those of ASCII, which
// most names are made of, are kept in a table.

namespace quillon {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The weights of one code point in the root collation.
struct Weights {
  std::string primary;    // 16-bit weights, big-endian, none of them zero
  std::string secondary;  // one byte per element that has an accent weight
};

class RootWeights {
 public:
  static RootWeights& Get() {
    static RootWeights weights;
    return weights;
  }

  const Weights& Of(char32_t c) {
    if (c < ascii_.size()) return ascii_[c];
    auto found = others_.find(c);
    if (found == others_.end()) found = others_.emplace(c, Ask(c)).first;
    return found->second;
  }
  // The primary of the digit zero, where numbers sort.
  const std::string& NumberPrimary() const { return ascii_['0'].primary; }

 private:
  RootWeights() {
    UErrorCode error = U_ZERO_ERROR;
    collator_ = ucol_open("", &error);
    if (U_FAILURE(error)) collator_ = nullptr;
    for (char32_t c = 0; c < ascii_.size(); ++c) ascii_[c] = Ask(c);
  }
  RootWeights(const RootWeights&) = delete;
  RootWeights& operator=(const RootWeights&) = delete;

  // The collation elements of `c` alone. Without the collation data (an ICU built
  // without it) the code point itself stands for its weight.
  Weights Ask(char32_t c) const {
    Weights out;
    if (collator_ == nullptr) {
      const auto high = static_cast<char>(0x01 + (c >> 16));
      out.primary = {high, static_cast<char>((c >> 8) & 0xFF), static_cast<char>(c & 0xFF)};
      return out;
    }
    UChar units[2];
    int32_t length = 0;
    if (c < 0x10000) {
      units[length++] = static_cast<UChar>(c);  // a lone surrogate (a byte that is not
                                                // UTF-8) weighs as U+FFFD does
    } else {
      units[length++] = static_cast<UChar>(0xD7C0 + (c >> 10));
      units[length++] = static_cast<UChar>(0xDC00 | (c & 0x3FF));
    }
    UErrorCode error = U_ZERO_ERROR;
    UCollationElements* elements = ucol_openElements(collator_, units, length, &error);
    if (U_FAILURE(error)) return out;
    for (int32_t ce = ucol_next(elements, &error); ce != UCOL_NULLORDER && U_SUCCESS(error);
         ce = ucol_next(elements, &error)) {
      const auto primary = static_cast<std::uint32_t>(ce) >> 16;
      const auto secondary = static_cast<std::uint32_t>(ce >> 8) & 0xFF;
      const bool continuation = (ce & 0xC0) == 0xC0;
      if (primary != 0) {
        out.primary.push_back(static_cast<char>(primary >> 8));
        out.primary.push_back(static_cast<char>(primary & 0xFF));
      }
      if (secondary != 0 && !continuation) out.secondary.push_back(static_cast<char>(secondary));
    }
    ucol_closeElements(elements);
    return out;
  }

  UCollator* collator_ = nullptr;
  std::array<Weights, 128> ascii_;
  std::unordered_map<char32_t, Weights> others_;
};

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

// Appends the key of `name` to `key`, its secondary weights collected in `secondary`.
void AppendSortKey(std::string& key, std::string& secondary, std::string_view name) {
  RootWeights& weights = RootWeights::Get();
  secondary.clear();
  for (std::size_t i = 0; i < name.size();) {
    if (IsDigit(name[i])) {
      const DigitRun run = ScanDigits(name, i);
      const std::size_t length = std::min<std::size_t>(run.end - run.first, 0xFFFF);
      key += weights.NumberPrimary();
      key.push_back(static_cast<char>(length >> 8));
      key.push_back(static_cast<char>(length & 0xFF));
      key.append(name.substr(run.first, length));
      i = run.end;
      continue;
    }
    char32_t c = static_cast<unsigned char>(name[i]);
    if (c < 0x80) {
      ++i;
    } else {
      i += DecodeUtf8At(name, i, c);
    }
    const Weights& w = weights.Of(c);
    key += w.primary;
    secondary += w.secondary;
  }
  key.append(2, '\0');
  key += secondary;
  key.push_back('\0');
  key.append(name);
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
  return NaturalSortKey(a) < NaturalSortKey(b);
}

std::string NaturalSortKey(std::string_view name) {
  std::string key;
  std::string secondary;
  key.reserve(name.size() * 4 + 8);
  AppendSortKey(key, secondary, name);
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
  for (const std::string& name : names) bytes += name.size() * 4 + 8;
  std::string keys;
  keys.reserve(bytes);
  std::string secondary;
  std::vector<Entry> entries;
  entries.reserve(names.size());
  for (const std::string& name : names) {
    const std::size_t at = keys.size();
    AppendSortKey(keys, secondary, name);
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
