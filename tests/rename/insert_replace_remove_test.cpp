// Insert, Replace and Remove, one table each. An expected name after "#$#" is marked
// and counted.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "rename_harness.h"

namespace quillon {
namespace {

using testing::RenameHarness;

struct Row {
  const char* name;
  const char* place;
  const char* arg;     // N of the NumChars forms, the anchor of the String forms
  std::int16_t count;  // C of the Char forms
  const char* flags;   // criterion's flag, Char flag: "10" = first on, second off
  const char* file;
  const char* expected;
};

void RunRow(const std::string& criterion, const Row& row) {
  SCOPED_TRACE(row.name);
  RenameHarness h;
  h.Select(row.file);
  const bool numForm = std::strstr(row.place, "NumChars") != nullptr;
  const auto n = static_cast<std::int16_t>(numForm ? std::atoi(row.arg) : 0);
  const std::string anchor = numForm ? "" : row.arg;
  const bool rigid = row.flags[0] == '1';
  const bool charRigid = row.flags[1] == '1';
  RenameCriteria& c = h.c;
  RenameState& r = h.s.rename;
  std::int16_t* counter = &r.ImpossibleInsert;
  Options& o = h.s.options;
  if (criterion == "Insert") {
    c.InsertOn = true;
    c.InsertPlace = row.place;
    c.InsertText = "X";
    c.InsertAfterNum = c.InsertBeforeNum = n;
    c.InsertAfterString = c.InsertBeforeString = anchor;
    o.InsertRigid = rigid;
  } else if (criterion == "Replace") {
    c.ReplaceOn = true;
    c.ReplacePlace = row.place;
    c.ReplaceWith = "Z";
    c.ReplaceNumChars = row.count;
    c.ReplaceAfterNum = c.ReplaceBeforeNum = n;
    c.ReplaceString = c.ReplaceAfterString = c.ReplaceBeforeString = anchor;
    o.ReplaceRigid = rigid;
    o.CharReplaceRigid = charRigid;
    counter = &r.ImpossibleReplace;
  } else {
    c.RemoveOn = true;
    c.RemovePlace = row.place;
    c.RemoveNumChars = row.count;
    c.RemoveAfterNum = c.RemoveBeforeNum = n;
    c.RemoveString = c.RemoveAfterString = c.RemoveBeforeString = anchor;
    o.RemoveRigid = rigid;
    o.CharRemoveRigid = charRigid;
    counter = &r.ImpossibleRemove;
  }
  c.PrioritySlot1 = criterion;
  EXPECT_EQ(h.Run(1), row.expected);
  const int marked = std::string(row.expected).starts_with(kMarker) ? 1 : 0;
  EXPECT_EQ(*counter, marked);
  EXPECT_EQ(r.ImpossibleTotal, marked);
}

TEST(ApplyInsert, InsertsAtThePlaceOrFailsByTheInsertFlag) {
  const Row rows[] = {
      {"after_num_at_length", "InsertAfterNumChars", "6", 0, "1-", "abcdef", "abcdefX"},
      {"after_num_beyond_rigid", "InsertAfterNumChars", "7", 0, "1-", "abcdef", "#$#abcdef"},
      {"after_num_beyond_ignored", "InsertAfterNumChars", "7", 0, "0-", "abcdef", "abcdef"},
      {"at_start", "InsertAfterNumChars", "0", 0, "1-", "abcdef.txt", "Xabcdef.txt"},
      {"at_end", "InsertBeforeNumChars", "0", 0, "1-", "abcdef.txt", "abcdefX.txt"},
      {"before_string", "InsertBeforeAString", "c", 0, "1-", "abcdef", "abXcdef"},
      {"first_occurrence", "InsertAfterAString", "bc", 0, "1-", "abcabc", "abcXabc"},
      {"anchor_other_case", "InsertAfterAString", "C", 0, "1-", "abcdef", "#$#abcdef"},
      {"empty_anchor_no_mark", "InsertAfterAString", "", 0, "1-", "abcdef", "abcdef"},
      {"counts_characters", "InsertAfterNumChars", "1", 0, "1-", "日本語", "日X本語"},
  };
  for (const Row& row : rows) RunRow("Insert", row);
}

TEST(ApplyReplace, ReplacesAtThePlaceOrFailsByItsFlags) {
  const Row rows[] = {
      {"file_name", "ReplaceFileName", "", 0, "11", "abcdef.txt", "Z.txt"},
      {"a_string_first_only", "ReplaceAString", "bc", 0, "11", "abcabc", "aZabc"},
      {"a_string_missing", "ReplaceAString", "x", 0, "10", "abcdef", "#$#abcdef"},
      {"after_num_at_length", "ReplaceAfterNumChars", "6", 0, "11", "abcdef", "abcdefZ"},
      {"before_string", "ReplaceBeforeAString", "d", 0, "11", "abcdef", "Zdef"},
      {"char_after_num", "ReplaceCharAfterNumChars", "2", 3, "11", "abcdef", "abZf"},
      {"char_shortfall_fallback", "ReplaceCharAfterNumChars", "4", 3, "10", "abcdef", "abcdZ"},
      {"char_shortfall_rigid", "ReplaceCharAfterNumChars", "4", 3, "01", "abcdef", "#$#abcdef"},
      {"char_n_beyond_is_replace_flag", "ReplaceCharAfterNumChars", "7", 1, "10", "abcdef",
       "#$#abcdef"},
      {"last_chars", "ReplaceCharBeforeNumChars", "0", 2, "11", "abcdef", "abcdZ"},
      {"char_before_num_fallback", "ReplaceCharBeforeNumChars", "2", 5, "10", "abcdef", "Zef"},
      {"char_before_string", "ReplaceCharBeforeAString", "e", 2, "11", "abcdef", "abZef"},
      {"char_before_string_fallback", "ReplaceCharBeforeAString", "b", 3, "10", "abcdef", "Zbcdef"},
      {"counts_characters", "ReplaceCharAfterNumChars", "1", 2, "11", "日本語abc", "日Zabc"},
  };
  for (const Row& row : rows) RunRow("Replace", row);
}

TEST(ApplyRemove, RemovesAtThePlaceOrFailsByItsFlags) {
  const Row rows[] = {
      {"a_string_first_only", "RemoveAString", "bc", 0, "11", "abcabc", "aabc"},
      {"a_string_missing", "RemoveAString", "x", 0, "10", "abcdef", "#$#abcdef"},
      {"a_string_missing_ignored", "RemoveAString", "x", 0, "01", "abcdef", "abcdef"},
      {"after_num_zero_empties", "RemoveAfterNumChars", "0", 0, "11", "abcdef.txt", ".txt"},
      {"after_string_keeps_anchor", "RemoveAfterAString", "d", 0, "11", "abcdef", "abcd"},
      {"before_string_keeps_anchor", "RemoveBeforeAString", "d", 0, "11", "abcdef", "def"},
      {"char_before_num", "RemoveCharBeforeNumChars", "1", 2, "11", "abcdef", "abcf"},
      {"char_shortfall_fallback", "RemoveCharAfterAString", "b", 10, "10", "abcdef", "ab"},
      {"char_shortfall_rigid", "RemoveCharAfterAString", "b", 10, "01", "abcdef", "#$#abcdef"},
      {"char_n_beyond_not_remove_flag", "RemoveCharAfterNumChars", "7", 1, "10", "abcdef",
       "abcdef"},
      {"char_anchor_missing_char_flag", "RemoveCharAfterAString", "x", 1, "01", "abcdef",
       "#$#abcdef"},
      {"char_before_string_fallback", "RemoveCharBeforeAString", "b", 3, "10", "abcdef", "bcdef"},
      {"whole_name", "RemoveCharAfterNumChars", "0", 6, "11", "abcdef", ""},
  };
  for (const Row& row : rows) RunRow("Remove", row);
}

}  // namespace
}  // namespace quillon
