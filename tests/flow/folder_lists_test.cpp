#include "selection/folder_change.h"

#include <gtest/gtest.h>

#include "flow/folder_lists.h"
#include "platform/posix_file_services.h"
#include "platform/text.h"
#include "selection/file_selection.h"
#include "session/work_folder.h"
#include "support/fake_environment.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::FakeEnvironment;
using testing::FakeUi;
using testing::TempDir;

// Real folders, with a drive that can be declared not ready.
class Folders : public PosixFileServices {
 public:
  bool DriveReady(const std::string& mountPoint) override {
    return mountPoint != notReady && PosixFileServices::DriveReady(mountPoint);
  }
  std::string notReady;
};

class FolderChangeTest : public ::testing::Test {
 protected:
  FolderChangeTest() : s(files, env) {
    for (const char* name : {"start", "a", "b", "sys", "sys/sub"}) dir.folder(name);
    dir.file("a/one.txt");
    dir.file("a/two.jpg");
    dir.file("b/three.txt");
    s.state.WindowsFolder = dir / "sys/";
    s.state.WindowsFolderUpper = ToUpper(s.state.WindowsFolder);
    s.state.StartFolder = dir / "start/";
    s.state.StartFolderUpper = ToUpper(s.state.StartFolder);
    s.state.FolderHistory = {dir / "start"};
    s.selection.Dir1Path = dir / "start";
  }
  // The user picks a folder in Dir1.
  void GoTo(const std::string& name) {
    ASSERT_TRUE(PointFolderList(s, dir / name));
    OnDir1Change(s, ui);
  }

  TempDir dir;
  Folders files;
  FakeEnvironment env;
  FakeUi ui;
  Session s;
};

TEST_F(FolderChangeTest, TheHistoryRecordsEachFolderOnceAndTheButtonsMoveInIt) {
  GoTo("a");
  GoTo("b");
  GoTo("a");
  EXPECT_EQ(s.state.FolderHistory, (std::vector<std::string>{dir / "start", dir / "a", dir / "b"}));
  EXPECT_EQ(s.state.FolderHistoryPos, 1);
  EXPECT_EQ(s.state.FolderHistoryLast, 2);
  ImageGoForwardClick(s, ui);
  EXPECT_EQ(s.state.WorkFolder, dir / "b/");
  ImageGoBackClick(s, ui);
  ImageGoBackClick(s, ui);
  EXPECT_EQ(s.state.WorkFolder, dir / "start/");
  ImageGoBackClick(s, ui);  // nothing before the start
  EXPECT_EQ(s.state.FolderHistoryPos, 0);
  ImageGoForwardClick(s, ui);
  ImageGoForwardClick(s, ui);
  ImageGoToStartClick(s, ui);
  EXPECT_EQ(s.state.WorkFolder, dir / "start/");
  EXPECT_EQ(s.selection.Files.size(), 0u);
}

TEST_F(FolderChangeTest, TheSystemFolderItselfIsRefusedButItsSubfoldersAreEntered) {
  GoTo("a");
  GoTo("sys");
  EXPECT_EQ(s.state.WorkFolder, dir / "a/");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("Working in System folder is not allowed.", 0), 0u);

  GoTo("sys/sub");
  EXPECT_EQ(s.state.WorkFolder, dir / "sys/sub/");
  EXPECT_TRUE(s.selection.SystemTreeEntered);
  EXPECT_EQ(s.selection.SystemTreeEntryPos, 1);
  EXPECT_EQ(s.options.LastFolder, "");  // the system tree is never remembered
  GoTo("b");
  EXPECT_FALSE(s.selection.SystemTreeEntered);
  EXPECT_EQ(s.selection.SystemTreeEntryPos, 0);

  s.options.AllowSystemFolder = true;
  ui.messages.clear();
  GoTo("sys");
  EXPECT_EQ(s.state.WorkFolder, dir / "sys/");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FolderChangeTest, GoingForwardOntoTheSystemFolderIsRefusedSilently) {
  s.options.AllowSystemFolder = true;
  GoTo("sys");
  GoTo("a");
  ImageGoBackClick(s, ui);
  ImageGoBackClick(s, ui);
  s.options.AllowSystemFolder = false;
  ImageGoForwardClick(s, ui);
  EXPECT_EQ(s.state.WorkFolder, dir / "start/");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FolderChangeTest, ARuleFallsBackToManualUnlessItIsKept) {
  GoTo("a");
  s.state.SelectionMode = "ByExtension";
  s.selection.SavedSelection = 3;
  s.selection.SelectExtension = "txt";
  s.selection.EdSelectMax = 7;  // a cancelled edit of the panel must not become the rule
  RefreshSelection(s, ui);
  ASSERT_EQ(s.state.SelectedCount, 1);

  s.selection.SelectKeep = true;
  GoTo("b");
  EXPECT_EQ(s.state.SelectionMode, "ByExtension");
  EXPECT_EQ(s.selection.store.ComboFile1, std::vector<std::string>{"three.txt"});

  s.selection.SelectKeep = false;
  GoTo("a");
  EXPECT_EQ(s.state.SelectionMode, "Manual");
  EXPECT_EQ(s.selection.LabelSelectionType, "Manual File Selection");
  EXPECT_FALSE(s.state.SelectionMade);
  EXPECT_EQ(s.options.MaxSelectLimit, 100);
}

TEST_F(FolderChangeTest, ADriveThatIsNotReadyIsRefused) {
  GoTo("a");
  files.notReady = "/";
  OnDrive1Change(s, ui, "/");
  EXPECT_EQ(s.state.WorkFolder, dir / "a/");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "The Drive you are trying to select is not ready.");
  files.notReady.clear();
  OnDrive1Change(s, ui, "/");
  EXPECT_EQ(s.state.WorkFolder, "/");
  EXPECT_EQ(s.selection.LastGoodDrive, "/");
}

}  // namespace
}  // namespace quillon
