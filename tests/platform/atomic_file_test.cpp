#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::TempDir;

// Whole reads refuse what is larger than their limit; reads of the start cut it there.
// Sizes around the limit and around the read's first guess (the size, plus one byte).
TEST(ReadFile, WholeReadsRefuseAndStartReadsCutPastTheLimit) {
  TempDir dir;
  const struct {
    std::size_t size, limit;
    int wholeError;  // 0: the whole file comes back
  } rows[] = {
      {0, 10, 0},      {9, 10, 0},          {10, 10, 0},
      {11, 10, EFBIG}, {100000, 100000, 0}, {100001, 100000, EFBIG},
      {5, 0, EFBIG},   {0, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.size) + " bytes, limit " + std::to_string(row.limit));
    std::string content(row.size, 'x');
    for (std::size_t k = 0; k < content.size(); ++k) content[k] = static_cast<char>('a' + k % 26);
    const std::string path = dir.file("f", content);
    const auto whole = ReadWholeFile(path, row.limit);
    EXPECT_EQ(whole.code(), row.wholeError);
    if (whole.ok()) {
      EXPECT_EQ(*whole, content);
    }
    const auto start = ReadFileStart(path, row.limit);
    ASSERT_TRUE(start.ok());
    EXPECT_EQ(*start, content.substr(0, row.limit));
  }
}

// A file whose size says nothing (as /proc files) is read to its end all the same.
TEST(ReadFile, ReadsAFileThatReportsNoSize) {
  const auto status = ReadWholeFile("/proc/self/status");
  ASSERT_TRUE(status.ok());
  EXPECT_NE(status->find("Name:"), std::string::npos);
  EXPECT_GT(status->size(), 100u);
}

TEST(ReadFile, RefusesWhatIsNoRegularFile) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  for (const std::string& path : {dir / "fifo", dir.path(), std::string("/dev/zero")}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(ReadWholeFile(path).code(), EINVAL);
    EXPECT_EQ(ReadFileStart(path, 10).code(), EINVAL);
  }
  EXPECT_EQ(ReadWholeFile(dir / "missing").code(), ENOENT);
}

}  // namespace
}  // namespace quillon
