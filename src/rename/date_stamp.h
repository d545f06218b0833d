#pragma once
// A file's date as it goes into a new name: the formats of the Date criterion, in local
// time.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// The list's formats, by the text the list shows.
inline constexpr const char* kDateFormats[] = {"YYYY-MM-DD",      "YYYYMMDD", "YYYY-MM-DD HH.MM.SS",
                                               "YYYYMMDD_HHMMSS", "YYYY-MM",  "YYYY"};

// Whether `format` is one of kDateFormats.
bool IsDateFormat(std::string_view format);

// `seconds` since the epoch in the local time zone, written in `format` (one of
// kDateFormats); "" for any other format or a time the system cannot break down.
std::string FormatDate(std::int64_t seconds, std::string_view format);

}  // namespace quillon
