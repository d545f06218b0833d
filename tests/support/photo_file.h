#pragma once
// Photos made by the tests: a JPEG with the date taken written into its EXIF by the
// library the program reads it with.
#include <cstddef>
#include <string>

namespace quillon::testing {

// Writes a JPEG at `path`: the smallest one (start and end of image) padded to `size`
// bytes, with EXIF DateTimeOriginal `taken` ("YYYY:MM:DD HH:MM:SS"; none for nullptr).
void WritePhoto(const std::string& path, const char* taken, std::size_t size = 0);

}  // namespace quillon::testing
