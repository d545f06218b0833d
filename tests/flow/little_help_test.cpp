#include "flow/little_help.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/environment.h"
#include "session/action_kinds.h"
#include "support/null_file_services.h"

namespace quillon {
namespace {

using testing::NullFileServices;

// Texts shared by several cases.
const std::string kChangeAction = "To change Action press :- Action.";
const std::string kUndoThenChangeAction =
    "To undo last Action press :- Undo.\r\nTo change Action press :- Action.";
const std::string kEasyProcessHint =
    "To process single file check the Easy Process Check Box to make it easy.";
const std::string kEasyProcessNeedsReset =
    "To access Easy Process for single file - File Selection option need to be Reset.";
const std::string kDeleteWarning =
    "You are trying to Delete files. Please remember, you will not get a chance to Undo it.";
const std::string kPanelCancelKeeps = "Pressing Cancel will keep your old setting.";
const std::string kJobDisablesRest =
    "Everything else is disabled now. Will be enabled after any of the above action.";

void Act(SessionState& st, std::int16_t index) {
  st.ActionIndex = st.ActionIndexPending = index;
  st.ActionName = std::string(kActionKinds[static_cast<std::size_t>(index)].keyword);
}

void Select(SessionState& st, std::int16_t count) {
  st.SelectionMade = true;
  st.SelectedCount = count;
}

// A job prepared for `index` with two files, holding the work area.
void Prepared(SessionState& st, std::int16_t index) {
  Act(st, index);
  Select(st, 2);
  st.JobReady = true;
  st.ResultShown = true;
}

void OpenPanelFor(SessionState& st, const char* keyword) {
  st.PanelOpen = true;
  st.ResultShown = true;
  st.PendingKeyword = keyword;
}

class LittleHelpTest : public ::testing::Test {
 protected:
  NullFileServices files;
  PosixEnvironment env;
};

TEST_F(LittleHelpTest, TheFourLinesFollowTheFirstCaseThatApplies) {
  struct Row {
    const char* name;
    void (*setup)(Session&);
    std::string line1, line2, line3, line4;
  } rows[] = {
      {"A_editor_open_over_every_other_state",
       [](Session& s) {
         s.help.EditorHelpShown = true;
         s.state.ActionBusy = true;
         s.state.EasyProcessOn = true;
         OpenPanelFor(s.state, "Options");
         Select(s.state, 2);
       },
       "Set renaming options. Please do it first brfore continuing. Press OK when done to set "
       "options to take effect.",
       "Order of action will be following for multiple options :\r\n1 :- a.Case  b.Extension  "
       "c.Space  d.Handle",
       "2 :- a.Insert  b.Replace  c.Remove           3 :- Auto\r\nPriority of Insert, Replace and "
       "Remove interchangeable.",
       "To be able to set Priority of Insert, Replace and Remove at least two of those must be "
       "selected."},
      {"B_busy_over_easy_process_and_panel",
       [](Session& s) {
         s.state.ActionBusy = true;
         s.state.EasyProcessOn = true;
         OpenPanelFor(s.state, "Action");
       },
       "", "", "Working.....Please Wait.", ""},
      {"C_easy_process_over_panel_and_selection",
       [](Session& s) {
         s.state.EasyProcessOn = true;
         OpenPanelFor(s.state, "Action");
         Select(s.state, 1);
         s.state.UndoAvailable = true;
       },
       "", kChangeAction, "",
       "To process multiple files please Uncheck the Easy Process Check Box."},
      {"D_selection_panel",
       [](Session& s) {
         OpenPanelFor(s.state, "Selection");
         Select(s.state, 2);
       },
       "While setting File Selection option OK button will appear disabled for following "
       "reasons :",
       "1. Current and old File selection option is same.\r\n2. File Selection option setting is "
       "incomplete.",
       kPanelCancelKeeps,
       "You must finish or cancel setting up File Selection options to continue."},
      {"D_action_panel_over_a_prepared_delete",
       [](Session& s) {
         Prepared(s.state, 6);
         OpenPanelFor(s.state, "Action");
       },
       "While setting Action OK button will appear disabled for following reasons :",
       "1. This is old setting. 2. Moving or Copying but Source and Destination Folder is same. "
       "3. Setting incomplete.",
       kPanelCancelKeeps, "You must finish or cancel setting up Action to continue."},
      {"D_options_panel", [](Session& s) { OpenPanelFor(s.state, "Options"); },
       "Disabled OK button means this is saved Options. Disabled Default means saved options is "
       "Program's Default Options.",
       "Press Default to set Options to Default. Press Cancel to not to change old Options.",
       "Reset button resets temporary Options only. To reset all Options to Default use Default "
       "button in Options.",
       "You must finish or cancel setting up Options to continue."},
      {"D_help_without_little_help_at_start", [](Session& s) { OpenPanelFor(s.state, "Help"); }, "",
       "",
       "If you want to view Help informations from start of Program then check the Show Little "
       "Help box in Options.",
       "You must finish with Help to continue."},
      {"D_help_with_little_help_at_start",
       [](Session& s) {
         OpenPanelFor(s.state, "Help");
         s.options.ShowLittleHelp = true;
       },
       "", "",
       "Uncheck the Show Information box in Options if you do not want to see these informations "
       "from start of Program.",
       "You must finish with Help to continue."},
      {"D_panel_without_a_keyword_of_its_own",
       [](Session& s) {
         OpenPanelFor(s.state, "Priority");
         Select(s.state, 2);
       },
       "", "", "", ""},
      {"E_rename_prepared", [](Session& s) { Prepared(s.state, 0); }, "",
       "Press :- Rename button to Rename.\r\nPress :- Cancel to cancel.", kJobDisablesRest, ""},
      {"E_rename_and_copy_prepared", [](Session& s) { Prepared(s.state, 1); }, "",
       "Press :- Copy button to Rename And Copy.\r\nPress :- Cancel to cancel.", kJobDisablesRest,
       ""},
      {"E_copy_and_rename_prepared", [](Session& s) { Prepared(s.state, 2); }, "",
       "Press :- Copy button to Copy And Rename.\r\nPress :- Cancel to cancel.", kJobDisablesRest,
       ""},
      {"E_move_and_rename_prepared", [](Session& s) { Prepared(s.state, 3); }, "",
       "Press :- Move button to Move And Rename.\r\nPress :- Cancel to cancel.", kJobDisablesRest,
       ""},
      {"E_copy_prepared", [](Session& s) { Prepared(s.state, 4); }, "",
       "Press :- Copy button to Copy.\r\nPress :- Cancel to cancel.", kJobDisablesRest, ""},
      {"E_move_prepared", [](Session& s) { Prepared(s.state, 5); }, "",
       "Press :- Move button to Move.\r\nPress :- Cancel to cancel.", kJobDisablesRest, ""},
      {"E_delete_prepared_with_selection", [](Session& s) { Prepared(s.state, 6); }, "",
       "Press :- Delete button to Delete.\r\nPress :- Cancel to cancel.",
       "You can select files. Everything else is disabled now. Will be enabled after any of the "
       "above action.",
       ""},
      {"E_set_attribute_prepared_with_selection", [](Session& s) { Prepared(s.state, 7); }, "",
       "Press :- Set Attribute button to Set Attribute.\r\nPress :- Cancel to cancel.",
       "You can select files. Everything else is disabled now. Will be enabled after any of the "
       "above action.",
       ""},
      {"E_delete_shown_without_selection",
       [](Session& s) {
         Act(s.state, 6);
         s.state.ResultShown = true;
       },
       "", "Select files to Delete.",
       "To cancel just reset Action by pressing Reset button next to Action button.", ""},
      {"E_set_attribute_prepared_without_selection",
       [](Session& s) {
         Act(s.state, 7);
         s.state.ResultShown = true;
         s.state.JobReady = true;
       },
       "", "Select files to Set Attribute.",
       "To cancel just reset Action by pressing Reset button next to Action button.", ""},
      {"E_rename_result_not_prepared",
       [](Session& s) {
         Act(s.state, 0);
         Select(s.state, 2);
         s.state.ResultShown = true;
       },
       "", "", "", ""},
      {"E_delete_shown_with_selection_not_prepared",
       [](Session& s) {
         Act(s.state, 6);
         Select(s.state, 2);
         s.state.ResultShown = true;
       },
       "", "", "", ""},
      {"F_rename_without_criteria", [](Session& s) { Select(s.state, 2); },
       "Rename Criteria is not set. Set Rename criteria or set right Action to continue.",
       kChangeAction, "To set Rename Criteria: press :- Rename Criteria.", kEasyProcessHint},
      {"F_rename_with_a_criterion",
       [](Session& s) {
         Select(s.state, 2);
         s.rename.criteria.AutoOn = true;
       },
       "To Preview Renaming press :- Preview. You will get a message for possible conflict if any "
       "found.",
       kChangeAction, "To set Rename Criteria: press :- Rename Criteria.", kEasyProcessHint},
      {"F_move_and_rename_with_a_criterion",
       [](Session& s) {
         Act(s.state, 3);
         Select(s.state, 1);
         s.rename.criteria.ExtOn = true;
       },
       "To Preview Renaming press :- Preview. You will get a message for possible conflict if any "
       "found.",
       kChangeAction, "To set Rename Criteria: press :- Rename Criteria.", kEasyProcessHint},
      {"F_copy",
       [](Session& s) {
         Act(s.state, 4);
         Select(s.state, 2);
       },
       "To check for possible conflict press :- Finalize. You will get a message if any found.",
       kChangeAction, "To change Destination press :- Action | Set Destination.", kEasyProcessHint},
      {"F_move",
       [](Session& s) {
         Act(s.state, 5);
         Select(s.state, 2);
       },
       "To check for possible conflict press :- Finalize. You will get a message if any found.",
       kChangeAction, "To change Destination press :- Action | Set Destination.", kEasyProcessHint},
      {"F_delete",
       [](Session& s) {
         Act(s.state, 6);
         Select(s.state, 2);
       },
       "", kChangeAction, kDeleteWarning, kEasyProcessHint},
      {"F_set_attribute",
       [](Session& s) {
         Act(s.state, 7);
         Select(s.state, 2);
       },
       "", kChangeAction, "", kEasyProcessHint},
      {"F_undo_available",
       [](Session& s) {
         Select(s.state, 2);
         s.state.UndoAvailable = true;
       },
       "Rename Criteria is not set. Set Rename criteria or set right Action to continue.",
       kUndoThenChangeAction, "To set Rename Criteria: press :- Rename Criteria.",
       kEasyProcessHint},
      {"F_selection_rule_in_effect",
       [](Session& s) {
         Select(s.state, 2);
         s.selection.SavedSelection = 2;
       },
       "Rename Criteria is not set. Set Rename criteria or set right Action to continue.",
       kChangeAction, "To set Rename Criteria: press :- Rename Criteria.", kEasyProcessNeedsReset},
      {"G_manual_rename", [](Session&) {},
       "Select files manually. For auto selection depending on specific criteria press :- File "
       "Selection.",
       kChangeAction, "To set Rename Criteria press :- Rename Criteria.", kEasyProcessHint},
      {"G_rule_found_nothing", [](Session& s) { s.selection.SavedSelection = 1; },
       "Change your selection criteria. There is no file to select with set Criteria.",
       kChangeAction, "To set Rename Criteria press :- Rename Criteria.", kEasyProcessNeedsReset},
      {"G_rename_and_copy", [](Session& s) { Act(s.state, 1); },
       "Select files manually. For auto selection depending on specific criteria press :- File "
       "Selection.",
       kChangeAction,
       "To set Rename Criteria: press :- Rename Criteria. For Destination: press :- Action | Set "
       "Destination.",
       kEasyProcessHint},
      {"G_copy_and_rename", [](Session& s) { Act(s.state, 2); },
       "Select files manually. For auto selection depending on specific criteria press :- File "
       "Selection.",
       kChangeAction,
       "To set Rename Criteria: press :- Rename Criteria. For Destination: press :- Action | Set "
       "Destination.",
       kEasyProcessHint},
      {"G_move_and_rename", [](Session& s) { Act(s.state, 3); },
       "Select files manually. For auto selection depending on specific criteria press :- File "
       "Selection.",
       kChangeAction,
       "To set Rename Criteria: press :- Rename Criteria. For Destination: press :- Action | Set "
       "Destination.",
       kEasyProcessHint},
      {"G_copy", [](Session& s) { Act(s.state, 4); },
       "Select files manually. For auto selection depending on specific criteria press :- File "
       "Selection.",
       kChangeAction, "", kEasyProcessHint},
      {"G_move", [](Session& s) { Act(s.state, 5); },
       "Select files manually. For auto selection depending on specific criteria press :- File "
       "Selection.",
       kChangeAction, "", kEasyProcessHint},
      {"G_delete", [](Session& s) { Act(s.state, 6); },
       "Select files manually. For auto selection depending on specific criteria press :- File "
       "Selection.",
       kChangeAction, kDeleteWarning, kEasyProcessHint},
      {"G_set_attribute", [](Session& s) { Act(s.state, 7); },
       "Select files manually. For auto selection depending on specific criteria press :- File "
       "Selection.",
       kChangeAction, "", kEasyProcessHint},
      {"G_undo_available_with_a_rule",
       [](Session& s) {
         s.state.UndoAvailable = true;
         s.selection.SavedSelection = 4;
       },
       "Change your selection criteria. There is no file to select with set Criteria.",
       kUndoThenChangeAction, "To set Rename Criteria press :- Rename Criteria.",
       kEasyProcessNeedsReset},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session s(files, env);
    row.setup(s);
    // Left over from an earlier state: every line is rebuilt.
    s.help.LabelInfo1 = s.help.LabelInfo2 = s.help.LabelInfo3 = s.help.LabelInfo4 = "stale";
    UpdateLittleHelp(s);
    EXPECT_EQ(s.help.LabelInfo1, row.line1);
    EXPECT_EQ(s.help.LabelInfo2, row.line2);
    EXPECT_EQ(s.help.LabelInfo3, row.line3);
    EXPECT_EQ(s.help.LabelInfo4, row.line4);
    const View v = LittleHelpView(s);
    EXPECT_EQ(v.at("LabelInfo1").text, row.line1);
    EXPECT_EQ(v.at("LabelInfo2").text, row.line2);
    EXPECT_EQ(v.at("LabelInfo3").text, row.line3);
    EXPECT_EQ(v.at("LabelInfo4").text, row.line4);
  }
}

TEST_F(LittleHelpTest, TheHelpOptionHintShowsWhileTheInfoFrameIsClosed) {
  const std::string hint =
      "To view Little Help please press Info button at bottom right of the main window.";
  struct Row {
    const char* name;
    const char* sideFrame;
    std::string expected;
  } rows[] = {
      {"view_frame", "", hint},
      {"priority_frame", "PriorityFrame", hint},
      {"about_frame", "AboutFrame", hint},
      {"info_frame", "InfoFrame", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session s(files, env);
    s.state.SideFrame = row.sideFrame;
    UpdateLittleHelp(s);
    EXPECT_EQ(LittleHelpView(s).at("LabelHelpOption").text, row.expected);
  }
}

TEST_F(LittleHelpTest, UndoCompleteShowsOnceThenTheUsualStatus) {
  Session s(files, env);
  s.state.ReviewMode = true;
  s.actions.UndoJustDone = true;
  UpdateLittleHelp(s);
  EXPECT_FALSE(s.actions.UndoJustDone);
  View v = LittleHelpView(s);
  EXPECT_EQ(v.at("LabelReviewMode").text, "Undo Complete");
  EXPECT_EQ(v.at("LabelReviewMode").colour, kHighlight);

  UpdateLittleHelp(s);
  v = LittleHelpView(s);
  EXPECT_EQ(v.at("LabelReviewMode").text, "Review Mode");
  EXPECT_EQ(v.at("LabelReviewMode").colour, kDefaultColour);
}

TEST_F(LittleHelpTest, TheStatusLineNamesReviewModeOrAPossibleUndo) {
  struct Row {
    const char* name;
    bool reviewMode, noUndoWarning, undoAvailable;
    std::string expected;
  } rows[] = {
      {"nothing", false, false, false, ""},
      {"review_mode", true, false, false, "Review Mode"},
      {"review_mode_wins_over_undo", true, true, true, "Review Mode"},
      {"undo_possible_without_warning", false, true, true, "Last Action Undo Possible"},
      // The Job will ask instead.
      {"undo_possible_with_warning", false, false, true, ""},
      {"warning_off_without_undo", false, true, false, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session s(files, env);
    s.help.LabelReviewMode = "stale";
    s.state.ReviewMode = row.reviewMode;
    s.options.NoUndoWarning = row.noUndoWarning;
    s.state.UndoAvailable = row.undoAvailable;
    UpdateLittleHelp(s);
    EXPECT_EQ(LittleHelpView(s).at("LabelReviewMode").text, row.expected);
  }
}

TEST_F(LittleHelpTest, ThePriorityLabelSaysHowToReachThePriorityFrame) {
  struct Row {
    const char* name;
    const char* sideFrame;
    bool resultShown;
    std::string expected;
  } rows[] = {
      {"info_frame", "InfoFrame", false, "Priority : To access press Hide."},
      {"view_frame", "", false, "Priority : To change press Priority."},
      {"priority_frame", "PriorityFrame", false, "Priority :"},
      {"about_frame", "AboutFrame", false, "Priority :"},
      {"info_frame_beside_result", "InfoFrame", true, "Priority :"},
      {"view_frame_beside_result", "", true, "Priority :"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session s(files, env);
    s.state.SideFrame = row.sideFrame;
    s.state.ResultShown = row.resultShown;
    UpdateLittleHelp(s);
    EXPECT_EQ(LittleHelpView(s).at("LabelRenamePriority").text, row.expected);
  }
}

TEST_F(LittleHelpTest, TheSelectionCountReadsAsASentence) {
  struct Row {
    const char* name;
    const char* mode;
    bool made;
    std::int16_t count;
    std::string expected;
  } rows[] = {
      {"manual_nothing_selected", "Manual", false, 0, "Select File"},
      {"rule_found_nothing", "ByExtension", false, 0, "Could not Select any File"},
      {"one_file", "Manual", true, 1, "1 File Selected"},
      {"three_files", "ByExtension", true, 3, "3 Files Selected"},
      {"count_without_selection", "Manual", false, 2, "Select File"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session s(files, env);
    s.state.SelectionMode = row.mode;
    s.state.SelectionMade = row.made;
    s.state.SelectedCount = row.count;
    UpdateLittleHelp(s);
    EXPECT_EQ(LittleHelpView(s).at("LabelSelectFile").text, row.expected);
  }
}

TEST_F(LittleHelpTest, TheFileNumberShowsOnlyForASingleSelectedFile) {
  // No Easy Process.
  constexpr std::int16_t kOff = -2;
  struct Row {
    const char* name;
    std::vector<bool> selected;
    std::vector<std::string> storeIndex;
    std::int16_t easyPicked;  // Easy Process's picked file, -1 for none
    std::string expected;
  } rows[] = {
      {"second_of_three", {false, true, false}, {}, kOff, "File # 2"},
      {"first_of_three", {true, false, false}, {}, kOff, "File # 1"},
      {"two_selected", {true, false, true}, {}, kOff, ""},
      {"none_selected", {false, false, false}, {}, kOff, ""},
      // The selected file's row holds its position in File1.
      {"single_row_of_the_store", {false, false, false}, {"2"}, kOff, "File # 3"},
      // Easy Process: the position of the file being processed.
      {"easy_process_picked", {false, false, false}, {}, 1, "File # 2"},
      {"easy_process_nothing_picked", {false, false, false}, {}, -1, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session s(files, env);
    s.selection.Files = {"a.txt", "b.txt", "c.txt"};
    s.selection.Selected = row.selected;
    std::int16_t count = 0;
    for (bool flag : row.selected) count = static_cast<std::int16_t>(count + (flag ? 1 : 0));
    for (const std::string& index : row.storeIndex) {
      s.selection.store.ComboFile1.push_back(s.selection.Files[std::stoul(index)]);
      s.selection.store.ComboIndex.push_back(index);
    }
    if (!row.storeIndex.empty()) count = 1;
    s.state.SelectionMade = count > 0;
    s.state.SelectedCount = count;
    if (row.easyPicked != kOff) {
      s.state.EasyProcessOn = true;
      s.easy.SingleFileIndex = row.easyPicked;
    }
    UpdateLittleHelp(s);
    EXPECT_EQ(LittleHelpView(s).at("LabelFileNum").text, row.expected);
  }
}

TEST_F(LittleHelpTest, TheCaptionTellsWhenResetButtonsHaveSomethingToReset) {
  const std::string plain = " Little Help ";
  const std::string resets = " Little Help : Reset buttons resets Settings ";
  struct Row {
    const char* name;
    void (*setup)(Session&);
    std::string expected;
  } rows[] = {
      {"nothing_set", [](Session&) {}, plain},
      {"selection_rule", [](Session& s) { s.selection.SavedSelection = 1; }, resets},
      {"action", [](Session& s) { Act(s.state, 2); }, resets},
      {"review_mode_alone", [](Session& s) { s.state.ReviewMode = true; }, plain},
      {"criterion", [](Session& s) { s.rename.criteria.HandleOn = true; }, resets},
      {"options_changed", [](Session& s) { s.options.OptionsCode = 7; }, resets},
      // Any options code but the defaults counts here, the saved check boxes too.
      {"options_with_little_help", [](Session& s) { s.options.OptionsCode = 35; }, resets},
      {"selection", [](Session& s) { Select(s.state, 1); }, resets},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session s(files, env);
    row.setup(s);
    UpdateLittleHelp(s);
    EXPECT_EQ(LittleHelpView(s).at("FrameInfo").text, row.expected);
  }
}

TEST_F(LittleHelpTest, TheResultListHeadingNamesWhatTheJobWillDo) {
  struct Row {
    const char* name;
    std::int16_t action;
    std::size_t lines;
    bool jobReady;
    std::string expected;
  } rows[] = {
      {"rename_one", 0, 1, true, "New Name - File to be Renamed"},
      {"rename_many", 0, 2, true, "New Names - Files to be Renamed"},
      {"rename_and_copy_one", 1, 1, true, "New Name - File to be Copied"},
      {"rename_and_copy_many", 1, 3, true, "New Names - Files to be Copied"},
      {"copy_and_rename_one", 2, 1, true, "New Name - File to be Copied"},
      {"copy_and_rename_many", 2, 2, true, "New Names - Files to be Copied"},
      {"move_and_rename_one", 3, 1, true, "New Name - File to be Moved"},
      {"move_and_rename_many", 3, 2, true, "New Names - Files to be Moved"},
      {"copy_one", 4, 1, true, "File to be Copied"},
      {"copy_many", 4, 2, true, "Files to be Copied"},
      {"move_one", 5, 1, true, "File to be Moved"},
      {"move_many", 5, 2, true, "Files to be Moved"},
      {"delete_one", 6, 1, true, "File to be Deleted"},
      {"delete_many", 6, 5, true, "Files to be Deleted"},
      {"set_attribute_one", 7, 1, true, "File Attribute to be changed"},
      {"set_attribute_many", 7, 2, true, "Files Attribute to be changed"},
      {"no_job_prepared", 0, 2, false, ""},
      {"empty_result_list", 6, 0, true, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session s(files, env);
    Act(s.state, row.action);
    s.state.JobReady = row.jobReady;
    s.selection.List1.assign(row.lines, "line");
    s.help.LabelListFile = "stale";
    UpdateLittleHelp(s);
    EXPECT_EQ(LittleHelpView(s).at("LabelListFile").text, row.expected);
  }
}

}  // namespace
}  // namespace quillon
