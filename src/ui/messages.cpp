// The show operations of the message window and the follow-ups of its answers.
#include "ui/messages.h"

#include <array>
#include <string_view>
#include <utility>

#include "session/session.h"
#include "ui/message_catalogue.h"
#include "ui/user_interface.h"

namespace quillon {
namespace {

constexpr std::string_view kDefaultNickname = "Buddy";

std::string HeadLine(const Session& s) {
  const std::string& nickname = s.message.UserNickname;
  return nickname.empty() ? std::string(kDefaultNickname) : nickname;
}

// Replaces the catalogue's placeholders in one pass, so a filled-in value is never read
// as a placeholder itself.
std::string FillPlaceholders(std::string_view text, const Session& s) {
  const std::array<std::pair<std::string_view, std::string>, 5> values{{
      {"{action}", s.state.ActionName},
      {"{start}", s.message.AutoLetterStart},
      {"{limit}", s.message.AutoLetterLimitText},
      {"{capacity}", std::to_string(s.message.AutoLetterCapacityValue)},
      {"{count}", std::to_string(s.state.SelectedCount)},
  }};
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    bool replaced = false;
    if (text[i] == '{') {
      for (const auto& [name, value] : values) {
        if (text.substr(i, name.size()) == name) {
          out += value;
          i += name.size();
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) out += text[i++];
  }
  return out;
}

// Head and buttons every message starts from.
void StartMessage(Session& s) {
  s.message.MessageHead = HeadLine(s);
  s.message.MessageButtons = "OK";
  s.message.MessageInput.clear();
}

void TakeCatalogueEntry(Session& s, const CatalogueMessage& entry) {
  StartMessage(s);
  s.message.MessageButtons = entry.buttons;
  s.message.MessageInput = entry.input;
  s.message.MessageText = FillPlaceholders(entry.text, s);
}

void ClearMessage(MessageState& m) {
  m.MessageKey.clear();
  m.MessageHead.clear();
  m.MessageText.clear();
  m.MessageButtons.clear();
  m.MessageInput.clear();
  m.AutoLetterStart.clear();
  m.AutoLetterLimitText.clear();
  m.AutoLetterCapacityValue = 0;
}

// Opens the window for the composed message, then runs OK or Cancel for the answer.
Answer OpenAndAnswer(Session& s, UserInterface& ui) {
  MessageWindowContent content;
  content.caption = MessageCaption(s);
  content.head = s.message.MessageHead;
  content.text = s.message.MessageText;
  content.buttons = s.message.MessageButtons;
  content.input = s.message.MessageInput;
  content.checkDoNotShow = s.options.NoUndoWarning;

  MessageReply reply = ui.OpenMessageWindow(content);
  s.message.MessageReadyText.clear();
  // A window with only OK can close no other way.
  if (content.buttons == "OK") reply.ok = true;
  if (content.input == "InputCheck") s.options.NoUndoWarningPending = reply.checkDoNotShow;

  Answer answer;
  answer.ok = reply.ok;
  answer.code = reply.ok ? MessageOK(s, reply) : MessageCancel(s, reply);
  return answer;
}

}  // namespace

std::string MessageCaption(const Session& s) {
  const std::string& nickname = s.message.UserNickname;
  if (nickname.empty() || nickname == kDefaultNickname) return s.state.ProductName + " Message";
  return "Message For - " + nickname;
}

Answer ShowMessageByKey(Session& s, UserInterface& ui) {
  const CatalogueMessage* entry = FindMessage(KeyCatalogue(), s.message.MessageKey);
  if (entry == nullptr) return Answer{false, ""};
  TakeCatalogueEntry(s, *entry);
  return OpenAndAnswer(s, ui);
}

Answer ShowMessage(Session& s, UserInterface& ui, const std::string& key) {
  s.message.MessageKey = key;
  return ShowMessageByKey(s, ui);
}

Answer ShowReadyMessage(Session& s, UserInterface& ui) {
  StartMessage(s);
  s.message.MessageButtons = ReadyButtons(s.message.MessageKey);
  s.message.MessageText = std::string(ReadyPrefix(s.message.MessageKey));
  s.message.MessageText += s.message.MessageReadyText;
  return OpenAndAnswer(s, ui);
}

Answer ShowStartupMessage(Session& s, UserInterface& ui) {
  const CatalogueMessage* entry = FindMessage(StartupCatalogue(), s.message.MessageKey);
  if (entry == nullptr) return Answer{false, ""};
  TakeCatalogueEntry(s, *entry);
  return OpenAndAnswer(s, ui);
}

Answer ShowErrorReport(Session& s, UserInterface& ui, const std::string& reason) {
  StartMessage(s);
  s.message.MessageText = ErrorReportText(s.message.MessageKey);
  if (!reason.empty()) s.message.MessageText += "\r\n\r\n" + reason;
  return OpenAndAnswer(s, ui);
}

void ShowAutoLetterImpossible(Session& s, UserInterface& ui, const std::string& startLetters,
                              const std::string& autoLetterLimit,
                              std::int16_t& autoLetterCapacity) {
  s.message.MessageKey = "MessageAutoLetterImpossible";
  s.message.AutoLetterStart = startLetters;
  s.message.AutoLetterLimitText = autoLetterLimit;
  s.message.AutoLetterCapacityValue = autoLetterCapacity;
  TakeCatalogueEntry(s, *FindMessage(KeyCatalogue(), s.message.MessageKey));
  if (OpenAndAnswer(s, ui).ok) autoLetterCapacity = 0;
}

std::string MessageOK(Session& s, const MessageReply& reply) {
  const std::string key = s.message.MessageKey;
  std::string code;
  if (key == "MessageReadyIncompleteRen" || key == "MessageMsgEqualsTxt") {
    code = "CriteriaSetAgain";
  } else if (key == "MessageOldUndoExist") {
    s.options.NoUndoWarning = s.options.NoUndoWarningPending;
    code = "ActionContinue";
  } else if (key == "MessageHelpShow") {
    code = "GoToWebSite";
  } else if (key == "MessageGetUserName" || key == "MessageChangeUserName") {
    s.message.UserNickname = reply.input;
  }
  ClearMessage(s.message);
  return code;
}

std::string MessageCancel(Session& s, const MessageReply& /*reply*/) {
  const std::string key = s.message.MessageKey;
  std::string code;
  if (key == "MessageOldUndoExist") {
    s.options.NoUndoWarning = s.options.NoUndoWarningPending;
  } else if (key == "MessageMultiNameRenOK") {
    code = "SetRenameABOKAgain";
  } else if (key == "MessageGetUserName") {
    s.message.UserNickname = kDefaultNickname;
  }
  ClearMessage(s.message);
  return code;
}

}  // namespace quillon
