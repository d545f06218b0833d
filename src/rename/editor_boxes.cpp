#include "rename/editor_boxes.h"

#include <array>
#include <charconv>

#include "ui/messages.h"

namespace quillon {
namespace {

struct BoxInfo {
  std::string_view name;
  int maxLength;
  std::string RenameState::*text;     // the Ed string it mirrors, or nullptr
  std::int16_t RenameState::*number;  // the Ed number it mirrors, or nullptr
};

constexpr std::array<BoxInfo, kEditorBoxCount> kBoxes{{
    {"TextExt", 7, &RenameState::EdExtText, nullptr},
    {"TextSpaceWith", 8, &RenameState::EdSpaceWith, nullptr},
    {"TextHandleThis", 0, &RenameState::EdHandleThis, nullptr},
    {"TextHandleWith", 8, &RenameState::EdHandleWith, nullptr},
    {"TextInsertAfterNumChar", 2, nullptr, &RenameState::EdInsertNum},
    {"TextInsertAfterString", 0, &RenameState::EdInsertString, nullptr},
    {"TextInsertThis", 0, &RenameState::EdInsertThis, nullptr},
    {"TextReplaceString", 0, &RenameState::EdReplaceString, nullptr},
    {"TextReplaceAfterNumChar", 2, nullptr, &RenameState::EdReplaceAfterNum},
    {"TextReplaceAfterString", 0, &RenameState::EdReplaceAfterString, nullptr},
    {"TextReplaceCharAfterNumChar", 2, nullptr, &RenameState::EdReplaceCharAfterNum},
    {"TextReplaceCharAfterString", 0, &RenameState::EdReplaceCharAfterString, nullptr},
    {"TextReplaceNumChar", 2, nullptr, &RenameState::EdReplaceNumChar},
    {"TextReplaceWith", 0, &RenameState::EdReplaceWith, nullptr},
    {"TextRemoveString", 0, &RenameState::EdRemoveString, nullptr},
    {"TextRemoveAfterNumChar", 2, nullptr, &RenameState::EdRemoveAfterNum},
    {"TextRemoveAfterString", 0, &RenameState::EdRemoveAfterString, nullptr},
    {"TextRemoveCharAfterNumChar", 2, nullptr, &RenameState::EdRemoveCharAfterNum},
    {"TextRemoveCharAfterString", 0, &RenameState::EdRemoveCharAfterString, nullptr},
    {"TextRemoveNumChar", 2, nullptr, &RenameState::EdRemoveNumChar},
    {"TextAutoAfterNumChar", 2, nullptr, &RenameState::EdAutoNum},
    {"TextAutoAfterString", 0, &RenameState::EdAutoString, nullptr},
    {"TextAutoStart", 0, &RenameState::EdAutoStart, nullptr},
    {"TextReplacePattern", 0, &RenameState::EdReplacePattern, nullptr},
    {"TextDateAfterNumChar", 2, nullptr, &RenameState::EdDateNum},
    {"TextDateAfterString", 0, &RenameState::EdDateString, nullptr},
}};

const BoxInfo& Info(EditorBox box) {
  return kBoxes[static_cast<std::size_t>(box)];
}

// The integer value of a box's digits; 0 for an empty box.
std::int16_t NumberValue(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || value < 0 || value > 32767) return 0;
  (void)end;
  return static_cast<std::int16_t>(value);
}

constexpr const char* kAutoStartZero =
    "You can have starting Auto Number as 0 (zero). But if it is not 0(zero) then the number "
    "can not have a starting 0(zero). In this box please type the exact starting number. Length "
    "of starting number must not exceed 5 digits."
    "\r\n\r\n"
    "If you want to add zeros preceding the starting number then please click on Zero Fill Combo "
    "Box and select how many zeros you want to add. You can add upto 4 zeros. These will be added "
    "automatically, there is no need to type these.";

}  // namespace

std::string_view BoxName(EditorBox box) {
  return Info(box).name;
}

int BoxMaxLength(const Session& s, EditorBox box) {
  if (box == EditorBox::TextAutoStart) return s.editor.TextAutoStartMaxLength;
  return Info(box).maxLength;
}

bool IsNumberBox(EditorBox box) {
  return Info(box).number != nullptr;
}

const std::string& BoxText(const Session& s, EditorBox box) {
  return s.editor.text[static_cast<std::size_t>(box)];
}

std::string CountText(std::int16_t count) {
  return count == 0 ? "" : std::to_string(count);
}

void OnTextChange(Session& s, UserInterface& ui, EditorBox box, const std::string& text) {
  RenameState& r = s.rename;
  s.editor.text[static_cast<std::size_t>(box)] = text;
  const BoxInfo& info = Info(box);
  if (info.text != nullptr) r.*info.text = text;
  if (info.number != nullptr) r.*info.number = NumberValue(text);

  if (box == EditorBox::TextAutoStart && r.OptAutoKind == 1 && text.size() > 1 &&
      text.front() == '0') {
    s.message.MessageKey = "MessageOnlyReadyMsg";
    s.message.MessageReadyText = kAutoStartZero;
    ShowReadyMessage(s, ui);
    std::size_t first = text.find_first_not_of('0');
    const std::string rewritten = first == std::string::npos ? "0" : text.substr(first);
    OnTextChange(s, ui, box, rewritten);
    s.editor.caretToEnd = std::string(info.name);
  }
}

}  // namespace quillon
