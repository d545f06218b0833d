#include "rename/date_stamp.h"

#include <ctime>
#include <iterator>

namespace quillon {
namespace {

// Each format's strftime pattern, in the order of kDateFormats.
constexpr const char* kPatterns[] = {"%Y-%m-%d",      "%Y%m%d", "%Y-%m-%d %H.%M.%S",
                                     "%Y%m%d_%H%M%S", "%Y-%m",  "%Y"};
static_assert(std::size(kPatterns) == std::size(kDateFormats));

}  // namespace

bool IsDateFormat(std::string_view format) {
  for (const char* known : kDateFormats) {
    if (format == known) return true;
  }
  return false;
}

std::string FormatDate(std::int64_t seconds, std::string_view format) {
  for (std::size_t k = 0; k < std::size(kDateFormats); ++k) {
    if (format != kDateFormats[k]) continue;
    const std::time_t when = static_cast<std::time_t>(seconds);
    std::tm tm{};
    // Four digits of year, as every format shows them.
    if (::localtime_r(&when, &tm) == nullptr || tm.tm_year < 1000 - 1900 ||
        tm.tm_year > 9999 - 1900) {
      return "";
    }
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, kPatterns[k], &tm);
    return std::string(text, length);
  }
  return "";
}

}  // namespace quillon
