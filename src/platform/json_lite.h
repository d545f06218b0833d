#pragma once
// The little JSON the core writes and reads back itself (the undo journal): names as
// strings when they are UTF-8 and as lists of byte values otherwise, so that every name
// round-trips exactly. The reader takes one value and refuses anything it cannot hold.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::json {

// A JSON string literal for `text` (UTF-8).
std::string Quote(std::string_view text);
// A name: a string literal when it is UTF-8, else a list of its byte values.
std::string Name(std::string_view bytes);
// The same, appended to `out`.
void AppendQuoted(std::string& out, std::string_view text);
void AppendName(std::string& out, std::string_view bytes);

struct Value {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  std::int64_t number = 0;
  std::string string;
  std::vector<Value> array;
  std::map<std::string, Value> object;

  const Value* Find(const std::string& key) const;
};

// One value of `text` (surrounding white space allowed); nullopt when it is not JSON this
// reader can hold (numbers are whole and fit 64 bits; nesting is at most 16 deep).
std::optional<Value> Parse(std::string_view text);
// A name written by Name(); nullopt for anything else.
std::optional<std::string> NameOf(const Value& value);

}  // namespace quillon::json
