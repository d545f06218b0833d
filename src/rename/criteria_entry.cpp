#include "rename/criteria_entry.h"

#include "rename/criteria_editor.h"
#include "rename/date_stamp.h"
#include "rename/editor_boxes.h"

namespace quillon {
namespace {

using B = EditorBox;

void Set(Session& s, UserInterface& ui, EditorBox box, const std::string& text) {
  OnTextChange(s, ui, box, text);
}

bool HasSpace(const std::string& text) {
  return text.find(' ') != std::string::npos;
}

// The list entry of a positional keyword: `zero` when its count is 0 (at the start or
// the end), else `counted`.
std::int16_t Counted(std::int16_t count, std::int16_t zero, std::int16_t counted) {
  return count == 0 ? zero : counted;
}

std::int16_t InsertIndex(const RenameCriteria& c) {
  const std::string& p = c.InsertPlace;
  if (p == "InsertAfterNumChars") return Counted(c.InsertAfterNum, 1, 3);
  if (p == "InsertBeforeNumChars") return Counted(c.InsertBeforeNum, 2, 4);
  if (p == "InsertAfterAString") return 5;
  if (p == "InsertBeforeAString") return 6;
  return 0;
}

std::int16_t ReplaceIndex(const RenameCriteria& c) {
  const std::string& p = c.ReplacePlace;
  if (p == "ReplaceFileName") return 1;
  if (p == "ReplaceAString") return 2;
  if (p == "ReplaceAfterNumChars") return 3;
  if (p == "ReplaceBeforeNumChars") return 4;
  if (p == "ReplaceAfterAString") return 5;
  if (p == "ReplaceBeforeAString") return 6;
  if (p == "ReplaceCharAfterNumChars") return Counted(c.ReplaceAfterNum, 7, 9);
  if (p == "ReplaceCharBeforeNumChars") return Counted(c.ReplaceBeforeNum, 8, 10);
  if (p == "ReplaceCharAfterAString") return 11;
  if (p == "ReplaceCharBeforeAString") return 12;
  if (p == "ReplacePattern") return 13;
  return 0;
}

std::int16_t RemoveIndex(const RenameCriteria& c) {
  const std::string& p = c.RemovePlace;
  if (p == "RemoveAString") return 1;
  if (p == "RemoveAfterNumChars") return 2;
  if (p == "RemoveBeforeNumChars") return 3;
  if (p == "RemoveAfterAString") return 4;
  if (p == "RemoveBeforeAString") return 5;
  if (p == "RemoveCharAfterNumChars") return Counted(c.RemoveAfterNum, 6, 8);
  if (p == "RemoveCharBeforeNumChars") return Counted(c.RemoveBeforeNum, 7, 9);
  if (p == "RemoveCharAfterAString") return 10;
  if (p == "RemoveCharBeforeAString") return 11;
  return 0;
}

std::int16_t AutoPlaceIndex(const RenameCriteria& c) {
  const std::string& p = c.AutoPlace;
  if (p == "AutoAfterNumChars") return Counted(c.AutoAfterNum, 1, 3);
  if (p == "AutoBeforeNumChars") return Counted(c.AutoBeforeNum, 2, 4);
  if (p == "AutoAfterAString") return 5;
  if (p == "AutoBeforeAString") return 6;
  return 0;
}

std::int16_t DatePlaceIndex(const RenameCriteria& c) {
  const std::string& p = c.DatePlace;
  if (p == "DateAfterNumChars") return Counted(c.DateAfterNum, 1, 3);
  if (p == "DateBeforeNumChars") return Counted(c.DateBeforeNum, 2, 4);
  if (p == "DateAfterAString") return 5;
  if (p == "DateBeforeAString") return 6;
  return 0;
}

// The entry of `text` in a list; 0 (the first) for a text it does not hold.
template <std::size_t N>
std::int16_t EntryOf(const char* const (&list)[N], const std::string& text) {
  for (std::size_t k = 0; k < N; ++k) {
    if (text == list[k]) return static_cast<std::int16_t>(k);
  }
  return 0;
}

std::int16_t CaseIndex(const std::string& scope) {
  if (scope == "FileName") return 0;
  if (scope == "FirstLetter") return 1;
  if (scope == "FirstLetterOfWords") return 2;
  return kOptionOff;
}

std::int16_t CaseChangeIndex(const std::string& change) {
  if (change == "Lower Case") return 1;
  if (change == "Upper Case") return 2;
  return 0;
}

void EnterFirstFour(Session& s, UserInterface& ui, const RenameCriteria& c) {
  OnCheckCaseClick(s, ui, c.CaseOn);
  if (c.CaseOn) {
    OnOptionCaseClick(s, ui, CaseIndex(c.CaseScope));
    OnComboCaseClick(s, ui, CaseChangeIndex(c.CaseChange));
  }
  OnCheckExtClick(s, ui, c.ExtOn);
  Set(s, ui, B::TextExt, c.ExtOn ? c.ExtText : "");
  OnCheckSpaceClick(s, ui, c.SpaceOn);
  if (c.SpaceOn) {
    OnCheckSpaceAddSpaceClick(s, ui, HasSpace(c.SpaceWith));
    OnOptionSpaceClick(s, ui, c.SpaceWith.empty() ? 0 : 1);
    Set(s, ui, B::TextSpaceWith, c.SpaceWith);
  }
  OnCheckHandleClick(s, ui, c.HandleOn);
  if (c.HandleOn) {
    const std::int16_t mode = c.SavedHandleMode;
    Set(s, ui, B::TextHandleThis, c.HandleThis);
    OnOptionHandleClick(s, ui, mode);
    if (mode == kHandleReplaceWith) {
      OnCheckHandleAddSpaceClick(s, ui, HasSpace(c.HandleWith));
      Set(s, ui, B::TextHandleWith, c.HandleWith);
    }
  }
}

void EnterPositional(Session& s, UserInterface& ui, const RenameCriteria& c) {
  OnCheckInsertClick(s, ui, c.InsertOn);
  if (c.InsertOn) {
    OnCheckInsertAddSpaceClick(s, ui, HasSpace(c.InsertText));
    OnComboInsertClick(s, ui, InsertIndex(c));
    Set(s, ui, B::TextInsertAfterNumChar, CountText(c.InsertAfterNum + c.InsertBeforeNum));
    Set(s, ui, B::TextInsertAfterString, c.InsertAfterString + c.InsertBeforeString);
    Set(s, ui, B::TextInsertThis, c.InsertText);
  }
  OnCheckReplaceClick(s, ui, c.ReplaceOn);
  if (c.ReplaceOn) {
    const std::int16_t i = ReplaceIndex(c);
    const bool chars = i >= 7 && i <= 12;
    OnCheckReplaceAddSpaceClick(s, ui, HasSpace(c.ReplaceWith));
    OnComboReplaceClick(s, ui, i);
    const std::string count = CountText(c.ReplaceAfterNum + c.ReplaceBeforeNum);
    const std::string anchor = c.ReplaceAfterString + c.ReplaceBeforeString;
    Set(s, ui, B::TextReplaceString, c.ReplaceString);
    Set(s, ui, chars ? B::TextReplaceCharAfterNumChar : B::TextReplaceAfterNumChar, count);
    Set(s, ui, chars ? B::TextReplaceCharAfterString : B::TextReplaceAfterString, anchor);
    Set(s, ui, B::TextReplaceNumChar, CountText(c.ReplaceNumChars));
    Set(s, ui, B::TextReplacePattern, c.ReplacePattern);
    Set(s, ui, B::TextReplaceWith, c.ReplaceWith);
  }
  OnCheckRemoveClick(s, ui, c.RemoveOn);
  if (c.RemoveOn) {
    const std::int16_t i = RemoveIndex(c);
    const bool chars = i >= 6;
    OnComboRemoveClick(s, ui, i);
    const std::string count = CountText(c.RemoveAfterNum + c.RemoveBeforeNum);
    const std::string anchor = c.RemoveAfterString + c.RemoveBeforeString;
    Set(s, ui, B::TextRemoveString, c.RemoveString);
    Set(s, ui, chars ? B::TextRemoveCharAfterNumChar : B::TextRemoveAfterNumChar, count);
    Set(s, ui, chars ? B::TextRemoveCharAfterString : B::TextRemoveAfterString, anchor);
    Set(s, ui, B::TextRemoveNumChar, CountText(c.RemoveNumChars));
  }
}

void EnterAuto(Session& s, UserInterface& ui, const RenameCriteria& c) {
  if (!c.AutoOn) {
    OnOptionAutoClick(s, ui, 0);
    return;
  }
  const bool number = c.AutoKind == "Number";
  OnOptionAutoClick(s, ui, number ? 1 : 2);
  OnComboAutoPlaceClick(s, ui, AutoPlaceIndex(c));
  Set(s, ui, B::TextAutoAfterNumChar, CountText(c.AutoAfterNum + c.AutoBeforeNum));
  Set(s, ui, B::TextAutoAfterString, c.AutoAfterString + c.AutoBeforeString);
  if (number) {
    OnComboAutoZeroFillClick(s, ui, c.AutoZeroFill);
    Set(s, ui, B::TextAutoStart, std::to_string(c.AutoStartNumber));
  } else {
    Set(s, ui, B::TextAutoStart, c.AutoStartLetters);
    OnCheckAutoLetterClick(s, ui, c.AutoSmallLetters);
  }
}

void EnterDate(Session& s, UserInterface& ui, const RenameCriteria& c) {
  if (!c.DateOn) {
    OnCheckDateClick(s, ui, false);
    return;
  }
  OnCheckDateClick(s, ui, true);
  OnComboDateSourceClick(s, ui, EntryOf(kComboDateSource, c.DateSource));
  OnComboDateFormatClick(s, ui, EntryOf(kDateFormats, c.DateFormat));
  OnComboDatePlaceClick(s, ui, DatePlaceIndex(c));
  Set(s, ui, B::TextDateAfterNumChar, CountText(c.DateAfterNum + c.DateBeforeNum));
  Set(s, ui, B::TextDateAfterString, c.DateAfterString + c.DateBeforeString);
}

}  // namespace

void EnterCriteria(Session& s, UserInterface& ui, const RenameCriteria& wanted) {
  EnterFirstFour(s, ui, wanted);
  EnterPositional(s, ui, wanted);
  EnterAuto(s, ui, wanted);
  EnterDate(s, ui, wanted);
}

}  // namespace quillon
