// Easy Process on real folders: each action on one file, the name checks in their order,
// the run button's rule, Review Mode and a failing operation.
#include "actions/easy_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "platform/posix_file_services.h"
#include "selection/file_selection.h"
#include "session/action_kinds.h"
#include "support/failing_file_services.h"
#include "support/fake_environment.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::FailingFileServices;
using testing::FakeEnvironment;
using testing::FakeUi;
using testing::Op;
using testing::TempDir;

class EasyProcessCoreTest : public ::testing::Test {
 protected:
  EasyProcessCoreTest() : files(real), s(files, env) {
    work = dir.folder("work");
    dest = dir.folder("dest");
    dir.file("work/a.txt", "A");
    dir.file("work/b.txt", "B");
    s.state.WorkFolder = work + "/";
    s.selection.Dir1Path = work;
    s.state.EasyProcessOn = true;
    ReadFileList(s);
  }
  void SetAction(int index, const std::string& destination = "") {
    s.state.ActionIndex = static_cast<std::int16_t>(index);
    s.state.ActionName = std::string(kActionKinds[static_cast<std::size_t>(index)].keyword);
    s.state.ActionDestFolder = destination.empty() ? s.state.WorkFolder : destination + "/";
  }
  std::int16_t IndexOf(const std::string& name) {
    const auto& list = s.selection.Files;
    return static_cast<std::int16_t>(std::find(list.begin(), list.end(), name) - list.begin());
  }
  void Name(const std::string& base, const std::string& ext) {
    OnTextSingleProcessNameChange(s, base);
    OnTextSingleProcessExtChange(s, ext);
  }

  TempDir dir;
  PosixFileServices real;
  FailingFileServices files;
  FakeEnvironment env;
  FakeUi ui;
  Session s;
  std::string work, dest;
};

TEST_F(EasyProcessCoreTest, PickingSplitsTheNameAndPickingAgainUnpicks) {
  SetAction(0);
  OnFile2Click(s, IndexOf("a.txt"));
  EXPECT_EQ(s.easy.TextSingleProcessName, "a");
  EXPECT_EQ(s.easy.TextSingleProcessExt, "txt");
  EXPECT_TRUE(s.easy.BoxesEnabled);
  EXPECT_FALSE(s.easy.ButtonEnabled);  // the name is unchanged
  Name("c", "txt");
  EXPECT_TRUE(s.easy.ButtonEnabled);
  Name("a", "txt");
  EXPECT_FALSE(s.easy.ButtonEnabled);  // back to its own name
  OnFile2Click(s, IndexOf("a.txt"));
  EXPECT_EQ(s.easy.SingleFileIndex, -1);
  EXPECT_EQ(s.easy.TextSingleProcessName, "");
  EXPECT_FALSE(s.easy.BoxesEnabled);
}

TEST_F(EasyProcessCoreTest, EachActionDoesItsOperationOnTheOneFile) {
  struct Row {
    const char* name;
    int action;
    bool toDest;
    std::vector<const char*> inWork, inDest;
  } rows[] = {
      {"rename", 0, false, {"b.txt", "n.txt"}, {}},
      {"rename_and_copy", 1, true, {"b.txt", "n.txt"}, {"n.txt"}},
      {"copy_and_rename", 2, true, {"a.txt", "b.txt"}, {"n.txt"}},
      {"move_and_rename", 3, true, {"b.txt"}, {"n.txt"}},
      {"copy", 4, true, {"a.txt", "b.txt"}, {"a.txt"}},
      {"move", 5, true, {"b.txt"}, {"a.txt"}},
      {"delete", 6, false, {"b.txt"}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir fresh;
    const std::string w = fresh.folder("work"), d = fresh.folder("dest");
    fresh.file("work/a.txt", "A");
    fresh.file("work/b.txt", "B");
    s.state.WorkFolder = w + "/";
    s.selection.Dir1Path = w;
    ReadFileList(s);
    SetAction(row.action, row.toDest ? d : "");
    OnFile2Click(s, IndexOf("a.txt"));
    if (ActionRenames(row.action)) Name("n", "txt");
    EXPECT_TRUE(s.easy.ButtonEnabled);
    EXPECT_TRUE(RunSingleProcess(s, ui));
    EXPECT_EQ(s.easy.SingleFileIndex, -1);
    std::vector<std::string> inWork, inDest;
    for (const char* n : row.inWork) inWork.push_back(n);
    for (const char* n : row.inDest) inDest.push_back(n);
    EXPECT_EQ(*real.ListFiles(w), inWork);
    EXPECT_EQ(*real.ListFiles(d), inDest);
  }
}

TEST_F(EasyProcessCoreTest, TheNameChecksOfEachActionShowTheirMessage) {
  dir.file("dest/n.txt");
  dir.file("dest/a.txt");
  struct Row {
    const char* name;
    int action;
    const char* newBase;  // nullptr for the actions that keep the name
    const char* message;  // the start of the message shown
  } rows[] = {
      {"rename_onto_another_file", 0, "b", "Your set new name is conflicting with name"},
      {"rename_and_copy_name_first", 1, "b", "Your set new name is conflicting with name"},
      {"rename_and_copy_destination", 1, "n", "Your set new name is conflicting with the name"},
      {"copy_and_rename_destination", 2, "n", "Your set new name is conflicting with the name"},
      {"copy_destination", 4, nullptr, "Name of the file that you are trying to Move or Copy"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ui.messages.clear();
    SetAction(row.action, ActionNeedsDestination(row.action) ? dest : "");
    s.easy.SingleFileIndex = -1;
    OnFile2Click(s, IndexOf("a.txt"));
    if (row.newBase != nullptr) Name(row.newBase, "txt");
    EXPECT_FALSE(RunSingleProcess(s, ui));
    EXPECT_TRUE(s.easy.SingleConflict);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind(row.message, 0), 0u) << ui.messages[0].text;
  }
  EXPECT_TRUE(dir.exists("work/a.txt"));
  EXPECT_EQ(dir.read("dest/a.txt"), "");
}

TEST_F(EasyProcessCoreTest, ANameDifferingOnlyInCaseIsLeftToTheRenameThatNeverOverwrites) {
  SetAction(0);
  OnFile2Click(s, IndexOf("a.txt"));
  Name("B", "txt");
  EXPECT_TRUE(RunSingleProcess(s, ui));
  EXPECT_EQ(dir.read("work/b.txt"), "B");
  EXPECT_EQ(dir.read("work/B.txt"), "A");
}

TEST_F(EasyProcessCoreTest, ReviewModeTouchesNothing) {
  SetAction(6);
  s.state.ReviewMode = true;
  OnFile2Click(s, IndexOf("a.txt"));
  EXPECT_FALSE(RunSingleProcess(s, ui));
  EXPECT_TRUE(dir.exists("work/a.txt"));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("You are running the Program in Review Mode.", 0), 0u);
}

TEST_F(EasyProcessCoreTest, AFailingOperationIsReportedAndThePickStays) {
  SetAction(0);
  files.fail(Op::Rename, "a.txt", EACCES);
  OnFile2Click(s, IndexOf("a.txt"));
  Name("n", "txt");
  EXPECT_FALSE(RunSingleProcess(s, ui));
  ASSERT_GE(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "There was some error. The requested action can not be taken.");
  EXPECT_EQ(s.easy.SingleFileIndex, IndexOf("a.txt"));
  EXPECT_TRUE(dir.exists("work/a.txt"));
}

TEST_F(EasyProcessCoreTest, TheNameBoxTakesNameCharactersAndSpacesOnlyWhenAllowed) {
  SetAction(0);
  OnFile2Click(s, IndexOf("a.txt"));
  EXPECT_EQ(SingleNameKey(s, ui, U'$').action, KeyAction::Accept);
  EXPECT_EQ(SingleNameKey(s, ui, U'.').action, KeyAction::Refuse);
  EXPECT_EQ(SingleNameKey(s, ui, U' ').action, KeyAction::Refuse);
  OnCheckSingleProcessClick(s, true);
  EXPECT_EQ(SingleNameKey(s, ui, U' ').action, KeyAction::Accept);
  OnTextSingleProcessNameChange(s, "a b c");
  OnCheckSingleProcessClick(s, false);
  EXPECT_EQ(s.easy.TextSingleProcessName, "abc");
  EXPECT_EQ(SingleExtKey(s, ui, U'-').action, KeyAction::Refuse);
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[1].text,
            "Normally space can not be included in this text. To include Space please check the "
            "Include Space Check Box.");
}

}  // namespace
}  // namespace quillon
