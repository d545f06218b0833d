#include "rename/auto_number.h"

#include <algorithm>
#include <charconv>

#include "platform/text.h"

namespace quillon {
namespace {

constexpr char32_t kLetterRange = 25;  // the bottom letter is 25 codes below the top

int DecimalDigits(std::int64_t n) {
  int digits = 1;
  for (; n >= 10 || n <= -10; n /= 10) ++digits;
  return digits;
}

bool InLetterRange(char32_t c, char32_t top) {
  return c <= top && c >= top - kLetterRange;
}

}  // namespace

AutoSequence AutoSequence::Numbers(std::int32_t start, std::int16_t zeroFill) {
  AutoSequence seq;
  seq.exhausted_ = false;
  seq.number_ = start;
  seq.zeros_ = std::clamp<int>(zeroFill, 0, 4);
  seq.width_ = DecimalDigits(start) + seq.zeros_;
  return seq;
}

AutoSequence AutoSequence::Letters(std::string_view start, bool small) {
  AutoSequence seq;
  seq.letters_ = true;
  seq.top_ = small ? U'z' : U'Z';
  const std::u32string letters = DecodeUtf8(start);
  const bool valid = !letters.empty() && letters.size() <= seq.group_.size() &&
                     std::all_of(letters.begin(), letters.end(),
                                 [&](char32_t c) { return InLetterRange(c, seq.top_); });
  if (!valid) return seq;
  seq.exhausted_ = false;
  seq.length_ = letters.size();
  std::copy(letters.begin(), letters.end(), seq.group_.begin());
  return seq;
}

void AutoSequence::Next(std::u32string& out) {
  if (exhausted_) return;
  if (letters_) {
    out.append(group_.data(), length_);
    // Count on in base 26, last letter lowest; the group never grows longer.
    for (std::size_t k = length_; k-- > 0;) {
      if (group_[k] < top_) {
        ++group_[k];
        return;
      }
      group_[k] = top_ - kLetterRange;
    }
    exhausted_ = true;
    return;
  }
  // Digits that the number gains take the place of zeros, so the width stays the same
  // while the zeros last.
  const int digits = DecimalDigits(number_);
  if (zeros_ > 0 && zeros_ + digits > width_) --zeros_;
  out.append(static_cast<std::size_t>(zeros_), U'0');
  char buffer[24];
  const char* end = std::to_chars(buffer, buffer + sizeof buffer, number_).ptr;
  for (const char* p = buffer; p != end; ++p) out.push_back(static_cast<char32_t>(*p));
  ++number_;
}

AutoTransform::AutoTransform(const RenameCriteria& c) {
  const Form form = FormOf(c.AutoPlace, "Auto");
  const bool after = form == Form::kAfterNumChars || form == Form::kAfterAString;
  if (!after && form != Form::kBeforeNumChars && form != Form::kBeforeAString) {
    return;  // no place, no value
  }
  form_ = form;
  n_ = after ? c.AutoAfterNum : c.AutoBeforeNum;
  anchor_ = DecodeUtf8(after ? c.AutoAfterString : c.AutoBeforeString);
  if (c.AutoKind == "Number") {
    sequence_ = AutoSequence::Numbers(c.AutoStartNumber, c.AutoZeroFill);
  } else if (c.AutoKind == "Capital Letter" || c.AutoKind == "Small Letter") {
    sequence_ = AutoSequence::Letters(c.AutoStartLetters, c.AutoKind == "Small Letter");
  }
}

Outcome AutoTransform::Apply(std::u32string& name) {
  const Cut cut = FindInsertionPoint(form_, name, n_, anchor_);
  if (cut.fit == Fit::kNotPossible) return Outcome::kMark;  // whatever the options say
  if (cut.fit != Fit::kFits) return Outcome::kDone;
  value_.clear();
  sequence_.Next(value_);
  name.insert(cut.start, value_);
  return Outcome::kDone;
}

bool CheckAutoLetterCapacity(Session& s) {
  RenameState& r = s.rename;
  const bool small = r.EdAutoSmallLetter;
  const char32_t top = small ? U'z' : U'Z';
  const std::u32string letters = DecodeUtf8(r.EdAutoStart);
  const std::size_t width = letters.size();

  std::int32_t capacity = 0;
  const bool valid = std::all_of(letters.begin(), letters.end(),
                                 [&](char32_t c) { return InLetterRange(c, top); });
  if (valid) {
    const auto gap = [&](std::size_t k) { return static_cast<std::int32_t>(top - letters[k]); };
    if (width == 1) capacity = gap(0) + 1;
    if (width == 2) capacity = gap(0) * 26 + gap(1) + 1;
    if (width == 3) capacity = gap(0) * 676 + gap(1) * 26 + gap(2) + 1;
  }
  r.AutoLetterCapacity = static_cast<std::int16_t>(capacity);
  r.AutoLetterLimit = width >= 1 && width <= 3 ? std::string(width, small ? 'z' : 'Z') : "";
  if (width < 1 || width > 3) return s.state.SelectedCount == 0;
  return capacity >= s.state.SelectedCount;
}

}  // namespace quillon
