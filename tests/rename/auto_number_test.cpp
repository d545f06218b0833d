// Auto numbering and lettering, and the letter capacity check.
#include "rename/auto_number.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "rename/criteria.h"
#include "rename_harness.h"

namespace quillon {
namespace {

using testing::CountMarks;
using testing::RenameHarness;

TEST(ApplyAuto, PlacesRunningValuesWithoutGaps) {
  struct Row {
    const char *name, *kind, *start;
    std::int16_t zeroFill;
    const char *place, *arg, *files, *expected;
  } rows[] = {
      {"zero_fill_from_nine", "Number", "9", 1, "AutoBeforeNumChars", "0", "a|b|c", "a09|b10|c11"},
      {"zero_fill_past_ten", "Number", "9", 2, "AutoBeforeNumChars", "0", "a|b", "a009|b010"},
      {"at_start", "Number", "7", 0, "AutoAfterNumChars", "0", "a.txt|b.txt", "7a.txt|8b.txt"},
      {"past_16_bit", "Number", "32767", 0, "AutoBeforeNumChars", "0", "a|b", "a32767|b32768"},
      {"five_digits", "Number", "99999", 1, "AutoBeforeNumChars", "0", "a|b", "a099999|b100000"},
      {"capitals_carry", "Capital Letter", "AY", 0, "AutoBeforeNumChars", "0", "a|b|c",
       "aAY|bAZ|cBA"},
      {"exhausted_ends_quietly", "Small Letter", "y", 0, "AutoAfterNumChars", "1", "a|b|c|.x",
       "ay|bz|c|.x"},
      {"after_first_dash", "Number", "1", 0, "AutoAfterAString", "-", "a-b-c", "a-1b-c"},
      {"impossible_always_marks", "Number", "1", 0, "AutoAfterNumChars", "3", "ab|abcd",
       "#$#ab|abc1d"},
      {"before_num_at_length", "Number", "1", 0, "AutoBeforeNumChars", "2", "ab", "1ab"},
      {"empty_anchor_nothing", "Number", "1", 0, "AutoAfterAString", "", "ab", "ab"},
      {"no_place_nothing", "Number", "1", 0, "", "", "ab", "ab"},
      {"counts_characters", "Number", "1", 0, "AutoAfterNumChars", "1", "日本", "日1本"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RenameHarness h;
    h.Select(row.files);
    const bool numForm = std::string(row.place).find("NumChars") != std::string::npos;
    RenameCriteria& c = h.c;
    c.AutoOn = true;
    c.AutoKind = row.kind;
    c.AutoPlace = row.place;
    c.AutoStartNumber = AutoStartValue(row.start);
    c.AutoStartLetters = row.start;
    c.AutoZeroFill = row.zeroFill;
    c.AutoAfterNum = c.AutoBeforeNum = static_cast<std::int16_t>(numForm ? std::atoi(row.arg) : 0);
    c.AutoAfterString = c.AutoBeforeString = numForm ? "" : row.arg;
    // No option governs Auto.
    h.s.options.InsertRigid = h.s.options.ReplaceRigid = false;
    EXPECT_EQ(h.Run(), row.expected);
    EXPECT_EQ(h.s.rename.ImpossibleAuto, CountMarks(row.expected));
    EXPECT_EQ(h.s.rename.ImpossibleTotal, CountMarks(row.expected));
  }
}

TEST(CheckAutoLetterCapacity, ComparesTheGroupsLeftWithTheSelection) {
  struct Row {
    const char* name;
    const char* start;
    bool small;
    std::int16_t selected;
    bool ok;
    std::int16_t capacity;
    const char* limit;
  } rows[] = {
      {"zy_three_files", "ZY", false, 3, false, 2, "ZZ"},
      {"small_zz_one_file", "zz", true, 1, true, 1, "zz"},
      {"three_letters_full", "aaa", true, 17576, true, 17576, "zzz"},
      {"empty_nothing_selected", "", false, 0, true, 0, ""},
      {"letters_in_other_case", "a", false, 1, false, 0, "Z"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RenameHarness h;
    h.s.rename.EdAutoStart = row.start;
    h.s.rename.EdAutoSmallLetter = row.small;
    h.s.state.SelectedCount = row.selected;
    EXPECT_EQ(CheckAutoLetterCapacity(h.s), row.ok);
    EXPECT_EQ(h.s.rename.AutoLetterCapacity, row.capacity);
    EXPECT_EQ(h.s.rename.AutoLetterLimit, row.limit);
  }
}

}  // namespace
}  // namespace quillon
