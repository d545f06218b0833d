#pragma once
// "Every match of this pattern": a Perl-compatible regular expression (PCRE2, UTF mode)
// whose every match in the base name gives way to the With text, in which $1 to $9 stand
// for the pattern's groups.
#include <memory>
#include <optional>
#include <string>

namespace quillon {

class PatternReplace {
 public:
  // The compiled pattern, or nullopt with `error` set to the library's message and the
  // character (from 1) where it stopped.
  static std::optional<PatternReplace> Compile(const std::string& pattern,
                                               const std::u32string& with,
                                               std::string* error = nullptr);

  // Replaces every match in `name`, from left to right, none overlapping; an empty match
  // after a match's end is skipped, as in Perl. Returns whether anything matched.
  bool Apply(std::u32string& name) const;

 private:
  struct Code;
  std::shared_ptr<const Code> code_;
  std::u32string with_;
};

// The pattern's fault as the editor and a job file name it ("" for a valid pattern).
std::string PatternError(const std::string& pattern);

}  // namespace quillon
