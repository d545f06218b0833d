// A folder's files and subfolders, listed from a real folder.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "platform/posix_file_services.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::TempDir;
using Names = std::vector<std::string>;

TEST(FolderListing, FilesAndFoldersAreToldApartAfterFollowingLinks) {
  TempDir dir;
  dir.file("b.txt", "b");
  dir.file(".hidden", "h");
  dir.file("\xFF\xFE-not-utf8", "x");
  dir.file("caf\xC3\xA9", "x");
  dir.folder("sub");
  dir.folder(".git");
  ::symlink("b.txt", (dir / "link_to_file").c_str());
  ::symlink("sub", (dir / "link_to_folder").c_str());
  ::symlink("missing", (dir / "broken_link").c_str());
  ::symlink("loop", (dir / "loop").c_str());
  ::mkfifo((dir / "pipe").c_str(), 0644);

  PosixFileServices fs;
  const auto files = fs.ListFiles(dir.path());
  ASSERT_TRUE(files.ok());
  EXPECT_EQ(*files,
            (Names{".hidden", "b.txt", "caf\xC3\xA9", "link_to_file", "\xFF\xFE-not-utf8"}));
  const auto folders = fs.ListFolders(dir.path());
  ASSERT_TRUE(folders.ok());
  EXPECT_EQ(*folders, (Names{".git", "link_to_folder", "sub"}));
}

TEST(FolderListing, NamesComeInNaturalOrder) {
  TempDir dir;
  for (const char* name : {"img10.jpg", "IMG2.jpg", "img1.jpg", "Zeta", "alpha", "img02.jpg"}) {
    dir.file(name);
    dir.folder(std::string("d_") + name);
  }
  PosixFileServices fs;
  // "IMG2" and "img02" tie until the bytes decide: "I" before "i".
  const Names expected = {"alpha", "img1.jpg", "IMG2.jpg", "img02.jpg", "img10.jpg", "Zeta"};
  EXPECT_EQ(fs.ListFiles(dir.path() + "/").value(), expected);
  Names folders;
  for (const auto& name : expected) folders.push_back("d_" + name);
  EXPECT_EQ(fs.ListFolders(dir.path()).value(), folders);
}

TEST(FolderListing, AFolderThatCannotBeReadIsReportedWithItsErrno) {
  TempDir dir;
  dir.file("file");
  struct Row {
    const char* name;
    std::string folder;
    int code;
  } rows[] = {
      {"missing", dir / "missing", ENOENT},
      {"a_file", dir / "file", ENOTDIR},
      {"empty_path", "", ENOENT},
      {"nul_in_path", dir.path() + std::string("\0x", 2), EINVAL},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto files = fs.ListFiles(row.folder);
    ASSERT_FALSE(files.ok());
    EXPECT_EQ(files.code(), row.code);
    EXPECT_EQ(files.error().operation, "list files");
    EXPECT_EQ(fs.ListFolders(row.folder).code(), row.code);
  }
}

}  // namespace
}  // namespace quillon
