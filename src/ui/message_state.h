#pragma once
// The message window's state: what is shown and the answer left for the caller.
#include <string>

namespace quillon {

struct MessageState {
  std::string MessageKey;
  std::string MessageReadyText;
  std::string MessageHead;
  std::string MessageText;
  std::string MessageButtons;
  std::string MessageInput;
  std::string MessageAnswer;
  std::string UserNickname;
};

}  // namespace quillon
