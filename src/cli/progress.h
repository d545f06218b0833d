#pragma once
// Progress of a long run or undo on a terminal: one line on standard error, rewritten in
// place at most ten times a second and cleared at the end. Nothing is written when the
// display is off (standard error is not a terminal, or --json).
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quillon::cli {

// "1,234 of 30,000 files", with ", 1.2 MB of 4.5 MB" when the bytes are known.
std::string ProgressLine(std::uint64_t done, std::uint64_t total,
                         std::optional<std::pair<std::uint64_t, std::uint64_t>> bytes);

class TerminalProgress {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  TerminalProgress(std::ostream& out, bool on, Clock clock = std::chrono::steady_clock::now)
      : out_(out), on_(on), clock_(std::move(clock)) {}

  // The size of each row's file, in the order the job walks them: the line shows bytes.
  void SetRowBytes(std::vector<std::uint64_t> sizes);
  // `done` of `total` rows are through; shown when a tenth of a second has passed since
  // the last line (the first update only starts the clock).
  void Update(std::uint64_t done, std::uint64_t total);
  // Clears the line, if one was written.
  void Finish();

 private:
  std::ostream& out_;
  bool on_;
  Clock clock_;
  std::optional<std::chrono::steady_clock::time_point> last_;
  bool written_ = false;
  // Bytes of rows [0, i) at i.
  std::vector<std::uint64_t> prefixBytes_;
};

}  // namespace quillon::cli
