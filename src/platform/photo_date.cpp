#include "platform/photo_date.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <exiv2/exiv2.hpp>
#include <mutex>

namespace quillon {

std::optional<std::int64_t> ParseExifDateTime(const std::string& text) {
  // Some cameras end the value with a NUL or blanks; the 19 characters before count.
  if (text.size() < 19) return std::nullopt;
  const char* const shape = "dddd:dd:dd dd:dd:dd";
  for (int k = 0; k < 19; ++k) {
    const char c = text[k];
    if (shape[k] == 'd' ? (c < '0' || c > '9') : c != shape[k]) return std::nullopt;
  }
  for (std::size_t k = 19; k < text.size(); ++k) {
    if (text[k] != ' ' && text[k] != '\0') return std::nullopt;
  }
  const auto number = [&text](int at, int digits) {
    int value = 0;
    for (int k = 0; k < digits; ++k) value = value * 10 + (text[at + k] - '0');
    return value;
  };
  std::tm tm{};
  tm.tm_year = number(0, 4) - 1900;
  tm.tm_mon = number(5, 2) - 1;
  tm.tm_mday = number(8, 2);
  tm.tm_hour = number(11, 2);
  tm.tm_min = number(14, 2);
  tm.tm_sec = number(17, 2);
  tm.tm_isdst = -1;
  if (tm.tm_year < 0 || tm.tm_mon < 0 || tm.tm_mon > 11 || tm.tm_mday < 1 || tm.tm_hour > 23 ||
      tm.tm_min > 59 || tm.tm_sec > 59) {
    return std::nullopt;
  }
  const std::tm asked = tm;
  const std::time_t seconds = std::mktime(&tm);
  // mktime carries a 31st of a 30-day month into the next: such a date is odd. (An hour
  // skipped by a clock change is moved by it, and kept.)
  if (seconds == static_cast<std::time_t>(-1) || tm.tm_mday != asked.tm_mday ||
      tm.tm_mon != asked.tm_mon) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(seconds);
}

std::optional<std::int64_t> PhotoTakenTime(const std::string& path) {
  // Only a regular file is read, and opening one that is not must not block (a pipe).
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::optional<std::int64_t> taken;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) taken = PhotoTakenTimeOfOpen(fd);
  ::close(fd);
  return taken;
}

std::optional<std::int64_t> PhotoTakenTimeOfOpen(int fd) {
  // The library reads by path: the descriptor's own, so that the name is not looked up
  // again.
  const std::string path = "/proc/self/fd/" + std::to_string(fd);
  static std::once_flag quiet;
  // The library's warnings about odd files would land on the user's terminal.
  std::call_once(quiet, [] { Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute); });
  try {
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(path);
    if (image.get() == nullptr) return std::nullopt;
    image->readMetadata();
    const Exiv2::ExifData& exif = image->exifData();
    const auto found = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
    if (found == exif.end()) return std::nullopt;
    return ParseExifDateTime(found->toString());
  } catch (const std::exception&) {
    // Not an image the library knows, or a broken one: no date taken.
    return std::nullopt;
  }
}

}  // namespace quillon
