#pragma once
// The message window's state: what is shown and the answer left for the caller.
#include <cstdint>
#include <functional>
#include <string>

namespace quillon {

// Follow-ups of answers whose work belongs to other windows. The owners plug them in;
// one that is not set does nothing.
struct MessageFollowUps {
  std::function<void()> unselectConflicts;     // "MessageReadyFoundConflict" OK
  std::function<void()> cancelConflictReport;  // "MessageReadyFoundConflict" Cancel
  std::function<void()> setNoReplace;          // "MessageReplaceMultiName" OK
  std::function<void()> focusAutoStart;        // "MessageMultiNameRenOK" Yes
  std::function<void()> uncheckReplace;        // "MessageMultiNameRenOK" No
};

struct MessageState {
  std::string MessageKey;
  std::string MessageReadyText;
  std::string MessageHead;
  std::string MessageText;
  std::string MessageButtons;
  std::string MessageInput;
  std::string MessageAnswer;
  std::string UserNickname;

  // Values the "MessageAutoLetterImpossible" text shows; cleared with the message.
  std::string AutoLetterStart;
  std::string AutoLetterLimitText;
  std::int16_t AutoLetterCapacityValue = 0;

  MessageFollowUps FollowUps;
};

}  // namespace quillon
