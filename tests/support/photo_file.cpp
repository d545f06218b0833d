#include "support/photo_file.h"

#include <exiv2/exiv2.hpp>
#include <fstream>
#include <iterator>

namespace quillon::testing {

void WritePhoto(const std::string& path, const char* taken, std::size_t size) {
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write("\xff\xd8\xff\xd9", 4);
  }
  if (taken != nullptr) {
    auto image = Exiv2::ImageFactory::open(path);
    Exiv2::ExifData exif;
    exif["Exif.Photo.DateTimeOriginal"] = std::string(taken);
    image->setExifData(exif);
    image->writeMetadata();
  }
  if (size <= 4) return;
  // Image data as a camera lays it out after the metadata: a start-of-scan segment, then
  // the compressed bytes (no 0xFF among them) up to the size asked for.
  std::string bytes;
  {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  bytes.resize(bytes.size() - 2);  // the end of image, put back last
  bytes.append("\xff\xda\x00\x08\x01\x01\x00\x00\x3f\x00", 10);
  if (bytes.size() + 2 < size) {
    std::string data(size - bytes.size() - 2, '\0');
    for (std::size_t k = 0; k < data.size(); ++k) data[k] = static_cast<char>((k * 131) % 251);
    bytes += data;
  }
  bytes.append("\xff\xd9", 2);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace quillon::testing
