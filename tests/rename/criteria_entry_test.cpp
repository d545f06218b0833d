// Criteria entered into the editor from record fields come out of "RenameSet" as the
// same record, and rename names as the record says.
#include "rename/criteria_entry.h"

#include <gtest/gtest.h>

#include <functional>

#include "rename/criteria.h"
#include "rename/criteria_complete.h"
#include "rename_harness.h"
#include "support/fake_ui.h"

namespace quillon {
namespace {

using testing::FakeUi;
using testing::RenameHarness;

TEST(EnterCriteria, ACompleteRecordIsRebuiltAsItWasGiven) {
  struct Row {
    const char* name;
    std::function<void(RenameCriteria&)> set;
    const char* names;     // the files
    const char* expected;  // their new names
  };
  const Row rows[] = {
      {"case_first_letters",
       [](RenameCriteria& c) {
         c.CaseOn = true;
         c.CaseScope = "FirstLetterOfWords";
         c.CaseChange = "Upper Case";
       },
       "ab cd.txt", "Ab Cd.txt"},
      {"extension",
       [](RenameCriteria& c) {
         c.ExtOn = true;
         c.ExtText = "md";
       },
       "a.txt", "a.md"},
      {"space_replaced",
       [](RenameCriteria& c) {
         c.SpaceOn = true;
         c.SpaceWith = "_";
       },
       "a b.txt", "a_b.txt"},
      {"handle_replaced",
       [](RenameCriteria& c) {
         c.HandleOn = true;
         c.HandleThis = "-";
         c.HandleWith = "+";
         c.SavedHandleMode = kHandleReplaceWith;
       },
       "a-b-c.txt", "a+b+c.txt"},
      {"insert_before_two_chars",
       [](RenameCriteria& c) {
         c.InsertOn = true;
         c.InsertPlace = "InsertBeforeNumChars";
         c.InsertBeforeNum = 2;
         c.InsertText = "X";
       },
       "abcd.txt", "abXcd.txt"},
      {"replace_chars_after_a_string",
       [](RenameCriteria& c) {
         c.ReplaceOn = true;
         c.ReplacePlace = "ReplaceCharAfterAString";
         c.ReplaceAfterString = "b";
         c.ReplaceNumChars = 1;
         c.ReplaceWith = "Z";
       },
       "abcd.txt", "abZd.txt"},
      {"remove_chars_from_the_start",
       [](RenameCriteria& c) {
         c.RemoveOn = true;
         c.RemovePlace = "RemoveCharAfterNumChars";
         c.RemoveNumChars = 2;
       },
       "abcd.txt", "cd.txt"},
      {"auto_small_letters_after_a_string",
       [](RenameCriteria& c) {
         c.AutoOn = true;
         c.AutoKind = "Small Letter";
         c.AutoSmallLetters = true;
         c.AutoStartLetters = "c";
         c.AutoPlace = "AutoAfterAString";
         c.AutoAfterString = "a";
       },
       "ab.txt", "acb.txt"},
      {"auto_number_zero_filled_at_the_end",
       [](RenameCriteria& c) {
         c.AutoOn = true;
         c.AutoKind = "Number";
         c.AutoStartNumber = 7;
         c.AutoZeroFill = 2;
         c.AutoPlace = "AutoBeforeNumChars";
       },
       "ab.txt", "ab007.txt"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RenameHarness h;
    FakeUi ui;
    RenameCriteria wanted;
    row.set(wanted);
    h.Select(row.names);
    EnterCriteria(h.s, ui, wanted);
    EXPECT_EQ(FirstIncomplete(h.s).missingKey, nullptr);
    EXPECT_EQ(CheckCriteriaComplete(h.s, ui), "");
    EXPECT_TRUE(ui.messages.empty());
    RenameSet(h.s);
    const RenameCriteria& c = h.c;
    EXPECT_EQ(c.CaseScope, wanted.CaseScope);
    EXPECT_EQ(c.CaseChange, wanted.CaseChange);
    EXPECT_EQ(c.ExtText, wanted.ExtText);
    EXPECT_EQ(c.SpaceOn, wanted.SpaceOn);
    EXPECT_EQ(c.SpaceWith, wanted.SpaceWith);
    EXPECT_EQ(c.HandleThis, wanted.HandleThis);
    EXPECT_EQ(c.HandleWith, wanted.HandleWith);
    EXPECT_EQ(c.InsertPlace, wanted.InsertPlace);
    EXPECT_EQ(c.InsertBeforeNum, wanted.InsertBeforeNum);
    EXPECT_EQ(c.ReplacePlace, wanted.ReplacePlace);
    EXPECT_EQ(c.ReplaceAfterString, wanted.ReplaceAfterString);
    EXPECT_EQ(c.ReplaceNumChars, wanted.ReplaceNumChars);
    EXPECT_EQ(c.RemovePlace, wanted.RemovePlace);
    EXPECT_EQ(c.RemoveNumChars, wanted.RemoveNumChars);
    EXPECT_EQ(c.AutoKind, wanted.AutoKind);
    EXPECT_EQ(c.AutoStartLetters, wanted.AutoStartLetters);
    EXPECT_EQ(c.AutoStartNumber, wanted.AutoStartNumber);
    EXPECT_EQ(c.AutoZeroFill, wanted.AutoZeroFill);
    EXPECT_EQ(c.AutoPlace, wanted.AutoPlace);
    EXPECT_EQ(h.Run(), row.expected);
  }
}

}  // namespace
}  // namespace quillon
