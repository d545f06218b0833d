// The driver: the fixed order of the criteria, the marker, the counters and the flags.
#include "rename/engine.h"

#include <gtest/gtest.h>

#include <sstream>

#include "rename_harness.h"

namespace quillon {
namespace {

using testing::RenameHarness;

// Switches on the named criteria, each with one fixed setting; Insert, Replace and
// Remove take the priority slots in the order named. "Lenient" lets Insert fail
// without a mark.
void SwitchOn(RenameHarness& h, const std::string& criteria) {
  RenameCriteria& c = h.c;
  std::string* slots[] = {&c.PrioritySlot1, &c.PrioritySlot2, &c.PrioritySlot3};
  std::istringstream words(criteria);
  for (std::string word; words >> word;) {
    if (word == "Case") {
      c.CaseOn = true;
      c.CaseChange = "Upper Case";
      c.CaseScope = "FileName";
    } else if (word == "Ext") {
      c.ExtOn = true;
      c.ExtText = "md";
    } else if (word == "Space") {
      c.SpaceOn = true;
      c.SpaceWith = "_";
    } else if (word == "Handle") {
      c.HandleOn = true;
      c.HandleThis = "_";
      c.SavedHandleMode = kHandleRemove;
    } else if (word == "Insert") {
      c.InsertOn = true;
      c.InsertPlace = "InsertAfterNumChars";
      c.InsertAfterNum = 2;
      c.InsertText = "x";
    } else if (word == "Replace") {
      c.ReplaceOn = true;
      c.ReplacePlace = "ReplaceFileName";
      c.ReplaceWith = "new";
    } else if (word == "Remove") {
      c.RemoveOn = true;
      c.RemovePlace = "RemoveCharAfterNumChars";
      c.RemoveNumChars = 1;
    } else if (word == "Auto") {
      c.AutoOn = true;
      c.AutoKind = "Number";
      c.AutoStartNumber = 1;
      c.AutoPlace = "AutoBeforeNumChars";
    } else if (word == "Lenient") {
      h.s.options.InsertRigid = false;
    }
    if (word == "Insert" || word == "Replace" || word == "Remove") *slots[c.PriorityCount++] = word;
  }
}

TEST(RunRenameCriteria, AppliesTheCriteriaInTheFixedOrder) {
  struct Row {
    const char *name, *criteria, *files, *expected;
  } rows[] = {
      {"case_before_insert_keeps_its_case", "Insert Case", "abc.txt", "ABxC.txt"},
      {"remove_slot_first", "Remove Insert", "abcd", "bcxd"},
      {"insert_slot_first", "Insert Remove", "abcd", "bxcd"},
      {"marked_file_skipped_later", "Insert Remove", "a|abc", "#$#a|bxc"},
      {"ignored_insert_leaves_it_to_the_next", "Lenient Insert Remove", "a|abc", "|bxc"},
      {"file_name_replace_rewrites_marked", "Insert Replace", "a.txt|abc.txt",
       "#$#new.txt|new.txt"},
      {"auto_skips_files_marked_earlier", "Insert Auto", "abc|a|abc", "abxc1|#$#a|abxc2"},
      {"auto_after_whole_name_replace", "Auto Replace", "a.jpg|b.jpg", "new1.jpg|new2.jpg"},
      {"extension_before_any_mark", "Ext Insert", "a.txt|b", "#$#a.md|#$#b.md"},
      // With the extension alone the base names stay byte for byte, UTF-8 or not.
      {"extension_alone_keeps_the_bytes", "Ext", "b\xff\xfe.txt|\xc3(|é.jpg|c",
       "b\xff\xfe.md|\xc3(.md|é.md|c.md"},
      {"nothing_on_changes_nothing", "", "b\xff.txt|a", "b\xff.txt|a"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RenameHarness h;
    h.Select(row.files);
    SwitchOn(h, row.criteria);
    EXPECT_EQ(h.Run(), row.expected);
    EXPECT_EQ(h.s.rename.ImpossibleTotal, testing::CountMarks(row.expected));
  }
}

TEST(RunRenameCriteria, LeavesTheJobToTheConflictCheck) {
  RenameHarness h;
  h.Select("a.txt");
  h.s.state.RenamePending = true;
  EXPECT_EQ(h.Run(), "a.txt");
  EXPECT_FALSE(h.s.state.RenamePending);
  EXPECT_TRUE(h.s.state.CheckPending);
}

}  // namespace
}  // namespace quillon
