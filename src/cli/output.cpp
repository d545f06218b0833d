#include "cli/output.h"

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

int Output::Finish(int status) {
  if (json_) {
    std::cout << object_.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
  } else {
    std::cout << lines_;
  }
  return status;
}

int Output::Refuse(const std::string& key, const std::string& text) {
  object_["refused"] = {{"key", key}, {"text", text}};
  Line("refused (" + key + "): " + text);
  return Finish(kExitRefused);
}

int Output::Error(const std::string& message) {
  if (json_) object_["error"] = {{"message", message}};
  std::cerr << "quillon-cli: " << message << "\n";
  return Finish(kExitUsage);
}

}  // namespace quillon::cli
