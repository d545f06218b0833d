#pragma once
// Every message is shown by key in the modal message window. A caller stores the key in
// MessageKey (and a "ready" message's text in MessageReadyText) and calls a show
// operation; it composes head, text and buttons, opens the window through the port, keeps
// what the answer sets (the undo warning, the nickname), clears the message state and
// returns the answer. What the answer means for the caller's window is the caller's.
#include <cstdint>
#include <string>

namespace quillon {

struct Session;
struct MessageReply;
class UserInterface;

// How the user closed a message: OK (Yes) or Cancel (No), and the answer code the key
// gives for it ("ActionContinue", "CriteriaSetAgain", "SetRenameABOKAgain",
// "GoToWebSite", or "").
struct Answer {
  bool ok = true;
  std::string code;
};

// Catalogue messages. A key that is not in the catalogue shows nothing.
Answer ShowMessageByKey(Session& s, UserInterface& ui);
// The same for `key`, stored in MessageKey first.
Answer ShowMessage(Session& s, UserInterface& ui, const std::string& key);
// "Ready" messages, whose text the caller put in MessageReadyText.
Answer ShowReadyMessage(Session& s, UserInterface& ui);
// Messages of start-up, environment checks and the personal settings. A key that is not
// in the catalogue shows nothing.
Answer ShowStartupMessage(Session& s, UserInterface& ui);
// The error report of a failed file procedure; MessageKey holds its "Bug-Quillon-..." tag.
// `reason` (the file and the system's answer) follows the report's text when given.
Answer ShowErrorReport(Session& s, UserInterface& ui, const std::string& reason = "");

// "MessageAutoLetterImpossible" for a lettering run that would run out of letters. OK
// sets autoLetterCapacity (the caller's AutoLetterCapacity) to 0.
void ShowAutoLetterImpossible(Session& s, UserInterface& ui, const std::string& startLetters,
                              const std::string& autoLetterLimit, std::int16_t& autoLetterCapacity);

// The window's OK (Yes) and Cancel (No) logic for the key in MessageKey: what the answer
// sets, and its answer code; then the message state is cleared. The show operations run
// them after the answer.
std::string MessageOK(Session& s, const MessageReply& reply);
std::string MessageCancel(Session& s, const MessageReply& reply);

// The message window's caption: "Message For - " + nickname, or the fixed caption.
std::string MessageCaption(const Session& s);

}  // namespace quillon
