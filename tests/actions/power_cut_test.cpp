// A power cut after a job: every file stays whole in at least one place, and the undo
// from the journal puts every file back. The destination is an ext4 file system of the
// test's own whose journal commits names and sizes before the data written since, as
// the periodic commit does; then the power goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job_runner.h"
#include "platform/atomic_file.h"
#include "support/loop_ext4.h"
#include "support/temp_dir.h"

namespace quillon::testing {
namespace {

constexpr int kFiles = 60;

std::string NameOf(int i) {
  return "photo" + std::to_string(1000 + i) + ".jpg";
}

// 100 KB that tell one file from another.
std::string ContentOf(int i, const std::string& kind) {
  std::string text(100 * 1024, static_cast<char>('a' + i % 26));
  text.replace(0, kind.size(), kind);
  return text;
}

void Write(const std::string& path, const std::string& content) {
  ASSERT_TRUE(WriteFileAtomic(path, content).ok()) << path;
}

std::string Read(const std::string& path) {
  const auto text = ReadWholeFile(path, 1 << 20);
  return text.ok() ? *text : "";
}

#define SKIP_WITHOUT(disk) \
  if (!(disk).mounted()) GTEST_SKIP() << "no loop-mounted ext4: " << (disk).reason()

TEST(PowerCutTest, AMoveToAnotherDiskLosesNoFileToAPowerCut) {
  LoopExt4 source;
  SKIP_WITHOUT(source);
  LoopExt4 target;
  SKIP_WITHOUT(target);
  TempDir state;
  for (int i = 0; i < kFiles; ++i) Write(source.path() + "/" + NameOf(i), ContentOf(i, "new"));
  source.CommitMetadata();

  FakeUi ui;
  PosixFileServices files;
  RunJob(files, ui, source.path(), target.path(), state / "journal.json", "Move", false, "");
  ASSERT_TRUE(ui.messages.empty()) << ui.messages.front().text;
  // The sources' removal reaches the disk; of the copies, what the periodic commit writes.
  source.CommitMetadata();
  target.CommitMetadata();
  ASSERT_TRUE(source.PowerCutAndRemount()) << source.reason();
  ASSERT_TRUE(target.PowerCutAndRemount()) << target.reason();

  for (int i = 0; i < kFiles; ++i) {
    SCOPED_TRACE(NameOf(i));
    const bool moved = Read(target.path() + "/" + NameOf(i)) == ContentOf(i, "new");
    const bool stayed = Read(source.path() + "/" + NameOf(i)) == ContentOf(i, "new");
    EXPECT_TRUE(moved || stayed);
  }
  UndoFromDisk(state / "journal.json");
  for (int i = 0; i < kFiles; ++i) {
    EXPECT_EQ(Read(source.path() + "/" + NameOf(i)), ContentOf(i, "new")) << NameOf(i);
  }
}

TEST(PowerCutTest, ACopyOverFilesLeavesEveryNameWholeThroughAPowerCut) {
  LoopExt4 target;
  SKIP_WITHOUT(target);
  TempDir work;
  TempDir state;
  for (int i = 0; i < kFiles; ++i) {
    Write(work / NameOf(i), ContentOf(i, "new"));
    Write(target.path() + "/" + NameOf(i), ContentOf(i, "old"));
  }
  target.CommitMetadata();
  ::sync();

  FakeUi ui;
  PosixFileServices files;
  RunJob(files, ui, work.path(), target.path(), state / "journal.json", "Copy", true, "");
  ASSERT_TRUE(ui.messages.empty()) << ui.messages.front().text;
  target.CommitMetadata();
  ASSERT_TRUE(target.PowerCutAndRemount()) << target.reason();

  // Each name holds a whole file: the copy where it reached its name, else the old one.
  for (int i = 0; i < kFiles; ++i) {
    const std::string there = Read(target.path() + "/" + NameOf(i));
    EXPECT_TRUE(there == ContentOf(i, "new") || there == ContentOf(i, "old")) << NameOf(i);
  }
  UndoFromDisk(state / "journal.json");
  for (int i = 0; i < kFiles; ++i) {
    EXPECT_EQ(Read(target.path() + "/" + NameOf(i)), ContentOf(i, "old")) << NameOf(i);
  }
}

}  // namespace
}  // namespace quillon::testing
