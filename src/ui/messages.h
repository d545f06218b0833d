#pragma once
// Every message is shown by key in the modal message window. A caller stores the key in
// MessageKey (and a "ready" message's text in MessageReadyText) and calls a show
// operation; it composes head, text and buttons, opens the window through the port, runs
// the key's follow-up for the answer and clears the message state. The caller then reads
// MessageAnswer.
#include <cstdint>
#include <string>

namespace quillon {

struct Session;
struct MessageReply;
class UserInterface;

// Catalogue messages. A key that is not in the catalogue shows nothing.
void ShowMessageByKey(Session& s, UserInterface& ui);
// "Ready" messages, whose text the caller put in MessageReadyText.
void ShowReadyMessage(Session& s, UserInterface& ui);
// Messages of start-up, environment checks and the personal settings. A key that is not
// in the catalogue shows nothing.
void ShowStartupMessage(Session& s, UserInterface& ui);
// The error report of a failed file procedure; MessageKey holds its "Bug-Quillon-..." tag.
void ShowErrorReport(Session& s, UserInterface& ui);

// "MessageAutoLetterImpossible" for a lettering run that would run out of letters. OK
// sets autoLetterCapacity (the caller's AutoLetterCapacity) to 0.
void ShowAutoLetterImpossible(Session& s, UserInterface& ui, const std::string& startLetters,
                              const std::string& autoLetterLimit, std::int16_t& autoLetterCapacity);

// The window's OK (Yes) and Cancel (No) logic: the follow-up of the key in MessageKey,
// then the message state is cleared. The show operations run them after the answer.
void MessageOK(Session& s, const MessageReply& reply);
void MessageCancel(Session& s, const MessageReply& reply);

// The message window's caption: "Message For - " + nickname, or the fixed caption.
std::string MessageCaption(const Session& s);

}  // namespace quillon
