// Failures in the middle of a job or an undo: the procedure stops with its report, and
// the journal undoes exactly what was done.
#include <cerrno>

#include <gtest/gtest.h>

#include "actions/action_fixture.h"
#include "flow/job_bar.h"
#include "support/scratch_mount.h"

namespace quillon {
namespace {

using testing::ActionTest;
using testing::EndsWithTag;
using testing::Op;
using Names = std::vector<std::string>;

class FailureTest : public ActionTest {
 protected:
  // Four files "1" to "4" with content of their own name.
  void FourFiles() {
    for (const char* name : {"1", "2", "3", "4"}) work.file(name, name);
  }
  void ExpectReport(const char* tag) {
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_TRUE(EndsWithTag(ui.messages.back().text, tag)) << ui.messages.back().text;
  }
};

TEST_F(FailureTest, EachJobStopsAtTheFailingFileAndUndoesExactlyWhatWasDone) {
  struct Row {
    const char* name;
    const char* action;
    Op op;
    int err;
    const char* tag;
    Names journaled;  // old names in the journal after the job
    Names workAfterUndo;
    Names destAfterUndo;
  } rows[] = {
      {"rename_eacces",
       "Rename",
       Op::Rename,
       EACCES,
       "Bug-Quillon-ActionDoRename",
       {"1", "2", "3"},
       {"1", "2", "3", "4"},
       {}},
      {"rename_and_copy_enospc",
       "Rename And Copy",
       Op::CopyFile,
       ENOSPC,
       "Bug-Quillon-ActionDoRenCopy",
       {"1", "2", "3"},
       {"1", "2", "3", "4"},
       {}},
      {"copy_and_rename_enospc",
       "Copy And Rename",
       Op::CopyFile,
       ENOSPC,
       "Bug-Quillon-ActionDoCpyRename",
       {"1", "2"},
       {"1", "2", "3", "4"},
       {}},
      {"move_and_rename_exdev",
       "Move And Rename",
       Op::Rename,
       EXDEV,
       "Bug-Quillon-ActionDoMovRename",
       {"1", "2"},
       {"1", "2", "3", "4"},
       {}},
      {"copy_eio",
       "Copy",
       Op::CopyFile,
       EIO,
       "Bug-Quillon-ActionDoCopy",
       {"1", "2"},
       {"1", "2", "3", "4"},
       {}},
      {"move_eacces",
       "Move",
       Op::MoveFile,
       EACCES,
       "Bug-Quillon-ActionDoMove",
       {"1", "2"},
       {"1", "2", "3", "4"},
       {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    testing::TempDir w, d;
    s.selection.Dir1Path = w.path();
    s.state.WorkFolder = w.path() + "/";
    s.state.DestFolder = d.path() + "/";
    s.state.ActionDestFolder = s.state.DestFolder;
    for (const char* name : {"1", "2", "3", "4"}) w.file(name, name);
    SetAction(row.action);
    const bool renames = ActionRenames(s.state.ActionIndex);
    PrepareJob({{"1", renames ? "n1" : "1"},
                {"2", renames ? "n2" : "2"},
                {"3", renames ? "n3" : "3"},
                {"4", renames ? "n4" : "4"}});
    files.fail(row.op, "3", row.err);
    JobClick(s, ui);
    files.clearFailures();
    ExpectReport(row.tag);
    EXPECT_EQ(journal().ComboUndoOldName, row.journaled);
    EXPECT_EQ(ui.progress.back(), std::make_pair(4, 4));
    ui.messages.clear();
    UndoClick(s, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(w.names(), row.workAfterUndo);
    EXPECT_EQ(d.names(), row.destAfterUndo);
    for (const char* name : {"1", "2", "3", "4"}) EXPECT_EQ(w.read(name), name);
  }
}

TEST_F(FailureTest, SetAttributeFailureJournalsOnlyTheFilesChanged) {
  FourFiles();
  SetAction("Set Attribute", false, 4);  // System
  PrepareJob({{"1", ""}, {"2", ""}, {"3", ""}, {"4", ""}});
  files.fail(Op::SetAttributes, "/2", EIO);
  JobClick(s, ui);
  files.clearFailures();
  ExpectReport("Bug-Quillon-ActionDoAttribute");
  EXPECT_EQ(journal().ComboUndoOldName, Names{"1"});
  EXPECT_EQ(*real.GetAttributes(work / "1"), kAttrSystem);
  EXPECT_EQ(*real.GetAttributes(work / "3"), 0);
  UndoClick(s, ui);
  EXPECT_EQ(*real.GetAttributes(work / "1"), 0);
}

TEST_F(FailureTest, DeleteFailureStopsYetResets) {
  FourFiles();
  SetAction("Delete");
  PrepareJob({{"1", ""}, {"2", ""}, {"3", ""}});
  files.fail(Op::DeleteFile, "/2", EACCES);
  JobClick(s, ui);
  ExpectReport("Bug-Quillon-ActionDoDelete");
  EXPECT_EQ(work.names(), (Names{"2", "3", "4"}));
  EXPECT_EQ(s.state.ActionName, "Rename");
}

TEST_F(FailureTest, UndoFailureStopsThatUndoAndCanBeTriedAgain) {
  FourFiles();
  SetAction("Rename");
  PrepareJob({{"1", "n1"}, {"2", "n2"}, {"3", "n3"}});
  JobClick(s, ui);
  files.fail(Op::Rename, "/n2", EIO);
  UndoClick(s, ui);
  ExpectReport("Bug-Quillon-ActionUndoRename");
  // Last to first: the third row was undone, the second failed, the first was not reached.
  EXPECT_EQ(work.names(), (Names{"3", "4", "n1", "n2"}));
  EXPECT_EQ(s.actions.undoneRows, (std::vector<bool>{false, false, true}));
  // The report names the file and the system's reason.
  ASSERT_TRUE(s.actions.lastError.has_value());
  EXPECT_EQ(s.actions.lastError->code, EIO);
  EXPECT_NE(s.actions.lastError->path.find("n2"), std::string::npos);
  EXPECT_TRUE(s.state.UndoAvailable);
  EXPECT_FALSE(s.state.ActionBusy);
  // Once the fault is gone, the same undo settles the rest.
  files.clearFailures();
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), (Names{"1", "2", "3", "4"}));
  EXPECT_FALSE(s.state.UndoAvailable);
}

TEST_F(FailureTest, NameThatWouldLeaveTheFolderIsRefusedBeforeTheJournal) {
  work.folder("sub");
  work.file("a", "A");
  SetAction("Rename");
  PrepareJob({{"a", "sub/a"}});
  JobClick(s, ui);
  ExpectReport("Bug-Quillon-ActionDoRename");
  EXPECT_EQ(work.read("a"), "A");
  EXPECT_TRUE(journal().ComboUndoOldName.empty());
}

TEST_F(FailureTest, CopyToAFullDiskStopsAndUndoRemovesTheCopiesMade) {
  testing::ScratchMount tiny("tmpfs", "size=64k");
  if (!tiny.mounted()) GTEST_SKIP() << tiny.reason();
  const std::string block(40 * 1024, 'x');
  work.file("a", block);
  work.file("b", block);
  s.state.DestFolder = tiny.path() + "/";
  s.state.ActionDestFolder = s.state.DestFolder;
  SetAction("Copy");
  PrepareJob({{"a", "a"}, {"b", "b"}});
  JobClick(s, ui);
  ExpectReport("Bug-Quillon-ActionDoCopy");
  EXPECT_EQ(journal().ComboUndoOldName, Names{"a"});
  UndoClick(s, ui);
  EXPECT_FALSE(real.FileExists(tiny / "a"));
  EXPECT_FALSE(real.FileExists(tiny / "b"));
  EXPECT_EQ(work.read("b"), block);
}

TEST_F(FailureTest, AcrossFileSystemsMoveAndRenameFailsButCopiesComeBack) {
  testing::ScratchMount other("tmpfs", "size=1m");
  if (!other.mounted()) GTEST_SKIP() << other.reason();
  work.file("a.txt", "A");
  s.state.DestFolder = other.path() + "/";
  s.state.ActionDestFolder = s.state.DestFolder;
  SetAction("Move And Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  ExpectReport("Bug-Quillon-ActionDoMovRename");
  EXPECT_EQ(work.read("a.txt"), "A");
  ui.messages.clear();

  // The copy made on the other file system returns when the renamed file is gone.
  s.options.NoUndoWarning = true;
  SetAction("Rename And Copy");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  EXPECT_TRUE(ui.messages.empty());
  ::unlink((work / "b.txt").c_str());
  UndoClick(s, ui);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(work.read("a.txt"), "A");
  EXPECT_FALSE(real.FileExists(other / "b.txt"));
}

}  // namespace
}  // namespace quillon
