// The Selection panel's boxes: which keys they take and how their text becomes values.
#include <algorithm>
#include <charconv>
#include <optional>

#include "selection/selection_panel.h"
#include "session/session_limits.h"
#include "ui/messages.h"

namespace quillon {
namespace {

constexpr const char* kBlankLine = "\r\n\r\n";

void ShowReady(Session& s, UserInterface& ui, const char* key, const std::string& text) {
  s.message.MessageKey = key;
  s.message.MessageReadyText = text;
  ShowReadyMessage(s, ui);
}

std::string NonDigitText(SelectionBox box) {
  switch (box) {
    case SelectionBox::MaxFile:
      return std::string(
                 "This box accept only digits. For auto file selection you can set a limit for "
                 "maximum files to be selected by typing that number in this box.") +
             kBlankLine + "If you do not want a limit then type 0 (zero) or clear the box.";
    case SelectionBox::NumSkip:
      return std::string(
                 "Program will select files in your current working Folder automatically "
                 "according to your set criteria. Program can skip a number of files (whatever "
                 "number you type in this box) before starting selection.") +
             kBlankLine +
             "If you want to skip some files then please type that number in this box using "
             "only digits.";
    default:
      return "In this box you need to type the number of files that you want to be selected by "
             "the Program automatically. Please use only digits to type that number.";
  }
}

std::string LeadingZeroText(SelectionBox box) {
  if (box == SelectionBox::MaxFile) {
    return std::string(
               "If you do not want to have a limit on number maximum files to be selected then "
               "type 0(zero) in this box or leave the box empty.") +
           kBlankLine +
           "If you want to have a limit then that number must be higher than 0(zero) and can "
           "not start with a 0(zero).";
  }
  if (box == SelectionBox::NumSkip) {
    return std::string(
               "If you do not want to skip any file then type 0(zero) in this box or leave the "
               "box empty.") +
           kBlankLine +
           "If you want to skip some file then the number of file you want to skip must be "
           "higher than 0(zero) and can not start with a 0(zero).";
  }
  return std::string("This number should not start with a 0 (zero).") + kBlankLine +
         "In this box please type the exact number how many files you want to be selected. That "
         "number should not start with a 0 (zero).";
}

bool AllDigits(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The box's text as a number; empty is 0; nullopt past the 16-bit bound.
std::optional<long> ReadNumber(const std::string& text) {
  if (text.empty()) return 0L;
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value > static_cast<long>(kMaxCount)) return std::nullopt;
  return value;
}

std::string& BoxText(SelectionState& sel, SelectionBox box) {
  switch (box) {
    case SelectionBox::MaxFile:
      return sel.TextSelectionMaxFile;
    case SelectionBox::NumSkip:
      return sel.TextSelectionNumSkip;
    case SelectionBox::NumFile:
      return sel.TextSelectionNumFile;
    default:
      return sel.TextSelectionString;
  }
}

std::int16_t& BoxValue(SelectionState& sel, SelectionBox box) {
  switch (box) {
    case SelectionBox::MaxFile:
      return sel.EdSelectMax;
    case SelectionBox::NumSkip:
      return sel.EdSelectSkip;
    default:
      return sel.EdSelectNumFiles;
  }
}

void NumberChanged(Session& s, UserInterface& ui, SelectionBox box, const std::string& text) {
  SelectionState& sel = s.selection;
  std::string& shown = BoxText(sel, box);
  std::int16_t& value = BoxValue(sel, box);
  const auto keep = [&] {
    shown = box == SelectionBox::NumFile && value == 0 ? "" : std::to_string(value);
  };
  if (!AllDigits(text)) {
    // Pasted text: the same answer as a typed key.
    ShowReady(s, ui, "MessageReadyOnlyDigit", NonDigitText(box));
    return keep();
  }
  const auto number = ReadNumber(text);
  if (!number) {
    // Counts are 16-bit: a larger number is refused and the box keeps its value.
    ShowReady(s, ui, "MessageOnlyReadyMsg",
              "The largest number this box accepts is " + std::to_string(kMaxCount) + ".");
    return keep();
  }
  value = static_cast<std::int16_t>(*number);
  const std::string plain = std::to_string(*number);
  if (box == SelectionBox::NumFile) {
    // Leading zeros go silently; 0 empties the box.
    shown = *number == 0 ? "" : plain;
  } else if (plain.size() < text.size()) {
    shown = plain;
    ShowReady(s, ui, "MessageOnlyReadyMsg", LeadingZeroText(box));
  } else {
    shown = text;
  }
}

}  // namespace

KeyVerdict SelectionBoxKey(Session& s, UserInterface& ui, SelectionBox box, char32_t key) {
  SelectionState& sel = s.selection;
  if (key == kKeyEnter) {
    const bool textReady = box != SelectionBox::String || !sel.TextSelectionString.empty();
    return {textReady && sel.ImageSelectionOKEnabled ? KeyAction::PressOK : KeyAction::Refuse};
  }
  if (box == SelectionBox::String || key == kKeyBackspace) return {KeyAction::Accept};
  if (key < U'0' || key > U'9') {
    ShowReady(s, ui, "MessageReadyOnlyDigit", NonDigitText(box));
    return {KeyAction::Refuse};
  }
  if (box == SelectionBox::NumFile && key == U'0' && sel.EdSelectNumFiles == 0) {
    ShowReady(s, ui, "MessageNoLeadingZero", LeadingZeroText(box));
    return {KeyAction::Refuse};
  }
  return {KeyAction::Accept};
}

void SelectionBoxChanged(Session& s, UserInterface& ui, SelectionBox box, const std::string& text) {
  SelectionState& sel = s.selection;
  if (box == SelectionBox::String) {
    sel.TextSelectionString = text;
    std::string& edited = sel.OptSelection == 3 ? sel.EdSelectExtension : sel.EdSelectString;
    edited = text;
    sel.EdSelectTextLength = static_cast<std::int16_t>(std::min(text.size(), kMaxCount));
  } else {
    NumberChanged(s, ui, box, text);
  }
  UpdateSelectionOK(s);
}

}  // namespace quillon
