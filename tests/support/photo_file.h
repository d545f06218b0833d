#pragma once
// Photos made by the tests: a JPEG with the date taken written into its EXIF by the
// library the program reads it with.
#include <cstddef>
#include <string>

namespace quillon::testing {

// Writes a JPEG at `path` with EXIF DateTimeOriginal `taken` ("YYYY:MM:DD HH:MM:SS"; no
// EXIF for nullptr), and image data after it up to `size` bytes (none for 0).
void WritePhoto(const std::string& path, const char* taken, std::size_t size = 0);

}  // namespace quillon::testing
