#include "rename/cuts.h"

namespace quillon {
namespace {

constexpr std::size_t kNotFound = std::u32string_view::npos;

Cut Fits(std::size_t start, std::size_t length) {
  return {Fit::kFits, start, length};
}
Cut Shortfall(std::size_t start, std::size_t length) {
  return {Fit::kShortfall, start, length};
}
Cut NotPossible() {
  return {Fit::kNotPossible, 0, 0};
}

bool UsesAnchor(Form form) {
  return form == Form::kAString || form == Form::kAfterAString || form == Form::kBeforeAString ||
         form == Form::kCharAfterAString || form == Form::kCharBeforeAString;
}

}  // namespace

Form FormOf(std::string_view keyword, std::string_view prefix) {
  if (!keyword.starts_with(prefix)) return Form::kNone;
  const std::string_view form = keyword.substr(prefix.size());
  if (form == "FileName") return Form::kFileName;
  if (form == "AString") return Form::kAString;
  if (form == "AfterNumChars") return Form::kAfterNumChars;
  if (form == "BeforeNumChars") return Form::kBeforeNumChars;
  if (form == "AfterAString") return Form::kAfterAString;
  if (form == "BeforeAString") return Form::kBeforeAString;
  if (form == "CharAfterNumChars") return Form::kCharAfterNumChars;
  if (form == "CharBeforeNumChars") return Form::kCharBeforeNumChars;
  if (form == "CharAfterAString") return Form::kCharAfterAString;
  if (form == "CharBeforeAString") return Form::kCharBeforeAString;
  if (form == "Pattern") return Form::kPattern;
  return Form::kNone;
}

bool IsCharForm(Form form) {
  return form == Form::kCharAfterNumChars || form == Form::kCharBeforeNumChars ||
         form == Form::kCharAfterAString || form == Form::kCharBeforeAString;
}

Cut FindCut(Form form, std::u32string_view name, int n, int count, std::u32string_view anchor) {
  const std::size_t L = name.size();
  std::size_t p = 0;  // 0-based position of the anchor
  if (UsesAnchor(form)) {
    if (anchor.empty()) return {};
    p = name.find(anchor);
    if (p == kNotFound) return NotPossible();
  } else if (n < 0 || static_cast<std::size_t>(n) > L) {
    return NotPossible();
  }
  // A negative count is beyond every name.
  if (IsCharForm(form) && count < 0) return NotPossible();
  const auto N = static_cast<std::size_t>(n < 0 ? 0 : n);
  const auto C = static_cast<std::size_t>(count < 0 ? 0 : count);
  const std::size_t a = anchor.size();

  switch (form) {
    case Form::kAString:
      return Fits(p, a);
    case Form::kAfterNumChars:
      return Fits(N, L - N);
    case Form::kBeforeNumChars:
      return Fits(0, L - N);
    case Form::kAfterAString:
      return Fits(p + a, L - p - a);
    case Form::kBeforeAString:
      return Fits(0, p);
    case Form::kCharAfterNumChars:
      return L - N < C ? Shortfall(N, L - N) : Fits(N, C);
    case Form::kCharBeforeNumChars:
      return L - N < C ? Shortfall(0, L - N) : Fits(L - N - C, C);
    case Form::kCharAfterAString:
      return L - (p + a) < C ? Shortfall(p + a, L - p - a) : Fits(p + a, C);
    case Form::kCharBeforeAString:
      return p < C ? Shortfall(0, p) : Fits(p - C, C);
    default:
      return {};
  }
}

Cut FindInsertionPoint(Form form, std::u32string_view name, int n, std::u32string_view anchor) {
  const std::size_t L = name.size();
  switch (form) {
    case Form::kAfterNumChars:
    case Form::kBeforeNumChars: {
      if (n < 0 || static_cast<std::size_t>(n) > L) return NotPossible();
      const auto N = static_cast<std::size_t>(n);
      return Fits(form == Form::kAfterNumChars ? N : L - N, 0);
    }
    case Form::kAfterAString:
    case Form::kBeforeAString: {
      if (anchor.empty()) return {};
      const std::size_t p = name.find(anchor);
      if (p == kNotFound) return NotPossible();
      return Fits(form == Form::kAfterAString ? p + anchor.size() : p, 0);
    }
    default:
      return {};
  }
}

}  // namespace quillon
