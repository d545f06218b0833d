// Renames, moves, copies, deletes and folder operations on one real file system.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include <gtest/gtest.h>

#include "platform/posix_file_services.h"
#include "platform/posix_io.h"
#include "support/disk_probe.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::ModeOf;
using testing::MtimeOf;
using testing::SetMtime;
using testing::TempDir;
using Names = std::vector<std::string>;

TEST(FileExistence, FollowsLinksAndTellsFilesFromFolders) {
  TempDir dir;
  dir.file("file", "x");
  dir.folder("folder");
  ::symlink("file", (dir / "link_to_file").c_str());
  ::symlink("folder", (dir / "link_to_folder").c_str());
  ::symlink("missing", (dir / "broken_link").c_str());
  struct Row {
    const char* name;
    std::string path;
    bool file, folder;
  } rows[] = {
      {"regular_file", dir / "file", true, false},
      {"folder", dir / "folder", false, true},
      {"link_to_file", dir / "link_to_file", true, false},
      {"link_to_folder", dir / "link_to_folder", false, true},
      {"broken_link", dir / "broken_link", false, false},
      {"nul_cuts_to_an_existing_file", dir / std::string("file\0x", 6), false, false},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fs.FileExists(row.path), row.file);
    EXPECT_EQ(fs.FolderExists(row.path), row.folder);
  }
}

// Every operation that must not clobber, against everything that may hold the new name.
TEST(FileOperations, NothingReplacesWhatAlreadyHasTheNewName) {
  using Call = std::function<Status(FileServices&, const std::string&, const std::string&)>;
  const std::pair<const char*, Call> operations[] = {
      {"rename", [](FileServices& fs, auto& a, auto& b) { return fs.Rename(a, b); }},
      {"rename_in_folder",
       [](FileServices& fs, auto& a, auto& b) {
         const FolderHandle folder = fs.OpenFolder(a.substr(0, a.rfind('/') + 1));
         EXPECT_GE(folder.fd(), 0);
         return fs.RenameIn(folder, a.substr(a.rfind('/') + 1), b.substr(b.rfind('/') + 1));
       }},
      {"move", [](FileServices& fs, auto& a, auto& b) { return fs.MoveFile(a, b); }},
      {"copy", [](FileServices& fs, auto& a,
                  auto& b) { return fs.CopyFile(a, b, Overwrite::No).status(); }},
      {"link_fallback",
       [](FileServices&, auto& a, auto& b) { return posix::LinkThenUnlink(a, b, "rename"); }},
  };
  const std::pair<const char*, std::function<void(TempDir&)>> obstacles[] = {
      {"file", [](TempDir& d) { d.file("b", "old b"); }},
      {"empty_folder", [](TempDir& d) { d.folder("b"); }},
      {"link_to_file", [](TempDir& d) { ::symlink("a", (d / "b").c_str()); }},
      {"broken_link", [](TempDir& d) { ::symlink("missing", (d / "b").c_str()); }},
  };
  PosixFileServices fs;
  for (const auto& [operation, call] : operations) {
    for (const auto& [obstacle, make] : obstacles) {
      SCOPED_TRACE(std::string(operation) + "_onto_" + obstacle);
      TempDir dir;
      dir.file("a", "new a");
      make(dir);
      const Names before = dir.names();
      EXPECT_EQ(call(fs, dir / "a", dir / "b").code(), EEXIST);
      EXPECT_EQ(dir.names(), before);
      EXPECT_EQ(dir.read("a"), "new a");
      if (std::string(obstacle) == "file") {
        EXPECT_EQ(dir.read("b"), "old b");
      }
    }
  }
}

TEST(FileOperations, UnusableNamesAreRefusedBeforeTouchingTheDisk) {
  TempDir dir;
  dir.file("a", "a");
  dir.folder("sub");
  struct Row {
    const char* name;
    std::string from, to;
  } rows[] = {
      {"empty_name", dir / "a", dir / ""},
      {"dot", dir / "a", dir / "."},
      {"dot_dot", dir / "a", dir / ".."},
      {"dot_dot_of_subfolder", dir / "a", dir / "sub/.."},
      {"nul_in_new_name", dir / "a", dir / std::string("b\0c", 3)},
      {"nul_in_old_name", dir / std::string("a\0z", 3), dir / "b"},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fs.Rename(row.from, row.to).code(), EINVAL);
    EXPECT_EQ(fs.MoveFile(row.from, row.to).code(), EINVAL);
    EXPECT_EQ(fs.CopyFile(row.from, row.to, Overwrite::Yes).code(), EINVAL);
    EXPECT_EQ(dir.names(), (Names{"a", "sub"}));
  }
  // "sub/x" is a name in another folder, not a refused one.
  ASSERT_TRUE(fs.Rename(dir / "a", dir / "sub/a").ok());
  const Status missing = fs.Rename(dir / "gone", dir / "b");
  EXPECT_EQ(missing.code(), ENOENT);
  EXPECT_EQ(missing.error().operation, "rename");
  EXPECT_EQ(missing.error().path, dir / "gone" + " -> " + dir / "b");
  // Inside an opened folder the answers and the paths they name are the same.
  const FolderHandle folder = fs.OpenFolder(dir.path() + "/");
  const Status missingIn = fs.RenameIn(folder, "gone", "b");
  EXPECT_EQ(missingIn.code(), ENOENT);
  EXPECT_EQ(missingIn.error().path, dir / "gone" + " -> " + dir / "b");
  EXPECT_EQ(fs.RenameIn(folder, "sub", "..").code(), EINVAL);
  ASSERT_TRUE(fs.RenameIn(folder, "sub", "sub2").ok());
  EXPECT_EQ(dir.names(), (Names{"sub2"}));
}

TEST(FileOperations, APlainNameStaysInsideItsFolder) {
  const struct {
    std::string name;
    bool plain;
  } rows[] = {
      {"a", true},
      {"...", true},
      {".hidden", true},
      {"a.", true},
      {"\xff\xfe", true},
      {"back\\slash", true},
      {"", false},
      {".", false},
      {"..", false},
      {"a/b", false},
      {"/", false},
      {"a/", false},
      {std::string("a\0b", 3), false},
      {std::string(1, '\0'), false},
  };
  for (const auto& row : rows) EXPECT_EQ(PlainName(row.name), row.plain) << row.name;
}

TEST(CopyFile, WithOverwriteReplacesTheWholeFileKeepingModeAndTime) {
  struct Row {
    const char* name;
    std::string source, target;
    unsigned mode;
  } rows[] = {
      {"shorter_over_longer", "new", std::string(100000, 'o'), 0640},
      {"longer_over_shorter", std::string(300000, 'n'), "old", 0600},
      {"empty_source", "", "old", 0644},
      {"read_only_source", "ro", "old", 0444},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    dir.file("src", row.source);
    dir.file("dst", row.target);
    ::chmod((dir / "src").c_str(), row.mode);
    SetMtime(dir / "src", 946684800, 123456789);
    ASSERT_TRUE(fs.CopyFile(dir / "src", dir / "dst", Overwrite::Yes).ok());
    EXPECT_EQ(dir.read("dst"), row.source);
    EXPECT_EQ(ModeOf(dir / "dst"), static_cast<int>(row.mode));
    EXPECT_EQ(MtimeOf(dir / "dst"), MtimeOf(dir / "src"));
    EXPECT_EQ(dir.names(), (Names{"dst", "src"}));  // no temporary file left
  }
}

TEST(CopyFile, FailureLeavesNoTemporaryFile) {
  TempDir dir;
  dir.folder("folder");
  dir.file("b", "old b");
  struct Row {
    const char* name;
    std::string from, to;
    int code;
  } rows[] = {
      {"missing_source", dir / "missing", dir / "b", ENOENT},
      {"folder_as_source", dir / "folder", dir / "b", EISDIR},
      {"folder_as_target", dir / "b", dir / "folder", EISDIR},
      {"missing_target_folder", dir / "b", dir / "nowhere/b", ENOENT},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fs.CopyFile(row.from, row.to, Overwrite::Yes).code(), row.code);
    EXPECT_EQ(dir.names(), (Names{"b", "folder"}));
    EXPECT_EQ(dir.read("b"), "old b");
  }
}

// The copy takes the source's permission bits whatever the umask lets a new file have,
// the set-group-id bit and a mode of no bits at all included.
TEST(CopyFile, KeepsThePermissionBitsUnderAnyUmask) {
  PosixFileServices fs;
  const mode_t before = ::umask(022);
  for (const mode_t mask : {mode_t{0}, mode_t{022}, mode_t{077}, mode_t{0777}}) {
    ::umask(mask);
    for (const unsigned mode : {0644u, 0755u, 0600u, 0444u, 0000u, 02750u, 0777u}) {
      SCOPED_TRACE(std::to_string(mask) + " " + std::to_string(mode));
      TempDir dir;
      dir.file("src", "data");
      ASSERT_EQ(::chmod((dir / "src").c_str(), mode), 0);
      ASSERT_TRUE(fs.CopyFile(dir / "src", dir / "dst", Overwrite::No).ok());
      EXPECT_EQ(ModeOf(dir / "dst"), static_cast<int>(mode));
      ::chmod((dir / "src").c_str(), 0600);
      ::chmod((dir / "dst").c_str(), 0600);
    }
  }
  ::umask(before);
}

// A copy is made in an unnamed file that takes its name only when complete: a copy cut
// short by a kill leaves no temporary file for anyone to clean up.
TEST(CopyFile, LeavesNoHiddenFileBesideTheCopy) {
  TempDir dir;
  dir.file("a.txt", std::string(100000, 'a'));
  dir.file("b.txt", "old");
  PosixFileServices files;
  ASSERT_TRUE(files.CopyFile(dir / "a.txt", dir / "c.txt", Overwrite::No).ok());
  ASSERT_TRUE(files.CopyFile(dir / "a.txt", dir / "b.txt", Overwrite::Yes).ok());
  EXPECT_EQ(files.CopyFile(dir / "a.txt", dir / "c.txt", Overwrite::No).code(), EEXIST);
  EXPECT_EQ(dir.names(), (Names{"a.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(dir.read("b.txt"), std::string(100000, 'a'));
}

// The copy a job journals is the one the call made: its identity is what a later look at
// the file finds, for a fresh name and for a replaced one, and an existing name (a
// dangling link too) is refused with nothing left behind.
TEST(CopyFile, ReturnsTheCopyAsMadeAndRefusesAnExistingName) {
  TempDir dir;
  dir.file("a.txt", std::string(70000, 'a'));
  dir.file("old.txt", "old");
  ::symlink("nowhere", (dir / "dangling").c_str());
  PosixFileServices files;
  for (const auto& [to, overwrite] :
       {std::pair{"new.txt", Overwrite::No}, std::pair{"old.txt", Overwrite::Yes}}) {
    SCOPED_TRACE(to);
    const auto made = files.CopyFile(dir / "a.txt", dir / to, overwrite);
    ASSERT_TRUE(made.ok());
    const auto found = files.Identify(dir / to);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(*made, *found);
    EXPECT_EQ(made->size, 70000u);
    EXPECT_EQ(dir.read(to), std::string(70000, 'a'));
  }
  EXPECT_EQ(files.CopyFile(dir / "a.txt", dir / "dangling", Overwrite::No).code(), EEXIST);
  EXPECT_EQ(dir.names(), (Names{"a.txt", "dangling", "new.txt", "old.txt"}));
}

// A file the fast copy call cannot take (a /proc file: another file system, its size 0)
// is read instead.
TEST(CopyFile, CopiesAFileTheFastCallCannotTake) {
  TempDir dir;
  PosixFileServices files;
  const auto made = files.CopyFile("/proc/self/status", dir / "status", Overwrite::No);
  ASSERT_TRUE(made.ok()) << made.error().Describe();
  EXPECT_NE(dir.read("status").find("Name:"), std::string::npos);
}

TEST(Identify, TellsALinkFromItsTarget) {
  TempDir dir;
  dir.file("file", "xy");
  ::symlink("file", (dir / "link").c_str());
  PosixFileServices files;
  const auto file = files.Identify(dir / "file");
  const auto link = files.Identify(dir / "link");
  ASSERT_TRUE(file.ok() && link.ok());
  EXPECT_TRUE(file->regular);
  EXPECT_EQ(file->size, 2u);
  EXPECT_TRUE(link->link);
  EXPECT_NE(file->inode, link->inode);
  EXPECT_FALSE(files.Identify(dir / "missing").ok());
  EXPECT_GE(files.NameMax(dir.path()), 255u);
}

TEST(DeleteFile, RemovesReadOnlyFilesAndRefusesFolders) {
  TempDir dir;
  dir.file("ro", "x");
  ::chmod((dir / "ro").c_str(), 0444);
  dir.folder("folder");
  dir.file("target", "t");
  ::symlink("target", (dir / "link").c_str());
  struct Row {
    const char* name;
    std::string path;
    int code;
    Names left;
  } rows[] = {
      {"read_only_file", dir / "ro", 0, {"folder", "link", "target"}},
      {"folder", dir / "folder", EISDIR, {"folder", "link", "target"}},
      {"link_goes_not_its_target", dir / "link", 0, {"folder", "target"}},
      {"missing", dir / "missing", ENOENT, {"folder", "target"}},
      {"nul_would_cut_to_an_existing_file",
       dir / std::string("target\0x", 8),
       EINVAL,
       {"folder", "target"}},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fs.DeleteFile(row.path).code(), row.code);
    EXPECT_EQ(dir.names(), row.left);
  }
}

TEST(Folders, CreateRenameRemoveNeverReplaceOrLoseContent) {
  TempDir dir;
  PosixFileServices fs;
  const mode_t oldMask = ::umask(022);
  EXPECT_TRUE(fs.CreateFolder(dir / "a/").ok());
  ::umask(oldMask);
  EXPECT_EQ(ModeOf(dir / "a"), 0755);
  EXPECT_EQ(fs.CreateFolder(dir / "a").code(), EEXIST);
  dir.file("a/inside", "x");
  dir.folder("empty");
  // A plain rename would replace the empty folder.
  EXPECT_EQ(fs.RenameFolder(dir / "a", dir / "empty").code(), EEXIST);
  EXPECT_TRUE(fs.RenameFolder(dir / "a", dir / "b").ok());
  EXPECT_EQ(fs.RemoveFolder(dir / "b").code(), ENOTEMPTY);
  EXPECT_EQ(fs.RemoveFolder(dir / "b/..").code(), EINVAL);
  EXPECT_TRUE(fs.RemoveFolder(dir / "empty").ok());
  EXPECT_EQ(dir.names(), (Names{"b"}));
  EXPECT_EQ(dir.read("b/inside"), "x");
}

}  // namespace
}  // namespace quillon
