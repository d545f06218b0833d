#include "rename/pattern_replace.h"

#define PCRE2_CODE_UNIT_WIDTH 32
#include <pcre2.h>

#include "platform/text.h"

namespace quillon {

struct PatternReplace::Code {
  pcre2_code* code = nullptr;
  ~Code() { pcre2_code_free(code); }
};

std::optional<PatternReplace> PatternReplace::Compile(const std::string& pattern,
                                                      const std::u32string& with,
                                                      std::string* error) {
  // The names are decoded already: the pattern is matched on the same code points.
  const std::u32string wide = DecodeUtf8(pattern);
  int code = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* compiled =
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>(wide.data()), wide.size(),
                    PCRE2_UTF | PCRE2_UCP | PCRE2_MATCH_INVALID_UTF, &code, &offset, nullptr);
  if (compiled == nullptr) {
    if (error != nullptr) {
      PCRE2_UCHAR text[256];
      const int length = pcre2_get_error_message(code, text, 256);
      std::string message;
      for (int k = 0; k < length; ++k) AppendUtf8(message, static_cast<char32_t>(text[k]));
      *error = message + " at character " + std::to_string(offset + 1);
    }
    return std::nullopt;
  }
  PatternReplace made;
  auto owner = std::make_shared<Code>();
  owner->code = compiled;
  made.code_ = std::move(owner);
  made.with_ = with;
  return made;
}

bool PatternReplace::Apply(std::u32string& name) const {
  pcre2_match_data* data = pcre2_match_data_create_from_pattern(code_->code, nullptr);
  if (data == nullptr) return false;
  std::u32string out;
  std::size_t from = 0;    // where the next search starts
  std::size_t copied = 0;  // the name up to here is in `out`
  std::size_t lastEnd = std::u32string::npos;
  bool matched = false;
  const auto subject = reinterpret_cast<PCRE2_SPTR>(name.data());
  while (from <= name.size()) {
    const int rc = pcre2_match(code_->code, subject, name.size(), from, 0, data, nullptr);
    if (rc < 0) break;
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data);
    const std::size_t start = ovector[0];
    const std::size_t end = ovector[1];
    if (start == end && start == lastEnd) {
      // An empty match right after a match: move on one character.
      from = start + 1;
      continue;
    }
    matched = true;
    out.append(name, copied, start - copied);
    for (std::size_t k = 0; k < with_.size(); ++k) {
      const char32_t c = with_[k];
      if (c == U'$' && k + 1 < with_.size() && with_[k + 1] >= U'1' && with_[k + 1] <= U'9') {
        const auto group = static_cast<std::size_t>(with_[k + 1] - U'0');
        // A group that took no part, or beyond the pattern's, gives nothing.
        if (group < static_cast<std::size_t>(rc) && ovector[2 * group] != PCRE2_UNSET) {
          out.append(name, ovector[2 * group], ovector[2 * group + 1] - ovector[2 * group]);
        }
        ++k;
      } else {
        out.push_back(c);
      }
    }
    copied = end;
    lastEnd = end;
    from = end > start ? end : end + 1;
  }
  pcre2_match_data_free(data);
  if (!matched) return false;
  out.append(name, copied, std::u32string::npos);
  name = std::move(out);
  return true;
}

std::string PatternError(const std::string& pattern) {
  std::string error;
  if (PatternReplace::Compile(pattern, {}, &error)) return "";
  return error;
}

}  // namespace quillon
