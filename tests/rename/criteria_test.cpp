// "RenameSet" and "ResetRename": the record built from the editor values.
#include "rename/criteria.h"
#include "session/readiness.h"

#include <gtest/gtest.h>

#include "rename_harness.h"

namespace quillon {
namespace {

using testing::RenameHarness;

std::string Field(const char* name, int value) {
  return value == 0 ? "" : std::string(" ") + name + "=" + std::to_string(value);
}

// The record, one criterion per part: keyword or mode, then the fields that are set.
std::string Describe(const RenameCriteria& c) {
  std::string out;
  if (c.ExtOn) out += "ext " + c.ExtText;
  if (c.CaseOn) out += "case " + c.CaseScope + "/" + c.CaseChange;
  if (c.HandleOn) out += "handle [" + c.HandleThis + "]>[" + c.HandleWith + "]";
  if (c.SpaceOn) out += "space [" + c.SpaceWith + "]";
  if (c.AutoOn) out += c.AutoKind + " " + c.AutoPlace + c.AutoStartLetters + c.AutoBeforeString;
  if (c.AutoOn) out += Field("Start", c.AutoStartNumber) + Field("BeforeNum", c.AutoBeforeNum);
  if (c.ReplaceOn) out += c.ReplacePlace + " " + c.ReplaceBeforeString + c.ReplaceWith;
  if (c.ReplaceOn) out += Field("NumChars", c.ReplaceNumChars);
  if (c.ReplaceOn) out += Field("AfterNum", c.ReplaceAfterNum);
  if (c.ReplaceOn) out += Field("BeforeNum", c.ReplaceBeforeNum);
  if (c.RemoveOn) out += c.RemovePlace + " " + c.RemoveBeforeString + c.RemoveString;
  if (c.RemoveOn)
    out += Field("NumChars", c.RemoveNumChars) + Field("BeforeNum", c.RemoveBeforeNum);
  return out;
}

TEST(RenameSet, BuildsEachCriterionFromItsModeOrPlace) {
  struct Row {
    const char* name;
    void (*edit)(RenameState&);
    const char* expected;
  } rows[] = {
      {"empty_ext_is_off", [](RenameState& r) { r.EdExtText = ""; }, ""},
      {"case_list_at_first_entry", [](RenameState& r) { r.OptCaseScope = 0; },
       "case FileName/No Change"},
      {"handle_remove_drops_with", [](RenameState& r) { r.OptHandleMode = 0; }, "handle [-]>[]"},
      {"handle_as_space", [](RenameState& r) { r.OptHandleMode = 1; }, "handle [-]>[ ]"},
      {"space_remove_drops_with", [](RenameState& r) { r.OptSpaceMode = 0; }, "space []"},
      {"letters_small", [](RenameState& r) { r.OptAutoKind = 2; }, "Small Letter ab"},
      {"auto_without_place", [](RenameState& r) { r.OptAutoKind = 1; }, "Number  Start=12"},
      {"auto_at_end",
       [](RenameState& r) {
         r.OptAutoKind = 1;
         r.OptAutoPlace = 2;
       },
       "Number AutoBeforeNumChars Start=12"},
      {"replace_before_takes_after_box", [](RenameState& r) { r.OptReplacePlace = 4; },
       "ReplaceBeforeNumChars w BeforeNum=3"},
      {"replace_from_end", [](RenameState& r) { r.OptReplacePlace = 8; },
       "ReplaceCharBeforeNumChars w NumChars=2"},
      {"replace_char_before_num", [](RenameState& r) { r.OptReplacePlace = 10; },
       "ReplaceCharBeforeNumChars w NumChars=2 BeforeNum=5"},
      {"remove_before_string", [](RenameState& r) { r.OptRemovePlace = 5; },
       "RemoveBeforeAString a"},
      {"remove_char_before_string", [](RenameState& r) { r.OptRemovePlace = 11; },
       "RemoveCharBeforeAString c NumChars=2"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RenameHarness h;
    RenameState& r = h.s.rename;
    r.EdHandleThis = "-";
    r.EdHandleWith = r.EdSpaceWith = "x";
    r.EdAutoStart = "12";
    r.EdAutoSmallLetter = true;
    r.EdReplaceWith = "w";
    r.EdReplaceAfterString = r.EdRemoveAfterString = "a";
    r.EdReplaceCharAfterString = r.EdRemoveCharAfterString = "c";
    r.EdReplaceAfterNum = r.EdRemoveAfterNum = 3;
    r.EdReplaceCharAfterNum = r.EdRemoveCharAfterNum = 5;
    r.EdReplaceNumChar = r.EdRemoveNumChar = 2;
    row.edit(r);
    if (r.OptAutoKind == 2) r.EdAutoStart = "ab";
    RenameSet(h.s);
    EXPECT_EQ(Describe(h.c), row.expected);
    const int switchedOn =
        (r.OptAutoKind != 0) + (r.OptReplacePlace != 0) + (r.OptRemovePlace != 0);
    EXPECT_EQ(h.s.state.SettingsCount, switchedOn);
  }
}

TEST(RenameSet, SwitchingTheLastCriterionOffClearsRenamePending) {
  for (const std::int16_t autoKind : {0, 1}) {
    SCOPED_TRACE(autoKind == 0 ? "auto_off" : "auto_still_on");
    RenameHarness h;
    h.s.rename.OptInsertPlace = 1;
    h.s.rename.OptAutoKind = autoKind;
    RenameSet(h.s);
    h.s.state.RenamePending = true;
    h.s.rename.OptInsertPlace = 0;
    RenameSet(h.s);
    EXPECT_EQ(h.s.state.RenamePending, autoKind != 0);
  }
}

TEST(ResetRename, SwitchesEveryCriterionOff) {
  struct Row {
    const char* name;
    bool cancelledEdit;  // the editor was unticked and cancelled: off there, on in the record
  } rows[] = {{"after_ok", false}, {"after_cancelled_edit", true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RenameHarness h;
    RenameState& r = h.s.rename;
    h.s.state.SettingsCount = 1;  // another setting, say the action
    r.EdExtText = r.EdHandleThis = "x";
    r.OptCaseScope = r.OptHandleMode = r.OptSpaceMode = 0;
    r.OptInsertPlace = r.OptReplacePlace = r.OptRemovePlace = r.OptAutoKind = 1;
    r.ComboPriority1st = "Remove";
    r.ComboPriority3rd = "Insert";
    RecomputePriority(h.s);
    RenameSet(h.s);
    if (row.cancelledEdit) {
      r.EdExtText = "";
      r.OptCaseScope = r.OptHandleMode = r.OptSpaceMode = kOptionOff;
      r.OptInsertPlace = r.OptReplacePlace = r.OptRemovePlace = r.OptAutoKind = 0;
    }
    h.s.state.RenamePending = h.s.state.CheckPending = true;
    ResetRename(h.s);
    EXPECT_FALSE(AnyRenameCriterionOn(h.s));
    EXPECT_EQ(h.s.state.SettingsCount, 1);
    EXPECT_EQ(h.c.PriorityCount, 0);
    EXPECT_EQ(h.c.PrioritySlot1 + h.c.PrioritySlot2 + h.c.PrioritySlot3, "InsertReplaceRemove");
    EXPECT_EQ(h.c.PriorityPref1 + h.c.PriorityPref2 + h.c.PriorityPref3, "InsertReplaceRemove");
    EXPECT_FALSE(h.s.state.RenamePending || h.s.state.CheckPending);
    EXPECT_EQ(r.SavedCaseScope + r.SavedSpaceMode + h.c.SavedHandleMode, 3 * kOptionOff);
  }
}

TEST(ResetRename, LeavesOtherSettingsAloneWhenNothingIsOn) {
  RenameHarness h;
  h.s.state.SettingsCount = 1;
  ResetRename(h.s);
  EXPECT_EQ(h.s.state.SettingsCount, 1);
}

}  // namespace
}  // namespace quillon
