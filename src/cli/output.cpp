#include "cli/output.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "cli/commands.h"
#include "platform/text.h"

namespace quillon::cli {

nlohmann::json NameJson(const std::string& name) {
  if (IsValidUtf8(name)) return name;
  // Code points escaping undecodable bytes show as U+FFFD.
  std::u32string text = DecodeUtf8(name);
  for (char32_t& c : text) {
    if (c >= 0xDC80 && c <= 0xDCFF) c = 0xFFFD;
  }
  return EncodeUtf8(text);
}

namespace {

nlohmann::json Bytes(const std::string& name) {
  nlohmann::json bytes = nlohmann::json::array();
  for (const char c : name) bytes.push_back(static_cast<unsigned char>(c));
  return bytes;
}

// A placeholder for a raw member, as the dump writes it.
std::string Placeholder(const std::string& key) {
  return "\x01raw:" + key;
}

void AppendJsonString(std::string& out, const std::string& name) {
  const std::string repaired =
      IsValidUtf8(name) ? std::string() : NameJson(name).get<std::string>();
  const std::string& text = repaired.empty() ? name : repaired;
  out.push_back('"');
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Runs that need no escape go in at once.
    std::size_t plain = i;
    while (plain < text.size() && text[plain] != '"' && text[plain] != '\\' &&
           static_cast<unsigned char>(text[plain]) >= 0x20) {
      ++plain;
    }
    out.append(text, i, plain - i);
    if (plain == text.size()) break;
    i = plain;
    const char c = text[i];
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out.push_back(c);
        }
    }
  }
  out.push_back('"');
}

}  // namespace

void SetName(nlohmann::json& object, const std::string& key, const std::string& name) {
  object[key] = NameJson(name);
  if (!IsValidUtf8(name)) object[key + "_bytes"] = Bytes(name);
}

void SetNames(nlohmann::json& object, const std::string& key,
              const std::vector<std::string>& names) {
  nlohmann::json shown = nlohmann::json::array();
  nlohmann::json bytes = nlohmann::json::array();
  bool needed = false;
  for (const std::string& name : names) {
    shown.push_back(NameJson(name));
    const bool valid = IsValidUtf8(name);
    bytes.push_back(valid ? nlohmann::json(nullptr) : Bytes(name));
    needed = needed || !valid;
  }
  object[key] = shown;
  if (needed) object[key + "_bytes"] = bytes;
}

// Rows are members of the top object: items at four spaces, their fields at six.
void RowsText::Begin() {
  text_ += rows_ == 0 ? "[\n    {" : ",\n    {";
  ++rows_;
  firstField_ = true;
}
void RowsText::Key(std::string_view key) {
  text_ += firstField_ ? "\n      \"" : ",\n      \"";
  firstField_ = false;
  text_ += key;
  text_ += "\": ";
}
void RowsText::String(const char* key, const std::string& name) {
  Key(key);
  AppendJsonString(text_, name);
  if (IsValidUtf8(name)) return;
  Key(std::string(key) + "_bytes");
  text_.push_back('[');
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (i > 0) text_ += ", ";
    text_ += std::to_string(static_cast<unsigned char>(name[i]));
  }
  text_.push_back(']');
}
void RowsText::Number(const char* key, long number) {
  Key(key);
  text_ += std::to_string(number);
}
void RowsText::Null(const char* key) {
  Key(key);
  text_ += "null";
}
void RowsText::End() {
  text_ += "\n    }";
}
std::string RowsText::Take() {
  std::string text = rows_ == 0 ? std::string("[]") : std::move(text_.append("\n  ]"));
  text_.clear();
  rows_ = 0;
  return text;
}

Output::Output(bool json) : json_(json) {
  // The form of the object; a change that could break a reader raises it.
  object_["schema"] = 1;
}

void Output::Raw(const std::string& key, std::string text) {
  object_[key] = Placeholder(key);
  raw_.emplace_back(key, std::move(text));
}

int Output::Finish(int status) {
  if (json_) {
    const std::string text = object_.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
    // Each raw member goes out in the place of its placeholder, written as it is rather
    // than spliced into one copy of the whole output.
    struct Splice {
      std::size_t at, length;
      const std::string* raw;
    };
    std::vector<Splice> splices;
    for (const auto& [key, raw] : raw_) {
      // The placeholder as the dump wrote it; a quote inside a string is escaped, so only
      // the member's own value matches.
      const std::string dumped =
          nlohmann::json(key).dump() + ": " + nlohmann::json(Placeholder(key)).dump();
      const std::size_t at = text.find(dumped);
      const std::size_t value = nlohmann::json(key).dump().size() + 2;
      if (at != std::string::npos) splices.push_back({at + value, dumped.size() - value, &raw});
    }
    std::sort(splices.begin(), splices.end(),
              [](const Splice& a, const Splice& b) { return a.at < b.at; });
    std::size_t written = 0;
    for (const Splice& splice : splices) {
      std::cout.write(text.data() + written, static_cast<std::streamsize>(splice.at - written));
      std::cout.write(splice.raw->data(), static_cast<std::streamsize>(splice.raw->size()));
      written = splice.at + splice.length;
    }
    std::cout.write(text.data() + written, static_cast<std::streamsize>(text.size() - written));
    std::cout << "\n";
  }
  WriteLines();
  std::cout.flush();
  std::cerr << complaints_ << std::flush;
  complaints_.clear();
  return status;
}

void Output::Line(std::initializer_list<std::string_view> pieces) {
  if (json_) return;
  for (const std::string_view piece : pieces) lines_.append(piece);
  lines_.push_back('\n');
  if (lines_.size() >= kLinesBuffer) WriteLines();
}

void Output::WriteLines() {
  std::cout.write(lines_.data(), static_cast<std::streamsize>(lines_.size()));
  lines_.clear();
}

void Output::Complain(const std::string& where, const std::string& text) {
  complaints_ += "quillon-cli: ";
  if (!where.empty()) complaints_ += where + ": ";
  complaints_ += text;
  complaints_.push_back('\n');
}

int Output::Refuse(const std::string& key, const std::string& text) {
  object_["refused"] = {{"key", key}, {"text", text}};
  Complain("", text + " (" + key + ")");
  return Finish(kExitRefused);
}

int Output::Error(const std::string& message, const std::string& where, const std::string& said) {
  if (json_) object_["error"]["message"] = message;
  Complain(where, said.empty() ? message : said);
  return Finish(kExitUsage);
}

}  // namespace quillon::cli
