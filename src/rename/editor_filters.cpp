#include "rename/editor_filters.h"

#include "platform/text.h"
#include "rename/editor_boxes.h"
#include "rename/name_chars.h"
#include "ui/messages.h"

namespace quillon {
namespace {

using B = EditorBox;

constexpr const char* kCrLf2 = "\r\n\r\n";
constexpr const char* kZ = "This number should not start with a 0 (zero).\r\n\r\n";

bool IsDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}
bool IsAsciiLetter(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

KeyVerdict Refuse(const char* key, std::string text = {}) {
  KeyVerdict v;
  v.action = KeyAction::Refuse;
  v.messageKey = key;
  v.messageText = std::move(text);
  return v;
}

// Whether the entry chosen for the number box counts "before" (else "after").
bool Before(const Session& s, EditorBox box) {
  const RenameState& r = s.rename;
  switch (box) {
    case B::TextInsertAfterNumChar:
      return r.OptInsertPlace == 4;
    case B::TextAutoAfterNumChar:
      return r.OptAutoPlace == 4;
    case B::TextDateAfterNumChar:
      return r.OptDatePlace == 4;
    case B::TextReplaceAfterNumChar:
      return r.OptReplacePlace == 4;
    case B::TextReplaceCharAfterNumChar:
      return r.OptReplacePlace == 10;
    case B::TextRemoveAfterNumChar:
      return r.OptRemovePlace == 3;
    case B::TextRemoveCharAfterNumChar:
      return r.OptRemovePlace == 9;
    default:
      return false;
  }
}

const bool* IncludeSpaceFlag(const EditorState& e, EditorBox box) {
  switch (box) {
    case B::TextInsertThis:
      return &e.EdInsertIncludeSpace;
    case B::TextReplaceWith:
      return &e.EdReplaceIncludeSpace;
    case B::TextSpaceWith:
      return &e.EdSpaceIncludeSpace;
    case B::TextHandleWith:
      return &e.EdHandleIncludeSpace;
    default:
      return nullptr;
  }
}

constexpr const char* kExtensionText =
    "In new Extension you can use only Alphabets and Digits 0 to 9. Space or any other Character "
    "can not be included.";
constexpr const char* kIncludeSpaceText =
    "Normally space can not be included in this text. To include Space please check the Include "
    "Space Check Box.";
constexpr const char* kOnlyDigitAutoText =
    "For Auto you can have either Number or Alphabets. Not both and nothing else. Since you have "
    "selected Number you can have only numbers 0 to 9 in this box. Length of the number that you "
    "type in this Box must not exceed 5 digits. This will be the starting number. This number "
    "will increase by 1 for each additional file name.";
constexpr const char* kOnlyAlphaAutoText =
    "For Auto you can have either Number or Alphabets. Not both and nothing else. Since you have "
    "selected Letter you can have only Alphabets A to Z or a to z. To get small letters you must "
    "check the Small Letter Check Box.\r\n\r\nYou can have combination of upto 3 Alphabets. This "
    "will be the starting Text and will increase for each additional file names in Ascending "
    "order.";

constexpr const char* kPatternText =
    "A pattern can not hold the character / : no file name has one.";

// A refusal's message: a catalogue message, or a "ready" one with the verdict's text.
void ShowRefusal(Session& s, UserInterface& ui, const KeyVerdict& verdict) {
  if (verdict.messageKey.empty()) return;
  s.message.MessageKey = verdict.messageKey;
  if (verdict.messageText.empty()) {
    ShowMessageByKey(s, ui);
  } else {
    s.message.MessageReadyText = verdict.messageText;
    ShowReadyMessage(s, ui);
  }
}

}  // namespace

std::string DigitText(const Session& s, EditorBox box) {
  const std::string d = Before(s, box) ? "before" : "after";
  const std::string k = s.rename.OptAutoKind == 2 ? "Letter" : "Nmber";
  switch (box) {
    case B::TextInsertAfterNumChar:
      return "You have selected to Insert a Text in the file names " + d +
             " a selected number of Character. In this box type only the number of Character " + d +
             " which you want to Insert the Text.";
    case B::TextAutoAfterNumChar:
      return "You have selected to insert Auto " + k + " in the file names " + d +
             " a selected number of Character. In this box type only the number of Character " + d +
             " which you want to insert Auto " + k + ".";
    case B::TextDateAfterNumChar:
      return "You have selected to insert the Date in the file names " + d +
             " a selected number of Character. In this box type only the number of Character " + d +
             " which you want to insert the Date.";
    case B::TextReplaceAfterNumChar:
      return "You have selected to Replace everything " + d +
             " a selected number of Character. In this box type only the number of Character " + d +
             " which you want to Replace.";
    case B::TextReplaceCharAfterNumChar:
      return "You have selected to Replace a number of Character " + d +
             " a selected number of Character. In this box type only the number of Character " + d +
             " which you want to Replace.";
    case B::TextRemoveAfterNumChar:
      return "You have selected to Remove everything " + d +
             " a selected number of Character. In this box type only the number of Character " + d +
             " which you want to Remove.";
    case B::TextRemoveCharAfterNumChar:
      return "You have selected to Remove a number of Character " + d +
             " a selected number of Character. In this box type only the number of Character " + d +
             " which you want to Remove.";
    case B::TextReplaceNumChar:
      return "You have selected to Replace a number of Character. Type in the box the number of "
             "Character that you want to Replace.";
    case B::TextRemoveNumChar:
      return "You have selected to Remove a number of Character. Type in the box the number of "
             "Character that you want to Remove.";
    default:
      return "";
  }
}

std::string ZeroText(const Session& s, EditorBox box) {
  const bool before = Before(s, box);
  const std::string d = before ? "before" : "after";
  const std::string e = before ? "end" : "start";
  const std::string k = s.rename.OptAutoKind == 2 ? "Letter" : "Nmber";
  const std::string z = kZ;
  switch (box) {
    case B::TextInsertAfterNumChar:
      return z + "You have selected to Insert a Text in the file names " + d +
             " a selected number of Character. Number of Character must be higher than zero." +
             kCrLf2 + "Inserting " + d + " 0(zero) Character will insert at " + e +
             " of file names. If you want exactly that then select that option instead.";
    case B::TextAutoAfterNumChar:
      return z + "You have selected to insert Auto " + k + " in the file names " + d +
             " a selected number of Character. Number of Character must be higher than zero." +
             kCrLf2 + "Selecting 0 (zero) will insert it at " + e +
             " of file names. If you want exactly that then select that option instead.";
    case B::TextDateAfterNumChar:
      return z + "You have selected to insert the Date in the file names " + d +
             " a selected number of Character. Number of Character must be higher than zero." +
             kCrLf2 + "Selecting 0 (zero) will insert it at " + e +
             " of file names. If you want exactly that then select that option instead.";
    case B::TextReplaceAfterNumChar:
      return z + "You have selected to Replace everything " + d +
             " a selected number of Character. Number of Character " + d +
             " which you want to Replace must be higher than zero." + kCrLf2 +
             "Replacing everything " + d +
             " zero Character will Replace the file names. If you want exactly that then select "
             "that option instead.";
    case B::TextReplaceCharAfterNumChar:
      return z + "You have selected to Replace a number of Character " + d +
             " a selected number of Character. Number of Character " + d +
             " which you want to Replace must be higher than zero." + kCrLf2 + "Replacing " + d +
             " zero Character will Replace from " + e +
             " of file names. If you want exactly that then select that option instead.";
    case B::TextRemoveAfterNumChar:
      return z + "You have selected to Remove everything " + d +
             " a selected number of Character. Number of Character " + d +
             " which you want to Remove must be higher than zero. Replacing everything " + d +
             " zero Character will Remove the file names which is not allowed." + kCrLf2 +
             "If you want to Replace file names with a new name then in Replace select File Name "
             "option instead.";
    case B::TextRemoveCharAfterNumChar:
      return z + "You have selected to Remove a number of Character " + d +
             " a selected number of Character. Number of Character " + d +
             " which you want to Remove must be higher than zero." + kCrLf2 + "Removing " + d +
             " zero Character will Remove from " + e +
             " of file names. If you want exactly that then select that option instead.";
    case B::TextReplaceNumChar:
      return z +
             "You have selected to Replace a number of Character. Number of Character that you "
             "want to Replace must be higher than zero. Type in the box the number of Character "
             "that you want to Replace.";
    case B::TextRemoveNumChar:
      return z +
             "You have selected to Remove a number of Character. Number of Character that you "
             "want to Remove must be higher than zero. Type in the box the number of Character "
             "that you want to Remove.";
    default:
      return "";
  }
}

KeyVerdict EditorKeyFilter(const Session& s, EditorBox box, char32_t key) {
  if (key == kKeyBackspace || key == kKeyEnter) return {};
  if (box == B::TextExt) {
    if (IsDigit(key) || IsAsciiLetter(key)) return {};
    return Refuse("MessageOnlyReadyMsg", kExtensionText);
  }
  if (box == B::TextReplacePattern) {
    // Any character a name can hold, and the pattern's own; "/" is in no name.
    if (key == U'/' || key == 0) return Refuse("MessageOnlyReadyMsg", kPatternText);
    return {};
  }
  if (const bool* flag = IncludeSpaceFlag(s.editor, box)) {
    if (key == U' ')
      return *flag ? KeyVerdict{} : Refuse("MessageReadyIncludeSpace", kIncludeSpaceText);
    if (IsNewNameChar(key, /*spaceAllowed=*/false)) return {};
    return Refuse("MessageNewNameChars");
  }
  if (box == B::TextAutoStart) {
    const int kind = s.rename.OptAutoKind;
    if (kind == 1)
      return IsDigit(key) ? KeyVerdict{} : Refuse("MessageReadyOnlyDigit", kOnlyDigitAutoText);
    if (kind == 2) {
      if (!IsAsciiLetter(key)) return Refuse("MessageReadyOnlyAlpha", kOnlyAlphaAutoText);
      const bool small = s.editor.CheckAutoLetter;
      const char32_t wanted = small ? (key | 0x20) : (key & ~char32_t{0x20});
      if (wanted == key) return {};
      KeyVerdict v;
      v.action = KeyAction::AcceptAs;
      v.replacement = wanted;
      return v;
    }
    return {};
  }
  if (IsNumberBox(box)) {
    if (!IsDigit(key)) return Refuse("MessageReadyOnlyDigit", DigitText(s, box));
    if (key == U'0' && BoxText(s, box).empty()) {
      return Refuse("MessageNoLeadingZero", ZeroText(s, box));
    }
    return {};
  }
  return {};
}

void OnTextEdited(Session& s, UserInterface& ui, EditorBox box, const std::string& text) {
  const std::string before = BoxText(s, box);
  s.editor.text[static_cast<std::size_t>(box)].clear();
  std::u32string kept;
  KeyVerdict firstRefusal;
  for (char32_t c : DecodeUtf8(text)) {
    s.editor.text[static_cast<std::size_t>(box)] = EncodeUtf8(kept);
    const KeyVerdict verdict = EditorKeyFilter(s, box, c);
    if (verdict.action == KeyAction::Refuse) {
      if (firstRefusal.messageKey.empty()) firstRefusal = verdict;
      continue;
    }
    kept.push_back(verdict.action == KeyAction::AcceptAs ? verdict.replacement : c);
  }
  s.editor.text[static_cast<std::size_t>(box)] = before;
  ShowRefusal(s, ui, firstRefusal);
  OnTextChange(s, ui, box, EncodeUtf8(kept));
}

KeyVerdict EditorBoxKey(Session& s, UserInterface& ui, EditorBox box, char32_t key) {
  const KeyVerdict verdict = EditorKeyFilter(s, box, key);
  if (verdict.action == KeyAction::Refuse) ShowRefusal(s, ui, verdict);
  return verdict;
}

}  // namespace quillon
