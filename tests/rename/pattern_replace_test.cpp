// "Every match of this pattern": the matches, the group references, no match by the
// Replace flag, and the order with the other criteria.
#include <gtest/gtest.h>

#include "rename/pattern_replace.h"
#include "rename_harness.h"

namespace quillon {
namespace {

using testing::RenameHarness;

std::string Renamed(const std::string& files, const std::string& pattern, const std::string& with,
                    bool rigid = true) {
  RenameHarness h;
  h.Select(files);
  h.c.ReplaceOn = true;
  h.c.ReplacePlace = "ReplacePattern";
  h.c.ReplacePattern = pattern;
  h.c.ReplaceWith = with;
  h.c.PrioritySlot1 = "Replace";
  h.s.options.ReplaceRigid = rigid;
  return h.Run(1);
}

TEST(PatternReplace, EveryMatchOfTheBaseNameGivesWayToTheWithText) {
  struct Row {
    const char* name;
    const char* pattern;
    const char* with;
    const char* file;
    const char* expected;
  } rows[] = {
      {"groups", "IMG_(\\d+)", "Holiday $1", "IMG_0042.JPG", "Holiday 0042.JPG"},
      {"every_match", "a", "X", "banana.txt", "bXnXnX.txt"},
      {"groups_swapped", "(\\w+)-(\\w+)", "$2-$1", "left-right.doc", "right-left.doc"},
      {"extension_untouched", "txt", "md", "txt.txt", "md.txt"},
      {"unset_group_is_empty", "(a)|(b)", "[$2]", "ab", "[][b]"},
      {"group_beyond_the_pattern", "(a)", "$1$9", "a", "a"},
      {"dollar_kept_literal", "a", "$$x$", "a", "$$x$"},
      {"empty_matches_between_chars", "x*", "-", "ab", "-a-b-"},
      {"no_empty_match_after_a_match", "\\d*", "#", "a12b", "#a#b#"},
      {"code_points_not_bytes", "^.", "E", "école.jpg", "Ecole.jpg"},
      {"unicode_word", "\\w+", "W", "Äpfel und Birnen", "W W W"},
      {"anchored_end", "_\\d+$", "", "photo_001", "photo"},
      {"case_sensitive_by_default", "img", "X", "IMG_1.jpg", "#$#IMG_1.jpg"},
      {"case_blind_on_request", "(?i)img", "pic", "IMG_1.jpg", "pic_1.jpg"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Renamed(row.file, row.pattern, row.with), row.expected);
  }
}

TEST(PatternReplace, ANameWithoutAMatchFollowsTheReplaceFlag) {
  EXPECT_EQ(Renamed("a.txt|b.txt", "a", "Z", true), "Z.txt|#$#b.txt");
  EXPECT_EQ(Renamed("a.txt|b.txt", "a", "Z", false), "Z.txt|b.txt");
  RenameHarness h;
  h.Select("a.txt|b.txt");
  h.c.ReplaceOn = true;
  h.c.ReplacePlace = "ReplacePattern";
  h.c.ReplacePattern = "a";
  h.c.ReplaceWith = "Z";
  h.c.PrioritySlot1 = "Replace";
  h.s.options.ReplaceRigid = true;
  h.Run(1);
  EXPECT_EQ(h.s.rename.ImpossibleReplace, 1);
}

// The pattern sees the name as the criteria before it in the priority left it.
TEST(PatternReplace, RunsInItsPriorityPlaceAmongInsertAndRemove) {
  RenameHarness h;
  h.Select("IMG_7.jpg");
  RenameCriteria& c = h.c;
  c.InsertOn = true;
  c.InsertPlace = "InsertAfterNumChars";
  c.InsertAfterNum = 0;
  c.InsertText = "x";
  c.ReplaceOn = true;
  c.ReplacePlace = "ReplacePattern";
  c.ReplacePattern = "^IMG";
  c.ReplaceWith = "P";
  c.PrioritySlot1 = "Replace";
  c.PrioritySlot2 = "Insert";
  EXPECT_EQ(h.Run(2), "xP_7.jpg");
  RenameHarness later;
  later.Select("IMG_7.jpg");
  later.c = c;
  later.c.PrioritySlot1 = "Insert";
  later.c.PrioritySlot2 = "Replace";
  EXPECT_EQ(later.Run(2), "#$#xIMG_7.jpg");
}

TEST(PatternReplace, AnInvalidPatternIsNamedWithTheLibrarysReasonAndPlace) {
  struct Row {
    const char* pattern;
    const char* error;
  } rows[] = {
      {"IMG_(\\d+", "missing closing parenthesis at character 9"},
      {"a{2,1}", "numbers out of order in {} quantifier at character 6"},
      {"*a", "quantifier does not follow a repeatable item at character 1"},
      {"IMG_(\\d+)", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(PatternError(row.pattern), row.error) << row.pattern;
}

}  // namespace
}  // namespace quillon
