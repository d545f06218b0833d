// The destination chooser on real folders: browsing, making, renaming and deleting the
// folders of a visit, and what OK and Cancel leave.
#include "actions/destination_chooser.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "flow/action_panel.h"
#include "platform/posix_file_services.h"
#include "platform/text.h"
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

class ChooserTest : public ::testing::Test {
 protected:
  ChooserTest() : files(real), s(files, env) {
    work = dir.folder("work");
    dest = dir.folder("dest");
    dir.folder("sys");
    s.state.WorkFolder = work + "/";
    s.state.DestFolder = s.state.ActionDestFolder = s.state.WorkFolder;
    s.state.WindowsFolder = dir / "sys/";
    s.state.WindowsFolderUpper = ToUpper(s.state.WindowsFolder);
    s.chooser.ConfirmedDestDir = s.chooser.Dir1Path = work;
    // The Action panel is open on "Copy" and Set Destination was pressed.
    s.state.PanelOpen = true;
    s.state.PendingKeyword = "Action";
    OnOptionActionClick(s, ui, 4);
    ImageActionBrowseClick(s, ui);
  }
  void Create(const std::string& name) {
    ImageActionMoveCreateNewClick(s);
    OnTextActionMoveCreateChange(s, name);
    ImageActionMoveCreateOKClick(s, ui);
  }

  TempDir dir;
  PosixFileServices real;
  FailingFileServices files;
  FakeEnvironment env;
  FakeUi ui;
  Session s;
  std::string work, dest;
};

TEST_F(ChooserTest, TheWorkingFolderGivesNoHeadingAndNoOK) {
  EXPECT_TRUE(s.state.DestChooserOpen);
  EXPECT_EQ(s.chooser.LabelActionMoveHead, "");
  EXPECT_FALSE(s.chooser.ImageActionMoveOKEnabled);
  ChooserDir1Change(s, ui, dest);
  EXPECT_EQ(s.chooser.LabelActionMoveHead, "Copy To This Folder :");
  EXPECT_EQ(s.chooser.LabelActionMovePath, dest + "/");
  EXPECT_TRUE(s.chooser.ImageActionMoveOKEnabled);
  ChooserDir1Change(s, ui, work);
  EXPECT_EQ(s.chooser.LabelActionMovePath, "");
  EXPECT_FALSE(s.chooser.ImageActionMoveOKEnabled);
}

TEST_F(ChooserTest, DeletingTwiceReturnsToWhereTheFirstFolderWasMade) {
  ChooserDir1Change(s, ui, dest);
  Create("A");
  EXPECT_EQ(s.chooser.Dir1Path, dest + "/A");
  EXPECT_EQ(s.state.DestFolder, dest + "/A/");
  Create("B");
  EXPECT_TRUE(dir.exists("dest/A/B"));
  EXPECT_EQ(s.chooser.CreatedCount, 2);
  ImageActionMoveDeleteClick(s, ui);
  EXPECT_EQ(s.chooser.Dir1Path, dest + "/A");
  ImageActionMoveDeleteClick(s, ui);
  EXPECT_EQ(s.chooser.Dir1Path, dest);
  EXPECT_FALSE(dir.exists("dest/A"));
  EXPECT_EQ(s.chooser.CreatedCount, 0);
}

TEST_F(ChooserTest, TheSameNameTwiceIsRefused) {
  ChooserDir1Change(s, ui, dest);
  Create("A");
  ChooserDir1Change(s, ui, dest);
  Create("A");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Here you already have a Folder with same name. Choose a different name please.");
  EXPECT_EQ(s.chooser.CreatedCount, 1);
}

TEST_F(ChooserTest, TheCreateBoxTakesLettersAndDigitsOnly) {
  struct Row {
    const char* name;
    char32_t key;
    KeyAction action;
  } rows[] = {
      {"letter", U'a', KeyAction::Accept},
      {"digit", U'7', KeyAction::Accept},
      {"backspace", kKeyBackspace, KeyAction::Accept},
      {"space", U' ', KeyAction::Refuse},
      {"dash", U'-', KeyAction::Refuse},
      {"enter_on_empty", kKeyEnter, KeyAction::Refuse},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ui.messages.clear();
    EXPECT_EQ(CreateBoxKey(s, ui, row.key).action, row.action);
    const bool explained = row.key == U' ' || row.key == U'-';
    EXPECT_EQ(ui.messages.size(), explained ? 1u : 0u);
  }
  OnTextActionMoveCreateChange(s, "x");
  EXPECT_EQ(CreateBoxKey(s, ui, kKeyEnter).action, KeyAction::PressOK);
}

TEST_F(ChooserTest, RenamingTheNewestFolderKeepsItInTheFolderItWasMadeIn) {
  ChooserDir1Change(s, ui, dest);
  Create("A");
  ImageActionMoveRenameClick(s);
  OnTextActionMoveNewNameChange(s, "Photos 2026");
  ImageActionMoveRenameOKClick(s, ui);
  EXPECT_TRUE(dir.exists("dest/Photos 2026"));
  EXPECT_FALSE(dir.exists("dest/A"));
  EXPECT_EQ(s.state.DestFolder, dest + "/Photos 2026/");
  EXPECT_FALSE(s.chooser.RenameOpen);
}

TEST_F(ChooserTest, CancelKeepsMadeFoldersOnDiskAndReturnsToTheConfirmedDestination) {
  ChooserDir1Change(s, ui, dest);
  Create("A");
  ImageActionMoveCancelClick(s, ui);
  EXPECT_TRUE(dir.exists("dest/A"));
  EXPECT_FALSE(s.state.DestChooserOpen);
  EXPECT_EQ(s.chooser.Dir1Path, work);
  EXPECT_EQ(s.state.DestFolder, work + "/");
  EXPECT_EQ(s.chooser.CreatedCount, 0);
}

TEST_F(ChooserTest, OKConfirmsTheActionWithTheChosenFolder) {
  ChooserDir1Change(s, ui, dest);
  ImageActionMoveOKClick(s, ui);
  EXPECT_EQ(s.state.ActionName, "Copy");
  EXPECT_EQ(s.state.ActionDestFolder, dest + "/");
  EXPECT_EQ(s.chooser.ConfirmedDestDir, dest);
  EXPECT_FALSE(s.state.PanelOpen);
}

TEST_F(ChooserTest, TheSystemFolderIsRefusedWithAMessage) {
  ChooserDir1Change(s, ui, dir / "sys");
  EXPECT_EQ(s.chooser.Dir1Path, work);
  EXPECT_EQ(s.state.DestFolder, work + "/");
  ASSERT_EQ(ui.messages.size(), 1u);
  s.options.AllowSystemFolder = true;
  ChooserDir1Change(s, ui, dir / "sys");
  EXPECT_TRUE(s.chooser.DestInSystemTree);
}

TEST_F(ChooserTest, AFailingFolderCallIsReportedAndChangesNothing) {
  ChooserDir1Change(s, ui, dest);
  files.fail(Op::CreateFolder, "/A", EACCES);
  Create("A");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find(dest + "/A could not be made"), std::string::npos);
  EXPECT_EQ(s.chooser.CreatedCount, 0);
  EXPECT_TRUE(s.chooser.CreateOpen);

  files.clearFailures();
  Create("A");
  dir.file("dest/A/kept.txt");  // no longer empty
  ui.messages.clear();
  ImageActionMoveDeleteClick(s, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("could not be deleted"), std::string::npos);
  EXPECT_TRUE(dir.exists("dest/A/kept.txt"));
  EXPECT_EQ(s.chooser.CreatedCount, 1);
}

}  // namespace
}  // namespace quillon
