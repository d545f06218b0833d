// The progress line of a long run on a terminal: its text, its pace, and its end.
#include "cli/progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quillon::cli {
namespace {

using std::chrono::milliseconds;
using Time = std::chrono::steady_clock::time_point;

TEST(ProgressLine, CountsFilesAndBytes) {
  const struct {
    std::uint64_t done, total;
    std::optional<std::pair<std::uint64_t, std::uint64_t>> bytes;
    const char* line;
  } cases[] = {
      {0, 1, std::nullopt, "0 of 1 file"},
      {1234, 30000, std::nullopt, "1,234 of 30,000 files"},
      {999, 1000000, std::nullopt, "999 of 1,000,000 files"},
      {2, 4, std::make_pair(512, 999), "2 of 4 files, 512 B of 999 B"},
      {2, 4, std::make_pair(1500, 2'500'000'000), "2 of 4 files, 1.5 KB of 2.5 GB"},
  };
  for (const auto& c : cases) EXPECT_EQ(ProgressLine(c.done, c.total, c.bytes), c.line);
}

class TerminalProgressTest : public ::testing::Test {
 protected:
  TerminalProgress Make(bool on) {
    return TerminalProgress(out, on, [this] { return now; });
  }
  std::ostringstream out;
  Time now{};
};

TEST_F(TerminalProgressTest, WritesAtMostTenLinesASecondAndClearsAtTheEnd) {
  TerminalProgress progress = Make(true);
  progress.Update(0, 100);  // starts the clock
  for (int done = 1; done <= 100; ++done) {
    now += milliseconds(10);  // a second in all
    progress.Update(static_cast<std::uint64_t>(done), 100);
  }
  const std::string text = out.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 10);
  EXPECT_NE(text.find("\r100 of 100 files\x1b[K"), std::string::npos);
  progress.Finish();
  EXPECT_EQ(out.str().substr(text.size()), "\r\x1b[K");
}

TEST_F(TerminalProgressTest, ShowsTheBytesOfTheRowsDone) {
  TerminalProgress progress = Make(true);
  progress.SetRowBytes({1000, 2000, 3000});
  progress.Update(0, 3);
  now += milliseconds(150);
  progress.Update(2, 3);
  EXPECT_EQ(out.str(), "\r2 of 3 files, 3.0 KB of 6.0 KB\x1b[K");
}

TEST_F(TerminalProgressTest, OffOrQuickWritesNothing) {
  TerminalProgress off = Make(false);
  off.Update(0, 10);
  now += milliseconds(500);
  off.Update(5, 10);
  off.Finish();
  TerminalProgress quick = Make(true);
  quick.Update(0, 10);
  now += milliseconds(50);
  quick.Update(10, 10);
  quick.Finish();
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace quillon::cli
