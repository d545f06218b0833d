#pragma once
// When a photo was taken, from its EXIF metadata (JPEG, TIFF, PNG, WebP and the common
// camera RAW formats).
#include <cstdint>
#include <optional>
#include <string>

namespace quillon {

// The photo's EXIF DateTimeOriginal as seconds since the epoch, the camera's wall-clock
// time read as local time (EXIF keeps no time zone there). nullopt when the file cannot
// be read as an image, has no such tag, or holds an odd value ("0000:00:00 00:00:00",
// blanks, a day or time out of range): the caller falls back to the modification time.
std::optional<std::int64_t> PhotoTakenTime(const std::string& path);

// The same for a regular file already open for reading; the descriptor stays open.
std::optional<std::int64_t> PhotoTakenTimeOfOpen(int fd);

// "YYYY:MM:DD HH:MM:SS" as EXIF writes it, checked field by field and read as local time.
std::optional<std::int64_t> ParseExifDateTime(const std::string& text);

}  // namespace quillon
