#include "platform/json_lite.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "platform/text.h"

namespace quillon::json {
namespace {

constexpr int kMaxDepth = 16;

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool Read(Value& out, int depth) {
    Space();
    if (depth > kMaxDepth || at_ >= text_.size()) return false;
    const char c = text_[at_];
    if (c == '{') return Object(out, depth);
    if (c == '[') return Array(out, depth);
    if (c == '"') {
      out.kind = Value::Kind::String;
      return String(out.string);
    }
    if (Word("true")) return Set(out, Value::Kind::Bool, true);
    if (Word("false")) return Set(out, Value::Kind::Bool, false);
    if (Word("null")) return Set(out, Value::Kind::Null, false);
    return Number(out);
  }
  bool AtEnd() {
    Space();
    return at_ == text_.size();
  }

 private:
  static bool Set(Value& out, Value::Kind kind, bool value) {
    out.kind = kind;
    out.boolean = value;
    return true;
  }
  void Space() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t')) {
      ++at_;
    }
  }
  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  bool Number(Value& out) {
    const char* begin = text_.data() + at_;
    const char* end = text_.data() + text_.size();
    std::int64_t value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop == begin) return false;
    at_ += static_cast<std::size_t>(stop - begin);
    out.kind = Value::Kind::Number;
    out.number = value;
    return true;
  }
  bool Hex4(std::uint32_t& out) {
    if (at_ + 4 > text_.size()) return false;
    out = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      out <<= 4;
      if (c >= '0' && c <= '9') {
        out |= static_cast<std::uint32_t>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        out |= static_cast<std::uint32_t>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        out |= static_cast<std::uint32_t>(c - 'A' + 10);
      } else {
        return false;
      }
    }
    return true;
  }
  bool String(std::string& out) {
    ++at_;  // the opening quote
    out.clear();
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out.push_back(c);
        continue;
      }
      if (at_ >= text_.size()) return false;
      const char e = text_[at_++];
      switch (e) {
        case '"':
          out.push_back('"');
          break;
        case '\\':
          out.push_back('\\');
          break;
        case '/':
          out.push_back('/');
          break;
        case 'b':
          out.push_back('\b');
          break;
        case 'f':
          out.push_back('\f');
          break;
        case 'n':
          out.push_back('\n');
          break;
        case 'r':
          out.push_back('\r');
          break;
        case 't':
          out.push_back('\t');
          break;
        case 'u': {
          std::uint32_t code = 0;
          if (!Hex4(code)) return false;
          if (code >= 0xD800 && code <= 0xDBFF) {
            std::uint32_t low = 0;
            if (!Word("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          } else if (code >= 0xDC00 && code <= 0xDFFF) {
            return false;
          }
          out += EncodeUtf8(std::u32string(1, static_cast<char32_t>(code)));
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }
  bool Array(Value& out, int depth) {
    ++at_;
    out.kind = Value::Kind::Array;
    Space();
    if (at_ < text_.size() && text_[at_] == ']') {
      ++at_;
      return true;
    }
    for (;;) {
      Value item;
      if (!Read(item, depth + 1)) return false;
      out.array.push_back(std::move(item));
      Space();
      if (at_ >= text_.size()) return false;
      if (text_[at_] == ']') {
        ++at_;
        return true;
      }
      if (text_[at_++] != ',') return false;
    }
  }
  bool Object(Value& out, int depth) {
    ++at_;
    out.kind = Value::Kind::Object;
    Space();
    if (at_ < text_.size() && text_[at_] == '}') {
      ++at_;
      return true;
    }
    for (;;) {
      Space();
      if (at_ >= text_.size() || text_[at_] != '"') return false;
      std::string key;
      if (!String(key)) return false;
      Space();
      if (at_ >= text_.size() || text_[at_++] != ':') return false;
      Value item;
      if (!Read(item, depth + 1)) return false;
      out.object[key] = std::move(item);
      Space();
      if (at_ >= text_.size()) return false;
      if (text_[at_] == '}') {
        ++at_;
        return true;
      }
      if (text_[at_++] != ',') return false;
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

void AppendQuoted(std::string& out, std::string_view text) {
  static const char* kHex = "0123456789abcdef";
  out.push_back('"');
  for (std::size_t i = 0; i < text.size();) {
    // Runs that need no escape go in at once.
    std::size_t plain = i;
    while (plain < text.size() && text[plain] != '"' && text[plain] != '\\' &&
           static_cast<unsigned char>(text[plain]) >= 0x20) {
      ++plain;
    }
    out.append(text, i, plain - i);
    if (plain == text.size()) break;
    const char c = text[plain];
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(c);
    } else {
      out += "\\u00";
      out.push_back(kHex[u >> 4]);
      out.push_back(kHex[u & 15]);
    }
    i = plain + 1;
  }
  out.push_back('"');
}

std::string Quote(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  AppendQuoted(out, text);
  return out;
}

namespace {

// The bytes a name may hold that go between its quotes as they are: printable ASCII but
// the quote and the backslash.
constexpr std::array<bool, 256> kPlainNameByte = [] {
  std::array<bool, 256> plain{};
  for (int c = 0x20; c < 0x80; ++c) plain[c] = c != '"' && c != '\\';
  return plain;
}();

}  // namespace

void AppendName(std::string& out, std::string_view bytes) {
  // Most names are plain ASCII, with nothing to check or escape (a job writes two per
  // file, so one table lookup per byte).
  const bool plain = std::all_of(bytes.begin(), bytes.end(), [](char c) {
    return kPlainNameByte[static_cast<unsigned char>(c)];
  });
  if (plain) {
    const std::size_t at = out.size();
    out.resize(at + bytes.size() + 2);
    char* p = out.data() + at;
    *p = '"';
    bytes.copy(p + 1, bytes.size());
    p[bytes.size() + 1] = '"';
    return;
  }
  if (IsValidUtf8(bytes)) return AppendQuoted(out, bytes);
  out.push_back('[');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) out.push_back(',');
    out += std::to_string(static_cast<unsigned char>(bytes[i]));
  }
  out.push_back(']');
}

std::string Name(std::string_view bytes) {
  std::string out;
  AppendName(out, bytes);
  return out;
}

const Value* Value::Find(const std::string& key) const {
  if (kind != Kind::Object) return nullptr;
  const auto found = object.find(key);
  return found == object.end() ? nullptr : &found->second;
}

std::optional<Value> Parse(std::string_view text) {
  Reader reader(text);
  Value value;
  if (!reader.Read(value, 0) || !reader.AtEnd()) return std::nullopt;
  return value;
}

std::optional<std::string> NameOf(const Value& value) {
  if (value.kind == Value::Kind::String) return value.string;
  if (value.kind != Value::Kind::Array) return std::nullopt;
  std::string name;
  for (const Value& byte : value.array) {
    if (byte.kind != Value::Kind::Number || byte.number < 0 || byte.number > 255) {
      return std::nullopt;
    }
    name.push_back(static_cast<char>(byte.number));
  }
  return name;
}

}  // namespace quillon::json
