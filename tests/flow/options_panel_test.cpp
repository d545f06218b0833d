#include "flow/options_panel.h"

#include <gtest/gtest.h>

#include "flow/enable_buttons.h"
#include "flow/folder_lists.h"
#include "platform/environment.h"
#include "platform/posix_file_services.h"
#include "platform/text.h"
#include "session/work_folder.h"
#include "support/fake_environment.h"
#include "support/fake_ui.h"
#include "support/null_file_services.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::FakeEnvironment;
using testing::FakeUi;
using testing::NullFileServices;
using testing::TempDir;

using Clicks = void (*)(Session&, UserInterface&);

// The five rigidity flags, Insert to CharRemove.
std::array<bool, 5> Flags(const Options& o) {
  return {o.InsertRigid, o.ReplaceRigid, o.RemoveRigid, o.CharReplaceRigid, o.CharRemoveRigid};
}

// The five groups' selected options, Insert to CharRemove.
std::array<std::int16_t, 5> Groups(const OptionsPanelState& p) {
  return {p.OptInsertRigid, p.OptReplaceRigid, p.OptRemoveRigid, p.OptCharReplaceRigid,
          p.OptCharRemoveRigid};
}

constexpr std::array<bool, 5> kDefaultFlags{true, true, false, false, false};
constexpr std::array<std::int16_t, 5> kDefaultGroups{1, 1, 0, 0, 0};

void EverythingOn(Session& s, UserInterface& ui) {
  for (RigidityRow row : {kRowInsertRigid, kRowReplaceRigid, kRowRemoveRigid, kRowCharReplaceRigid,
                          kRowCharRemoveRigid}) {
    OnOptionRigidClick(s, ui, row, 1);
  }
  OnCheckHelpRigidClick(s, ui, true);
  OnCheckAllowSystemRigidClick(s, ui, true);
  OnCheckUndoWarnRigidClick(s, ui, true);
}

void TickLittleHelp(Session& s, UserInterface& ui) {
  OnCheckHelpRigidClick(s, ui, true);
}

void MarkRemoveAndTickLittleHelp(Session& s, UserInterface& ui) {
  OnOptionRigidClick(s, ui, kRowRemoveRigid, 1);
  OnCheckHelpRigidClick(s, ui, true);
}

// Tables build a fresh session per row.
class OptionsPanelTableTest : public ::testing::Test {
 protected:
  NullFileServices files;
  PosixEnvironment env;
};

class OptionsPanelTest : public OptionsPanelTableTest {
 protected:
  OptionsPanelTest() : s(files, env) {}
  // Opens the panel, clicks, and presses OK.
  void Apply(Clicks clicks) {
    ImageRigidityClick(s, ui);
    clicks(s, ui);
    ImageRigidityOKClick(s, ui);
    ASSERT_FALSE(s.state.PanelOpen);
  }

  FakeUi ui;
  Session s;
};

TEST_F(OptionsPanelTest, OpeningTakesTheWorkAreaWithOKDisabled) {
  struct Row {
    const char* name;
    std::int16_t code;
    bool showLittleHelp, noUndoWarning;
    bool defaultEnabled;
  } rows[] = {
      {"defaults", 3, false, false, false},         {"little_help_at_start", 35, true, false, true},
      {"undo_warning_off", 131, false, true, true}, {"both_saved_boxes", 163, true, true, true},
      {"remove_marked", 7, false, false, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    FakeUi fresh;
    Session t(files, env);
    t.options.OptionsCode = row.code;
    t.options.ShowLittleHelp = row.showLittleHelp;
    t.options.NoUndoWarning = row.noUndoWarning;
    t.state.SideFrame = "AboutFrame";
    ImageRigidityClick(t, fresh);
    EXPECT_TRUE(t.state.PanelOpen);
    EXPECT_TRUE(t.state.ResultShown);
    EXPECT_EQ(t.state.PendingKeyword, "Options");
    EXPECT_EQ(fresh.panels, std::vector<std::string>{"setNullRigidity"});
    EXPECT_EQ(fresh.controlStates, std::vector<std::string>{"setButGlobal"});
    const View v = OptionsPanelView(t);
    EXPECT_EQ(v.at("ImageRigidityOK").enabled, false);
    EXPECT_EQ(v.at("ImageRigidityDefault").enabled, row.defaultEnabled);
    EXPECT_EQ(v.at("CheckHelpRigid").checked, row.showLittleHelp);
    EXPECT_EQ(v.at("CheckUndoWarnRigid").checked, row.noUndoWarning);
    EXPECT_EQ(t.options.ShowLittleHelpPending, row.showLittleHelp);
    EXPECT_EQ(t.options.NoUndoWarningPending, row.noUndoWarning);
    // Only a tick by the user asks for the Info frame after the panel.
    EXPECT_EQ(t.state.SavedSideFrame, "AboutFrame");
    ImageRigidityCancelClick(t, fresh);
    EXPECT_EQ(t.state.SideFrame, "AboutFrame");
  }
}

TEST_F(OptionsPanelTest, TheOptionsButtonIsRefusedWhileTheWorkAreaIsTaken) {
  s.state.ResultShown = true;
  ImageRigidityClick(s, ui);
  EXPECT_FALSE(s.state.PanelOpen);
  EXPECT_TRUE(ui.panels.empty());
  EXPECT_TRUE(ui.controlStates.empty());
}

TEST_F(OptionsPanelTableTest, EachClickAddsItsWeightToThePendingCode) {
  struct Row {
    const char* name;
    Clicks clicks;
    std::int16_t pending;
  } rows[] = {
      {"insert_ignored",
       [](Session& s, UserInterface& ui) { OnOptionRigidClick(s, ui, kRowInsertRigid, 0); }, 2},
      {"replace_ignored",
       [](Session& s, UserInterface& ui) { OnOptionRigidClick(s, ui, kRowReplaceRigid, 0); }, 1},
      {"remove_marked",
       [](Session& s, UserInterface& ui) { OnOptionRigidClick(s, ui, kRowRemoveRigid, 1); }, 7},
      {"char_replace_marked",
       [](Session& s, UserInterface& ui) { OnOptionRigidClick(s, ui, kRowCharReplaceRigid, 1); },
       11},
      {"char_remove_marked",
       [](Session& s, UserInterface& ui) { OnOptionRigidClick(s, ui, kRowCharRemoveRigid, 1); },
       19},
      {"little_help_ticked",
       [](Session& s, UserInterface& ui) { OnCheckHelpRigidClick(s, ui, true); }, 35},
      {"system_folder_allowed",
       [](Session& s, UserInterface& ui) { OnCheckAllowSystemRigidClick(s, ui, true); }, 67},
      {"undo_warning_off",
       [](Session& s, UserInterface& ui) { OnCheckUndoWarnRigidClick(s, ui, true); }, 131},
      {"everything_on", EverythingOn, 255},
      {"everything_off",
       [](Session& s, UserInterface& ui) {
         OnOptionRigidClick(s, ui, kRowInsertRigid, 0);
         OnOptionRigidClick(s, ui, kRowReplaceRigid, 0);
       },
       0},
      {"remove_marked_then_ignored_again",
       [](Session& s, UserInterface& ui) {
         OnOptionRigidClick(s, ui, kRowRemoveRigid, 1);
         OnOptionRigidClick(s, ui, kRowRemoveRigid, 0);
       },
       3},
      {"little_help_ticked_and_unticked",
       [](Session& s, UserInterface& ui) {
         OnCheckHelpRigidClick(s, ui, true);
         OnCheckHelpRigidClick(s, ui, false);
       },
       3},
      {"same_choice_twice",
       [](Session& s, UserInterface& ui) {
         OnCheckUndoWarnRigidClick(s, ui, true);
         OnCheckUndoWarnRigidClick(s, ui, true);
       },
       131},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    FakeUi fresh;
    Session t(files, env);
    ImageRigidityClick(t, fresh);
    fresh.controlStates.clear();
    row.clicks(t, fresh);
    EXPECT_EQ(t.options.OptionsCodePending, row.pending);
    EXPECT_EQ(t.options.OptionsCode, 3);
    const View v = OptionsPanelView(t);
    EXPECT_EQ(v.at("ImageRigidityOK").enabled, row.pending != 3);
    EXPECT_EQ(v.at("ImageRigidityDefault").enabled, false);
    ASSERT_FALSE(fresh.controlStates.empty());
    for (const std::string& code : fresh.controlStates) EXPECT_EQ(code, "setButOnlyRigidity");
  }
}

TEST_F(OptionsPanelTest, TheCheckBoxesKeepTheirPendingFlags) {
  ImageRigidityClick(s, ui);
  OnCheckHelpRigidClick(s, ui, true);
  EXPECT_TRUE(s.options.ShowLittleHelpPending);
  EXPECT_EQ(s.state.SavedSideFrame, "InfoFrame");
  OnCheckHelpRigidClick(s, ui, false);
  EXPECT_FALSE(s.options.ShowLittleHelpPending);
  OnCheckUndoWarnRigidClick(s, ui, true);
  EXPECT_TRUE(s.options.NoUndoWarningPending);
  OnCheckUndoWarnRigidClick(s, ui, false);
  EXPECT_FALSE(s.options.NoUndoWarningPending);
  // Nothing is in effect before OK.
  EXPECT_FALSE(s.options.ShowLittleHelp);
  EXPECT_FALSE(s.options.NoUndoWarning);
}

TEST_F(OptionsPanelTest, OKWithoutAChangeDoesNothingAndCancelCloses) {
  ImageRigidityClick(s, ui);
  ui.controlStates.clear();
  ImageRigidityOKClick(s, ui);
  EXPECT_TRUE(s.state.PanelOpen);
  EXPECT_TRUE(ui.controlStates.empty());
  ImageRigidityCancelClick(s, ui);
  EXPECT_FALSE(s.state.PanelOpen);
  EXPECT_FALSE(s.state.ResultShown);
  EXPECT_EQ(s.state.PendingKeyword, "");
  EXPECT_EQ(s.options.OptionsCode, 3);
}

TEST_F(OptionsPanelTableTest, OKPutsTheChosenOptionsInEffect) {
  struct Row {
    const char* name;
    Clicks clicks;
    std::int16_t code;
    std::array<bool, 5> flags;
    bool allowSystem, showLittleHelp, noUndoWarning;
  } rows[] = {
      {"everything_on", EverythingOn, 255, {true, true, true, true, true}, true, true, true},
      {"insert_and_replace_ignored",
       [](Session& s, UserInterface& ui) {
         OnOptionRigidClick(s, ui, kRowInsertRigid, 0);
         OnOptionRigidClick(s, ui, kRowReplaceRigid, 0);
       },
       0,
       {false, false, false, false, false},
       false,
       false,
       false},
      {"char_remove_marked_and_undo_warning_off",
       [](Session& s, UserInterface& ui) {
         OnOptionRigidClick(s, ui, kRowCharRemoveRigid, 1);
         OnCheckUndoWarnRigidClick(s, ui, true);
       },
       147,
       {true, true, false, false, true},
       false,
       false,
       true},
      {"system_folder_allowed",
       [](Session& s, UserInterface& ui) { OnCheckAllowSystemRigidClick(s, ui, true); }, 67,
       kDefaultFlags, true, false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    FakeUi fresh;
    Session t(files, env);
    ImageRigidityClick(t, fresh);
    row.clicks(t, fresh);
    ImageRigidityOKClick(t, fresh);
    EXPECT_FALSE(t.state.PanelOpen);
    EXPECT_FALSE(t.state.ResultShown);
    EXPECT_EQ(t.options.OptionsCode, row.code);
    EXPECT_EQ(Flags(t.options), row.flags);
    EXPECT_EQ(t.options.AllowSystemFolder, row.allowSystem);
    EXPECT_EQ(t.options.ShowLittleHelp, row.showLittleHelp);
    EXPECT_EQ(t.options.NoUndoWarning, row.noUndoWarning);
    EXPECT_EQ(ResetButtonVisibility(t).at("ImageClearRigidity").visible, true);
  }
}

TEST_F(OptionsPanelTest, AGroupWithNoOptionSelectedKeepsItsFlag) {
  for (bool flag : {true, false}) {
    SCOPED_TRACE(flag ? "flag_on" : "flag_off");
    FakeUi fresh;
    Session t(files, env);
    t.options.RemoveRigid = flag;
    t.optionsPanel.OptRemoveRigid = kNoOption;
    ImageRigidityClick(t, fresh);
    OnOptionRigidClick(t, fresh, kRowCharReplaceRigid, 1);
    ImageRigidityOKClick(t, fresh);
    EXPECT_EQ(t.options.RemoveRigid, flag);
    EXPECT_TRUE(t.options.CharReplaceRigid);
  }
}

TEST_F(OptionsPanelTest, OnlyTheLittleHelpTickedGives35AndLeavesNothingToReset) {
  Apply(TickLittleHelp);
  EXPECT_EQ(s.options.OptionsCode, 35);
  EXPECT_TRUE(s.options.ShowLittleHelp);
  // The tick asked for the Info frame once the panel closed.
  EXPECT_EQ(s.state.SideFrame, "InfoFrame");
  EXPECT_EQ(ResetButtonVisibility(s).at("ImageClearRigidity").visible, false);
  EXPECT_EQ(EnableButtons(s).at("ImageResetAll").enabled, false);

  ImageClearRigidityClick(s, ui);
  EXPECT_EQ(s.options.OptionsCode, 35);
  EXPECT_EQ(s.options.OptionsCodePending, 35);
  EXPECT_TRUE(s.options.ShowLittleHelp);
  EXPECT_TRUE(s.optionsPanel.CheckHelpRigid);
}

TEST_F(OptionsPanelTest, CancelPutsTheOptionsInEffectBackIntoThePanel) {
  Apply(MarkRemoveAndTickLittleHelp);
  ASSERT_EQ(s.options.OptionsCode, 39);

  ImageRigidityClick(s, ui);
  OnOptionRigidClick(s, ui, kRowInsertRigid, 0);
  OnOptionRigidClick(s, ui, kRowRemoveRigid, 0);
  OnCheckHelpRigidClick(s, ui, false);
  OnCheckAllowSystemRigidClick(s, ui, true);
  OnCheckUndoWarnRigidClick(s, ui, true);
  ImageRigidityCancelClick(s, ui);

  EXPECT_FALSE(s.state.PanelOpen);
  EXPECT_EQ(s.options.OptionsCode, 39);
  EXPECT_EQ(s.options.OptionsCodePending, 39);
  EXPECT_EQ(Flags(s.options), (std::array<bool, 5>{true, true, true, false, false}));
  EXPECT_TRUE(s.options.ShowLittleHelp);
  EXPECT_TRUE(s.options.ShowLittleHelpPending);
  EXPECT_FALSE(s.options.NoUndoWarningPending);
  EXPECT_FALSE(s.options.AllowSystemFolder);
  EXPECT_EQ(Groups(s.optionsPanel), (std::array<std::int16_t, 5>{1, 1, 1, 0, 0}));
  const View v = OptionsPanelView(s);
  EXPECT_EQ(v.at("CheckHelpRigid").checked, true);
  EXPECT_EQ(v.at("CheckAllowSystemRigid").checked, false);
  EXPECT_EQ(v.at("CheckUndoWarnRigid").checked, false);

  // The panel's weights agree with the options in effect again.
  ImageRigidityClick(s, ui);
  OnOptionRigidClick(s, ui, kRowInsertRigid, 1);
  EXPECT_EQ(s.options.OptionsCodePending, 39);
  EXPECT_FALSE(s.optionsPanel.ImageRigidityOKEnabled);
}

TEST_F(OptionsPanelTest, DefaultPutsEveryOptionBackAtOnce) {
  Apply(EverythingOn);
  ASSERT_EQ(s.options.OptionsCode, 255);
  ImageRigidityClick(s, ui);
  EXPECT_TRUE(s.optionsPanel.ImageRigidityDefaultEnabled);
  ImageRigidityDefaultClick(s, ui);

  EXPECT_FALSE(s.state.PanelOpen);
  EXPECT_EQ(s.options.OptionsCode, 3);
  EXPECT_EQ(s.options.OptionsCodePending, 3);
  EXPECT_EQ(Flags(s.options), kDefaultFlags);
  EXPECT_FALSE(s.options.AllowSystemFolder);
  EXPECT_FALSE(s.options.ShowLittleHelp);
  EXPECT_FALSE(s.options.NoUndoWarning);
  EXPECT_EQ(Groups(s.optionsPanel), kDefaultGroups);
  const View v = OptionsPanelView(s);
  EXPECT_EQ(v.at("CheckHelpRigid").checked, false);
  EXPECT_EQ(v.at("CheckAllowSystemRigid").checked, false);
  EXPECT_EQ(v.at("CheckUndoWarnRigid").checked, false);

  ImageRigidityClick(s, ui);
  EXPECT_FALSE(s.optionsPanel.ImageRigidityDefaultEnabled);
  OnOptionRigidClick(s, ui, kRowReplaceRigid, 1);
  EXPECT_EQ(s.options.OptionsCodePending, 3);
}

TEST_F(OptionsPanelTableTest, ResetKeepsOnlyTheTwoSavedCheckBoxes) {
  struct Row {
    const char* name;
    Clicks clicks;
    std::int16_t before, after;
    std::array<bool, 5> flagsAfter;
  } rows[] = {
      {"defaults_untouched", [](Session&, UserInterface&) {}, 3, 3, kDefaultFlags},
      {"little_help_untouched",
       [](Session& s, UserInterface& ui) { OnCheckHelpRigidClick(s, ui, true); }, 35, 35,
       kDefaultFlags},
      {"undo_warning_off_untouched",
       [](Session& s, UserInterface& ui) { OnCheckUndoWarnRigidClick(s, ui, true); }, 131, 131,
       kDefaultFlags},
      {"both_saved_boxes_untouched",
       [](Session& s, UserInterface& ui) {
         OnCheckHelpRigidClick(s, ui, true);
         OnCheckUndoWarnRigidClick(s, ui, true);
       },
       163, 163, kDefaultFlags},
      {"remove_marked",
       [](Session& s, UserInterface& ui) { OnOptionRigidClick(s, ui, kRowRemoveRigid, 1); }, 7, 3,
       kDefaultFlags},
      {"remove_marked_with_little_help",
       [](Session& s, UserInterface& ui) {
         OnOptionRigidClick(s, ui, kRowRemoveRigid, 1);
         OnCheckHelpRigidClick(s, ui, true);
       },
       39, 35, kDefaultFlags},
      {"insert_ignored_with_undo_warning_off",
       [](Session& s, UserInterface& ui) {
         OnOptionRigidClick(s, ui, kRowInsertRigid, 0);
         OnCheckUndoWarnRigidClick(s, ui, true);
       },
       130, 131, kDefaultFlags},
      {"everything_on", EverythingOn, 255, 163, kDefaultFlags},
      {"only_the_system_folder",
       [](Session& s, UserInterface& ui) { OnCheckAllowSystemRigidClick(s, ui, true); }, 67, 3,
       kDefaultFlags},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    FakeUi fresh;
    Session t(files, env);
    ImageRigidityClick(t, fresh);
    row.clicks(t, fresh);
    ImageRigidityOKClick(t, fresh);
    if (t.state.PanelOpen) ImageRigidityCancelClick(t, fresh);  // nothing changed
    ASSERT_EQ(t.options.OptionsCode, row.before);
    const bool showLittleHelp = t.options.ShowLittleHelp;
    const bool noUndoWarning = t.options.NoUndoWarning;

    ImageClearRigidityClick(t, fresh);
    EXPECT_EQ(t.options.OptionsCode, row.after);
    EXPECT_EQ(t.options.OptionsCodePending, row.after);
    EXPECT_EQ(Flags(t.options), row.flagsAfter);
    EXPECT_FALSE(t.options.AllowSystemFolder);
    EXPECT_EQ(t.options.ShowLittleHelp, showLittleHelp);
    EXPECT_EQ(t.options.NoUndoWarning, noUndoWarning);
    EXPECT_EQ(Groups(t.optionsPanel), kDefaultGroups);
    EXPECT_EQ(ResetButtonVisibility(t).at("ImageClearRigidity").visible, false);

    // The panel agrees with the reset options: nothing to confirm.
    ImageRigidityClick(t, fresh);
    OnOptionRigidClick(t, fresh, kRowInsertRigid, 1);
    EXPECT_EQ(t.options.OptionsCodePending, row.after);
    EXPECT_FALSE(t.optionsPanel.ImageRigidityOKEnabled);
  }
}

TEST_F(OptionsPanelTest, AllowingTheSystemFolderMarksTheCheckBoxAndOK) {
  struct Row {
    const char* name;
    bool ticked;
    std::uint32_t colour;
    std::string face;
  } rows[] = {
      {"ticked", true, kRed, "System"},
      {"unticked", false, kDefaultColour, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    FakeUi fresh;
    Session t(files, env);
    ImageRigidityClick(t, fresh);
    OnCheckAllowSystemRigidClick(t, fresh, !row.ticked);
    OnCheckAllowSystemRigidClick(t, fresh, row.ticked);
    const View v = OptionsPanelView(t);
    EXPECT_EQ(v.at("CheckAllowSystemRigid").checked, row.ticked);
    EXPECT_EQ(v.at("CheckAllowSystemRigid").colour, row.colour);
    EXPECT_EQ(v.at("ImageRigidityOK").face, row.face);
    EXPECT_EQ(v.at("ImageRigidityOK").enabled, row.ticked);
  }
}

// Working in the system folder's tree, with the folder history on disk.
TEST(LeaveSystemFolderTest, StoppingTheSystemFolderLeavesItsTreeAndItsDestination) {
  struct Row {
    const char* name;
    bool allowed;  // AllowSystemFolder before the click
    Clicks click;
    bool leaves;
  } rows[] = {
      {"default", true,
       [](Session& s, UserInterface& ui) {
         ImageRigidityClick(s, ui);
         ImageRigidityDefaultClick(s, ui);
       },
       true},
      {"reset", true, [](Session& s, UserInterface& ui) { ImageClearRigidityClick(s, ui); }, true},
      {"ok_unticking", true,
       [](Session& s, UserInterface& ui) {
         ImageRigidityClick(s, ui);
         OnCheckAllowSystemRigidClick(s, ui, false);
         ImageRigidityOKClick(s, ui);
       },
       true},
      // Subfolders of the system folder may be entered without the option.
      {"default_while_not_allowed", false,
       [](Session& s, UserInterface& ui) {
         ImageRigidityClick(s, ui);
         OnOptionRigidClick(s, ui, kRowRemoveRigid, 1);  // something to put back
         ImageRigidityDefaultClick(s, ui);
       },
       false},
      {"ok_keeping_the_permission", true,
       [](Session& s, UserInterface& ui) {
         ImageRigidityClick(s, ui);
         OnOptionRigidClick(s, ui, kRowRemoveRigid, 1);
         ImageRigidityOKClick(s, ui);
       },
       false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    for (const char* name : {"start", "a", "sys", "sys/sub"}) dir.folder(name);
    PosixFileServices files;
    FakeEnvironment env;
    FakeUi ui;
    Session s(files, env);
    s.state.WindowsFolder = dir / "sys/";
    s.state.WindowsFolderUpper = ToUpper(s.state.WindowsFolder);
    s.state.StartFolder = dir / "start/";
    s.state.StartFolderUpper = ToUpper(s.state.StartFolder);
    s.state.FolderHistory = {dir / "start"};
    s.selection.Dir1Path = dir / "start";
    if (row.allowed) {
      ImageRigidityClick(s, ui);
      OnCheckAllowSystemRigidClick(s, ui, true);
      ImageRigidityOKClick(s, ui);
      ASSERT_TRUE(s.options.AllowSystemFolder);
    }
    for (const char* name : {"a", "sys", "sys/sub"}) {
      if (!row.allowed && std::string(name) == "sys") continue;
      ASSERT_TRUE(PointFolderList(s, dir / name));
      OnDir1Change(s, ui);
    }
    ASSERT_EQ(s.state.WorkFolder, dir / "sys/sub/");
    ASSERT_TRUE(s.selection.SystemTreeEntered);
    ASSERT_EQ(s.selection.SystemTreeEntryPos, 1);
    // A copy into the system tree was confirmed.
    s.state.ActionIndex = s.state.ActionIndexPending = 4;
    s.state.ActionName = "Copy";
    s.state.DestFolder = s.state.ActionDestFolder = dir / "sys/";
    s.state.DestFolderUpper = ToUpper(s.state.DestFolder);
    s.state.LabelActionFolderName = "Copy To : " + s.state.DestFolder;
    const auto historyBefore = s.state.FolderHistory;

    row.click(s, ui);
    EXPECT_FALSE(s.state.PanelOpen);
    if (row.leaves) {
      EXPECT_FALSE(s.options.AllowSystemFolder);
      EXPECT_EQ(OptionsPanelView(s).at("CheckAllowSystemRigid").checked, false);
      EXPECT_EQ(s.state.FolderHistory, (std::vector<std::string>{dir / "start", dir / "a"}));
      EXPECT_EQ(s.state.FolderHistoryPos, 1);
      EXPECT_EQ(s.state.FolderHistoryLast, 1);
      EXPECT_EQ(s.selection.Dir1Path, dir / "a");
      EXPECT_EQ(s.state.WorkFolder, dir / "a/");
      EXPECT_FALSE(s.selection.SystemTreeEntered);
      EXPECT_EQ(s.selection.SystemTreeEntryPos, 0);
      EXPECT_EQ(s.state.DestFolder, dir / "a/");
      EXPECT_EQ(s.state.ActionDestFolder, dir / "a/");
      EXPECT_EQ(s.state.LabelActionFolderName, "Copy To : " + dir / "a/");
    } else {
      EXPECT_EQ(s.state.FolderHistory, historyBefore);
      EXPECT_EQ(s.state.WorkFolder, dir / "sys/sub/");
      EXPECT_EQ(s.state.ActionDestFolder, dir / "sys/");
    }
  }
}

}  // namespace
}  // namespace quillon
