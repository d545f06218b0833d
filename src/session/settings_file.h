#pragma once
// The four values kept between runs, in "Set.Vostrel" inside the data folder.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"

namespace quillon {

// A settings file larger than this is damaged; it is read as no settings.
inline constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

inline constexpr const char* kSettingsFileName = "Set.Vostrel";

// Reads the settings file; any failure gives the failure values, reported nowhere.
void LoadSettings(Session& s);
// The four values of a settings file's text; a damaged text gives the failure values.
void ApplySettingsText(Options& options, std::string_view text);
// Writes the settings file atomically; a failure is reported nowhere.
void SaveSettings(Session& s);

// The fields of a comma-delimited text, read as a sequential text reader reads them.
std::vector<std::string> ReadDelimitedFields(std::string_view text);
// The file's content for the four values.
std::string FormatSettings(const Options& options);

}  // namespace quillon
