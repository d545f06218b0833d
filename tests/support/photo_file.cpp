#include "support/photo_file.h"

#include <algorithm>
#include <exiv2/exiv2.hpp>
#include <fstream>

namespace quillon::testing {

void WritePhoto(const std::string& path, const char* taken, std::size_t size) {
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write("\xff\xd8", 2);
    // Image data stands in for a camera's: a comment segment per 64 KB, so that the file
    // is still a JPEG the library can rewrite.
    std::size_t left = size > 4 ? size - 4 : 0;
    const std::string filler(65'000, 'x');
    while (left > 8) {
      const std::size_t body = std::min(left - 4, filler.size());
      const std::size_t length = body + 2;
      const char header[4] = {'\xff', '\xfe', static_cast<char>(length >> 8),
                              static_cast<char>(length & 0xff)};
      out.write(header, 4);
      out.write(filler.data(), static_cast<std::streamsize>(body));
      left -= body + 4;
    }
    out.write("\xff\xd9", 2);
  }
  if (taken == nullptr) return;
  auto image = Exiv2::ImageFactory::open(path);
  Exiv2::ExifData exif;
  exif["Exif.Photo.DateTimeOriginal"] = std::string(taken);
  image->setExifData(exif);
  image->writeMetadata();
}

}  // namespace quillon::testing
