#pragma once
// The per-name transforms of the rename engine. Each is prepared once per run from the
// criteria record (texts decoded to code points, keywords resolved) and then applied to
// one base name at a time.
#include <cstdint>
#include <optional>
#include <string>

#include "rename/cuts.h"
#include "rename/pattern_replace.h"
#include "session/options.h"
#include "session/rename_state.h"

namespace quillon {

// What a transform that may fail decided for one file.
enum class Outcome { kDone, kMark };

// Case: converts the characters that the scope names; the length never changes.
class CaseTransform {
 public:
  explicit CaseTransform(const RenameCriteria& c);
  void Apply(std::u32string& name) const;

 private:
  enum class Scope { kNone, kFileName, kFirstLetter, kFirstLetterOfWords };
  char32_t (*map_)(char32_t) = nullptr;
  Scope scope_ = Scope::kNone;
};

// Space and Handle: every instance of a string replaced, scanning left to right;
// matches never overlap and inserted text is not scanned again.
class EveryInstanceTransform {
 public:
  static EveryInstanceTransform Space(const RenameCriteria& c);
  static EveryInstanceTransform Handle(const RenameCriteria& c);
  // scratch is a buffer the caller keeps between names.
  void Apply(std::u32string& name, std::u32string& scratch) const;

 private:
  std::u32string what_;
  std::u32string with_;
};

// Insert, Replace and Remove: a cut at a place, filled with the criterion's text.
class PositionalTransform {
 public:
  static PositionalTransform Insert(const RenameCriteria& c, const Options& o);
  static PositionalTransform Replace(const RenameCriteria& c, const Options& o);
  static PositionalTransform Remove(const RenameCriteria& c, const Options& o);

  // "ReplaceFileName" rewrites files that an earlier criterion marked.
  bool rewritesMarked() const { return kind_ == Kind::kWholeName; }
  // Whether it does anything at all (its place names a form).
  bool active() const { return kind_ != Kind::kNone; }
  Outcome Apply(std::u32string& name) const;

 private:
  enum class Kind { kNone, kInsert, kCut, kWholeName, kPattern };
  Kind kind_ = Kind::kNone;
  Form form_ = Form::kNone;
  int n_ = 0;
  int count_ = 0;
  std::u32string anchor_;
  std::u32string text_;  // put in at the place; "" for Remove
  bool markNotPossible_ = false;
  bool markShortfall_ = false;  // otherwise the characters that are there give way
  std::optional<PatternReplace> pattern_;
};

}  // namespace quillon
