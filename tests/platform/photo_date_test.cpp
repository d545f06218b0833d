// The date a photo was taken, read from EXIF written into small JPEGs by the tests, and
// its odd values that fall back to the modification time.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include <gtest/gtest.h>

#include "platform/photo_date.h"
#include "platform/posix_file_services.h"
#include "support/photo_file.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::TempDir;

// The local time of a wall-clock date, as the reader should give it.
std::int64_t Local(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_isdst = -1;
  return static_cast<std::int64_t>(std::mktime(&tm));
}

std::string Photo(TempDir& dir, const std::string& name, const char* taken) {
  const std::string path = dir / name;
  testing::WritePhoto(path, taken);
  return path;
}

TEST(PhotoDate, ReadsDateTimeOriginalAsLocalTime) {
  TempDir dir;
  struct Row {
    const char* name;
    const char* taken;  // nullptr: no tag
    std::optional<std::int64_t> expected;
  } rows[] = {
      {"plain.jpg", "2024:07:14 09:30:05", Local(2024, 7, 14, 9, 30, 5)},
      {"leap_day.jpg", "2024:02:29 23:59:59", Local(2024, 2, 29, 23, 59, 59)},
      {"no_tag.jpg", nullptr, std::nullopt},
      {"unset.jpg", "0000:00:00 00:00:00", std::nullopt},
      {"blank.jpg", "                   ", std::nullopt},
      {"no_such_day.jpg", "2023:02:29 10:00:00", std::nullopt},
      {"hour_out_of_range.jpg", "2024:07:14 24:00:00", std::nullopt},
      {"dashes.jpg", "2024-07-14 09:30:05", std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(PhotoTakenTime(Photo(dir, row.name, row.taken)), row.expected);
  }
}

TEST(PhotoDate, AFileThatIsNoImageOrIsGoneHasNoDateTaken) {
  TempDir dir;
  EXPECT_EQ(PhotoTakenTime(dir.file("notes.txt", "2024:07:14 09:30:05")), std::nullopt);
  EXPECT_EQ(PhotoTakenTime(dir.file("broken.jpg", "\xff\xd8\xff\xe1\xff\xff")), std::nullopt);
  EXPECT_EQ(PhotoTakenTime(dir / "missing.jpg"), std::nullopt);
}

TEST(PhotoDate, ExifTextIsCheckedFieldByField) {
  EXPECT_EQ(ParseExifDateTime("2024:07:14 09:30:05"), Local(2024, 7, 14, 9, 30, 5));
  // A camera that ends the value with NULs or blanks.
  EXPECT_EQ(ParseExifDateTime(std::string("2024:07:14 09:30:05\0", 20)),
            Local(2024, 7, 14, 9, 30, 5));
  for (const char* odd : {"", "2024:07:14", "2024:13:01 00:00:00", "2024:04:31 00:00:00",
                          "2024:07:14 09:60:00", "2024:07:14 09:30:05x", "2O24:07:14 09:30:05"}) {
    EXPECT_EQ(ParseExifDateTime(odd), std::nullopt) << odd;
  }
}

// The file services' dates of a file by name in an opened folder: the modification time
// always, the date taken only when asked for and only from a regular file.
TEST(PhotoDate, FileServicesGiveTheDatesOfAFileInAFolder) {
  TempDir dir;
  Photo(dir, "photo.jpg", "2024:07:14 09:30:05");
  dir.file("notes.txt", "2024:07:14 09:30:05");
  ASSERT_EQ(::mkfifo((dir / "pipe.jpg").c_str(), 0600), 0);
  ASSERT_EQ(::symlink("photo.jpg", (dir / "link.jpg").c_str()), 0);
  const std::string paths[] = {dir / "photo.jpg", dir / "notes.txt", dir / "pipe.jpg"};
  const struct timespec modified[2] = {{1'600'000'000, 0}, {1'600'000'000, 500'000'000}};
  for (const std::string& path : paths)
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), modified, 0), 0);

  PosixFileServices files;
  const FolderHandle folder = files.OpenFolder(dir.path() + "/");
  const FolderHandle byPath(dir.path() + "/", -1);
  const std::int64_t taken = Local(2024, 7, 14, 9, 30, 5);
  struct Row {
    const char* name;
    bool askTaken;
    std::optional<std::int64_t> expected;  // taken
  } rows[] = {
      {"photo.jpg", true, taken},
      {"photo.jpg", false, std::nullopt},
      {"notes.txt", true, std::nullopt},
      {"pipe.jpg", true, std::nullopt},  // never opened for reading: no hang
      {"link.jpg", true, taken},         // the photo it points to
  };
  for (const FolderHandle* handle : {&folder, &byPath}) {
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(row.name) + (handle->fd() < 0 ? " by path" : " by handle"));
      if (handle->fd() < 0 && std::string(row.name) == "pipe.jpg") {
        continue;
      }
      const Result<FileDates> dates = files.DatesAt(*handle, row.name, row.askTaken);
      ASSERT_TRUE(dates);
      if (std::string(row.name) != "link.jpg") {
        EXPECT_EQ(dates->modified, 1'600'000'000);
      }
      EXPECT_EQ(dates->taken, row.expected);
    }
  }
  EXPECT_FALSE(files.DatesAt(folder, "gone.jpg", true));
}

}  // namespace
}  // namespace quillon
