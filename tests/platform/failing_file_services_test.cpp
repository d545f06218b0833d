// The fault injector: chosen calls fail with the chosen errno and leave the disk as it
// was; every other call reaches the real services.
#include <cerrno>
#include <functional>

#include <gtest/gtest.h>

#include "platform/posix_file_services.h"
#include "support/failing_file_services.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::FailingFileServices;
using testing::Op;
using testing::TempDir;

TEST(FailingFileServices, InjectedFailuresLeaveTheDiskUntouched) {
  struct Row {
    const char* name;
    Op op;
    const char* suffix;
    int err;
    std::function<int(FileServices&, TempDir&)> call;  // returns the errno it got
  } rows[] = {
      {"rename_exdev_on_new_name", Op::Rename, "/b.txt", EXDEV,
       [](FileServices& fs, TempDir& d) { return fs.Rename(d / "a.txt", d / "b.txt").code(); }},
      {"move_eacces_on_old_name", Op::MoveFile, "a.txt", EACCES,
       [](FileServices& fs, TempDir& d) {
         return fs.MoveFile(d / "a.txt", d / "sub/a.txt").code();
       }},
      {"copy_enospc", Op::CopyFile, "sub/a.txt", ENOSPC,
       [](FileServices& fs, TempDir& d) {
         return fs.CopyFile(d / "a.txt", d / "sub/a.txt", Overwrite::Yes).code();
       }},
      {"delete_eio", Op::DeleteFile, "a.txt", EIO,
       [](FileServices& fs, TempDir& d) { return fs.DeleteFile(d / "a.txt").code(); }},
      {"set_attributes_eacces", Op::SetAttributes, "a.txt", EACCES,
       [](FileServices& fs, TempDir& d) {
         return fs.SetAttributes(d / "a.txt", kAttrReadOnly).code();
       }},
      {"restore_attributes_eio", Op::RestoreRawAttributes, "a.txt", EIO,
       [](FileServices& fs, TempDir& d) {
         return fs.RestoreRawAttributes(d / "a.txt", RawAttributes{0400, true, "0x2"}).code();
       }},
      {"create_folder_enospc", Op::CreateFolder, "new", ENOSPC,
       [](FileServices& fs, TempDir& d) { return fs.CreateFolder(d / "new").code(); }},
      {"remove_folder_eacces", Op::RemoveFolder, "sub", EACCES,
       [](FileServices& fs, TempDir& d) { return fs.RemoveFolder(d / "sub").code(); }},
      {"list_files_eio", Op::ListFiles, "", EIO,
       [](FileServices& fs, TempDir& d) { return fs.ListFiles(d.path()).code(); }},
  };
  PosixFileServices real;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    dir.file("a.txt", "a");
    dir.folder("sub");
    FailingFileServices fs(real);
    fs.fail(row.op, row.suffix, row.err);
    EXPECT_EQ(row.call(fs, dir), row.err);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"a.txt", "sub"}));
    EXPECT_EQ(dir.read("a.txt"), "a");
    EXPECT_FALSE(real.GetAttributes(dir / "a.txt").value() & kAttrReadOnly);
    ASSERT_EQ(fs.calls().size(), 1u);
    EXPECT_EQ(fs.calls()[0].op, row.op);
    EXPECT_EQ(fs.calls()[0].error, row.err);
    // The same call on a path the rule does not name reaches the disk.
    FailingFileServices elsewhere(real);
    elsewhere.fail(row.op, "/unrelated.txt", row.err);
    EXPECT_EQ(row.call(elsewhere, dir), 0);
  }
}

TEST(FailingFileServices, FailAfterStopsAJobMidWayAndTheLogShowsWhere) {
  TempDir dir;
  for (const char* name : {"1", "2", "3", "4"}) dir.file(name, name);
  PosixFileServices real;
  FailingFileServices fs(real);
  fs.FileExists(dir / "1");
  fs.failAfter(Op::Rename, 3, ENOSPC);

  std::vector<int> results;
  for (const char* name : {"1", "2", "3", "4"}) {
    results.push_back(fs.Rename(dir / name, dir / (std::string(name) + ".new")).code());
  }
  EXPECT_EQ(results, (std::vector<int>{0, 0, ENOSPC, ENOSPC}));
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"1.new", "2.new", "3", "4"}));
  EXPECT_EQ(fs.count(Op::Rename), 4);
  ASSERT_EQ(fs.calls().size(), 5u);
  EXPECT_EQ(fs.calls()[3].path, dir / "3");
  EXPECT_EQ(fs.calls()[3].path2, dir / "3.new");
  EXPECT_EQ(fs.calls()[3].error, ENOSPC);

  fs.clearFailures();
  EXPECT_TRUE(fs.Rename(dir / "3", dir / "3.new").ok());
}

}  // namespace
}  // namespace quillon
