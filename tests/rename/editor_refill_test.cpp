// Each opening of the criteria editor shows the record again, so a cancelled edit is
// forgotten; a list entry other than the stored one starts from empty boxes; the focus
// routines' tab orders; the Include Space and Small Letter boxes rewrite their texts.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "flow/criteria_editor.h"
#include "platform/environment.h"
#include "rename/criteria.h"
#include "rename/criteria_editor.h"
#include "rename/editor_boxes.h"
#include "rename/editor_view.h"
#include "support/fake_ui.h"
#include "support/null_file_services.h"

namespace quillon {
namespace {

using B = EditorBox;

struct Editor {
  testing::NullFileServices files;
  PosixEnvironment env;
  testing::FakeUi ui;
  Session s{files, env};

  Editor() { s.state.SelectedCount = 1; }
  void Type(EditorBox box, const std::string& text) { OnTextChange(s, ui, box, text); }
  // Opens the editor as the main window's button does; the dispatcher has run.
  void Open() { ShowRenameEditor(s, ui); }
};

// One field of one control as the editor's view shows it: "text", "checked" or "index".
std::string Read(const View& v, const std::string& control, const std::string& field) {
  const auto it = v.find(control);
  if (it == v.end()) return "<none>";
  const ControlView& c = it->second;
  if (field == "text") return c.text.value_or("<unset>");
  if (field == "checked") return c.checked.has_value() ? (*c.checked ? "1" : "0") : "<unset>";
  if (field == "index") return c.index.has_value() ? std::to_string(*c.index) : "<unset>";
  if (field == "visible") return c.visible.has_value() ? (*c.visible ? "1" : "0") : "<unset>";
  return "<field?>";
}

struct Probe {
  const char* control;
  const char* field;
  const char* expected;
};

void ExpectView(const Session& s, const std::vector<Probe>& probes) {
  const View v = EditorView(s);
  for (const Probe& p : probes) {
    EXPECT_EQ(Read(v, p.control, p.field), p.expected) << p.control << "." << p.field;
  }
}

// Every criterion on, entered through the controls and confirmed with OK.
void EnterAllThroughTheEditor(Editor& e) {
  Session& s = e.s;
  UserInterface& ui = e.ui;
  e.Open();
  OnCheckExtClick(s, ui, true);
  e.Type(B::TextExt, "jpg");
  OnCheckCaseClick(s, ui, true);
  OnOptionCaseClick(s, ui, 2);
  OnComboCaseClick(s, ui, 2);
  OnCheckSpaceClick(s, ui, true);
  OnOptionSpaceClick(s, ui, 1);
  OnCheckSpaceAddSpaceClick(s, ui, true);
  e.Type(B::TextSpaceWith, "_ _");
  OnCheckHandleClick(s, ui, true);
  e.Type(B::TextHandleThis, ".");
  OnOptionHandleClick(s, ui, 2);
  e.Type(B::TextHandleWith, "x");
  OnCheckInsertClick(s, ui, true);
  OnComboInsertClick(s, ui, 3);
  e.Type(B::TextInsertAfterNumChar, "4");
  OnCheckInsertAddSpaceClick(s, ui, true);
  e.Type(B::TextInsertThis, "a b");
  OnCheckReplaceClick(s, ui, true);
  OnComboReplaceClick(s, ui, 11);
  e.Type(B::TextReplaceCharAfterString, "zz");
  e.Type(B::TextReplaceNumChar, "2");
  e.Type(B::TextReplaceWith, "R");
  OnCheckRemoveClick(s, ui, true);
  OnComboRemoveClick(s, ui, 9);
  e.Type(B::TextRemoveCharAfterNumChar, "3");
  e.Type(B::TextRemoveNumChar, "1");
  OnOptionAutoClick(s, ui, 1);
  OnComboAutoPlaceClick(s, ui, 6);
  e.Type(B::TextAutoAfterString, "k");
  e.Type(B::TextAutoStart, "12");
  OnComboAutoZeroFillClick(s, ui, 2);
  OnEditorOKClick(s, ui);
}

// Changes every criterion of EnterAllThroughTheEditor, then Cancel.
void ChangeEverythingAndCancel(Editor& e) {
  Session& s = e.s;
  UserInterface& ui = e.ui;
  e.Open();
  e.Type(B::TextExt, "png");
  OnOptionCaseClick(s, ui, 0);
  OnComboCaseClick(s, ui, 1);
  OnCheckSpaceAddSpaceClick(s, ui, false);
  e.Type(B::TextSpaceWith, "-");
  e.Type(B::TextHandleThis, ",");
  OnOptionHandleClick(s, ui, 0);
  OnCheckInsertAddSpaceClick(s, ui, false);
  OnComboInsertClick(s, ui, 6);
  e.Type(B::TextInsertAfterString, "q");
  e.Type(B::TextInsertThis, "new");
  OnCheckReplaceClick(s, ui, false);
  OnComboRemoveClick(s, ui, 1);
  e.Type(B::TextRemoveString, "r");
  OnOptionAutoClick(s, ui, 2);
  OnComboAutoPlaceClick(s, ui, 1);
  e.Type(B::TextAutoStart, "ZZ");
  OnComboAutoZeroFillClick(s, ui, 0);
  OnEditorCancelClick(s, ui);
}

TEST(EditorRefill, ReopeningAfterACancelledEditShowsTheRecordAgain) {
  Editor e;
  EnterAllThroughTheEditor(e);
  ASSERT_FALSE(e.s.editor.shown);
  ASSERT_TRUE(e.ui.messages.empty());
  ASSERT_EQ(e.s.rename.CriteriaSetCount, 8);
  const std::string insertLine = e.s.rename.summary.LabelCriInsert.text;
  ASSERT_EQ(insertLine, "Insert :: a b :: after 4 Characters.");

  ChangeEverythingAndCancel(e);
  EXPECT_FALSE(e.s.editor.shown);
  EXPECT_EQ(e.s.rename.summary.LabelCriInsert.text, insertLine);
  EXPECT_EQ(e.s.rename.criteria.ExtText, "jpg");
  EXPECT_TRUE(e.s.rename.criteria.ReplaceOn);

  e.Open();
  EXPECT_TRUE(e.s.editor.shown);
  ExpectView(e.s, {
                      {"CheckExt", "checked", "1"},
                      {"TextExt", "text", "jpg"},
                      {"CheckCase", "checked", "1"},
                      {"OptionCase", "index", "2"},
                      {"ComboCase", "index", "2"},
                      {"CheckSpace", "checked", "1"},
                      {"OptionSpace", "index", "1"},
                      {"CheckSpaceAddSpace", "checked", "1"},
                      {"TextSpaceWith", "text", "_ _"},
                      {"FrameSpaceReplace", "visible", "1"},
                      {"CheckHandle", "checked", "1"},
                      {"TextHandleThis", "text", "."},
                      {"OptionHandle", "index", "2"},
                      {"TextHandleWith", "text", "x"},
                      {"TextHandleWith", "visible", "1"},
                      {"CheckInsert", "checked", "1"},
                      {"ComboInsert", "index", "3"},
                      {"TextInsertAfterNumChar", "text", "4"},
                      {"TextInsertAfterString", "text", ""},
                      {"TextInsertThis", "text", "a b"},
                      {"CheckInsertAddSpace", "checked", "1"},
                      {"FrameInsertThis", "visible", "1"},
                      {"CheckReplace", "checked", "1"},
                      {"ComboReplace", "index", "11"},
                      {"TextReplaceCharAfterString", "text", "zz"},
                      {"TextReplaceNumChar", "text", "2"},
                      {"TextReplaceWith", "text", "R"},
                      {"FrameReplaceWith", "visible", "1"},
                      {"CheckRemove", "checked", "1"},
                      {"ComboRemove", "index", "9"},
                      {"TextRemoveCharAfterNumChar", "text", "3"},
                      {"TextRemoveNumChar", "text", "1"},
                      {"TextRemoveString", "text", ""},
                      {"FrameRemoveNumChar", "visible", "1"},
                      {"OptionAuto", "index", "1"},
                      {"ComboAutoPlace", "index", "6"},
                      {"ComboAutoZeroFill", "index", "2"},
                      {"TextAutoAfterString", "text", "k"},
                      {"TextAutoStart", "text", "12"},
                      {"FrameAutoStart", "text", "Start From This Number :"},
                      {"ComboAutoZeroFill", "visible", "1"},
                      {"CheckAutoLetter", "checked", "0"},
                  });
  // The editor values follow the boxes again, so OK rebuilds the same record.
  EXPECT_EQ(e.s.rename.EdInsertThis, "a b");
  EXPECT_EQ(e.s.rename.EdAutoStart, "12");
  EXPECT_EQ(e.s.rename.OptHandleMode, 2);
  OnEditorOKClick(e.s, e.ui);
  EXPECT_EQ(e.s.rename.summary.LabelCriInsert.text, insertLine);
  EXPECT_EQ(e.s.rename.criteria.ExtText, "jpg");
  EXPECT_EQ(e.s.rename.criteria.RemovePlace, "RemoveCharBeforeNumChars");
  EXPECT_EQ(e.s.rename.CriteriaSetCount, 8);
}

TEST(EditorRefill, ReopeningShowsEveryModeOfARecordBuiltByRenameSet) {
  Editor e;
  RenameState& r = e.s.rename;
  r.EdHandleThis = "-";
  r.OptHandleMode = 1;
  r.OptSpaceMode = 0;
  r.OptCaseScope = 0;
  r.OptCaseChange = 1;
  r.EdInsertThis = "I";
  r.OptInsertPlace = 2;
  r.EdReplaceWith = "W";
  r.OptReplacePlace = 1;
  r.EdRemoveNumChar = 2;
  r.OptRemovePlace = 6;
  r.EdAutoStart = "ab";
  r.EdAutoSmallLetter = true;
  r.OptAutoKind = 2;
  r.OptAutoPlace = 3;
  r.EdAutoNum = 5;
  RenameSet(e.s);

  e.Open();
  ExpectView(e.s, {
                      {"CheckExt", "checked", "0"},
                      {"TextExt", "text", ""},
                      {"CheckCase", "checked", "1"},
                      {"OptionCase", "index", "0"},
                      {"ComboCase", "index", "1"},
                      {"CheckSpace", "checked", "1"},
                      {"OptionSpace", "index", "0"},
                      {"TextSpaceWith", "text", ""},
                      {"FrameSpaceReplace", "visible", "0"},
                      {"CheckHandle", "checked", "1"},
                      {"TextHandleThis", "text", "-"},
                      {"OptionHandle", "index", "1"},
                      {"TextHandleWith", "text", ""},
                      {"TextHandleWith", "visible", "0"},
                      {"ComboInsert", "index", "2"},
                      {"TextInsertThis", "text", "I"},
                      {"ComboReplace", "index", "1"},
                      {"TextReplaceWith", "text", "W"},
                      {"ComboRemove", "index", "6"},
                      {"TextRemoveNumChar", "text", "2"},
                      {"OptionAuto", "index", "2"},
                      {"ComboAutoPlace", "index", "3"},
                      {"TextAutoAfterNumChar", "text", "5"},
                      {"TextAutoStart", "text", "ab"},
                      {"CheckAutoLetter", "checked", "1"},
                      {"CheckAutoLetter", "visible", "1"},
                      {"FrameAutoStart", "text", "Start From These Letters :"},
                  });
}

TEST(EditorRefill, ReopeningAfterACancelledFirstEditShowsEverythingOff) {
  Editor e;
  e.Open();
  OnCheckExtClick(e.s, e.ui, true);
  e.Type(B::TextExt, "txt");
  OnCheckCaseClick(e.s, e.ui, true);
  OnOptionCaseClick(e.s, e.ui, 1);
  OnCheckSpaceClick(e.s, e.ui, true);
  OnOptionSpaceClick(e.s, e.ui, 1);
  e.Type(B::TextSpaceWith, "_");
  OnCheckHandleClick(e.s, e.ui, true);
  e.Type(B::TextHandleThis, ".");
  OnOptionHandleClick(e.s, e.ui, 2);
  OnCheckHandleAddSpaceClick(e.s, e.ui, true);
  OnCheckInsertClick(e.s, e.ui, true);
  OnComboInsertClick(e.s, e.ui, 1);
  OnCheckReplaceClick(e.s, e.ui, true);
  OnComboReplaceClick(e.s, e.ui, 2);
  OnCheckRemoveClick(e.s, e.ui, true);
  OnComboRemoveClick(e.s, e.ui, 4);
  OnOptionAutoClick(e.s, e.ui, 1);
  OnComboAutoPlaceClick(e.s, e.ui, 2);
  OnEditorCancelClick(e.s, e.ui);
  EXPECT_EQ(e.s.rename.CriteriaSetCount, 0);

  e.Open();
  ExpectView(e.s, {
                      {"CheckExt", "checked", "0"},
                      {"TextExt", "text", ""},
                      {"CheckCase", "checked", "0"},
                      {"OptionCase", "index", "9"},
                      {"CheckSpace", "checked", "0"},
                      {"OptionSpace", "index", "9"},
                      {"TextSpaceWith", "text", ""},
                      {"CheckHandle", "checked", "0"},
                      {"OptionHandle", "index", "9"},
                      {"TextHandleThis", "text", ""},
                      {"CheckHandleAddSpace", "checked", "0"},
                      {"CheckInsert", "checked", "0"},
                      {"ComboInsert", "index", "0"},
                      {"ComboInsert", "visible", "0"},
                      {"CheckReplace", "checked", "0"},
                      {"ComboReplace", "index", "0"},
                      {"CheckRemove", "checked", "0"},
                      {"ComboRemove", "index", "0"},
                      {"OptionAuto", "index", "0"},
                      {"ComboAutoPlace", "index", "0"},
                      {"ComboAutoPlace", "visible", "0"},
                      {"FrameInsertThis", "visible", "0"},
                      {"FrameAutoStart", "visible", "0"},
                  });
}

TEST(EditorRefill, AnotherListEntryEmptiesTheBoxesAndTheStoredOneBringsThemBack) {
  using Action = std::function<void(Editor&)>;
  struct Row {
    const char* name;
    Action build;  // the record, confirmed with OK
    Action other;  // another entry
    Action back;   // the stored entry again
    std::vector<EditorBox> boxes;
    std::vector<std::string> stored;
  };
  const std::vector<Row> rows = {
      {"insert",
       [](Editor& e) {
         OnCheckInsertClick(e.s, e.ui, true);
         OnComboInsertClick(e.s, e.ui, 3);
         e.Type(B::TextInsertAfterNumChar, "4");
         e.Type(B::TextInsertThis, "ab");
       },
       [](Editor& e) { OnComboInsertClick(e.s, e.ui, 5); },
       [](Editor& e) { OnComboInsertClick(e.s, e.ui, 3); },
       {B::TextInsertAfterNumChar, B::TextInsertAfterString, B::TextInsertThis},
       {"4", "", "ab"}},
      {"insert_string",
       [](Editor& e) {
         OnCheckInsertClick(e.s, e.ui, true);
         OnComboInsertClick(e.s, e.ui, 6);
         e.Type(B::TextInsertAfterString, "x");
         e.Type(B::TextInsertThis, "ab");
       },
       [](Editor& e) { OnComboInsertClick(e.s, e.ui, 5); },
       [](Editor& e) { OnComboInsertClick(e.s, e.ui, 6); },
       {B::TextInsertAfterNumChar, B::TextInsertAfterString, B::TextInsertThis},
       {"", "x", "ab"}},
      {"replace",
       [](Editor& e) {
         OnCheckReplaceClick(e.s, e.ui, true);
         OnComboReplaceClick(e.s, e.ui, 10);
         e.Type(B::TextReplaceCharAfterNumChar, "3");
         e.Type(B::TextReplaceNumChar, "2");
         e.Type(B::TextReplaceWith, "W");
       },
       [](Editor& e) { OnComboReplaceClick(e.s, e.ui, 9); },
       [](Editor& e) { OnComboReplaceClick(e.s, e.ui, 10); },
       {B::TextReplaceCharAfterNumChar, B::TextReplaceNumChar, B::TextReplaceWith},
       {"3", "2", "W"}},
      {"remove",
       [](Editor& e) {
         OnCheckRemoveClick(e.s, e.ui, true);
         OnComboRemoveClick(e.s, e.ui, 5);
         e.Type(B::TextRemoveAfterString, "-");
       },
       [](Editor& e) { OnComboRemoveClick(e.s, e.ui, 4); },
       [](Editor& e) { OnComboRemoveClick(e.s, e.ui, 5); },
       {B::TextRemoveAfterString},
       {"-"}},
      {"auto_place",
       [](Editor& e) {
         OnOptionAutoClick(e.s, e.ui, 1);
         OnComboAutoPlaceClick(e.s, e.ui, 3);
         e.Type(B::TextAutoAfterNumChar, "5");
         e.Type(B::TextAutoStart, "12");
       },
       [](Editor& e) { OnComboAutoPlaceClick(e.s, e.ui, 4); },
       [](Editor& e) { OnComboAutoPlaceClick(e.s, e.ui, 3); },
       {B::TextAutoAfterNumChar, B::TextAutoStart},
       {"5", "12"}},
      {"auto_kind",
       [](Editor& e) {
         OnOptionAutoClick(e.s, e.ui, 1);
         OnComboAutoPlaceClick(e.s, e.ui, 1);
         e.Type(B::TextAutoStart, "7");
       },
       [](Editor& e) { OnOptionAutoClick(e.s, e.ui, 2); },
       [](Editor& e) { OnOptionAutoClick(e.s, e.ui, 1); },
       {B::TextAutoStart},
       {"7"}},
      {"auto_start_zero_is_written",
       [](Editor& e) {
         OnOptionAutoClick(e.s, e.ui, 1);
         OnComboAutoPlaceClick(e.s, e.ui, 2);
         e.Type(B::TextAutoStart, "0");
       },
       [](Editor& e) { OnComboAutoPlaceClick(e.s, e.ui, 1); },
       [](Editor& e) { OnComboAutoPlaceClick(e.s, e.ui, 2); },
       {B::TextAutoStart},
       {"0"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    e.Open();
    row.build(e);
    OnEditorOKClick(e.s, e.ui);
    ASSERT_FALSE(e.s.editor.shown);
    e.Open();
    for (std::size_t i = 0; i < row.boxes.size(); ++i) {
      EXPECT_EQ(BoxText(e.s, row.boxes[i]), row.stored[i]) << BoxName(row.boxes[i]);
    }
    row.other(e);
    for (EditorBox box : row.boxes) EXPECT_EQ(BoxText(e.s, box), "") << BoxName(box);
    row.back(e);
    for (std::size_t i = 0; i < row.boxes.size(); ++i) {
      EXPECT_EQ(BoxText(e.s, row.boxes[i]), row.stored[i]) << BoxName(row.boxes[i]);
    }
  }
}

TEST(EditorRefill, EmptiedBoxesAlsoEmptyTheirEditorValues) {
  Editor e;
  e.Open();
  OnCheckInsertClick(e.s, e.ui, true);
  OnComboInsertClick(e.s, e.ui, 3);
  e.Type(B::TextInsertAfterNumChar, "4");
  e.Type(B::TextInsertThis, "ab");
  OnEditorOKClick(e.s, e.ui);
  e.Open();
  OnComboInsertClick(e.s, e.ui, 4);
  EXPECT_EQ(e.s.rename.EdInsertNum, 0);
  EXPECT_EQ(e.s.rename.EdInsertThis, "");
}

TEST(EditorRefill, SmallLetterTurnsTheStartLettersToLowerOrUpperCase) {
  struct Row {
    const char* name;
    const char* start;
    bool ticked;
    const char* expected;
  } rows[] = {
      {"ticked_lowers", "AbC", true, "abc"},
      {"unticked_raises", "aBc", false, "ABC"},
      {"empty_stays_empty_ticked", "", true, ""},
      {"empty_stays_empty_unticked", "", false, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    OnOptionAutoClick(e.s, e.ui, 2);
    OnComboAutoPlaceClick(e.s, e.ui, 1);
    OnCheckAutoLetterClick(e.s, e.ui, !row.ticked);
    e.Type(B::TextAutoStart, row.start);
    TakeEditorFocus(e.s);
    OnCheckAutoLetterClick(e.s, e.ui, row.ticked);
    EXPECT_EQ(BoxText(e.s, B::TextAutoStart), row.expected);
    EXPECT_EQ(e.s.rename.EdAutoStart, row.expected);
    EXPECT_EQ(e.s.rename.EdAutoSmallLetter, row.ticked);
    EXPECT_EQ(e.s.editor.CheckAutoLetter, row.ticked);
    EXPECT_EQ(TakeEditorFocus(e.s), "TextAutoStart");
  }
}

TEST(EditorRefill, UntickingIncludeSpaceDeletesEverySpaceFromItsText) {
  struct Row {
    const char* name;
    void (*click)(Session&, UserInterface&, bool);
    bool EditorState::*flag;
    EditorBox box;
    std::string RenameState::*value;
  } rows[] = {
      {"insert", &OnCheckInsertAddSpaceClick, &EditorState::EdInsertIncludeSpace, B::TextInsertThis,
       &RenameState::EdInsertThis},
      {"replace", &OnCheckReplaceAddSpaceClick, &EditorState::EdReplaceIncludeSpace,
       B::TextReplaceWith, &RenameState::EdReplaceWith},
      {"space", &OnCheckSpaceAddSpaceClick, &EditorState::EdSpaceIncludeSpace, B::TextSpaceWith,
       &RenameState::EdSpaceWith},
      {"handle", &OnCheckHandleAddSpaceClick, &EditorState::EdHandleIncludeSpace, B::TextHandleWith,
       &RenameState::EdHandleWith},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    row.click(e.s, e.ui, true);
    EXPECT_TRUE(e.s.editor.*row.flag);
    e.Type(row.box, " a b  c ");
    EXPECT_EQ(BoxText(e.s, row.box), " a b  c ");  // ticking keeps the spaces
    TakeEditorFocus(e.s);
    row.click(e.s, e.ui, false);
    EXPECT_FALSE(e.s.editor.*row.flag);
    EXPECT_EQ(BoxText(e.s, row.box), "abc");
    EXPECT_EQ(e.s.rename.*row.value, "abc");
    EXPECT_EQ(TakeEditorFocus(e.s), BoxName(row.box));
  }
}

TEST(EditorRefill, FocusRoutinesSetTheTabOrderOfTheChosenPath) {
  struct Row {
    const char* name;
    void (*choose)(Session&, UserInterface&, std::int16_t);
    std::int16_t index;
    std::vector<std::string> order;
  };
  auto autoNumber = [](Session& s, UserInterface& ui, std::int16_t place) {
    OnOptionAutoClick(s, ui, 1);
    OnComboAutoPlaceClick(s, ui, place);
  };
  void (*autoPlace)(Session&, UserInterface&, std::int16_t) = autoNumber;
  const std::vector<std::string> insertNumber = {"TextInsertAfterNumChar", "TextInsertThis"};
  const std::vector<std::string> insertString = {"TextInsertAfterString", "TextInsertThis"};
  const std::vector<std::string> replaceCharNumber = {"TextReplaceCharAfterNumChar",
                                                      "TextReplaceNumChar", "TextReplaceWith"};
  const std::vector<std::string> replaceCharString = {"TextReplaceCharAfterString",
                                                      "TextReplaceNumChar", "TextReplaceWith"};
  const std::vector<Row> rows = {
      {"insert_1", &OnComboInsertClick, 1, {"TextInsertThis"}},
      {"insert_2", &OnComboInsertClick, 2, {"TextInsertThis"}},
      {"insert_3", &OnComboInsertClick, 3, insertNumber},
      {"insert_4", &OnComboInsertClick, 4, insertNumber},
      {"insert_5", &OnComboInsertClick, 5, insertString},
      {"insert_6", &OnComboInsertClick, 6, insertString},
      {"replace_1", &OnComboReplaceClick, 1, {"TextReplaceWith"}},
      {"replace_2", &OnComboReplaceClick, 2, {"TextReplaceString", "TextReplaceWith"}},
      {"replace_3", &OnComboReplaceClick, 3, {"TextReplaceAfterNumChar", "TextReplaceWith"}},
      {"replace_4", &OnComboReplaceClick, 4, {"TextReplaceAfterNumChar", "TextReplaceWith"}},
      {"replace_5", &OnComboReplaceClick, 5, {"TextReplaceAfterString", "TextReplaceWith"}},
      {"replace_6", &OnComboReplaceClick, 6, {"TextReplaceAfterString", "TextReplaceWith"}},
      {"replace_7", &OnComboReplaceClick, 7, {"TextReplaceNumChar", "TextReplaceWith"}},
      {"replace_8", &OnComboReplaceClick, 8, {"TextReplaceNumChar", "TextReplaceWith"}},
      {"replace_9", &OnComboReplaceClick, 9, replaceCharNumber},
      {"replace_10", &OnComboReplaceClick, 10, replaceCharNumber},
      {"replace_11", &OnComboReplaceClick, 11, replaceCharString},
      {"replace_12", &OnComboReplaceClick, 12, replaceCharString},
      {"remove_1", &OnComboRemoveClick, 1, {"TextRemoveString"}},
      {"remove_2", &OnComboRemoveClick, 2, {"TextRemoveAfterNumChar"}},
      {"remove_3", &OnComboRemoveClick, 3, {"TextRemoveAfterNumChar"}},
      {"remove_4", &OnComboRemoveClick, 4, {"TextRemoveAfterString"}},
      {"remove_5", &OnComboRemoveClick, 5, {"TextRemoveAfterString"}},
      {"remove_6", &OnComboRemoveClick, 6, {"TextRemoveNumChar"}},
      {"remove_7", &OnComboRemoveClick, 7, {"TextRemoveNumChar"}},
      {"remove_8", &OnComboRemoveClick, 8, {"TextRemoveCharAfterNumChar", "TextRemoveNumChar"}},
      {"remove_9", &OnComboRemoveClick, 9, {"TextRemoveCharAfterNumChar", "TextRemoveNumChar"}},
      {"remove_10", &OnComboRemoveClick, 10, {"TextRemoveCharAfterString", "TextRemoveNumChar"}},
      {"remove_11", &OnComboRemoveClick, 11, {"TextRemoveCharAfterString", "TextRemoveNumChar"}},
      {"auto_1", autoPlace, 1, {"TextAutoStart"}},
      {"auto_2", autoPlace, 2, {"TextAutoStart"}},
      {"auto_3", autoPlace, 3, {"TextAutoAfterNumChar", "TextAutoStart"}},
      {"auto_4", autoPlace, 4, {"TextAutoAfterNumChar", "TextAutoStart"}},
      {"auto_5", autoPlace, 5, {"TextAutoAfterString", "TextAutoStart"}},
      {"auto_6", autoPlace, 6, {"TextAutoAfterString", "TextAutoStart"}},
  };
  for (const Row& row : rows) {
    for (const bool filling : {false, true}) {
      SCOPED_TRACE(std::string(row.name) + (filling ? "_while_filling" : ""));
      Editor e;
      e.s.help.EditorHelpRequest = filling;
      row.choose(e.s, e.ui, row.index);
      EXPECT_EQ(e.s.editor.tabOrder, row.order);
      const View v = EditorView(e.s);
      for (std::size_t i = 0; i < row.order.size(); ++i) {
        const auto it = v.find(row.order[i]);
        ASSERT_NE(it, v.end());
        EXPECT_EQ(it->second.tab, static_cast<int>(i)) << row.order[i];
      }
      // No reaction moves the focus while the editor is being filled.
      EXPECT_EQ(TakeEditorFocus(e.s), filling ? "" : row.order.front());
    }
  }
}

TEST(EditorRefill, NoReactionMovesTheFocusWhileTheEditorIsBeingFilled) {
  using Action = std::function<void(Editor&)>;
  struct Row {
    const char* name;
    Action act;
    const char* focus;  // without EditorHelpRequest
  };
  const std::vector<Row> rows = {
      {"check_ext", [](Editor& e) { OnCheckExtClick(e.s, e.ui, true); }, "TextExt"},
      {"check_handle", [](Editor& e) { OnCheckHandleClick(e.s, e.ui, true); }, "TextHandleThis"},
      {"option_space_replace", [](Editor& e) { OnOptionSpaceClick(e.s, e.ui, 1); },
       "TextSpaceWith"},
      {"option_handle_replace", [](Editor& e) { OnOptionHandleClick(e.s, e.ui, 2); },
       "TextHandleWith"},
      {"zero_fill", [](Editor& e) { OnComboAutoZeroFillClick(e.s, e.ui, 2); }, "TextAutoStart"},
      {"small_letter", [](Editor& e) { OnCheckAutoLetterClick(e.s, e.ui, true); }, "TextAutoStart"},
      {"include_space", [](Editor& e) { OnCheckInsertAddSpaceClick(e.s, e.ui, true); },
       "TextInsertThis"},
  };
  for (const Row& row : rows) {
    for (const bool filling : {false, true}) {
      SCOPED_TRACE(std::string(row.name) + (filling ? "_while_filling" : ""));
      Editor e;
      e.s.help.EditorHelpRequest = filling;
      row.act(e);
      EXPECT_EQ(TakeEditorFocus(e.s), filling ? "" : row.focus);
    }
  }
}

TEST(EditorRefill, OpeningTheEditorMovesNoFocusAndHandsTheHelpOver) {
  Editor e;
  e.Open();
  OnCheckInsertClick(e.s, e.ui, true);
  OnComboInsertClick(e.s, e.ui, 5);
  e.Type(B::TextInsertAfterString, "x");
  e.Type(B::TextInsertThis, "ab");
  OnEditorOKClick(e.s, e.ui);
  TakeEditorFocus(e.s);

  e.Open();
  EXPECT_EQ(TakeEditorFocus(e.s), "");
  EXPECT_FALSE(e.s.help.EditorHelpRequest);
  EXPECT_TRUE(e.s.help.EditorHelpShown);
  EXPECT_EQ(e.s.editor.tabOrder,
            (std::vector<std::string>{"TextInsertAfterString", "TextInsertThis"}));
  // Once open, a reaction moves the focus again.
  OnComboInsertClick(e.s, e.ui, 1);
  EXPECT_EQ(TakeEditorFocus(e.s), "TextInsertThis");
}

}  // namespace
}  // namespace quillon
