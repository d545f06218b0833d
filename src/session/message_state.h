#pragma once
// The message window's state: what is being shown, and the nickname it is addressed to.
#include <cstdint>
#include <string>

namespace quillon {

struct MessageState {
  std::string MessageKey;
  std::string MessageReadyText;
  std::string MessageHead;
  std::string MessageText;
  std::string MessageButtons;
  std::string MessageInput;
  std::string UserNickname;

  // Values the "MessageAutoLetterImpossible" text shows; cleared with the message.
  std::string AutoLetterStart;
  std::string AutoLetterLimitText;
  std::int16_t AutoLetterCapacityValue = 0;
};

}  // namespace quillon
