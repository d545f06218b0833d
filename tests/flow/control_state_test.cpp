#include "flow/control_state.h"

#include <gtest/gtest.h>

#include "flow/priority_panel.h"
#include "platform/environment.h"
#include "support/fake_ui.h"
#include "support/null_file_services.h"

namespace quillon {
namespace {

using testing::FakeUi;
using testing::NullFileServices;

const std::string kEditorLine1 =
    "Set renaming options. Please do it first brfore continuing. Press OK when done to set "
    "options to take effect.";
const std::string kManualLine1 =
    "Select files manually. For auto selection depending on specific criteria press :- File "
    "Selection.";

class ControlStateTest : public ::testing::Test {
 protected:
  ControlStateTest() : s(files, env) {}
  // An order chosen in the lists but not confirmed with OK.
  void ChooseUnconfirmedOrder() {
    OnComboPriorityClick(s, ui, 1, 2);  // Remove, Replace, Remove
    OnComboPriorityClick(s, ui, 3, 0);  // Remove, Replace, Insert
    ASSERT_TRUE(s.priorityPanel.PriorityCombosStale);
    ui.controlStates.clear();
  }

  NullFileServices files;
  PosixEnvironment env;
  FakeUi ui;
  Session s;
};

// The fields of a refresh that are set, for readable failures.
std::string Describe(const ControlRefresh& r) {
  std::string text;
  auto add = [&text](bool on, const char* what) {
    if (on) text += std::string(text.empty() ? "" : " ") + what;
  };
  add(r.folderListState, "folderListState");
  add(r.buttons, "buttons");
  add(r.buttonPictures, "buttonPictures");
  add(r.actionOK, "actionOK");
  add(r.optionsButtons, "optionsButtons");
  add(r.priorityButtons, "priorityButtons");
  add(r.windowCaption, "windowCaption");
  add(r.statusFrames, "statusFrames");
  add(r.easyProcessPanel, "easyProcessPanel");
  add(r.sideFrames, "sideFrames");
  add(r.general, "general");
  return text;
}

TEST_F(ControlStateTest, EachCodeRefreshesItsOwnStepItsSideFramesAndTheGeneralRefresh) {
  struct Row {
    const char* name;
    std::string code;
    ControlRefresh expected;
  } rows[] = {
      {"only_dir", "setButOnlyDir", {.folderListState = true}},
      {"only_activeness", "setButOnlyActiveness", {.buttons = true}},
      {"only_picture", "setButOnlyPicture", {.buttonPictures = true}},
      {"only_action", "setButOnlyAction", {.actionOK = true}},
      {"only_rigidity", "setButOnlyRigidity", {.optionsButtons = true}},
      {"only_about", "setButOnlyAbout", {.sideFrames = true}},
      {"only_priority", "setButOnlyPriority", {.priorityButtons = true}},
      {"only_info", "setButOnlyInfo", {}},
      {"caption_main", "setButCaptionMain", {.windowCaption = true, .general = true}},
      {"frame", "setButFrame", {.sideFrames = true, .general = true}},
      {"single_process",
       "setButSingleProcess",
       {.statusFrames = true, .easyProcessPanel = true, .general = true}},
      {"global",
       "setButGlobal",
       {.buttonPictures = true, .statusFrames = true, .sideFrames = true, .general = true}},
      {"empty_code", "", {.general = true}},
      {"unknown_code", "setButNoSuchThing", {.general = true}},
      {"codes_are_case_sensitive", "setbutglobal", {.general = true}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Describe(RefreshFor(row.code)), Describe(row.expected));
  }
}

TEST_F(ControlStateTest, TheFrontEndIsToldTheCodeAndTheCodeIsCleared) {
  s.state.ButtonStateCode = "setButOnlyDir";  // left from an earlier call
  SetControlState(s, ui, "setButFrame");
  EXPECT_EQ(ui.controlStates, std::vector<std::string>{"setButFrame"});
  EXPECT_EQ(s.state.ButtonStateCode, "");
}

TEST_F(ControlStateTest, TheLittleHelpIsRebuiltForEveryCode) {
  for (const char* code : {"setButOnlyDir", "setButOnlyInfo", "setButGlobal", "anything"}) {
    SCOPED_TRACE(code);
    s.help.LabelInfo1 = "stale";
    s.actions.UndoJustDone = true;
    SetControlState(s, ui, code);
    EXPECT_EQ(s.help.LabelInfo1, kManualLine1);
    EXPECT_EQ(s.help.LabelReviewMode, "Undo Complete");
    EXPECT_FALSE(s.actions.UndoJustDone);
  }
}

TEST_F(ControlStateTest, TheCriteriaHintFollowsTheNextRefresh) {
  s.state.SelectionMade = true;
  s.state.SelectedCount = 2;
  SetControlState(s, ui, "setButGlobal");
  EXPECT_EQ(s.help.LabelInfo1,
            "Rename Criteria is not set. Set Rename criteria or set right Action to continue.");
  s.rename.criteria.CaseOn = true;
  SetControlState(s, ui, "setButGlobal");
  EXPECT_EQ(s.help.LabelInfo1,
            "To Preview Renaming press :- Preview. You will get a message for possible conflict "
            "if any found.");
}

TEST_F(ControlStateTest, TheEditorOpeningHandsOnlyTheLittleHelpOver) {
  ChooseUnconfirmedOrder();
  s.help.EditorHelpRequest = true;
  s.state.ViewRefreshPending = true;
  s.state.ResultShown = true;
  s.state.SideFrame = "PriorityFrame";
  SetControlState(s, ui, "setButGlobal");
  EXPECT_FALSE(s.help.EditorHelpRequest);
  EXPECT_TRUE(s.help.EditorHelpShown);
  EXPECT_EQ(s.help.LabelInfo1, kEditorLine1);
  EXPECT_EQ(ui.controlStates, std::vector<std::string>{"setButOnlyInfo"});
  // The code is not looked at: no side-frame decision, no re-sync.
  EXPECT_TRUE(s.state.ViewRefreshPending);
  EXPECT_EQ(s.state.SideFrame, "PriorityFrame");
  EXPECT_TRUE(s.priorityPanel.PriorityCombosStale);
  EXPECT_EQ(s.rename.ComboPriority1st, "Remove");

  // While the editor is open every refresh keeps its texts.
  ui.controlStates.clear();
  s.state.ViewRefreshPending = false;
  s.state.ActionBusy = true;
  SetControlState(s, ui, "setButGlobal");
  EXPECT_EQ(s.help.LabelInfo1, kEditorLine1);
  EXPECT_EQ(ui.controlStates, std::vector<std::string>{"setButGlobal"});
}

TEST_F(ControlStateTest, TheEditorClosingGivesTheLittleHelpBack) {
  s.help.EditorHelpShown = true;
  s.help.EditorHelpEnd = true;
  s.state.ViewRefreshPending = true;
  s.state.ResultShown = false;
  s.state.SavedSideFrame = "AboutFrame";
  SetControlState(s, ui, "");
  EXPECT_FALSE(s.help.EditorHelpEnd);
  EXPECT_FALSE(s.help.EditorHelpShown);
  EXPECT_EQ(s.help.LabelInfo1, kManualLine1);
  EXPECT_EQ(ui.controlStates, std::vector<std::string>{"setButOnlyInfo"});
  EXPECT_TRUE(s.state.ViewRefreshPending);
  EXPECT_EQ(s.state.SideFrame, "");
  EXPECT_EQ(s.state.SavedSideFrame, "AboutFrame");
}

TEST_F(ControlStateTest, APendingViewRefreshReDecidesTheSideFrame) {
  struct Row {
    const char* name;
    bool pending, resultShown;
    const char* side;
    const char* saved;
    std::int16_t action;
    std::string expectedSide, expectedSaved;
  } rows[] = {
      {"info_frame_stays_beside_a_panel", true, true, "InfoFrame", "", 0, "InfoFrame", "InfoFrame"},
      {"priority_frame_put_away_for_a_panel", true, true, "PriorityFrame", "", 0, "",
       "PriorityFrame"},
      {"about_frame_put_away_for_a_panel", true, true, "AboutFrame", "", 6, "", "AboutFrame"},
      {"view_frame_stays_beside_a_panel", true, true, "", "InfoFrame", 0, "", ""},
      {"priority_frame_comes_back", true, false, "", "PriorityFrame", 0, "PriorityFrame", ""},
      {"priority_frame_comes_back_while_renaming", true, false, "", "PriorityFrame", 3,
       "PriorityFrame", ""},
      {"priority_frame_dropped_for_copy", true, false, "", "PriorityFrame", 4, "", ""},
      {"priority_frame_dropped_for_set_attribute", true, false, "", "PriorityFrame", 7, "", ""},
      {"about_frame_comes_back_for_delete", true, false, "", "AboutFrame", 6, "AboutFrame", ""},
      {"info_frame_comes_back", true, false, "InfoFrame", "InfoFrame", 5, "InfoFrame", ""},
      // Ticking the Little Help on the Options panel asks for the Info frame.
      {"info_frame_asked_for_by_the_options_panel", true, false, "", "InfoFrame", 0, "InfoFrame",
       ""},
      {"view_frame_comes_back", true, false, "", "", 0, "", ""},
      {"no_refresh_pending_leaves_the_frames", false, true, "PriorityFrame", "AboutFrame", 0,
       "PriorityFrame", "AboutFrame"},
      {"no_refresh_pending_after_closing", false, false, "", "PriorityFrame", 0, "",
       "PriorityFrame"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session fresh(files, env);
    fresh.state.ViewRefreshPending = row.pending;
    fresh.state.ResultShown = row.resultShown;
    fresh.state.SideFrame = row.side;
    fresh.state.SavedSideFrame = row.saved;
    fresh.state.ActionIndex = row.action;
    SetControlState(fresh, ui, "setButGlobal");
    EXPECT_FALSE(fresh.state.ViewRefreshPending);
    EXPECT_EQ(fresh.state.SideFrame, row.expectedSide);
    EXPECT_EQ(fresh.state.SavedSideFrame, row.expectedSaved);
  }
}

TEST_F(ControlStateTest, APendingSideFrameDecisionIsTakenWhateverTheCode) {
  s.state.ViewRefreshPending = true;
  s.state.ResultShown = true;
  s.state.SideFrame = "AboutFrame";
  SetControlState(s, ui, "setButOnlyDir");
  EXPECT_FALSE(s.state.ViewRefreshPending);
  EXPECT_EQ(s.state.SideFrame, "");
  EXPECT_EQ(s.state.SavedSideFrame, "AboutFrame");
}

TEST_F(ControlStateTest, AnUnconfirmedPriorityIsDroppedByEveryGeneralRefresh) {
  struct Row {
    const char* name;
    std::string code;
    bool dropped;
  } rows[] = {
      {"global", "setButGlobal", true},
      {"frame", "setButFrame", true},
      {"caption_main", "setButCaptionMain", true},
      {"single_process", "setButSingleProcess", true},
      {"empty_code", "", true},
      {"unknown_code", "setButNoSuchThing", true},
      {"only_priority", "setButOnlyPriority", false},
      {"only_dir", "setButOnlyDir", false},
      {"only_info", "setButOnlyInfo", false},
      {"only_rigidity", "setButOnlyRigidity", false},
      {"only_activeness", "setButOnlyActiveness", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ChooseUnconfirmedOrder();
    SetControlState(s, ui, row.code);
    EXPECT_EQ(!s.priorityPanel.PriorityCombosStale, row.dropped);
    if (row.dropped) {
      EXPECT_EQ(s.rename.ComboPriority1st, "Insert");
      EXPECT_EQ(s.rename.ComboPriority2nd, "Replace");
      EXPECT_EQ(s.rename.ComboPriority3rd, "Remove");
      EXPECT_FALSE(s.priorityPanel.LabelPriorityInfo3Visible);
    } else {
      EXPECT_EQ(s.rename.ComboPriority1st, "Remove");
      EXPECT_EQ(s.rename.ComboPriority3rd, "Insert");
    }
    // The order in effect never changes without OK.
    EXPECT_EQ(s.rename.criteria.PriorityPref1, "Insert");
    EXPECT_EQ(s.rename.criteria.PriorityPref3, "Remove");
    ResyncPriorityCombos(s);
  }
}

TEST_F(ControlStateTest, ShowingThePriorityFrameResyncsItsLists) {
  ChooseUnconfirmedOrder();
  s.state.SideFrame = "PriorityFrame";
  SetControlState(s, ui, "setButOnlyAbout");
  EXPECT_FALSE(s.priorityPanel.PriorityCombosStale);
  EXPECT_EQ(s.rename.ComboPriority1st, "Insert");
  EXPECT_EQ(s.rename.ComboPriority3rd, "Remove");
}

TEST_F(ControlStateTest, TheRigidityCodeSumsTheOptionsPanelWeights) {
  s.optionsPanel.weights = {0, 2, 4, 0, 0, 32, 0, 128};
  SetControlState(s, ui, "setButOnlyRigidity");
  EXPECT_EQ(s.options.OptionsCodePending, 166);
  EXPECT_TRUE(s.optionsPanel.ImageRigidityOKEnabled);
  EXPECT_FALSE(s.optionsPanel.ImageRigidityDefaultEnabled);
}

}  // namespace
}  // namespace quillon
