// The Date criterion's formats, in local time.
#include <cstdlib>
#include <ctime>

#include <gtest/gtest.h>

#include "rename/date_stamp.h"

namespace quillon {
namespace {

TEST(DateStamp, EachFormatWritesTheLocalTime) {
  // 2024-07-14 09:30:05 UTC, shown in a zone two hours east.
  const char* before = std::getenv("TZ");
  const std::string saved = before ? before : "";
  ::setenv("TZ", "UTC-2", 1);
  ::tzset();
  const std::int64_t when = 1720949405;
  struct Row {
    const char* format;
    const char* expected;
  } rows[] = {
      {"YYYY-MM-DD", "2024-07-14"},
      {"YYYYMMDD", "20240714"},
      {"YYYY-MM-DD HH.MM.SS", "2024-07-14 11.30.05"},
      {"YYYYMMDD_HHMMSS", "20240714_113005"},
      {"YYYY-MM", "2024-07"},
      {"YYYY", "2024"},
      {"DD.MM.YYYY", ""},  // not one of the list's formats
  };
  for (const auto& row : rows) EXPECT_EQ(FormatDate(when, row.format), row.expected) << row.format;
  if (before) {
    ::setenv("TZ", saved.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
}

}  // namespace
}  // namespace quillon
