// Case, Extension, Space and Handle: every base name changed the same way.
#include <gtest/gtest.h>

#include "rename_harness.h"

namespace quillon {
namespace {

using testing::RenameHarness;

TEST(CaseTransform, ChangesTheScopedCharactersOnly) {
  struct Row {
    const char *name, *change, *scope, *file, *expected;
  } rows[] = {
      {"words", "Upper Case", "FirstLetterOfWords", "my file name.txt", "My File Name.txt"},
      {"two_spaces", "Upper Case", "FirstLetterOfWords", "a  b", "A  B"},
      {"dash_no_separator", "Upper Case", "FirstLetterOfWords", "x-ray", "X-ray"},
      {"digit_uses_word_start", "Upper Case", "FirstLetterOfWords", "a 1b", "A 1b"},
      {"first_letter_lower", "Lower Case", "FirstLetter", "ABC", "aBC"},
      {"empty_base_name", "Upper Case", "FileName", ".bashrc", ".bashrc"},
      {"cyrillic_words", "Upper Case", "FirstLetterOfWords", "жук жир", "Жук Жир"},
      {"cjk_uses_word_start", "Upper Case", "FirstLetterOfWords", "日本 ab", "日本 Ab"},
      {"bytes_not_utf8_kept", "Upper Case", "FileName", "caf\xE9", "CAF\xE9"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RenameHarness h;
    h.Select(row.file);
    h.c.CaseOn = true;
    h.c.CaseChange = row.change;
    h.c.CaseScope = row.scope;
    EXPECT_EQ(h.Run(), row.expected);
  }
}

TEST(ApplyExtension, GivesEveryFileTheNewExtension) {
  RenameHarness h;
  h.Select("a.b.doc|README|.bashrc|日本.jpg");
  h.c.ExtOn = true;
  h.c.ExtText = "txt";
  EXPECT_EQ(h.Run(), "a.b.txt|README.txt|.txt|日本.txt");
}

TEST(EveryInstanceTransform, ReplacesEachInstanceOnceLeftToRight) {
  struct Row {
    const char *name, *what;
    std::int16_t mode;  // Handle mode; -1 for the Space criterion
    const char *with, *file, *expected;
  } rows[] = {
      {"space_remove", " ", -1, "", "a b c", "abc"},
      {"space_underscore_base_only", " ", -1, "_", "a b.x y", "a_b.x y"},
      {"space_with_spaces_no_loop", " ", -1, " - ", "a b", "a - b"},
      {"handle_leftmost_wins", "aa", kHandleRemove, "", "aaab", "ab"},
      {"handle_as_space", "ab", kHandleChangeAsSpace, "", "abcab", " c "},
      {"handle_case_sensitive", "ab", kHandleRemove, "", "ABab", "AB"},
      {"handle_empty_does_nothing", "", kHandleRemove, "", "abc", "abc"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RenameHarness h;
    h.Select(row.file);
    if (row.mode < 0) {
      h.c.SpaceOn = true;
      h.c.SpaceWith = row.with;
    } else {
      h.c.HandleOn = true;
      h.c.HandleThis = row.what;
      h.c.SavedHandleMode = row.mode;
      h.c.HandleWith = row.with;
    }
    EXPECT_EQ(h.Run(), row.expected);
  }
}

}  // namespace
}  // namespace quillon
