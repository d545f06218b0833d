// Renames and moves between two real file systems, and copies onto a full one.
#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include "platform/posix_file_services.h"
#include "support/disk_probe.h"
#include "support/scratch_mount.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::DosAttribOf;
using testing::ModeOf;
using testing::MtimeOf;
using testing::ScratchMount;
using testing::SetDosAttrib;
using testing::SetMtime;
using testing::TempDir;

// Whether a rename from `here` into `there` is refused with EXDEV.
bool RenameGivesExdev(const std::string& here, const std::string& there) {
  const std::string probe = here + "/.exdev-probe";
  const std::string moved = there + "/.exdev-probe";
  ::close(::open(probe.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
  const bool exdev =
      ::renameat2(AT_FDCWD, probe.c_str(), AT_FDCWD, moved.c_str(), RENAME_NOREPLACE) != 0 &&
      errno == EXDEV;
  ::unlink(probe.c_str());
  ::unlink(moved.c_str());
  return exdev;
}

// Names in a folder, sorted by bytes.
std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> out;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    out.push_back(e.path().filename().string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

// A folder on another file system than the temporary folder: /dev/shm when it is one,
// else a tmpfs of our own.
class CrossDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = "/dev/shm/quillon-test-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) {
      shm_ = pattern;
      if (RenameGivesExdev(dir_.path(), shm_)) {
        other_ = shm_;
        return;
      }
    }
    mount_ = std::make_unique<ScratchMount>("tmpfs", "size=16m");
    if (mount_->mounted() && RenameGivesExdev(dir_.path(), mount_->path())) {
      other_ = mount_->path();
      return;
    }
    GTEST_SKIP() << "no second file system: /dev/shm shares the temporary folder's, and "
                 << (mount_->mounted() ? "the tmpfs did not give EXDEV" : mount_->reason());
  }
  void TearDown() override {
    std::error_code ignored;
    if (!shm_.empty()) std::filesystem::remove_all(shm_, ignored);
  }
  std::string there(const std::string& name) const { return other_ + "/" + name; }
  std::vector<std::string> namesThere() const { return NamesIn(other_); }

  TempDir dir_;
  std::string shm_;
  std::unique_ptr<ScratchMount> mount_;
  std::string other_;
  PosixFileServices fs_;
};

TEST_F(CrossDevice, RenameFailsWithExdevAndTouchesNothing) {
  dir_.file("a", "a");
  EXPECT_EQ(fs_.Rename(dir_ / "a", there("a")).code(), EXDEV);
  EXPECT_EQ(dir_.read("a"), "a");
  EXPECT_TRUE(namesThere().empty());
}

TEST_F(CrossDevice, MoveCopiesTheFileWithItsAttributesThenRemovesTheSource) {
  struct Row {
    const char* name;
    std::string content;
    unsigned mode;
    std::optional<std::string> dosAttrib;
  } rows[] = {
      {"plain", "hello", 0644, std::nullopt},
      {"empty", "", 0600, std::nullopt},
      {"read_only_hidden", "ro", 0444, "0x3"},
      {"large", std::string(3 << 20, 'x'), 0640, std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string source = dir_.file(row.name, row.content);
    if (row.dosAttrib) {
      ASSERT_TRUE(SetDosAttrib(source, *row.dosAttrib));
    }
    ::chmod(source.c_str(), row.mode);
    SetMtime(source, 1234567890, 42);
    const long long mtime = MtimeOf(source);
    ASSERT_TRUE(fs_.MoveFile(source, there(row.name)).ok());
    EXPECT_FALSE(dir_.exists(row.name));
    const std::string target = there(row.name);
    EXPECT_EQ(std::filesystem::file_size(target), row.content.size());
    EXPECT_EQ(ModeOf(target), static_cast<int>(row.mode));
    EXPECT_EQ(MtimeOf(target), mtime);
    EXPECT_EQ(DosAttribOf(target), row.dosAttrib);
  }
  EXPECT_EQ(namesThere().size(), std::size(rows));  // no temporary file left
}

TEST_F(CrossDevice, MoveOfALinkMakesTheSameLinkThere) {
  dir_.file("target", "t");
  ::symlink("relative/target", (dir_ / "link").c_str());
  ASSERT_TRUE(fs_.MoveFile(dir_ / "link", there("link")).ok());
  EXPECT_FALSE(dir_.exists("link"));
  EXPECT_EQ(std::filesystem::read_symlink(there("link")).string(), "relative/target");
}

TEST_F(CrossDevice, MoveNeverOverwritesAndMovesNoFolder) {
  dir_.file("a", "new a");
  {
    std::FILE* f = std::fopen(there("a").c_str(), "w");
    std::fputs("old a", f);
    std::fclose(f);
  }
  EXPECT_EQ(fs_.MoveFile(dir_ / "a", there("a")).code(), EEXIST);
  EXPECT_EQ(dir_.read("a"), "new a");
  EXPECT_EQ(std::filesystem::file_size(there("a")), 5u);
  EXPECT_EQ(namesThere(), (std::vector<std::string>{"a"}));

  dir_.folder("folder");
  EXPECT_EQ(fs_.MoveFile(dir_ / "folder", there("folder")).code(), EXDEV);
  EXPECT_TRUE(dir_.exists("folder"));
}

// A tmpfs too small for the file being written.
class FullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!tiny_.mounted()) GTEST_SKIP() << tiny_.reason();
  }

  TempDir dir_;
  ScratchMount tiny_{"tmpfs", "size=64k"};
  PosixFileServices fs_;
};

TEST_F(FullDisk, MoveThatCannotBeCopiedLeavesNoPartialFileAndKeepsTheSource) {
  const std::string big(256 * 1024, 'b');
  dir_.file("big", big);
  const Status s = fs_.MoveFile(dir_ / "big", tiny_ / "big");
  EXPECT_EQ(s.code(), ENOSPC);
  EXPECT_EQ(s.error().operation, "move");
  EXPECT_TRUE(NamesIn(tiny_.path()).empty());
  EXPECT_EQ(dir_.read("big"), big);
}

TEST_F(FullDisk, CopyOverAFileKeepsItsOldContentWhenTheDiskIsFull) {
  {
    std::FILE* f = std::fopen((tiny_ / "t").c_str(), "w");
    std::fputs("old content", f);
    std::fclose(f);
  }
  dir_.file("big", std::string(256 * 1024, 'b'));
  EXPECT_EQ(fs_.CopyFile(dir_ / "big", tiny_ / "t", Overwrite::Yes).code(), ENOSPC);
  EXPECT_EQ(NamesIn(tiny_.path()), (std::vector<std::string>{"t"}));
  EXPECT_EQ(std::filesystem::file_size(tiny_ / "t"), 11u);
}

}  // namespace
}  // namespace quillon
