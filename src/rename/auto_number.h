#pragma once
// Auto numbering and lettering: the running value and the capacity check.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rename/name_transforms.h"
#include "session/session.h"

namespace quillon {

// Whether the start letters in the editor (EdAutoStart, EdAutoSmallLetter) leave enough
// letter groups for SelectedCount files. Sets AutoLetterCapacity and AutoLetterLimit
// for the message that refuses the preview.
bool CheckAutoLetterCapacity(Session& s);

// The running value of one Auto run. A default one has no values.
class AutoSequence {
 public:
  // Numbers from start, zeroFill zeros in front while the width lasts.
  static AutoSequence Numbers(std::int32_t start, std::int16_t zeroFill);
  // Letter groups of 1 to 3 letters counting in base 26 from start, "Z" or "z" highest.
  // A start that is no such group is exhausted at once.
  static AutoSequence Letters(std::string_view start, bool small);

  // True when the letters have run out; no value follows.
  bool exhausted() const { return exhausted_; }
  // Appends the current value to out and moves on to the next one.
  void Next(std::u32string& out);

 private:
  bool letters_ = false;
  bool exhausted_ = true;
  // Numbers.
  std::int64_t number_ = 0;
  int zeros_ = 0;
  int width_ = 0;
  // Letters.
  std::array<char32_t, 3> group_{};
  std::size_t length_ = 0;
  char32_t top_ = U'Z';
};

// Auto: puts the running value at its place in each name that reaches it.
class AutoTransform {
 public:
  explicit AutoTransform(const RenameCriteria& c);

  // True when no more values follow: the run ends, later files are left alone.
  bool exhausted() const { return sequence_.exhausted(); }
  // Places the current value and moves on; kMark, using up no value, when the place is
  // not possible. An empty anchor places nothing.
  Outcome Apply(std::u32string& name);

 private:
  Form form_ = Form::kNone;
  int n_ = 0;
  std::u32string anchor_;
  AutoSequence sequence_;
  std::u32string value_;
};

}  // namespace quillon
