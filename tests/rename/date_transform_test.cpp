// Date in the engine: its places, formats and sources, the fallback to the modification
// time, the files it marks, and where it runs among the other criteria.
#include "rename/date_transform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <map>

#include "rename_harness.h"
#include "support/fake_ui.h"

namespace quillon {
namespace {

// Seconds of a UTC wall-clock time; the tests run in UTC.
std::int64_t Utc(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  return static_cast<std::int64_t>(::timegm(&tm));
}

// Files with the dates the tests give them; a name it does not know is gone. Counts the
// reads, and the reads that asked for a date taken.
class DatedFiles : public testing::NullFileServices {
 public:
  std::map<std::string, FileDates> dates;
  int reads = 0;
  int takenReads = 0;

  Result<FileDates> DatesAt(const FolderHandle&, const std::string& name, bool taken) override {
    ++reads;
    if (taken) ++takenReads;
    const auto found = dates.find(name);
    if (found == dates.end()) return OsError{ENOENT, "read the date of", name};
    FileDates out = found->second;
    if (!taken) out.taken.reset();
    return out;
  }
};

using Harness = testing::BasicRenameHarness<DatedFiles>;

class DateCriterion : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tz = std::getenv("TZ");
    savedTz_ = tz != nullptr ? std::optional<std::string>(tz) : std::nullopt;
    ::setenv("TZ", "UTC", 1);
    ::tzset();
  }
  void TearDown() override {
    if (savedTz_) {
      ::setenv("TZ", savedTz_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }

  // Photos taken on New Year's Eve, copied to the computer in May; a note never taken.
  static void Stock(Harness& h) {
    const std::int64_t copied = Utc(2024, 5, 6, 7, 8, 9);
    h.files.dates["IMG_1.jpg"] = {copied, Utc(2021, 12, 31, 23, 59, 58)};
    h.files.dates["IMG_2.jpg"] = {copied + 1, Utc(2022, 1, 1, 0, 0, 1)};
    h.files.dates["notes.txt"] = {Utc(2019, 3, 4, 5, 6, 7), std::nullopt};
    h.files.dates["ancient.txt"] = {Utc(999, 12, 31, 0, 0, 0), std::nullopt};
  }

  static void SetDate(RenameCriteria& c, const char* source, const char* format, const char* place,
                      int number, const char* anchor) {
    c.DateOn = true;
    c.DateSource = source;
    c.DateFormat = format;
    c.DatePlace = place;
    const bool after = std::string(place).find("After") != std::string::npos;
    (after ? c.DateAfterNum : c.DateBeforeNum) = static_cast<std::int16_t>(number);
    (after ? c.DateAfterString : c.DateBeforeString) = anchor;
  }

 private:
  std::optional<std::string> savedTz_;
};

constexpr const char* kModified = "Modified";
constexpr const char* kTaken = "Taken, else Modified";

TEST_F(DateCriterion, PutsTheDateAtItsPlaceInItsFormat) {
  struct Row {
    const char *name, *source, *format, *place;
    int number;
    const char *anchor, *files, *expected;
  } rows[] = {
      {"start_modified", kModified, "YYYY-MM-DD", "DateAfterNumChars", 0, "", "IMG_1.jpg",
       "2024-05-06IMG_1.jpg"},
      {"end_taken", kTaken, "YYYYMMDD_HHMMSS", "DateBeforeNumChars", 0, "", "IMG_1.jpg|IMG_2.jpg",
       "IMG_120211231_235958.jpg|IMG_220220101_000001.jpg"},
      {"taken_falls_back_to_modified", kTaken, "YYYYMMDD", "DateAfterNumChars", 0, "", "notes.txt",
       "20190304notes.txt"},
      {"after_four_chars", kModified, "YYYYMMDD", "DateAfterNumChars", 4, "", "IMG_1.jpg",
       "IMG_202405061.jpg"},
      {"before_one_char", kModified, "YYYY", "DateBeforeNumChars", 1, "", "IMG_1.jpg",
       "IMG_20241.jpg"},
      {"after_string", kTaken, "YYYY-MM", "DateAfterAString", 0, "IMG_", "IMG_1.jpg",
       "IMG_2021-121.jpg"},
      {"before_string", kModified, "YYYY-MM-DD HH.MM.SS", "DateBeforeAString", 0, "_", "IMG_1.jpg",
       "IMG2024-05-06 07.08.09_1.jpg"},
      {"extension_untouched", kModified, "YYYY", "DateBeforeNumChars", 0, "", "notes.txt",
       "notes2019.txt"},
      {"string_not_found_marks", kModified, "YYYY", "DateAfterAString", 0, "DSC", "IMG_1.jpg",
       "#$#IMG_1.jpg"},
      {"count_beyond_the_name_marks", kModified, "YYYY", "DateAfterNumChars", 9, "",
       "IMG_1.jpg|notes.txt", "#$#IMG_1.jpg|#$#notes.txt"},
      {"file_gone_marks", kModified, "YYYY", "DateAfterNumChars", 0, "", "gone.jpg|IMG_1.jpg",
       "#$#gone.jpg|2024IMG_1.jpg"},
      {"year_without_four_digits_marks", kModified, "YYYY", "DateAfterNumChars", 0, "",
       "ancient.txt", "#$#ancient.txt"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Harness h;
    Stock(h);
    h.Select(row.files);
    SetDate(h.c, row.source, row.format, row.place, row.number, row.anchor);
    EXPECT_EQ(h.Run(), row.expected);
    const int marks = testing::CountMarks(row.expected);
    EXPECT_EQ(h.s.rename.ImpossibleDate, marks);
    EXPECT_EQ(h.s.rename.ImpossibleTotal, marks);
  }
}

TEST_F(DateCriterion, RunsAfterTheOtherCriteriaAndSkipsFilesTheyMarked) {
  struct Row {
    const char *name, *files, *expected;
    void (*setup)(RenameCriteria&, Options&);
    int impossibleDate;
  } rows[] = {
      // Insert at the start runs first: the date lands before its text.
      {"after_insert", "IMG_1.jpg", "2024x_IMG_1.jpg",
       [](RenameCriteria& c, Options&) {
         c.InsertOn = true;
         c.InsertPlace = "InsertAfterNumChars";
         c.InsertText = "x_";
         c.PrioritySlot1 = "Insert";
         c.PriorityCount = 1;
         SetDate(c, kModified, "YYYY", "DateAfterNumChars", 0, "");
       },
       0},
      // Remove took the anchor away before Date looked for it.
      {"after_remove", "IMG_1.jpg", "#$#1.jpg",
       [](RenameCriteria& c, Options&) {
         c.RemoveOn = true;
         c.RemovePlace = "RemoveAString";
         c.RemoveString = "IMG_";
         c.PrioritySlot1 = "Remove";
         c.PriorityCount = 1;
         SetDate(c, kModified, "YYYY", "DateAfterAString", 0, "IMG_");
       },
       1},
      // Auto's number is in the name when Date looks for its place.
      {"after_auto", "IMG_1.jpg|IMG_2.jpg", "12024IMG_1.jpg|22024IMG_2.jpg",
       [](RenameCriteria& c, Options&) {
         c.AutoOn = true;
         c.AutoKind = "Number";
         c.AutoStartNumber = 1;
         c.AutoPlace = "AutoAfterNumChars";
         SetDate(c, kModified, "YYYY", "DateAfterNumChars", 1, "");
       },
       0},
      // A file Insert marked is left to Insert's count.
      {"file_marked_earlier", "IMG_1.jpg|notes.txt", "#$#IMG_1.jpg|no2019_tes.txt",
       [](RenameCriteria& c, Options&) {
         c.InsertOn = true;
         c.InsertPlace = "InsertAfterAString";
         c.InsertAfterString = "no";
         c.InsertText = "_";
         c.PrioritySlot1 = "Insert";
         c.PriorityCount = 1;
         SetDate(c, kModified, "YYYY", "DateAfterAString", 0, "no");
       },
       0},
      // The rigidity options do not spare a file whose place is not there.
      {"marks_whatever_the_options", "IMG_1.jpg|notes.txt", "IMG_20241.jpg|#$#notes.txt",
       [](RenameCriteria& c, Options& o) {
         o.InsertRigid = o.ReplaceRigid = o.RemoveRigid = false;
         o.CharReplaceRigid = o.CharRemoveRigid = false;
         SetDate(c, kModified, "YYYY", "DateAfterAString", 0, "IMG_");
       },
       1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Harness h;
    Stock(h);
    h.Select(row.files);
    row.setup(h.c, h.s.options);
    EXPECT_EQ(h.Run(), row.expected);
    EXPECT_EQ(h.s.rename.ImpossibleDate, row.impossibleDate);
  }
}

TEST_F(DateCriterion, ReadsEachFileOnceAndOnlyWhatItsSourceAsksFor) {
  {
    SCOPED_TRACE("off: no read");
    Harness h;
    Stock(h);
    h.Select("IMG_1.jpg|IMG_2.jpg");
    h.c.CaseOn = true;
    h.c.CaseScope = "FileName";
    h.c.CaseChange = "Lower Case";
    h.Run();
    EXPECT_EQ(h.files.reads, 0);
  }
  {
    SCOPED_TRACE("modified: no EXIF");
    Harness h;
    Stock(h);
    h.Select("IMG_1.jpg|IMG_2.jpg|notes.txt");
    SetDate(h.c, kModified, "YYYY", "DateAfterNumChars", 0, "");
    h.Run();
    EXPECT_EQ(h.files.reads, 3);
    EXPECT_EQ(h.files.takenReads, 0);
  }
  {
    SCOPED_TRACE("taken: once per file; a name without the place costs no read");
    Harness h;
    Stock(h);
    h.Select("IMG_1.jpg|IMG_2.jpg|notes.txt");
    SetDate(h.c, kTaken, "YYYY", "DateAfterAString", 0, "IMG_");
    EXPECT_EQ(h.Run(), "IMG_20211.jpg|IMG_20222.jpg|#$#notes.txt");
    EXPECT_EQ(h.files.reads, 2);
    EXPECT_EQ(h.files.takenReads, 2);
  }
}

// Reading many photos shows how far it got, and ends at the whole count; a few files or
// Date off show nothing.
TEST_F(DateCriterion, ManyDatesReadShowProgress) {
  struct Counting : testing::FakeUi {
    std::vector<std::pair<int, int>> shown;
    void ShowProgress(int done, int total) override { shown.emplace_back(done, total); }
  };
  for (const int files : {10, 200}) {
    SCOPED_TRACE(files);
    Harness h;
    std::string names;
    for (int i = 0; i < files; ++i) {
      const std::string name = "IMG_" + std::to_string(i) + ".jpg";
      h.files.dates[name] = {Utc(2024, 1, 1, 0, 0, 0), std::nullopt};
      names += (i == 0 ? "" : "|") + name;
    }
    h.Select(names);
    SetDate(h.c, kModified, "YYYY", "DateAfterNumChars", 0, "");
    Counting ui;
    RunRenameCriteria(h.s, &ui);
    if (files < 64) {
      EXPECT_TRUE(ui.shown.empty());
    } else {
      ASSERT_GE(ui.shown.size(), 2u);
      EXPECT_EQ(ui.shown.front(), std::make_pair(63, files));
      EXPECT_EQ(ui.shown.back(), std::make_pair(files, files));
    }
  }
}

}  // namespace
}  // namespace quillon
