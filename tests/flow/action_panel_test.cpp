#include "flow/action_panel.h"

#include <gtest/gtest.h>

#include "flow/panel_dispatch.h"
#include "platform/environment.h"
#include "support/fake_ui.h"
#include "support/null_file_services.h"

namespace quillon {
namespace {

using testing::FakeUi;
using testing::NullFileServices;

class ActionPanelTest : public ::testing::Test {
 protected:
  ActionPanelTest() : s(files, env) {
    s.state.WorkFolder = "/work/";
    s.state.DestFolder = "/dest/";
    s.state.ActionDestFolder = "/work/";
  }
  void Confirm(std::int16_t index, bool overwrite = false, std::int16_t attribute = 0) {
    ImageActionClick(s, ui);
    OnOptionActionClick(s, ui, index);
    OnCheckActionOverwriteClick(s, ui, overwrite);
    if (attribute != 0) OnOptionAttributeClick(s, ui, attribute);
    ApplyPanel(s, ui);
  }

  NullFileServices files;
  PosixEnvironment env;
  FakeUi ui;
  Session s;
};

TEST_F(ActionPanelTest, ConfirmingSetsTheActionAndItsCaptions) {
  struct Row {
    const char* name;
    std::int16_t index;
    bool overwrite;
    std::int16_t attribute;
    std::string actionName, preview, job, folder, type;
  } rows[] = {
      {"rename", 0, false, 0, "Rename", "Preview", "Rename", "", "Rename"},
      {"rename_and_copy_overwrite", 1, true, 0, "Rename And Copy", "Preview", "Copy",
       "Copy To : /dest/", "Rename And Copy : Overwrite Confirmed"},
      {"copy_and_rename", 2, false, 0, "Copy And Rename", "Preview", "Copy", "Copy To : /dest/",
       "Copy And Rename"},
      {"move_and_rename_never_overwrites", 3, true, 0, "Move And Rename", "Preview", "Move",
       "Move To : /dest/", "Move And Rename"},
      {"copy", 4, false, 0, "Copy", "Finalize", "Copy", "Copy To : /dest/", "Copy"},
      {"move", 5, false, 0, "Move", "Finalize", "Move", "Move To : /dest/", "Move"},
      {"delete", 6, false, 0, "Delete", "Finalize", "Delete",
       "      Files Will Be Deleted Permanently. No Undo Available For Detete.", "Delete"},
      {"set_attribute", 7, false, 3, "Set Attribute", "Finalize", "Set Attribute",
       "      New Attribute :: Hidden", "Set Attribute"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Confirm(0);  // from "Rename" each time
    Confirm(row.index, row.overwrite, row.attribute);
    EXPECT_EQ(s.state.ActionName, row.actionName);
    EXPECT_EQ(s.state.ActionIndex, row.index);
    EXPECT_EQ(s.state.LabelPreview, row.preview);
    EXPECT_EQ(s.state.LabelJob, row.job);
    EXPECT_EQ(s.state.LabelActionFolderName, row.folder);
    EXPECT_EQ(s.state.LabelActionType, row.type);
    EXPECT_EQ(s.state.OverwriteConfirmed, row.overwrite && (row.index == 1 || row.index == 4));
    EXPECT_EQ(s.state.SettingsCount, row.index == 0 ? 0 : 1);
    EXPECT_FALSE(s.state.PanelOpen);
  }
}

TEST_F(ActionPanelTest, OKNeedsAChangeAndAUsableDestination) {
  ImageActionClick(s, ui);
  EXPECT_FALSE(s.state.ImageActionOKEnabled);
  OnOptionActionClick(s, ui, 0);
  EXPECT_FALSE(s.state.ImageActionOKEnabled);  // nothing changed
  OnCheckActionModeClick(s, ui, true);
  EXPECT_TRUE(s.state.ImageActionOKEnabled);  // review changed
  OnCheckActionModeClick(s, ui, false);
  OnOptionActionClick(s, ui, 7);
  EXPECT_FALSE(s.state.ImageActionOKEnabled);  // no attribute chosen
  EXPECT_EQ(s.state.LabelActionMust, "Must select an Attribute to set Attribute.");
  OnOptionAttributeClick(s, ui, 2);
  EXPECT_TRUE(s.state.ImageActionOKEnabled);
  EXPECT_EQ(s.state.LabelActionMust, "");

  s.state.DestFolder = s.state.WorkFolder;
  OnOptionActionClick(s, ui, 5);
  EXPECT_FALSE(s.state.ImageActionOKEnabled);
  EXPECT_EQ(s.state.LabelActionMust,
            "Must select a different Folder to Move. Press Set Destination to select Folder.");
  OnOptionActionClick(s, ui, 4);
  EXPECT_EQ(s.state.LabelActionMust,
            "Must select a different Folder to Copy. Press Set Destination to select Folder.");
  EXPECT_EQ(s.state.DestChooserHeading, "Copy To This Folder :");
}

TEST_F(ActionPanelTest, CancelKeepsTheActionInEffect) {
  Confirm(4);
  ImageActionClick(s, ui);
  OnOptionActionClick(s, ui, 6);
  OnCheckActionModeClick(s, ui, true);
  CancelPanel(s, ui);
  EXPECT_EQ(s.state.ActionName, "Copy");
  EXPECT_EQ(s.state.ActionIndexPending, 4);
  EXPECT_FALSE(s.state.ReviewMode);
}

TEST_F(ActionPanelTest, ResetAllEndsReviewModeAndReturnsToRename) {
  ImageActionClick(s, ui);
  OnCheckActionModeClick(s, ui, true);
  ApplyPanel(s, ui);
  ASSERT_TRUE(s.state.ReviewMode);
  s.state.PendingKeyword = "ResetAll";
  ApplyPanel(s, ui);
  EXPECT_FALSE(s.state.ReviewMode);
  EXPECT_EQ(s.state.ActionName, "Rename");

  Confirm(6);
  ImageClearActionClick(s, ui);
  EXPECT_EQ(s.state.ActionName, "Rename");
  EXPECT_EQ(s.state.SettingsCount, 0);
}

}  // namespace
}  // namespace quillon
