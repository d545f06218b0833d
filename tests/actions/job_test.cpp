// Every action carried out on real folders, and its undo.
#include <gtest/gtest.h>

#include "actions/action_fixture.h"
#include "actions/job_journal.h"
#include "flow/job_bar.h"
#include "support/disk_probe.h"

namespace quillon {
namespace {

using testing::ActionTest;
using testing::EndsWithTag;
using Names = std::vector<std::string>;

class JobTest : public ActionTest {
 protected:
  // Runs the prepared job, then undoes it.
  void JobThenUndo() {
    JobClick(s, ui);
    ASSERT_TRUE(s.state.UndoAvailable);
    UndoClick(s, ui);
  }
};

TEST_F(JobTest, RenameAndItsUndo) {
  work.file("a.txt", "A");
  work.file("b.txt", "B");
  SetAction("Rename");
  PrepareJob({{"a.txt", "x.txt"}, {"b.txt", "y.txt"}});
  JobClick(s, ui);
  EXPECT_EQ(work.names(), (Names{"x.txt", "y.txt"}));
  EXPECT_EQ(journal().TextUndoAction, "Rename");
  EXPECT_EQ(journal().TextUndoWorkPath, work.path() + "/");
  EXPECT_EQ(journal().TextUndoWorkDir, work.path());
  EXPECT_EQ(journal().ComboUndoOldName, (Names{"a.txt", "b.txt"}));
  EXPECT_EQ(journal().ComboUndoNewName, (Names{"x.txt", "y.txt"}));
  EXPECT_FALSE(s.state.JobReady);
  EXPECT_FALSE(s.state.ActionBusy);
  EXPECT_EQ(s.state.SelectedCount, 0);
  EXPECT_TRUE(s.selection.List1.empty());
  EXPECT_EQ(s.selection.Files, (Names{"x.txt", "y.txt"}));
  EXPECT_FALSE(s.state.ResultShown);
  EXPECT_EQ(ui.controlStates.back(), "setButGlobal");
  EXPECT_EQ(ui.progress.front(), std::make_pair(0, 2));
  EXPECT_EQ(ui.progress.back(), std::make_pair(2, 2));

  UndoClick(s, ui);
  EXPECT_EQ(work.names(), (Names{"a.txt", "b.txt"}));
  EXPECT_EQ(work.read("a.txt"), "A");
  EXPECT_FALSE(s.state.UndoAvailable);
  EXPECT_EQ(s.help.LabelReviewMode, "Undo Complete");  // shown once, at the refresh
  EXPECT_EQ(s.actions.undoneRows, (std::vector<bool>{true, true}));
}

// The preview marks both of two swapped names: the job, going in row order, would find
// the first one's new name still taken, and once the report's OK has left that file out
// under its name, the second one's too. Nothing is left to do, and nothing changes.
TEST_F(JobTest, SwappedNamesAreMarkedAtPreviewAndNothingIsChanged) {
  work.file("a", "A");
  work.file("b", "B");
  SetAction("Rename");
  Select({"a", "b"});
  GiveNewNames({"b", "a"});
  PreviewClick(s, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.find("Total 2 conflicting"), 0u);
  EXPECT_TRUE(s.selection.store.ComboFile1.empty());
  EXPECT_FALSE(s.state.JobReady);
  EXPECT_EQ(work.read("a"), "A");
  EXPECT_EQ(work.read("b"), "B");
}

// Undo goes last to first: files that took the names others had just left get them
// back in the right order.
TEST_F(JobTest, AChainOfRenamesIsUndoneWhole) {
  work.file("2", "two");
  work.file("3", "three");
  SetAction("Rename");
  PrepareJob({{"2", "1"}, {"3", "2"}});
  JobClick(s, ui);
  EXPECT_EQ(work.names(), (Names{"1", "2"}));
  EXPECT_EQ(work.read("2"), "three");
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), (Names{"2", "3"}));
  EXPECT_EQ(work.read("2"), "two");
  EXPECT_EQ(work.read("3"), "three");
  EXPECT_EQ(s.actions.undoneRows, (std::vector<bool>{true, true}));
}

TEST_F(JobTest, NameThatStaysTheSameIsNotAFailure) {
  work.file("a.txt");
  work.file("b.txt");
  SetAction("Rename");
  PrepareJob({{"a.txt", "a.txt"}, {"b.txt", "c.txt"}});
  JobClick(s, ui);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(work.names(), (Names{"a.txt", "c.txt"}));
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), (Names{"a.txt", "b.txt"}));
}

TEST_F(JobTest, UndoNeverOverwritesAFileThatTookTheOldName) {
  work.file("a.txt", "renamed");
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  work.file("a.txt", "newcomer");
  UndoClick(s, ui);
  EXPECT_EQ(work.read("a.txt"), "newcomer");
  EXPECT_EQ(work.read("b.txt"), "renamed");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(s.actions.undoneRows, std::vector<bool>{false});
}

TEST_F(JobTest, RenameAndCopyUndoTakesTheCopyBackWhenTheRenamedFileIsGone) {
  struct Row {
    const char* name;
    bool deleteRenamed;
  } rows[] = {{"renamed_file_present", false}, {"renamed_file_deleted", true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    work.file("a.txt", "A");
    SetAction("Rename And Copy");
    PrepareJob({{"a.txt", "b.txt"}});
    JobClick(s, ui);
    EXPECT_EQ(work.names(), Names{"b.txt"});
    EXPECT_EQ(dest.read("b.txt"), "A");
    if (row.deleteRenamed) ::unlink((work / "b.txt").c_str());
    UndoClick(s, ui);
    EXPECT_EQ(work.names(), Names{"a.txt"});
    EXPECT_EQ(work.read("a.txt"), "A");
    EXPECT_TRUE(dest.names().empty());
  }
}

TEST_F(JobTest, CopyAndRenameUndoWithAndWithoutTheSource) {
  struct Row {
    const char* name;
    bool deleteSource;
  } rows[] = {{"source_present_copy_deleted", false}, {"source_gone_copy_returns", true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    work.file("a.txt", "A");
    SetAction("Copy And Rename");
    PrepareJob({{"a.txt", "b.txt"}});
    JobClick(s, ui);
    EXPECT_EQ(work.names(), Names{"a.txt"});
    EXPECT_EQ(dest.read("b.txt"), "A");
    if (row.deleteSource) ::unlink((work / "a.txt").c_str());
    UndoClick(s, ui);
    EXPECT_EQ(work.read("a.txt"), "A");
    EXPECT_TRUE(dest.names().empty());
  }
}

TEST_F(JobTest, MoveAndRenameUndoReturnsTheFilesAndTheFolderList) {
  work.file("a.txt", "A");
  SetAction("Move And Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  EXPECT_TRUE(work.names().empty());
  EXPECT_EQ(dest.read("b.txt"), "A");
  s.selection.Dir1Path = dest.path();  // the user went elsewhere meanwhile
  UndoClick(s, ui);
  EXPECT_EQ(work.read("a.txt"), "A");
  EXPECT_TRUE(dest.names().empty());
  EXPECT_EQ(s.selection.Dir1Path, work.path());
  EXPECT_EQ(s.state.WorkFolder, work.path() + "/");
}

TEST_F(JobTest, CopyAndMoveKeepTheNamesAndUndo) {
  for (const char* action : {"Copy", "Move"}) {
    SCOPED_TRACE(action);
    work.file("a.txt", "A");
    SetAction(action);
    PrepareJob({{"a.txt", "a.txt"}});
    JobClick(s, ui);
    EXPECT_EQ(dest.read("a.txt"), "A");
    EXPECT_EQ(work.exists("a.txt"), std::string(action) == "Copy");
    EXPECT_EQ(journal().ComboUndoNewName, Names{"a.txt"});
    UndoClick(s, ui);
    EXPECT_EQ(work.read("a.txt"), "A");
    EXPECT_TRUE(dest.names().empty());
  }
}

TEST_F(JobTest, CopyOverwritesOnlyWhenConfirmed) {
  struct Row {
    const char* name;
    bool overwrite;
    const char* destAfter;
    bool reported;
  } rows[] = {{"confirmed_replaces", true, "new", false},
              {"appeared_after_preview_kept", false, "old", true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    work.file("a.txt", "new");
    ::unlink((dest / "a.txt").c_str());
    SetAction("Copy", row.overwrite);
    PrepareJob({{"a.txt", "a.txt"}});
    dest.file("a.txt", "old");
    JobClick(s, ui);
    EXPECT_EQ(dest.read("a.txt"), row.destAfter);
    EXPECT_EQ(
        !ui.messages.empty() && EndsWithTag(ui.messages.back().text, "Bug-Quillon-ActionDoCopy"),
        row.reported);
    ui.messages.clear();
  }
}

TEST_F(JobTest, MoveOntoAnExistingFileFails) {
  work.file("a.txt", "new");
  SetAction("Move");
  PrepareJob({{"a.txt", "a.txt"}});
  dest.file("a.txt", "old");
  JobClick(s, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(EndsWithTag(ui.messages[0].text, "Bug-Quillon-ActionDoMove"));
  EXPECT_EQ(dest.read("a.txt"), "old");
  EXPECT_EQ(work.read("a.txt"), "new");
  EXPECT_TRUE(journal().ComboUndoOldName.empty());
}

TEST_F(JobTest, SetAttributeAndItsUndoRestoreTheExactState) {
  const std::string path = work.file("a.txt");
  ASSERT_EQ(real.SetAttributes(path, kAttrReadOnly | kAttrSystem | kAttrArchive).code(), 0);
  const int modeBefore = testing::ModeOf(path);
  const auto bytesBefore = testing::DosAttribOf(path);
  SetAction("Set Attribute", false, 3);  // Hidden
  PrepareJob({{"a.txt", "a.txt"}});
  JobClick(s, ui);
  EXPECT_EQ(*real.GetAttributes(path), kAttrHidden);
  EXPECT_EQ(journal().ComboUndoAttr, Names{"37"});
  UndoClick(s, ui);
  EXPECT_EQ(*real.GetAttributes(path), kAttrReadOnly | kAttrSystem | kAttrArchive);
  EXPECT_EQ(testing::ModeOf(path), modeBefore);
  EXPECT_EQ(testing::DosAttribOf(path), bytesBefore);
}

TEST_F(JobTest, SetAttributeUndoFallsBackToTheWord) {
  const std::string path = work.file("a.txt");
  SetAction("Set Attribute", false, 2);  // ReadOnly
  PrepareJob({{"a.txt", "a.txt"}});
  JobClick(s, ui);
  EXPECT_EQ(*real.GetAttributes(path), kAttrReadOnly);
  s.actions.journal.ComboUndoRawAttr.clear();
  UndoClick(s, ui);
  EXPECT_EQ(*real.GetAttributes(path), 0);
}

TEST_F(JobTest, DontChangeTouchesNothingYetOffersUndo) {
  const std::string path = work.file("a.txt");
  SetAction("Set Attribute", false, 0);
  PrepareJob({{"a.txt", "a.txt"}});
  JobClick(s, ui);
  EXPECT_EQ(*real.GetAttributes(path), 0);
  EXPECT_TRUE(journal().ComboUndoOldName.empty());
  EXPECT_TRUE(s.state.UndoAvailable);
}

TEST_F(JobTest, DeleteRemovesReadOnlyFilesJournalsNothingAndResets) {
  const std::string path = work.file("a.txt");
  work.file("b.txt");
  ASSERT_EQ(real.SetAttributes(path, kAttrReadOnly).code(), 0);
  SetAction("Delete");
  PrepareJob({{"a.txt", ""}, {"b.txt", ""}});
  s.state.UndoAvailable = true;  // an earlier job, warning off
  s.options.NoUndoWarning = true;
  JobClick(s, ui);
  EXPECT_TRUE(work.names().empty());
  EXPECT_EQ(journal().TextUndoAction, "Delete");
  EXPECT_TRUE(journal().ComboUndoOldName.empty());
  EXPECT_EQ(s.state.ActionName, "Rename");
  EXPECT_FALSE(s.state.UndoAvailable);
}

TEST_F(JobTest, ReviewModeTouchesNothing) {
  work.file("a.txt");
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  s.state.ReviewMode = true;
  s.actions.journal.TextUndoAction = "earlier";
  JobClick(s, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("If you really want to Rename then please turn off"),
            std::string::npos);
  EXPECT_EQ(work.names(), Names{"a.txt"});
  EXPECT_TRUE(s.state.JobReady);
  EXPECT_EQ(s.selection.List1, Names{"b.txt"});
  EXPECT_EQ(journal().TextUndoAction, "earlier");
  EXPECT_TRUE(ui.controlStates.empty());
}

TEST_F(JobTest, OldUndoWarningNoKeepsTheJobYesRunsItAndTheBoxSticks) {
  work.file("a.txt");
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  s.state.UndoAvailable = true;
  ui.answers.push_back(MessageReply{false, true, ""});
  JobClick(s, ui);
  EXPECT_EQ(work.names(), Names{"a.txt"});
  EXPECT_TRUE(s.state.JobReady);
  EXPECT_TRUE(s.state.UndoAvailable);
  EXPECT_TRUE(s.options.NoUndoWarning);

  s.options.NoUndoWarning = false;
  ui.answers.push_back(MessageReply{true, false, ""});
  JobClick(s, ui);
  EXPECT_EQ(work.names(), Names{"b.txt"});
  EXPECT_TRUE(s.state.UndoAvailable);
  EXPECT_EQ(ui.messages.size(), 2u);
}

// Each action learns of a vanished file its own way (a look first, or the call's ENOENT);
// all of them skip it without a report and journal only the rest.
TEST_F(JobTest, FileVanishingBetweenPreviewAndJobIsSkipped) {
  const struct {
    const char* action;
    Names work, dest;
  } rows[] = {
      {"Rename", {"y.txt"}, {}},
      {"Copy", {"b.txt"}, {"b.txt"}},
      {"Copy And Rename", {"b.txt"}, {"y.txt"}},
      {"Rename And Copy", {"y.txt"}, {"y.txt"}},
      {"Move", {}, {"b.txt"}},
      {"Move And Rename", {}, {"y.txt"}},
      {"Delete", {}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.action);
    work.clear();
    dest.clear();
    work.file("a.txt");
    work.file("b.txt");
    s.state.UndoAvailable = false;
    SetAction(row.action);
    PrepareJob({{"a.txt", "x.txt"}, {"b.txt", "y.txt"}});
    ::unlink((work / "a.txt").c_str());
    JobClick(s, ui);
    EXPECT_EQ(ui.texts(), Names{});
    EXPECT_EQ(work.names(), row.work);
    EXPECT_EQ(dest.names(), row.dest);
    EXPECT_EQ(s.actions.doneCount, 1u);
    if (std::string(row.action) != "Delete") {
      EXPECT_EQ(journal().ComboUndoOldName, Names{"b.txt"});
    }
  }
}

// A destination folder gone during the job fails the copy with ENOENT too; that is a
// failure to report, not a file to skip.
TEST_F(JobTest, ACopyIntoAVanishedDestinationIsReportedNotSkipped) {
  for (const char* action : {"Copy", "Copy And Rename"}) {
    SCOPED_TRACE(action);
    work.clear();
    work.file("a.txt");
    ASSERT_EQ(::mkdir(dest.path().c_str(), 0755) == 0 || errno == EEXIST, true);
    s.state.UndoAvailable = false;
    SetAction(action);
    PrepareJob({{"a.txt", "x.txt"}});
    ASSERT_EQ(::rmdir(dest.path().c_str()), 0);
    JobClick(s, ui);
    EXPECT_TRUE(ui.showed("Bug-Quillon-ActionDoC"));
    ASSERT_TRUE(s.actions.lastError.has_value());
    EXPECT_EQ(s.actions.lastError->code, ENOENT);
    EXPECT_EQ(s.actions.doneCount, 0u);
    EXPECT_EQ(work.names(), Names{"a.txt"});
  }
  ASSERT_EQ(::mkdir(dest.path().c_str(), 0755), 0);
}

// With the journal on disk: the vanished file is not counted as done, and the undo
// read back from the disk restores the rest.
TEST_F(JobTest, AVanishedFileIsNeitherDoneNorUndoneWithAJournalOnDisk) {
  work.file("a.txt");
  work.file("b.txt");
  work.file("c.txt");
  SetAction("Rename");
  s.actions.journalPath = dest / "journal.json";
  PrepareJob({{"a.txt", "x.txt"}, {"b.txt", "y.txt"}, {"c.txt", "z.txt"}});
  ::unlink((work / "b.txt").c_str());
  JobClick(s, ui);
  EXPECT_EQ(s.actions.doneCount, 2u);
  EXPECT_EQ(s.actions.missingCount, 1u);
  EXPECT_EQ(work.names(), (Names{"x.txt", "z.txt"}));
  auto onDisk = ReadJournal(s.actions.journalPath);
  ASSERT_TRUE(onDisk.ok());
  s.actions.journal = onDisk->journal;
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), (Names{"a.txt", "c.txt"}));
}

TEST_F(JobTest, UndoInReviewModeKeepsTheJournalUsableAndASecondUndoDoesNothing) {
  work.file("a.txt");
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  s.state.ReviewMode = true;
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), Names{"b.txt"});
  EXPECT_TRUE(s.state.UndoAvailable);
  s.state.ReviewMode = false;
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), Names{"a.txt"});
  ::rename((work / "a.txt").c_str(), (work / "b.txt").c_str());
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), Names{"b.txt"});
}

TEST_F(JobTest, NewJobAfterUndoAsksNothing) {
  work.file("a.txt");
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobThenUndo();
  PrepareJob({{"a.txt", "c.txt"}});
  JobClick(s, ui);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(work.names(), Names{"c.txt"});
}

TEST_F(JobTest, UndoWarnsWhenASelectionInTheSameFolderWillChange) {
  work.file("a.txt");
  work.file("c.txt");
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  s.state.JobReady = false;
  Select({"c.txt"});
  UndoClick(s, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.find("Current file selection most probaly will change"), 0u);
  EXPECT_EQ(work.names(), (Names{"a.txt", "c.txt"}));
  EXPECT_FALSE(s.state.SelectionMade);
  EXPECT_TRUE(s.selection.store.ComboFile1.empty());
}

TEST_F(JobTest, LongJobReportsProgressWithTheControlsDisabled) {
  std::vector<std::pair<std::string, std::string>> renames;
  for (int i = 0; i < 130; ++i) {
    const std::string name = "f" + std::to_string(1000 + i);
    work.file(name);
    renames.emplace_back(name, name + ".new");
  }
  SetAction("Rename");
  PrepareJob(renames);
  ui.busy = &s.state.ActionBusy;
  JobClick(s, ui);
  EXPECT_EQ(ui.progress,
            (std::vector<std::pair<int, int>>{{0, 130}, {64, 130}, {128, 130}, {130, 130}}));
  EXPECT_EQ(ui.busyAtControlState, (std::vector<bool>{true, false}));
}

TEST_F(JobTest, BusyRefusesJobCancelAndUndo) {
  work.file("a.txt");
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  s.state.UndoAvailable = true;
  s.state.ActionBusy = true;
  JobClick(s, ui);
  RejectClick(s, ui);
  UndoClick(s, ui);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(ui.controlStates.empty());
  EXPECT_TRUE(s.state.JobReady);
  EXPECT_EQ(work.names(), Names{"a.txt"});
}

}  // namespace
}  // namespace quillon
