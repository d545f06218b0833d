// The settings reader takes any text: it yields the four values or the failure values.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "session/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillon::Options options;
  quillon::ApplySettingsText(options, std::string_view(reinterpret_cast<const char*>(data), size));
  (void)quillon::FormatSettings(options);
  return 0;
}
