// The criteria editor's key filters: which keys each box takes, which it changes, and the
// message key and exact text that explain a refused key; the leading-zero rewrite of the
// Auto start number; pasted text.
#include "rename/editor_filters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/environment.h"
#include "rename/criteria_editor.h"
#include "rename/editor_boxes.h"
#include "support/fake_ui.h"
#include "support/null_file_services.h"
#include "ui/message_catalogue.h"

namespace quillon {
namespace {

using B = EditorBox;

struct Editor {
  testing::NullFileServices files;
  PosixEnvironment env;
  testing::FakeUi ui;
  Session s{files, env};

  void Type(EditorBox box, const std::string& text) { OnTextChange(s, ui, box, text); }
};

constexpr const char* kCrLf2 = "\r\n\r\n";

const std::string kExtText =
    "In new Extension you can use only Alphabets and Digits 0 to 9. Space or any other "
    "Character can not be included.";
const std::string kIncludeSpaceText =
    "Normally space can not be included in this text. To include Space please check the Include "
    "Space Check Box.";
const std::string kOnlyDigitText =
    "For Auto you can have either Number or Alphabets. Not both and nothing else. Since you have "
    "selected Number you can have only numbers 0 to 9 in this box. Length of the number that you "
    "type in this Box must not exceed 5 digits. This will be the starting number. This number "
    "will increase by 1 for each additional file name.";
const std::string kOnlyAlphaText =
    std::string(
        "For Auto you can have either Number or Alphabets. Not both and nothing else. Since you "
        "have selected Letter you can have only Alphabets A to Z or a to z. To get small letters "
        "you must check the Small Letter Check Box.") +
    kCrLf2 +
    "You can have combination of upto 3 Alphabets. This will be the starting Text and will "
    "increase for each additional file names in Ascending order.";
const std::string kAutoZeroText =
    std::string(
        "You can have starting Auto Number as 0 (zero). But if it is not 0(zero) then the number "
        "can not have a starting 0(zero). In this box please type the exact starting number. "
        "Length of starting number must not exceed 5 digits.") +
    kCrLf2 +
    "If you want to add zeros preceding the starting number then please click on Zero Fill "
    "Combo Box and select how many zeros you want to add. You can add upto 4 zeros. These will "
    "be added automatically, there is no need to type these.";

std::string NewNameCharsText() {
  const CatalogueMessage* entry = FindMessage(KeyCatalogue(), "MessageNewNameChars");
  return entry == nullptr ? "<missing>" : std::string(entry->text);
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Verdict(const KeyVerdict& v) {
  switch (v.action) {
    case KeyAction::Accept:
      return "accept";
    case KeyAction::AcceptAs:
      return std::string("as ") + static_cast<char>(v.replacement);
    case KeyAction::Refuse:
      return "refuse " + v.messageKey;
    case KeyAction::PressOK:
      return "press_ok";
  }
  return "?";
}

// A key typed into a box, and what happens to it.
struct KeyRow {
  const char* name;
  char32_t key;
  const char* verdict;      // "accept", "as x" or "refuse <message key>"
  const std::string* text;  // the refusal's text; nullptr for none
};

void ExpectKeys(Editor& e, EditorBox box, const std::vector<KeyRow>& rows) {
  for (const KeyRow& row : rows) {
    SCOPED_TRACE(std::string(BoxName(box)) + ":" + row.name);
    e.ui.messages.clear();
    const KeyVerdict v = EditorBoxKey(e.s, e.ui, box, row.key);
    EXPECT_EQ(Verdict(v), row.verdict);
    if (v.action != KeyAction::Refuse) {
      EXPECT_TRUE(e.ui.messages.empty());
      continue;
    }
    ASSERT_EQ(e.ui.messages.size(), 1u);
    if (row.text != nullptr) {
      EXPECT_EQ(v.messageText, *row.text);
      EXPECT_TRUE(EndsWith(e.ui.messages[0].text, *row.text)) << e.ui.messages[0].text;
    }
  }
}

TEST(EditorFilters, ExtensionTakesOnlyLettersAndDigits) {
  Editor e;
  ExpectKeys(e, B::TextExt,
             {
                 {"digit_0", U'0', "accept", nullptr},
                 {"digit_9", U'9', "accept", nullptr},
                 {"small_a", U'a', "accept", nullptr},
                 {"small_z", U'z', "accept", nullptr},
                 {"capital_a", U'A', "accept", nullptr},
                 {"capital_z", U'Z', "accept", nullptr},
                 {"backspace", kKeyBackspace, "accept", nullptr},
                 {"full_stop", U'.', "refuse MessageOnlyReadyMsg", &kExtText},
                 {"space", U' ', "refuse MessageOnlyReadyMsg", &kExtText},
                 {"dash", U'-', "refuse MessageOnlyReadyMsg", &kExtText},
                 {"underscore", U'_', "refuse MessageOnlyReadyMsg", &kExtText},
                 {"hash", U'#', "refuse MessageOnlyReadyMsg", &kExtText},
                 {"accented", U'\u00e9', "refuse MessageOnlyReadyMsg", &kExtText},
             });
  EXPECT_EQ(e.ui.messages.back().text, kExtText);
  EXPECT_EQ(e.ui.messages.back().buttons, "OK");
}

TEST(EditorFilters, NameBoxesTakeNameCharactersAndASpaceOnlyWhenIncluded) {
  struct Box {
    const char* name;
    EditorBox box;
    void (*includeSpace)(Session&, UserInterface&, bool);
  } boxes[] = {
      {"insert_this", B::TextInsertThis, &OnCheckInsertAddSpaceClick},
      {"replace_with", B::TextReplaceWith, &OnCheckReplaceAddSpaceClick},
      {"space_with", B::TextSpaceWith, &OnCheckSpaceAddSpaceClick},
      {"handle_with", B::TextHandleWith, &OnCheckHandleAddSpaceClick},
  };
  const std::string newName = NewNameCharsText();
  const std::vector<KeyRow> common = {
      {"dollar", U'$', "accept", nullptr},
      {"dash", U'-', "accept", nullptr},
      {"underscore", U'_', "accept", nullptr},
      {"digit", U'7', "accept", nullptr},
      {"small", U'q', "accept", nullptr},
      {"capital", U'Q', "accept", nullptr},
      {"backspace", kKeyBackspace, "accept", nullptr},
      {"hash", U'#', "refuse MessageNewNameChars", nullptr},
      {"full_stop", U'.', "refuse MessageNewNameChars", nullptr},
      {"slash", U'/', "refuse MessageNewNameChars", nullptr},
      {"star", U'*', "refuse MessageNewNameChars", nullptr},
  };
  for (const Box& box : boxes) {
    SCOPED_TRACE(box.name);
    Editor e;
    ExpectKeys(e, box.box, common);
    EXPECT_EQ(e.ui.messages.back().text, newName);  // the catalogue's text
    ExpectKeys(
        e, box.box,
        {{"space_not_included", U' ', "refuse MessageReadyIncludeSpace", &kIncludeSpaceText}});
    EXPECT_EQ(e.ui.messages.back().text, kIncludeSpaceText);
    box.includeSpace(e.s, e.ui, true);
    ExpectKeys(e, box.box, {{"space_included", U' ', "accept", nullptr}});
    ExpectKeys(e, box.box, common);
    box.includeSpace(e.s, e.ui, false);
    ExpectKeys(
        e, box.box,
        {{"space_excluded_again", U' ', "refuse MessageReadyIncludeSpace", &kIncludeSpaceText}});
  }
}

TEST(EditorFilters, AutoStartTakesDigitsForANumber) {
  Editor e;
  OnOptionAutoClick(e.s, e.ui, 1);
  ExpectKeys(e, B::TextAutoStart,
             {
                 {"zero", U'0', "accept", nullptr},
                 {"nine", U'9', "accept", nullptr},
                 {"backspace", kKeyBackspace, "accept", nullptr},
                 {"letter", U'a', "refuse MessageReadyOnlyDigit", &kOnlyDigitText},
                 {"capital", U'A', "refuse MessageReadyOnlyDigit", &kOnlyDigitText},
                 {"dash", U'-', "refuse MessageReadyOnlyDigit", &kOnlyDigitText},
                 {"space", U' ', "refuse MessageReadyOnlyDigit", &kOnlyDigitText},
             });
}

TEST(EditorFilters, AutoStartTakesLettersInTheSmallLetterBoxesCase) {
  struct Row {
    const char* name;
    bool small;
    std::vector<KeyRow> keys;
  };
  const std::vector<Row> rows = {
      {"capitals",
       false,
       {
           {"capital_stays", U'A', "accept", nullptr},
           {"capital_z_stays", U'Z', "accept", nullptr},
           {"small_becomes_capital", U'b', "as B", nullptr},
           {"small_z_becomes_capital", U'z', "as Z", nullptr},
           {"backspace", kKeyBackspace, "accept", nullptr},
           {"digit", U'1', "refuse MessageReadyOnlyAlpha", &kOnlyAlphaText},
           {"underscore", U'_', "refuse MessageReadyOnlyAlpha", &kOnlyAlphaText},
           {"accented", U'\u00e9', "refuse MessageReadyOnlyAlpha", &kOnlyAlphaText},
       }},
      {"small_letters",
       true,
       {
           {"small_stays", U'a', "accept", nullptr},
           {"capital_becomes_small", U'C', "as c", nullptr},
           {"capital_z_becomes_small", U'Z', "as z", nullptr},
           {"digit", U'0', "refuse MessageReadyOnlyAlpha", &kOnlyAlphaText},
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    OnOptionAutoClick(e.s, e.ui, 2);
    OnCheckAutoLetterClick(e.s, e.ui, row.small);
    ExpectKeys(e, B::TextAutoStart, row.keys);
  }
}

// The texts of a number box's refusals, with D ("after"/"before"), E ("start"/"end") and
// K ("Nmber"/"Letter") put in.
std::string ExpectedDigitText(EditorBox box, const std::string& d, const std::string& k) {
  const std::string type =
      " a selected number of Character. In this box type only the number of "
      "Character " +
      d + " which you want to ";
  switch (box) {
    case B::TextInsertAfterNumChar:
      return "You have selected to Insert a Text in the file names " + d + type +
             "Insert the Text.";
    case B::TextAutoAfterNumChar:
      return "You have selected to insert Auto " + k + " in the file names " + d + type +
             "insert Auto " + k + ".";
    case B::TextReplaceAfterNumChar:
      return "You have selected to Replace everything " + d + type + "Replace.";
    case B::TextReplaceCharAfterNumChar:
      return "You have selected to Replace a number of Character " + d + type + "Replace.";
    case B::TextRemoveAfterNumChar:
      return "You have selected to Remove everything " + d + type + "Remove.";
    case B::TextRemoveCharAfterNumChar:
      return "You have selected to Remove a number of Character " + d + type + "Remove.";
    case B::TextReplaceNumChar:
      return "You have selected to Replace a number of Character. Type in the box the number of "
             "Character that you want to Replace.";
    case B::TextRemoveNumChar:
      return "You have selected to Remove a number of Character. Type in the box the number of "
             "Character that you want to Remove.";
    default:
      return "<not a number box>";
  }
}

std::string ExpectedZeroText(EditorBox box, const std::string& d, const std::string& e,
                             const std::string& k) {
  const std::string z = std::string("This number should not start with a 0 (zero).") + kCrLf2;
  const std::string instead =
      " of file names. If you want exactly that then select that option "
      "instead.";
  switch (box) {
    case B::TextInsertAfterNumChar:
      return z + "You have selected to Insert a Text in the file names " + d +
             " a selected number of Character. Number of Character must be higher than zero." +
             kCrLf2 + "Inserting " + d + " 0(zero) Character will insert at " + e + instead;
    case B::TextAutoAfterNumChar:
      return z + "You have selected to insert Auto " + k + " in the file names " + d +
             " a selected number of Character. Number of Character must be higher than zero." +
             kCrLf2 + "Selecting 0 (zero) will insert it at " + e + instead;
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
             " zero Character will Replace from " + e + instead;
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
             " zero Character will Remove from " + e + instead;
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
      return "<not a number box>";
  }
}

void ChooseInsert(Editor& e, std::int16_t i) {
  OnCheckInsertClick(e.s, e.ui, true);
  OnComboInsertClick(e.s, e.ui, i);
}
void ChooseReplace(Editor& e, std::int16_t i) {
  OnCheckReplaceClick(e.s, e.ui, true);
  OnComboReplaceClick(e.s, e.ui, i);
}
void ChooseRemove(Editor& e, std::int16_t i) {
  OnCheckRemoveClick(e.s, e.ui, true);
  OnComboRemoveClick(e.s, e.ui, i);
}
void ChooseAutoNumber(Editor& e, std::int16_t place) {
  OnOptionAutoClick(e.s, e.ui, 1);
  OnComboAutoPlaceClick(e.s, e.ui, place);
}
void ChooseAutoLetter(Editor& e, std::int16_t place) {
  OnOptionAutoClick(e.s, e.ui, 2);
  OnComboAutoPlaceClick(e.s, e.ui, place);
}

struct NumberBoxRow {
  const char* name;
  EditorBox box;
  void (*choose)(Editor&, std::int16_t);
  std::int16_t index;
  const char *d, *e, *k;
};

const NumberBoxRow kNumberBoxes[] = {
    {"insert_after", B::TextInsertAfterNumChar, &ChooseInsert, 3, "after", "start", ""},
    {"insert_before", B::TextInsertAfterNumChar, &ChooseInsert, 4, "before", "end", ""},
    {"auto_number_after", B::TextAutoAfterNumChar, &ChooseAutoNumber, 3, "after", "start", "Nmber"},
    {"auto_number_before", B::TextAutoAfterNumChar, &ChooseAutoNumber, 4, "before", "end", "Nmber"},
    {"auto_letter_after", B::TextAutoAfterNumChar, &ChooseAutoLetter, 3, "after", "start",
     "Letter"},
    {"auto_letter_before", B::TextAutoAfterNumChar, &ChooseAutoLetter, 4, "before", "end",
     "Letter"},
    {"replace_after", B::TextReplaceAfterNumChar, &ChooseReplace, 3, "after", "start", ""},
    {"replace_before", B::TextReplaceAfterNumChar, &ChooseReplace, 4, "before", "end", ""},
    {"replace_char_after", B::TextReplaceCharAfterNumChar, &ChooseReplace, 9, "after", "start", ""},
    {"replace_char_before", B::TextReplaceCharAfterNumChar, &ChooseReplace, 10, "before", "end",
     ""},
    {"remove_after", B::TextRemoveAfterNumChar, &ChooseRemove, 2, "after", "start", ""},
    {"remove_before", B::TextRemoveAfterNumChar, &ChooseRemove, 3, "before", "end", ""},
    {"remove_char_after", B::TextRemoveCharAfterNumChar, &ChooseRemove, 8, "after", "start", ""},
    {"remove_char_before", B::TextRemoveCharAfterNumChar, &ChooseRemove, 9, "before", "end", ""},
    {"replace_num_char_from_start", B::TextReplaceNumChar, &ChooseReplace, 7, "", "", ""},
    {"replace_num_char_after_string", B::TextReplaceNumChar, &ChooseReplace, 11, "", "", ""},
    {"remove_num_char_from_end", B::TextRemoveNumChar, &ChooseRemove, 7, "", "", ""},
    {"remove_num_char_before_num", B::TextRemoveNumChar, &ChooseRemove, 9, "", "", ""},
};

TEST(EditorFilters, NumberBoxesExplainARefusalForTheChosenEntry) {
  for (const NumberBoxRow& row : kNumberBoxes) {
    SCOPED_TRACE(row.name);
    Editor e;
    row.choose(e, row.index);
    const std::string digit = ExpectedDigitText(row.box, row.d, row.k);
    const std::string zero = ExpectedZeroText(row.box, row.d, row.e, row.k);
    EXPECT_EQ(DigitText(e.s, row.box), digit);
    EXPECT_EQ(ZeroText(e.s, row.box), zero);
    EXPECT_EQ(BoxMaxLength(e.s, row.box), 2);
    ExpectKeys(e, row.box,
               {
                   {"letter", U'x', "refuse MessageReadyOnlyDigit", &digit},
                   {"dash", U'-', "refuse MessageReadyOnlyDigit", &digit},
                   {"space", U' ', "refuse MessageReadyOnlyDigit", &digit},
                   {"zero_first", U'0', "refuse MessageNoLeadingZero", &zero},
                   {"digit_first", U'5', "accept", nullptr},
                   {"backspace", kKeyBackspace, "accept", nullptr},
               });
    EXPECT_EQ(e.ui.messages.empty(), true);
    e.Type(row.box, "5");
    ExpectKeys(e, row.box,
               {
                   {"zero_after_digit", U'0', "accept", nullptr},
                   {"letter_after_digit", U'x', "refuse MessageReadyOnlyDigit", &digit},
               });
  }
}

TEST(EditorFilters, ZeroIntoAnEmptyInsertNumberBoxIsRefusedAndAfterADigitAccepted) {
  Editor e;
  ChooseInsert(e, 3);
  const KeyVerdict first = EditorBoxKey(e.s, e.ui, B::TextInsertAfterNumChar, U'0');
  EXPECT_EQ(first.action, KeyAction::Refuse);
  EXPECT_EQ(first.messageKey, "MessageNoLeadingZero");
  ASSERT_EQ(e.ui.messages.size(), 1u);
  EXPECT_EQ(e.ui.messages[0].text,
            ExpectedZeroText(B::TextInsertAfterNumChar, "after", "start", ""));
  e.Type(B::TextInsertAfterNumChar, "1");
  EXPECT_EQ(EditorBoxKey(e.s, e.ui, B::TextInsertAfterNumChar, U'0').action, KeyAction::Accept);
  e.Type(B::TextInsertAfterNumChar, "10");
  EXPECT_EQ(e.s.rename.EdInsertNum, 10);
  EXPECT_EQ(e.ui.messages.size(), 1u);
}

// Typing into TextAutoStart one key at a time: each key through the filter, then the
// box's change reaction with the grown text.
TEST(EditorFilters, AutoStartNumberDropsLeadingZerosAsItIsTyped) {
  struct Row {
    const char* name;
    std::int16_t kind;
    const char* typed;
    const char* result;
    std::size_t messages;
  } rows[] = {
      {"double_o_seven", 1, "007", "7", 2},      {"lone_zero_stays", 1, "0", "0", 0},
      {"zero_then_five", 1, "05", "5", 1},       {"trailing_zero_stays", 1, "10", "10", 0},
      {"zeros_only_keep_one", 1, "000", "0", 2}, {"letters_untouched", 2, "AB", "AB", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    OnOptionAutoClick(e.s, e.ui, row.kind);
    OnComboAutoPlaceClick(e.s, e.ui, 1);
    for (const char* c = row.typed; *c != '\0'; ++c) {
      ASSERT_EQ(EditorKeyFilter(e.s, B::TextAutoStart, static_cast<char32_t>(*c)).action,
                KeyAction::Accept);
      e.Type(B::TextAutoStart, BoxText(e.s, B::TextAutoStart) + *c);
    }
    EXPECT_EQ(BoxText(e.s, B::TextAutoStart), row.result);
    EXPECT_EQ(e.s.rename.EdAutoStart, row.result);
    ASSERT_EQ(e.ui.messages.size(), row.messages);
    for (const MessageWindowContent& m : e.ui.messages) {
      EXPECT_EQ(m.text, kAutoZeroText);
      EXPECT_EQ(m.buttons, "OK");
    }
    EXPECT_EQ(e.s.editor.caretToEnd, row.messages > 0 ? "TextAutoStart" : "");
  }
}

TEST(EditorFilters, AutoStartNumberPastedWithLeadingZerosBecomesItsValueAfterOneMessage) {
  struct Row {
    const char* name;
    const char* pasted;
    const char* result;
  } rows[] = {{"two_zeros", "007", "7"}, {"zeros_only", "000", "0"}, {"inner_zero", "0105", "105"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    OnOptionAutoClick(e.s, e.ui, 1);
    OnTextEdited(e.s, e.ui, B::TextAutoStart, row.pasted);
    EXPECT_EQ(BoxText(e.s, B::TextAutoStart), row.result);
    EXPECT_EQ(e.s.rename.EdAutoStart, row.result);
    ASSERT_EQ(e.ui.messages.size(), 1u);
    EXPECT_EQ(e.ui.messages[0].text, kAutoZeroText);
    EXPECT_EQ(e.s.editor.caretToEnd, "TextAutoStart");
  }
}

TEST(EditorFilters, FreeBoxesTakeEveryKey) {
  const EditorBox boxes[] = {
      B::TextHandleThis,         B::TextInsertAfterString,      B::TextReplaceString,
      B::TextReplaceAfterString, B::TextReplaceCharAfterString, B::TextRemoveString,
      B::TextRemoveAfterString,  B::TextRemoveCharAfterString,  B::TextAutoAfterString};
  for (const EditorBox box : boxes) {
    Editor e;
    ExpectKeys(e, box,
               {
                   {"space", U' ', "accept", nullptr},
                   {"full_stop", U'.', "accept", nullptr},
                   {"hash", U'#', "accept", nullptr},
                   {"zero", U'0', "accept", nullptr},
                   {"capital", U'A', "accept", nullptr},
               });
  }
}

TEST(EditorFilters, PastedTextLosesTheRefusedCharactersAndExplainsTheFirst) {
  struct Row {
    const char* name;
    EditorBox box;
    void (*setup)(Editor&);
    const char* pasted;
    const char* kept;
    std::string message;  // "" for none
  };
  const std::vector<Row> rows = {
      {"extension", B::TextExt, [](Editor&) {}, "a.b c", "abc", kExtText},
      {"insert_this_hash_first", B::TextInsertThis, [](Editor&) {}, "a#b c", "abc",
       NewNameCharsText()},
      {"insert_this_space_first", B::TextInsertThis, [](Editor&) {}, "a b#c", "abc",
       kIncludeSpaceText},
      {"insert_this_space_included", B::TextInsertThis,
       [](Editor& e) { OnCheckInsertAddSpaceClick(e.s, e.ui, true); }, "a b", "a b", ""},
      {"number_box_leading_zero", B::TextInsertAfterNumChar, [](Editor& e) { ChooseInsert(e, 3); },
       "0x12", "12", ExpectedZeroText(B::TextInsertAfterNumChar, "after", "start", "")},
      {"number_box_inner_zero", B::TextReplaceNumChar, [](Editor& e) { ChooseReplace(e, 7); }, "10",
       "10", ""},
      {"auto_letters_raised", B::TextAutoStart, [](Editor& e) { ChooseAutoLetter(e, 1); }, "ab1",
       "AB", kOnlyAlphaText},
      {"free_box", B::TextHandleThis, [](Editor&) {}, "a. b#", "a. b#", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    row.setup(e);
    OnTextEdited(e.s, e.ui, row.box, row.pasted);
    EXPECT_EQ(BoxText(e.s, row.box), row.kept);
    if (row.message.empty()) {
      EXPECT_TRUE(e.ui.messages.empty());
    } else {
      ASSERT_EQ(e.ui.messages.size(), 1u);
      // The message window may put a heading of its own before the text.
      EXPECT_TRUE(EndsWith(e.ui.messages[0].text, row.message)) << e.ui.messages[0].text;
    }
  }
}

TEST(EditorFilters, PastedTextReachesTheEditorValue) {
  Editor e;
  ChooseRemove(e, 8);
  OnTextEdited(e.s, e.ui, B::TextRemoveCharAfterNumChar, "4a2");
  EXPECT_EQ(e.s.rename.EdRemoveCharAfterNum, 42);
  OnTextEdited(e.s, e.ui, B::TextExt, "j-pg");
  EXPECT_EQ(e.s.rename.EdExtText, "jpg");
}

}  // namespace
}  // namespace quillon
