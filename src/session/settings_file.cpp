#include "session/settings_file.h"

#include <charconv>
#include <cstdint>

#include "platform/atomic_file.h"

namespace quillon {
namespace {

constexpr const char* kLineEnd = "\r\n";

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// A whole number in the 16-bit signed range, blanks around it allowed.
std::optional<std::int16_t> ParseInt16(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int16_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

void ApplyFailureValues(Options& options) {
  options.MaxSelectLimit = kDefaultMaxSelectLimit;
  options.ShowLittleHelp = false;
  options.NoUndoWarning = false;
  options.LastFolder.clear();
}

}  // namespace

std::vector<std::string> ReadDelimitedFields(std::string_view text) {
  std::vector<std::string> fields;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string field;
    if (i < n && text[i] == '"') {
      // A quoted field runs to the next quote; anything after it up to the delimiter
      // is skipped.
      const std::size_t close = text.find('"', i + 1);
      const std::size_t stop = close == std::string_view::npos ? n : close;
      field.assign(text.substr(i + 1, stop - i - 1));
      i = stop == n ? n : stop + 1;
      while (i < n && text[i] != ',' && !IsLineEnd(text[i])) ++i;
    } else {
      const std::size_t start = i;
      while (i < n && text[i] != ',' && !IsLineEnd(text[i])) ++i;
      field.assign(text.substr(start, i - start));
      while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.pop_back();
    }
    fields.push_back(std::move(field));
    // One delimiter: a comma, or a line end (CR LF counts as one).
    if (i < n && text[i] == ',') {
      ++i;
    } else if (i < n && text[i] == '\r') {
      ++i;
      if (i < n && text[i] == '\n') ++i;
    } else if (i < n && text[i] == '\n') {
      ++i;
    }
  }
  return fields;
}

void ApplySettingsText(Options& options, std::string_view text) {
  const std::vector<std::string> fields = ReadDelimitedFields(text);
  if (fields.size() < 4) return ApplyFailureValues(options);

  std::int16_t limit = kDefaultMaxSelectLimit;
  if (!fields[0].empty()) {
    const auto parsed = ParseInt16(fields[0]);
    if (!parsed) return ApplyFailureValues(options);
    limit = *parsed;
  }
  options.MaxSelectLimit = limit;
  options.ShowLittleHelp = !(fields[1].empty() || fields[1] == "0");
  options.NoUndoWarning = !(fields[2].empty() || fields[2] == "0");
  options.LastFolder = fields[3];
}

void LoadSettings(Session& s) {
  const auto content = ReadWholeFile(s.state.SettingsPath, kMaxSettingsBytes);
  if (!content) return ApplyFailureValues(s.options);
  ApplySettingsText(s.options, *content);
}

std::string FormatSettings(const Options& options) {
  // No escaping exists in the format: a folder holding a quote would not read back,
  // so it is not remembered.
  const std::string& last =
      options.LastFolder.find('"') == std::string::npos ? options.LastFolder : std::string();
  std::string out;
  auto record = [&out](const std::string& value) {
    out += '"';
    out += value;
    out += '"';
    out += kLineEnd;
  };
  record(std::to_string(options.MaxSelectLimit));
  record(options.ShowLittleHelp ? "1" : "0");
  record(options.NoUndoWarning ? "1" : "0");
  record(last);
  return out;
}

void SaveSettings(Session& s) {
  // Housekeeping: a failure loses this session's settings and is not reported.
  (void)WriteFileAtomic(s.state.SettingsPath, FormatSettings(s.options));
}

}  // namespace quillon
