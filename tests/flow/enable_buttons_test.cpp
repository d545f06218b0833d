#include "flow/enable_buttons.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/environment.h"
#include "session/action_kinds.h"
#include "support/null_file_services.h"

namespace quillon {
namespace {

using testing::NullFileServices;
using Names = std::set<std::string>;

// Every control EnableButtons decides; each must be set, enabled or not, so that the
// front end never keeps a stale state.
const Names kDecided = {
    "ImageInfoHide",    "ImageActionBrowse",   "ImageJob",
    "ImageReject",      "ImageAction",         "ImageClearAction",
    "ImageRigidity",    "ImageClearRigidity",  "ImageHelp",
    "ImageSelection",   "ImageClearSelection", "ImageRenameCriteria",
    "ImageClearRename", "ImageResetAll",       "ImagePreview",
    "ImageUndo",        "ImageViewPriority",   "CheckEasyProcess",
};

// What an idle window with nothing set offers.
const Names kIdle = {
    "ImageInfoHide",       "ImageAction",      "ImageClearAction", "ImageRigidity",
    "ImageClearRigidity",  "ImageHelp",        "ImageSelection",   "ImageClearSelection",
    "ImageRenameCriteria", "ImageClearRename", "CheckEasyProcess",
};

Names With(Names names, std::initializer_list<const char*> more) {
  for (const char* name : more) names.insert(name);
  return names;
}

Names Without(Names names, std::initializer_list<const char*> less) {
  for (const char* name : less) names.erase(name);
  return names;
}

Names Enabled(const View& v) {
  Names names;
  for (const auto& [name, control] : v) {
    if (control.enabled.value_or(false)) names.insert(name);
  }
  return names;
}

Names Visible(const View& v) {
  Names names;
  for (const auto& [name, control] : v) {
    if (control.visible.value_or(false)) names.insert(name);
  }
  return names;
}

void Act(SessionState& st, std::int16_t index) {
  st.ActionIndex = st.ActionIndexPending = index;
  st.ActionName = std::string(kActionKinds[static_cast<std::size_t>(index)].keyword);
}

void Select(SessionState& st, std::int16_t count) {
  st.SelectionMade = true;
  st.SelectedCount = count;
}

// A job prepared for `index`, holding the work area.
void Prepared(SessionState& st, std::int16_t index) {
  Act(st, index);
  Select(st, 2);
  st.JobReady = true;
  st.ResultShown = true;
}

class EnableButtonsTest : public ::testing::Test {
 protected:
  NullFileServices files;
  PosixEnvironment env;
};

TEST_F(EnableButtonsTest, EachWorkflowStateEnablesExactlyItsButtons) {
  struct Row {
    const char* name;
    void (*setup)(Session&);
    Names enabled;
  } rows[] = {
      {"idle", [](Session&) {}, kIdle},
      {"rename_with_criteria_on_offers_preview_and_reset_all",
       [](Session& s) {
         s.rename.criteria.CaseOn = true;
         Select(s.state, 3);
         s.state.RenamePending = true;
       },
       With(kIdle, {"ImagePreview", "ImageResetAll"})},
      {"copy_waiting_for_its_check_offers_preview",
       [](Session& s) {
         Act(s.state, 4);
         s.state.SettingsCount = 1;
         Select(s.state, 1);
         s.state.CheckPending = true;
       },
       With(Without(kIdle, {"ImageRenameCriteria", "ImageClearRename"}),
            {"ImagePreview", "ImageResetAll", "ImageActionBrowse"})},
      {"panel_open_leaves_only_the_info_hide",
       [](Session& s) {
         s.state.PanelOpen = true;
         s.state.ResultShown = true;
         s.state.PendingKeyword = "Options";
         s.state.UndoAvailable = true;
         s.state.RenamePending = true;
       },
       {"ImageInfoHide"}},
      {"action_panel_choosing_a_copy_offers_set_destination",
       [](Session& s) {
         s.state.PanelOpen = true;
         s.state.ResultShown = true;
         s.state.PendingKeyword = "Action";
         s.state.ActionIndexPending = 4;
       },
       {"ImageInfoHide", "ImageActionBrowse"}},
      {"set_destination_waits_while_the_chooser_is_open",
       [](Session& s) {
         s.state.PanelOpen = true;
         s.state.ResultShown = true;
         s.state.PendingKeyword = "Action";
         s.state.ActionIndexPending = 3;
         s.state.DestChooserOpen = true;
       },
       {"ImageInfoHide"}},
      {"set_destination_not_for_delete", [](Session& s) { s.state.ActionIndexPending = 6; }, kIdle},
      {"job_prepared_for_rename",
       [](Session& s) {
         Prepared(s.state, 0);
         s.rename.criteria.InsertOn = true;
       },
       {"ImageInfoHide", "ImageJob", "ImageReject"}},
      {"job_prepared_for_delete_still_lets_selection_and_action_change",
       [](Session& s) { Prepared(s.state, 6); },
       {"ImageInfoHide", "ImageJob", "ImageReject", "ImageSelection", "ImageClearSelection",
        "ImageAction", "ImageClearAction"}},
      {"set_attribute_shown_without_selection",
       [](Session& s) {
         Act(s.state, 7);
         s.state.ResultShown = true;
       },
       {"ImageInfoHide", "ImageSelection", "ImageClearSelection", "ImageAction",
        "ImageClearAction"}},
      {"review_mode_with_delete_prepared_cannot_cancel",
       [](Session& s) {
         Prepared(s.state, 6);
         s.state.ReviewMode = true;
       },
       {"ImageInfoHide", "ImageJob", "ImageSelection", "ImageClearSelection", "ImageAction",
        "ImageClearAction"}},
      {"review_mode_with_rename_prepared_can_cancel",
       [](Session& s) {
         Prepared(s.state, 0);
         s.state.ReviewMode = true;
       },
       {"ImageInfoHide", "ImageJob", "ImageReject"}},
      {"action_busy_disables_everything_but_hide_and_set_destination",
       [](Session& s) {
         Prepared(s.state, 4);
         s.state.ActionBusy = true;
         s.state.UndoAvailable = true;
       },
       {"ImageInfoHide", "ImageActionBrowse"}},
      {"action_busy_while_idle",
       [](Session& s) {
         s.state.ActionBusy = true;
         s.state.UndoAvailable = true;
         s.state.RenamePending = true;
       },
       {"ImageInfoHide"}},
      {"easy_process_on_locks_selection_and_criteria",
       [](Session& s) {
         s.state.EasyProcessOn = true;
         Select(s.state, 1);
       },
       With(Without(kIdle, {"ImageSelection", "ImageClearSelection", "ImageRenameCriteria",
                            "ImageClearRename"}),
            {"ImageResetAll"})},
      {"info_frame_beside_a_shown_result_cannot_be_hidden",
       [](Session& s) {
         s.state.SideFrame = "InfoFrame";
         s.state.ResultShown = true;
       },
       {}},
      {"info_frame_while_idle_can_be_hidden", [](Session& s) { s.state.SideFrame = "InfoFrame"; },
       kIdle},
      {"one_positional_criterion_has_no_priority",
       [](Session& s) {
         s.rename.criteria.RemoveOn = true;
         s.state.SettingsCount = 1;
       },
       With(kIdle, {"ImageResetAll"})},
      {"two_positional_criteria_offer_priority",
       [](Session& s) {
         s.rename.criteria.InsertOn = true;
         s.rename.criteria.RemoveOn = true;
         s.state.SettingsCount = 2;
       },
       With(kIdle, {"ImageViewPriority", "ImageResetAll"})},
      {"non_manual_selection_rule_locks_easy_process",
       [](Session& s) { s.selection.SavedSelection = 2; }, Without(kIdle, {"CheckEasyProcess"})},
      {"undo_available_while_idle", [](Session& s) { s.state.UndoAvailable = true; },
       With(kIdle, {"ImageUndo"})},
      // Set Destination follows the chosen action even while its panel is closed.
      {"move_action_has_no_criteria_buttons", [](Session& s) { Act(s.state, 5); },
       With(Without(kIdle, {"ImageRenameCriteria", "ImageClearRename"}), {"ImageActionBrowse"})},
      {"move_and_rename_keeps_criteria_buttons", [](Session& s) { Act(s.state, 3); },
       With(kIdle, {"ImageActionBrowse"})},
      {"case_criterion_alone_offers_reset_all", [](Session& s) { s.rename.criteria.CaseOn = true; },
       With(kIdle, {"ImageResetAll"})},
      {"space_criterion_alone_offers_reset_all",
       [](Session& s) { s.rename.criteria.SpaceOn = true; }, With(kIdle, {"ImageResetAll"})},
      {"extension_criterion_alone_offers_reset_all",
       [](Session& s) { s.rename.criteria.ExtOn = true; }, With(kIdle, {"ImageResetAll"})},
      {"handle_criterion_alone_offers_reset_all",
       [](Session& s) { s.rename.criteria.HandleOn = true; }, With(kIdle, {"ImageResetAll"})},
      {"selection_alone_offers_reset_all", [](Session& s) { Select(s.state, 1); },
       With(kIdle, {"ImageResetAll"})},
      {"options_with_little_help_leave_nothing_to_reset",
       [](Session& s) { s.options.OptionsCode = 35; }, kIdle},
      {"options_with_undo_warning_off_leave_nothing_to_reset",
       [](Session& s) { s.options.OptionsCode = 131; }, kIdle},
      {"options_with_both_saved_boxes_leave_nothing_to_reset",
       [](Session& s) { s.options.OptionsCode = 163; }, kIdle},
      {"remove_marked_offers_reset_all", [](Session& s) { s.options.OptionsCode = 7; },
       With(kIdle, {"ImageResetAll"})},
      {"system_folder_allowed_offers_reset_all", [](Session& s) { s.options.OptionsCode = 67; },
       With(kIdle, {"ImageResetAll"})},
      // While a panel is open over a prepared job only the panel acts: the job waits.
      {"panel_open_over_a_prepared_delete_holds_job_cancel_and_undo",
       [](Session& s) {
         Prepared(s.state, 6);
         s.state.UndoAvailable = true;
         s.state.PanelOpen = true;
         s.state.PendingKeyword = "Action";
       },
       {"ImageInfoHide", "ImageSelection", "ImageClearSelection", "ImageAction",
        "ImageClearAction"}},
      {"panel_open_without_result_holds_preview_and_undo",
       [](Session& s) {
         Select(s.state, 1);
         s.state.JobReady = true;
         s.state.UndoAvailable = true;
         s.state.PanelOpen = true;
         s.state.RenamePending = true;
       },
       With(kIdle, {"ImageResetAll"})},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session s(files, env);
    row.setup(s);
    const View v = EnableButtons(s);
    EXPECT_EQ(Enabled(v), row.enabled);
    for (const std::string& name : kDecided) {
      ASSERT_TRUE(v.count(name)) << name;
      EXPECT_TRUE(v.at(name).enabled.has_value()) << name;
    }
  }
}

TEST_F(EnableButtonsTest, ResetButtonsShowWhatCanBeReset) {
  struct Row {
    const char* name;
    void (*setup)(Session&);
    Names visible;
    std::optional<std::string> selectionCaption;
  } rows[] = {
      {"nothing_to_reset", [](Session&) {}, {}, std::nullopt},
      {"selection_rule",
       [](Session& s) { s.selection.SavedSelection = 2; },
       {"ImageClearSelection", "LabelClearSelection"},
       "Reset"},
      {"selection_rule_with_files_selected",
       [](Session& s) {
         s.selection.SavedSelection = 3;
         Select(s.state, 4);
       },
       {"ImageClearSelection", "LabelClearSelection"},
       "Reset"},
      {"one_file_selected",
       [](Session& s) { Select(s.state, 1); },
       {"ImageClearSelection", "LabelClearSelection"},
       "Reset : Unselect File"},
      {"two_files_selected",
       [](Session& s) { Select(s.state, 2); },
       {"ImageClearSelection", "LabelClearSelection"},
       "Reset : Unselect Files"},
      {"action_other_than_rename",
       [](Session& s) { Act(s.state, 1); },
       {"ImageClearAction", "LabelClearAction"},
       std::nullopt},
      {"review_mode_on_rename",
       [](Session& s) { s.state.ReviewMode = true; },
       {"ImageClearAction", "LabelClearAction"},
       std::nullopt},
      {"auto_criterion",
       [](Session& s) { s.rename.criteria.AutoOn = true; },
       {"ImageClearRename", "LabelClearRename"},
       std::nullopt},
      {"insert_criterion",
       [](Session& s) { s.rename.criteria.InsertOn = true; },
       {"ImageClearRename", "LabelClearRename"},
       std::nullopt},
      {"options_with_little_help",
       [](Session& s) { s.options.OptionsCode = 35; },
       {},
       std::nullopt},
      {"options_with_undo_warning_off",
       [](Session& s) { s.options.OptionsCode = 131; },
       {},
       std::nullopt},
      {"options_with_both_saved_boxes",
       [](Session& s) { s.options.OptionsCode = 163; },
       {},
       std::nullopt},
      {"options_changed",
       [](Session& s) { s.options.OptionsCode = 7; },
       {"ImageClearRigidity", "LabelClearRigidity"},
       std::nullopt},
      {"options_changed_with_saved_boxes",
       [](Session& s) { s.options.OptionsCode = 179; },
       {"ImageClearRigidity", "LabelClearRigidity"},
       std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session s(files, env);
    row.setup(s);
    const View v = ResetButtonVisibility(s);
    EXPECT_EQ(Visible(v), row.visible);
    for (const char* name :
         {"ImageClearSelection", "LabelClearSelection", "ImageClearAction", "LabelClearAction",
          "ImageClearRename", "LabelClearRename", "ImageClearRigidity", "LabelClearRigidity"}) {
      ASSERT_TRUE(v.count(name)) << name;
      EXPECT_TRUE(v.at(name).visible.has_value()) << name;
    }
    if (row.selectionCaption) {
      EXPECT_EQ(v.at("LabelClearSelection").text, row.selectionCaption);
    }
  }
}

}  // namespace
}  // namespace quillon
