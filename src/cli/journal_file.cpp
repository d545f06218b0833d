#include "cli/journal_file.h"

#include <nlohmann/json.hpp>

#include "platform/text.h"

namespace quillon::cli {
namespace {

using nlohmann::json;

// Names may hold any bytes: they are kept as JSON strings when they are UTF-8 and as
// lists of byte values otherwise, so that every name reads back exactly.
json NameToJson(const std::string& name) {
  if (IsValidUtf8(name)) return name;
  json bytes = json::array();
  for (unsigned char c : name) bytes.push_back(c);
  return bytes;
}

std::optional<std::string> NameFromJson(const json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (!value.is_array()) return std::nullopt;
  std::string name;
  for (const json& byte : value) {
    if (!byte.is_number_unsigned() || byte.get<unsigned>() > 255) return std::nullopt;
    name.push_back(static_cast<char>(byte.get<unsigned>()));
  }
  return name;
}

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out.push_back(digits[c >> 4]);
    out.push_back(digits[c & 15]);
  }
  return out;
}

std::optional<std::string> FromHex(const std::string& text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const auto nibble = [](char c) -> int {
      if (c >= '0' && c <= '9') return c - '0';
      if (c >= 'a' && c <= 'f') return c - 'a' + 10;
      return -1;
    };
    const int high = nibble(text[i]), low = nibble(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    out.push_back(static_cast<char>(high * 16 + low));
  }
  return out;
}

}  // namespace

std::string JournalToJson(const JournalFile& file) {
  const UndoJournal& j = file.journal;
  json out = {{"TextUndoAction", j.TextUndoAction},
              {"TextUndoWorkDir", NameToJson(j.TextUndoWorkDir)},
              {"TextUndoMoveDir", NameToJson(j.TextUndoMoveDir)},
              {"TextUndoWorkPath", NameToJson(j.TextUndoWorkPath)},
              {"TextUndoMovePath", NameToJson(j.TextUndoMovePath)},
              {"used", file.used}};
  json& rows = out["rows"] = json::array();
  for (std::size_t i = 0; i < j.ComboUndoOldName.size(); ++i) {
    json row = {{"old", NameToJson(j.ComboUndoOldName[i])},
                {"new", NameToJson(i < j.ComboUndoNewName.size() ? j.ComboUndoNewName[i] : "")}};
    if (i < j.ComboUndoAttr.size()) row["attr"] = j.ComboUndoAttr[i];
    if (i < j.ComboUndoRawAttr.size() && j.ComboUndoRawAttr[i]) {
      const RawAttributes& raw = *j.ComboUndoRawAttr[i];
      row["mode"] = raw.mode;
      row["dosAttrib"] = raw.hasDosAttrib ? json(Hex(raw.dosAttribBytes)) : json(nullptr);
    }
    rows.push_back(std::move(row));
  }
  // Compact: a journal of many thousands of rows stays small.
  std::string text = out.dump();
  return text + "\n";
}

std::optional<JournalFile> JournalFromJson(const std::string& text, std::string& error) {
  const json root = json::parse(text, nullptr, /*allow_exceptions=*/false);
  auto fail = [&](const std::string& why) -> std::optional<JournalFile> {
    error = "journal: " + why;
    return std::nullopt;
  };
  if (root.is_discarded() || !root.is_object()) return fail("not a journal file");
  JournalFile file;
  UndoJournal& j = file.journal;
  if (!root.contains("TextUndoAction") || !root["TextUndoAction"].is_string()) {
    return fail("TextUndoAction is missing");
  }
  j.TextUndoAction = root["TextUndoAction"].get<std::string>();
  const std::pair<const char*, std::string*> paths[] = {{"TextUndoWorkDir", &j.TextUndoWorkDir},
                                                        {"TextUndoMoveDir", &j.TextUndoMoveDir},
                                                        {"TextUndoWorkPath", &j.TextUndoWorkPath},
                                                        {"TextUndoMovePath", &j.TextUndoMovePath}};
  for (const auto& [key, field] : paths) {
    const auto value = root.contains(key) ? NameFromJson(root[key]) : std::nullopt;
    if (!value) return fail(std::string(key) + " is missing");
    *field = *value;
  }
  file.used = root.value("used", false);
  if (!root.contains("rows") || !root["rows"].is_array()) return fail("rows are missing");
  const bool attributes = j.TextUndoAction == "Set Attribute";
  for (const json& row : root["rows"]) {
    const auto oldName = row.contains("old") ? NameFromJson(row["old"]) : std::nullopt;
    const auto newName = row.contains("new") ? NameFromJson(row["new"]) : std::nullopt;
    if (!oldName || !newName) return fail("a row lacks its names");
    j.ComboUndoOldName.push_back(*oldName);
    j.ComboUndoNewName.push_back(*newName);
    if (!attributes) continue;
    j.ComboUndoAttr.push_back(row.value("attr", std::string("0")));
    std::optional<RawAttributes> raw;
    if (row.contains("mode") && row["mode"].is_number_unsigned()) {
      RawAttributes value;
      value.mode = row["mode"].get<unsigned>();
      if (row.contains("dosAttrib") && row["dosAttrib"].is_string()) {
        const auto bytes = FromHex(row["dosAttrib"].get<std::string>());
        if (!bytes) return fail("a row's attribute bytes are damaged");
        value.hasDosAttrib = true;
        value.dosAttribBytes = *bytes;
      }
      raw = value;
    }
    j.ComboUndoRawAttr.push_back(raw);
  }
  return file;
}

}  // namespace quillon::cli
