// Preview and Cancel of a prepared job: the order of their checks.
#include <gtest/gtest.h>

#include "actions/action_fixture.h"
#include "flow/job_bar.h"

namespace quillon {
namespace {

using testing::ActionTest;

class PreviewTest : public ActionTest {
 protected:
  // "a.txt", "b.txt" selected, new extension "md" chosen.
  void SelectTwoWithNewExtension(const char* action = "Rename") {
    work.file("a.txt");
    work.file("b.txt");
    SetAction(action);
    s.rename.criteria.ExtOn = true;
    s.rename.criteria.ExtText = "md";
    Select({"a.txt", "b.txt"});
    ASSERT_TRUE(s.state.RenamePending);
  }
};

TEST_F(PreviewTest, RefusedWhilePanelOpenOrBusyOrNothingPending) {
  struct Row {
    const char* name;
    bool panelOpen, busy, renamePending, checkPending;
  } rows[] = {
      {"panel_open", true, false, true, false},
      {"busy", false, true, false, true},
      {"nothing_pending", false, false, false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    s.state.PanelOpen = row.panelOpen;
    s.state.ActionBusy = row.busy;
    s.state.RenamePending = row.renamePending;
    s.state.CheckPending = row.checkPending;
    s.rename.ImpossibleTotal = 7;
    PreviewClick(s, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.controlStates.empty());
    EXPECT_EQ(s.rename.ImpossibleTotal, 7);
  }
}

TEST_F(PreviewTest, ComputesNamesListsThemAndShowsTheResult) {
  SelectTwoWithNewExtension();
  s.actions.ConflictExisting = 5;  // left from an earlier preview
  PreviewClick(s, ui);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(s.selection.List1, (std::vector<std::string>{"a.md", "b.md"}));
  EXPECT_EQ(s.actions.ConflictExisting, 0);
  EXPECT_TRUE(s.state.JobReady);
  EXPECT_FALSE(s.state.RenamePending);
  EXPECT_FALSE(s.state.CheckPending);
  EXPECT_TRUE(s.state.ResultShown);
  EXPECT_EQ(ui.controlStates, std::vector<std::string>{"setButGlobal"});
}

TEST_F(PreviewTest, SameSourceAndDestinationRefusesAndComputesNothing) {
  SelectTwoWithNewExtension("Copy And Rename");
  s.state.DestFolder = s.state.WorkFolder;
  s.state.ActionDestFolder = s.state.DestFolder;
  PreviewClick(s, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("You have selected to Copy And Rename files."),
            std::string::npos);
  EXPECT_EQ(s.selection.store.ComboExt[0], "txt");
  EXPECT_FALSE(s.state.JobReady);
}

TEST_F(PreviewTest, LettersThatCannotCoverTheSelectionStopBeforeTheEngine) {
  work.file("a.txt");
  work.file("b.txt");
  work.file("c.txt");
  SetAction("Rename");
  RenameCriteria& c = s.rename.criteria;
  c.AutoOn = true;
  c.AutoKind = "Capital Letter";
  c.AutoStartLetters = "ZY";
  c.AutoPlace = "AutoAfterNumChars";
  s.rename.EdAutoStart = "ZY";
  Select({"a.txt", "b.txt", "c.txt"});
  PreviewClick(s, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("Auto Letter Is :: ZY"), std::string::npos);
  EXPECT_EQ(s.selection.store.ComboName[0], "a");
  EXPECT_TRUE(s.state.RenamePending);
  EXPECT_FALSE(s.state.JobReady);
}

TEST_F(PreviewTest, CancelOfAPreparedRenameThrowsTheNamesAway) {
  SelectTwoWithNewExtension();
  PreviewClick(s, ui);
  RejectClick(s, ui);
  EXPECT_FALSE(s.state.JobReady);
  EXPECT_TRUE(s.state.RenamePending);
  EXPECT_TRUE(s.selection.List1.empty());
  EXPECT_EQ(s.selection.store.ComboExt[0], "txt");
  EXPECT_FALSE(s.state.ResultShown);
  EXPECT_EQ(ui.controlStates.back(), "setButGlobal");
}

TEST_F(PreviewTest, CancelOfAPreparedDeleteDisarmsItOutsideReviewMode) {
  struct Row {
    const char* name;
    bool review;
    const char* actionAfter;
    bool selectionAfter;
  } rows[] = {
      {"outside_review_back_to_rename", false, "Rename", false},
      {"in_review_mode_kept", true, "Delete", true},
  };
  work.file("a.txt");
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SetAction("Delete");
    s.state.ReviewMode = row.review;
    s.state.ReviewModePending = row.review;
    Select({"a.txt"});
    ASSERT_TRUE(s.state.JobReady);
    s.state.ResultShown = true;
    RejectClick(s, ui);
    EXPECT_EQ(s.state.ActionName, row.actionAfter);
    EXPECT_EQ(s.state.SelectionMade, row.selectionAfter);
    EXPECT_FALSE(s.state.ResultShown);
    EXPECT_TRUE(work.exists("a.txt"));
  }
}

}  // namespace
}  // namespace quillon
