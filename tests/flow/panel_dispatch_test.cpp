#include "flow/panel_dispatch.h"

#include <gtest/gtest.h>

#include "platform/posix_file_services.h"
#include "session/readiness.h"
#include "session/work_folder.h"
#include "support/fake_environment.h"
#include "support/fake_ui.h"

namespace quillon {
namespace {

using testing::FakeEnvironment;
using testing::FakeUi;

class PanelDispatchTest : public ::testing::Test {
 protected:
  PanelDispatchTest() : s(files, env) {}
  PosixFileServices files;
  FakeEnvironment env;
  FakeUi ui;
  Session s;
};

TEST_F(PanelDispatchTest, ReadinessFollowsTheActionAndTheSelection) {
  struct Row {
    const char* name;
    const char* action;
    bool made;
    std::int16_t count;
    bool rename, check, ready;
  } rows[] = {
      {"delete_ready_at_once", "Delete", true, 2, false, false, true},
      {"set_attribute_ready_at_once", "Set Attribute", true, 1, false, false, true},
      {"copy_checks", "Copy", true, 1, false, true, false},
      {"move_checks", "Move", true, 3, false, true, false},
      {"rename_without_criteria_nothing", "Rename", true, 1, false, false, false},
      {"copy_and_rename_without_criteria_nothing", "Copy And Rename", true, 1, false, false, false},
      {"no_selection_nothing", "Delete", false, 4, false, false, false},
      {"zero_count_nothing", "Copy", true, 0, false, false, false},
      {"unknown_action_nothing", "Frobnicate", true, 1, false, false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    s.state.ActionName = row.action;
    s.state.SelectionMade = row.made;
    s.state.SelectedCount = row.count;
    s.state.JobReady = s.state.RenamePending = s.state.CheckPending = true;
    UpdateReadiness(s);
    EXPECT_EQ(s.state.RenamePending, row.rename);
    EXPECT_EQ(s.state.CheckPending, row.check);
    EXPECT_EQ(s.state.JobReady, row.ready);
    if (!row.made) {
      EXPECT_EQ(s.state.SelectedCount, 0);
    }
    if (row.count == 0) {
      EXPECT_FALSE(s.state.SelectionMade);
    }
  }
}

TEST_F(PanelDispatchTest, ApplyPanelClosesThePanelAndRefreshesEverything) {
  s.state.PendingKeyword = "Options";
  s.state.PanelOpen = true;
  s.state.ResultShown = true;
  ApplyPanel(s, ui);
  EXPECT_EQ(s.state.PendingKeyword, "");
  EXPECT_FALSE(s.state.PanelOpen);
  EXPECT_FALSE(s.state.ResultShown);
  EXPECT_EQ(ui.controlStates, std::vector<std::string>{"setButGlobal"});
}

TEST_F(PanelDispatchTest, KeepResultShownKeepsTheListedFilesInViewOnce) {
  s.state.PendingKeyword = "Action";
  s.state.ResultShown = true;
  s.state.KeepResultShown = true;
  ApplyPanel(s, ui);
  EXPECT_TRUE(s.state.ResultShown);
  EXPECT_FALSE(s.state.KeepResultShown);
}

TEST_F(PanelDispatchTest, AnUnknownKeywordStillRunsTheCommonTail) {
  s.state.PendingKeyword = "NoSuchKeyword";
  s.state.PanelOpen = true;
  ApplyPanel(s, ui);
  EXPECT_FALSE(s.state.PanelOpen);
  EXPECT_EQ(ui.controlStates, std::vector<std::string>{"setButGlobal"});
}

TEST_F(PanelDispatchTest, AClickOnAPreparedJobOnlyRefreshesThePictures) {
  s.state.FileListClicked = true;
  s.state.JobReady = true;
  s.state.ActionIndex = 0;
  ApplyPanel(s, ui);
  EXPECT_FALSE(s.state.FileListClicked);
  EXPECT_TRUE(s.state.JobReady);
  EXPECT_EQ(ui.controlStates, std::vector<std::string>{"setButOnlyPicture"});
}

TEST_F(PanelDispatchTest, CancelPutsTheValuesInEffectBack) {
  s.state.ActionIndex = 4;
  s.state.ReviewMode = true;
  s.state.ActionIndexPending = 6;
  s.state.ReviewModePending = false;
  s.state.PendingKeyword = "Action";
  s.state.PanelOpen = true;
  s.state.ResultShown = true;
  CancelPanel(s, ui);
  EXPECT_EQ(s.state.ActionIndexPending, 4);
  EXPECT_TRUE(s.state.ReviewModePending);
  EXPECT_FALSE(s.state.PanelOpen);
  EXPECT_FALSE(s.state.ResultShown);
  EXPECT_EQ(s.state.PendingKeyword, "");

  s.selection.SavedSelection = 2;
  s.selection.OptSelection = 3;
  s.state.PendingKeyword = "Selection";
  CancelPanel(s, ui);
  EXPECT_EQ(s.selection.OptSelection, 2);
}

TEST_F(PanelDispatchTest, CancelKeepsAPreparedDeletionInView) {
  s.state.ActionIndex = 6;
  s.state.ResultShown = true;
  s.state.PendingKeyword = "Selection";
  CancelPanel(s, ui);
  EXPECT_TRUE(s.state.ResultShown);
}

TEST_F(PanelDispatchTest, NoteWorkFolderRemembersNeitherTheStartNorTheSystemTree) {
  s.state.StartFolderUpper = "/HOME/ANN/TOOLS/";
  s.state.WindowsFolderUpper = "/USR/";
  struct Row {
    const char* name;
    std::string shown;
    std::string work, last;
  } rows[] = {
      {"ordinary", "/home/ann/photos", "/home/ann/photos/", "/home/ann/photos"},
      {"root", "/", "/", "/"},
      {"start_folder", "/home/ann/tools", "/home/ann/tools/", ""},
      {"start_folder_other_case", "/HOME/ann/Tools", "/HOME/ann/Tools/", ""},
      {"system_folder", "/usr", "/usr/", ""},
      {"below_system_folder", "/usr/share/doc", "/usr/share/doc/", ""},
      {"beside_system_folder", "/usrlocal", "/usrlocal/", "/usrlocal"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    s.selection.Dir1Path = row.shown;
    NoteWorkFolder(s);
    EXPECT_EQ(s.state.WorkFolder, row.work);
    EXPECT_EQ(s.options.LastFolder, row.last);
  }
}

}  // namespace
}  // namespace quillon
