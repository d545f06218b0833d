#pragma once
// Where the positional criteria (Insert, Replace, Remove, Auto) change a name. Counts
// and positions are in characters; every bound is checked before anything is cut.
#include <cstddef>
#include <string_view>

namespace quillon {

// The place keyword without its criterion's prefix: "ReplaceCharAfterAString" and
// "RemoveCharAfterAString" are both kCharAfterAString.
enum class Form {
  kNone,
  kFileName,
  kAString,
  kAfterNumChars,
  kBeforeNumChars,
  kAfterAString,
  kBeforeAString,
  kCharAfterNumChars,
  kCharBeforeNumChars,
  kCharAfterAString,
  kCharBeforeAString,
  kPattern,  // every match of a regular expression (Replace only)
};

// The form of keyword when it starts with prefix ("Insert", "Replace", "Remove",
// "Auto"); kNone for anything else.
Form FormOf(std::string_view keyword, std::string_view prefix);
bool IsCharForm(Form form);

enum class Fit {
  kFits,         // the characters [start, start + length) give way to the new text
  kNotPossible,  // the anchor is not found, or the count lies beyond the name
  kShortfall,    // fewer characters than asked are there; [start, start + length) is
                 // what is there
  kNothingToDo,  // an empty anchor: the name is left as it is
};

struct Cut {
  Fit fit = Fit::kNothingToDo;
  std::size_t start = 0;
  std::size_t length = 0;
};

// The cut of a Replace or Remove form in name: n is the character count of the Num
// forms, count the number of characters of the Char forms, anchor the string of the
// String forms.
Cut FindCut(Form form, std::u32string_view name, int n, int count, std::u32string_view anchor);

// The insertion point of an Insert or Auto form (a cut of length 0).
Cut FindInsertionPoint(Form form, std::u32string_view name, int n, std::u32string_view anchor);

}  // namespace quillon
