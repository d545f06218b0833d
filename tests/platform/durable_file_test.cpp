#include "platform/durable_file.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quillon
