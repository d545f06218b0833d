#include "platform/durable_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string>

#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::TempDir;

// Appends land at the end whatever was patched in between, also in a file opened again.
TEST(DurableFile, AppendsFollowPatchesAndReopening) {
  TempDir dir;
  const std::string path = dir / "journal";
  dir.file("journal", "an older file");
  {
    DurableFile file;
    ASSERT_TRUE(file.Create(path, "head:", "body;").ok());
    ASSERT_TRUE(file.Append("one;").ok());
    ASSERT_TRUE(file.PatchAt(0, "HEAD").ok());
    ASSERT_TRUE(file.Append("two;").ok());
    ASSERT_TRUE(file.Sync().ok());
  }
  EXPECT_EQ(dir.read("journal"), "HEAD:body;one;two;");
  DurableFile again;
  ASSERT_TRUE(again.OpenExisting(path).ok());
  ASSERT_TRUE(again.PatchAt(5, "BODY").ok());
  ASSERT_TRUE(again.Append("three;").ok());
  again.Close();
  EXPECT_EQ(dir.read("journal"), "HEAD:BODY;one;two;three;");
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"journal"}));  // no temporary file left
}

// A write the file system refuses half-way (here: past the size limit, as a full disk
// would) leaves nothing of itself, and later appends follow the last whole one.
TEST(DurableFile, AFailedAppendLeavesNoPartOfItself) {
  TempDir dir;
  const std::string path = dir / "journal";
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    DurableFile file;
    if (!file.Create(path, "head\n").ok()) ::_exit(1);
    const rlimit limit{16, 16};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(2);
    if (file.Append("a line far too long for the limit\n").code() != EFBIG) ::_exit(3);
    if (!file.Append("short\n").ok()) ::_exit(4);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(dir.read("journal"), "head\nshort\n");
}

}  // namespace
}  // namespace quillon
