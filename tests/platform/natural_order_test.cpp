// Natural order: the root collation, case-blind, digit runs by value, ties by bytes; and
// the sort key that the folder listing sorts by must agree with it.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>
#include <unicode/ucol.h>

#include "platform/file_services.h"
#include "platform/natural_order.h"

namespace quillon {
namespace {

TEST(NaturalOrder, OrdersPairs) {
  struct Row {
    const char* name;
    std::string before, after;
  } rows[] = {
      {"number_by_value", "a2", "a10"},
      {"number_by_value_at_start", "9 lives", "10 lives"},
      {"case_blind", "a", "B"},
      {"case_blind_reversed", "A", "b"},
      {"same_letters_by_bytes", "A", "a"},
      {"leading_zero_tie_by_bytes", "file01", "file1"},
      {"zero_and_double_zero", "a0", "a00"},
      {"leading_zeros_then_rest_decides", "a1a", "a01b"},
      {"zeros_do_not_count_as_value", "a0009", "a10"},
      {"runs_longer_than_twenty_digits", "n99999999999999999999999", "n100000000000000000000000"},
      {"long_runs_same_length", "n123456789012345678901234", "n123456789012345678901235"},
      {"run_of_254_before_255_digits", std::string(254, '9'), "1" + std::string(254, '0')},
      {"run_of_255_before_256_digits", std::string(255, '9'), "1" + std::string(255, '0')},
      {"run_of_255_by_digits", "1" + std::string(254, '0'), "2" + std::string(254, '0')},
      {"prefix_first", "a", "a1"},
      {"empty_first", "", "a"},
      {"number_before_letter", "1", "a"},
      {"punctuation_before_number", "-", "0"},
      {"space_before_number", "a b", "a1"},
      {"underscore_before_letters", "_x", "a"},
      {"dot_before_number", "a.txt", "a1.txt"},
      {"plain_e_before_e_acute", "E", "\xC3\xA9"},
      {"e_acute_beside_e_before_f", "\xC3\xA9", "F"},
      {"umlaut_beside_its_letter", "Apfel.jpg", "\xC3\x84pfel.jpg"},
      {"umlaut_then_the_rest_decides", "\xC3\x84pfel.jpg", "apple.jpg"},
      {"accented_before_z",
       "\xC3\xA9"
       "cole.jpg",
       "Zebra.jpg"},
      {"sharp_s_as_ss_tie_by_bytes", "strasse",
       "stra\xC3\x9F"
       "e"},
      {"latin_before_greek", "Zebra", "\xCE\xB1\xCE\xB2"},
      {"greek_before_cyrillic", "\xCF\x89", "\xD0\xB0"},
      {"cyrillic_numbers_by_value",
       "\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB"
       "2",
       "\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB"
       "10"},
      {"han_after_cyrillic", "\xD1\x8F", "\xE4\xB8\xAD"},
      {"e_acute_case_blind_tie_by_bytes", "\xC3\x89", "\xC3\xA9"},
      {"e_acute_case_blind_then_rest",
       "\xC3\xA9"
       "a",
       "\xC3\x89"
       "b"},
      {"cyrillic_case_blind",
       "\xD0\xB0"
       "2",
       "\xD0\x90"
       "10"},
      {"non_utf8_after_letters", "z", "\xFF"},
      {"non_utf8_by_byte", "\xFE", "\xFF"},
      {"fullwidth_digit_is_a_letter", "9", "\xEF\xBC\x91"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(NaturalLess(row.before, row.after));
    EXPECT_FALSE(NaturalLess(row.after, row.before));
    EXPECT_LT(NaturalSortKey(row.before), NaturalSortKey(row.after));
  }
}

// Names that stress every branch: digits, zeros, case, non-ASCII, invalid bytes, NUL.
std::vector<std::string> AwkwardNames() {
  const std::vector<std::string> pieces = {"a",
                                           "A",
                                           "b",
                                           "0",
                                           "00",
                                           "1",
                                           "01",
                                           "9",
                                           "10",
                                           "007",
                                           "99999999999999999999999",
                                           ".",
                                           "_",
                                           " ",
                                           "-",
                                           "\xC3\xA9",
                                           "\xC3\x89",
                                           "\xD0\x96",
                                           "\xFF",
                                           "\xC3",
                                           std::string(1, '\0'),
                                           std::string(1, '\1'),
                                           "\xE2\x84\xAA" /* Kelvin sign, lower case k */,
                                           "k",
                                           "~"};
  std::mt19937 random(20240611);
  std::vector<std::string> names = pieces;
  for (int n = 0; n < 400; ++n) {
    std::string name;
    const int length = 1 + static_cast<int>(random() % 5);
    for (int k = 0; k < length; ++k) name += pieces[random() % pieces.size()];
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

TEST(NaturalOrder, IsAStrictTotalOrderThatTheSortKeyAgreesWith) {
  const std::vector<std::string> names = AwkwardNames();
  for (const auto& a : names) {
    ASSERT_FALSE(NaturalLess(a, a)) << a;
    const std::string keyA = NaturalSortKey(a);
    for (const auto& b : names) {
      if (&a == &b) continue;
      // Distinct names never tie, and the key compares exactly as the names do.
      ASSERT_NE(NaturalLess(a, b), NaturalLess(b, a)) << a << " | " << b;
      ASSERT_EQ(NaturalLess(a, b), keyA < NaturalSortKey(b)) << a << " | " << b;
    }
  }
  // Transitivity: a sorted list is ordered pairwise all the way along.
  std::vector<std::string> sorted = names;
  std::sort(sorted.begin(), sorted.end(), NaturalLess);
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    for (std::size_t j = i + 1; j < sorted.size(); ++j) {
      ASSERT_TRUE(NaturalLess(sorted[i], sorted[j])) << sorted[i] << " | " << sorted[j];
    }
  }
}

// The order is ICU's root collation with numeric ordering, case-blind: wherever the
// collation tells two names apart, the natural order agrees.
TEST(NaturalOrder, AgreesWithTheRootCollation) {
  UErrorCode error = U_ZERO_ERROR;
  UCollator* collator = ucol_open("", &error);
  ASSERT_TRUE(U_SUCCESS(error));
  ucol_setAttribute(collator, UCOL_NUMERIC_COLLATION, UCOL_ON, &error);
  ucol_setAttribute(collator, UCOL_STRENGTH, UCOL_SECONDARY, &error);
  const std::vector<std::string> pieces = {"a",
                                           "A",
                                           "b",
                                           "z",
                                           "0",
                                           "1",
                                           "9",
                                           "10",
                                           "007",
                                           " ",
                                           "-",
                                           "_",
                                           ".",
                                           "(",
                                           "\xC3\xA9" /* é */,
                                           "\xC3\x89" /* É */,
                                           "e\xCC\x81" /* e and a combining acute */,
                                           "\xC3\xA4" /* ä */,
                                           "\xC3\x9F" /* ß */,
                                           "\xC3\xA6" /* æ */,
                                           "\xCE\xB1" /* α */,
                                           "\xD0\x96" /* Ж */,
                                           "\xD0\xB6" /* ж */,
                                           "\xE4\xB8\xAD" /* 中 */,
                                           "\xF0\x9F\x98\x80" /* 😀 */};
  std::mt19937 random(99);
  std::vector<std::string> names = pieces;
  for (int n = 0; n < 300; ++n) {
    std::string name;
    const int length = 1 + static_cast<int>(random() % 4);
    for (int k = 0; k < length; ++k) name += pieces[random() % pieces.size()];
    names.push_back(name);
  }
  int compared = 0;
  for (const auto& a : names) {
    for (const auto& b : names) {
      const UCollationResult icu =
          ucol_strcollUTF8(collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                           static_cast<int32_t>(b.size()), &error);
      if (icu == UCOL_EQUAL) continue;
      ++compared;
      ASSERT_EQ(NaturalLess(a, b), icu == UCOL_LESS) << a << " | " << b;
    }
  }
  EXPECT_GT(compared, 10000);
  ucol_close(collator);
}

// From any starting order, also one already sorted or sorted but for one name.
TEST(NaturalOrder, SortNaturallyGivesTheNaturalLessOrder) {
  std::vector<std::string> expected = AwkwardNames();
  std::sort(expected.begin(), expected.end(), NaturalLess);
  std::vector<std::string> shuffled = expected;
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
  std::vector<std::string> lastFirst = expected;
  std::rotate(lastFirst.begin(), lastFirst.end() - 1, lastFirst.end());
  std::vector<std::string> swappedMiddle = expected;
  std::swap(swappedMiddle[swappedMiddle.size() / 2], swappedMiddle[swappedMiddle.size() / 2 + 1]);
  const struct {
    const char* name;
    std::vector<std::string> names;
  } rows[] = {
      {"shuffled", shuffled},
      {"sorted", expected},
      {"reversed", {expected.rbegin(), expected.rend()}},
      {"last_first", lastFirst},
      {"two_swapped", swappedMiddle},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> names = row.names;
    SortNaturally(names);
    EXPECT_EQ(names, expected);
  }
}

}  // namespace
}  // namespace quillon
