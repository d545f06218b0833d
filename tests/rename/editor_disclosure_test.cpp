// The criteria editor reveals each criterion's boxes step by step: what EditorView shows
// at once for a list entry, what a guarding box's text reveals, and what emptying it hides.
#include "rename/editor_view.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "rename/criteria_editor.h"
#include "rename/editor_boxes.h"
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

  void Type(EditorBox box, const std::string& text) { OnTextChange(s, ui, box, text); }
};

bool Visible(const View& v, const std::string& name) {
  const auto it = v.find(name);
  return it != v.end() && it->second.visible.value_or(false);
}

// The controls among `names` that the view shows, in the order given.
std::string Shown(const View& v, const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) {
    if (!Visible(v, name)) continue;
    if (!out.empty()) out += " ";
    out += name;
  }
  return out;
}

const std::vector<std::string> kInsertControls = {"TextInsertAfterNumChar", "LabelMaxInsert",
                                                  "LabelInsertHighDigit", "TextInsertAfterString",
                                                  "FrameInsertThis"};
const std::vector<std::string> kReplaceControls = {
    "TextReplaceString",           "TextReplaceAfterNumChar",    "TextReplaceAfterString",
    "TextReplaceCharAfterNumChar", "TextReplaceCharAfterString", "LabelMaxReplace",
    "LabelReplaceHighDigit",       "FrameReplaceNumChar",        "FrameReplaceWith"};
const std::vector<std::string> kRemoveControls = {
    "TextRemoveString",           "TextRemoveAfterNumChar",    "TextRemoveAfterString",
    "TextRemoveCharAfterNumChar", "TextRemoveCharAfterString", "LabelMaxRemove",
    "LabelRemoveHighDigit",       "FrameRemoveNumChar"};
const std::vector<std::string> kAutoControls = {
    "TextAutoAfterNumChar", "LabelMaxAuto",      "LabelAutoHighDigit", "TextAutoAfterString",
    "FrameAutoStart",       "LabelAutoZeroFill", "ComboAutoZeroFill",  "CheckAutoLetter"};

// A box gets a text (or is emptied), then the criterion shows `shown`.
struct Step {
  EditorBox box;
  const char* text;
  const char* shown;
};

struct PlaceRow {
  const char* name;
  std::int16_t index;
  const char* atOnce;
  std::vector<Step> steps;
};

TEST(EditorDisclosure, InsertShowsTheBoxesOfTheChosenEntryStepByStep) {
  const char* number = "TextInsertAfterNumChar LabelMaxInsert LabelInsertHighDigit";
  const std::string numberThen = std::string(number) + " FrameInsertThis";
  const PlaceRow rows[] = {
      {"at_start", 1, "FrameInsertThis", {}},
      {"at_end", 2, "FrameInsertThis", {}},
      {"after_number",
       3,
       number,
       {{B::TextInsertAfterNumChar, "4", numberThen.c_str()},
        {B::TextInsertThis, "ab", numberThen.c_str()},
        {B::TextInsertAfterNumChar, "", number}}},
      {"before_number",
       4,
       number,
       {{B::TextInsertAfterNumChar, "12", numberThen.c_str()},
        {B::TextInsertAfterNumChar, "", number}}},
      {"after_string",
       5,
       "TextInsertAfterString",
       {{B::TextInsertAfterString, "x", "TextInsertAfterString FrameInsertThis"},
        {B::TextInsertAfterString, "", "TextInsertAfterString"}}},
      {"before_string",
       6,
       "TextInsertAfterString",
       {{B::TextInsertAfterString, ".", "TextInsertAfterString FrameInsertThis"},
        {B::TextInsertAfterString, "", "TextInsertAfterString"}}},
  };
  for (const PlaceRow& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    OnCheckInsertClick(e.s, e.ui, true);
    OnComboInsertClick(e.s, e.ui, row.index);
    View v = EditorView(e.s);
    EXPECT_TRUE(Visible(v, "ComboInsert"));
    EXPECT_EQ(v["ComboInsert"].index, row.index);
    EXPECT_EQ(Shown(v, kInsertControls), row.atOnce);
    for (const Step& step : row.steps) {
      SCOPED_TRACE(std::string(BoxName(step.box)) + "=" + step.text);
      e.Type(step.box, step.text);
      EXPECT_EQ(Shown(EditorView(e.s), kInsertControls), step.shown);
    }
  }
}

TEST(EditorDisclosure, ReplaceShowsTheBoxesOfTheChosenEntryStepByStep) {
  const char* number = "TextReplaceAfterNumChar LabelMaxReplace LabelReplaceHighDigit";
  const std::string numberThen = std::string(number) + " FrameReplaceWith";
  const char* charNumber = "TextReplaceCharAfterNumChar LabelMaxReplace LabelReplaceHighDigit";
  const std::string charNumberFrame = std::string(charNumber) + " FrameReplaceNumChar";
  const std::string charNumberAll = charNumberFrame + " FrameReplaceWith";
  const char* charString = "TextReplaceCharAfterString";
  const std::string charStringFrame = std::string(charString) + " FrameReplaceNumChar";
  const std::string charStringAll = charStringFrame + " FrameReplaceWith";
  const PlaceRow rows[] = {
      {"file_names", 1, "FrameReplaceWith", {}},
      {"this_string",
       2,
       "TextReplaceString",
       {{B::TextReplaceString, "ab", "TextReplaceString FrameReplaceWith"},
        {B::TextReplaceString, "", "TextReplaceString"}}},
      {"all_after_number",
       3,
       number,
       {{B::TextReplaceAfterNumChar, "3", numberThen.c_str()},
        {B::TextReplaceAfterNumChar, "", number}}},
      {"all_before_number",
       4,
       number,
       {{B::TextReplaceAfterNumChar, "3", numberThen.c_str()},
        {B::TextReplaceAfterNumChar, "", number}}},
      {"all_after_string",
       5,
       "TextReplaceAfterString",
       {{B::TextReplaceAfterString, "-", "TextReplaceAfterString FrameReplaceWith"},
        {B::TextReplaceAfterString, "", "TextReplaceAfterString"}}},
      {"all_before_string",
       6,
       "TextReplaceAfterString",
       {{B::TextReplaceAfterString, "-", "TextReplaceAfterString FrameReplaceWith"},
        {B::TextReplaceAfterString, "", "TextReplaceAfterString"}}},
      {"num_char_from_start",
       7,
       "FrameReplaceNumChar",
       {{B::TextReplaceNumChar, "2", "FrameReplaceNumChar FrameReplaceWith"},
        {B::TextReplaceNumChar, "", "FrameReplaceNumChar"}}},
      {"num_char_from_end",
       8,
       "FrameReplaceNumChar",
       {{B::TextReplaceNumChar, "2", "FrameReplaceNumChar FrameReplaceWith"},
        {B::TextReplaceNumChar, "", "FrameReplaceNumChar"}}},
      {"num_char_after_number",
       9,
       charNumber,
       {{B::TextReplaceCharAfterNumChar, "4", charNumberFrame.c_str()},
        {B::TextReplaceNumChar, "2", charNumberAll.c_str()},
        {B::TextReplaceCharAfterNumChar, "", charNumber},
        {B::TextReplaceCharAfterNumChar, "5", charNumberAll.c_str()},
        {B::TextReplaceNumChar, "", charNumberFrame.c_str()}}},
      {"num_char_before_number",
       10,
       charNumber,
       {{B::TextReplaceCharAfterNumChar, "4", charNumberFrame.c_str()},
        {B::TextReplaceNumChar, "2", charNumberAll.c_str()},
        {B::TextReplaceCharAfterNumChar, "", charNumber}}},
      {"num_char_after_string",
       11,
       charString,
       {{B::TextReplaceCharAfterString, "x", charStringFrame.c_str()},
        {B::TextReplaceNumChar, "2", charStringAll.c_str()},
        {B::TextReplaceCharAfterString, "", charString},
        {B::TextReplaceCharAfterString, "y", charStringAll.c_str()},
        {B::TextReplaceNumChar, "", charStringFrame.c_str()}}},
      {"num_char_before_string",
       12,
       charString,
       {{B::TextReplaceCharAfterString, "x", charStringFrame.c_str()},
        {B::TextReplaceNumChar, "2", charStringAll.c_str()},
        {B::TextReplaceCharAfterString, "", charString}}},
  };
  for (const PlaceRow& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    OnCheckReplaceClick(e.s, e.ui, true);
    OnComboReplaceClick(e.s, e.ui, row.index);
    View v = EditorView(e.s);
    EXPECT_TRUE(Visible(v, "ComboReplace"));
    EXPECT_EQ(v["ComboReplace"].index, row.index);
    EXPECT_EQ(Shown(v, kReplaceControls), row.atOnce);
    for (const Step& step : row.steps) {
      SCOPED_TRACE(std::string(BoxName(step.box)) + "=" + step.text);
      e.Type(step.box, step.text);
      EXPECT_EQ(Shown(EditorView(e.s), kReplaceControls), step.shown);
    }
  }
}

TEST(EditorDisclosure, RemoveShowsTheBoxesOfTheChosenEntryStepByStep) {
  const char* number = "TextRemoveAfterNumChar LabelMaxRemove LabelRemoveHighDigit";
  const char* charNumber = "TextRemoveCharAfterNumChar LabelMaxRemove LabelRemoveHighDigit";
  const std::string charNumberThen = std::string(charNumber) + " FrameRemoveNumChar";
  const PlaceRow rows[] = {
      {"this_string", 1, "TextRemoveString", {{B::TextRemoveString, "ab", "TextRemoveString"}}},
      {"all_after_number", 2, number, {{B::TextRemoveAfterNumChar, "3", number}}},
      {"all_before_number", 3, number, {{B::TextRemoveAfterNumChar, "3", number}}},
      {"all_after_string",
       4,
       "TextRemoveAfterString",
       {{B::TextRemoveAfterString, "x", "TextRemoveAfterString"}}},
      {"all_before_string",
       5,
       "TextRemoveAfterString",
       {{B::TextRemoveAfterString, "x", "TextRemoveAfterString"}}},
      {"num_char_from_start", 6, "FrameRemoveNumChar", {}},
      {"num_char_from_end", 7, "FrameRemoveNumChar", {}},
      {"num_char_after_number",
       8,
       charNumber,
       {{B::TextRemoveCharAfterNumChar, "2", charNumberThen.c_str()},
        {B::TextRemoveCharAfterNumChar, "", charNumber}}},
      {"num_char_before_number",
       9,
       charNumber,
       {{B::TextRemoveCharAfterNumChar, "2", charNumberThen.c_str()},
        {B::TextRemoveCharAfterNumChar, "", charNumber}}},
      {"num_char_after_string",
       10,
       "TextRemoveCharAfterString",
       {{B::TextRemoveCharAfterString, "x", "TextRemoveCharAfterString FrameRemoveNumChar"},
        {B::TextRemoveCharAfterString, "", "TextRemoveCharAfterString"}}},
      {"num_char_before_string",
       11,
       "TextRemoveCharAfterString",
       {{B::TextRemoveCharAfterString, "x", "TextRemoveCharAfterString FrameRemoveNumChar"},
        {B::TextRemoveCharAfterString, "", "TextRemoveCharAfterString"}}},
  };
  for (const PlaceRow& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    OnCheckRemoveClick(e.s, e.ui, true);
    OnComboRemoveClick(e.s, e.ui, row.index);
    View v = EditorView(e.s);
    EXPECT_TRUE(Visible(v, "ComboRemove"));
    EXPECT_EQ(v["ComboRemove"].index, row.index);
    EXPECT_EQ(Shown(v, kRemoveControls), row.atOnce);
    for (const Step& step : row.steps) {
      SCOPED_TRACE(std::string(BoxName(step.box)) + "=" + step.text);
      e.Type(step.box, step.text);
      EXPECT_EQ(Shown(EditorView(e.s), kRemoveControls), step.shown);
    }
  }
}

TEST(EditorDisclosure, AutoShowsTheStartFrameAndTheKindExtrasStepByStep) {
  struct Kind {
    const char* name;
    std::int16_t index;
    const char* extras;
  } kinds[] = {{"number", 1, "LabelAutoZeroFill ComboAutoZeroFill"},
               {"letter", 2, "CheckAutoLetter"}};
  struct Row {
    const char* name;
    std::int16_t place;
    const char* atOnce;  // before the start frame; "" for none
    const EditorBox* guard;
    const char* guardText;
  };
  const EditorBox number = B::TextAutoAfterNumChar;
  const EditorBox string = B::TextAutoAfterString;
  const char* numberBoxes = "TextAutoAfterNumChar LabelMaxAuto LabelAutoHighDigit";
  const Row rows[] = {
      {"at_start", 1, "", nullptr, ""},
      {"at_end", 2, "", nullptr, ""},
      {"after_number", 3, numberBoxes, &number, "3"},
      {"before_number", 4, numberBoxes, &number, "3"},
      {"after_string", 5, "TextAutoAfterString", &string, "x"},
      {"before_string", 6, "TextAutoAfterString", &string, "x"},
  };
  for (const Kind& kind : kinds) {
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(kind.name) + "_" + row.name);
      Editor e;
      OnOptionAutoClick(e.s, e.ui, kind.index);
      View v = EditorView(e.s);
      EXPECT_TRUE(Visible(v, "ComboAutoPlace"));
      EXPECT_EQ(Shown(v, kAutoControls), "");  // nothing before a place is chosen
      OnComboAutoPlaceClick(e.s, e.ui, row.place);
      const std::string prefix = *row.atOnce == '\0' ? "" : std::string(row.atOnce) + " ";
      const std::string open = prefix + "FrameAutoStart " + kind.extras;
      if (row.guard == nullptr) {
        EXPECT_EQ(Shown(EditorView(e.s), kAutoControls), open);
        continue;
      }
      EXPECT_EQ(Shown(EditorView(e.s), kAutoControls), row.atOnce);
      e.Type(*row.guard, row.guardText);
      EXPECT_EQ(Shown(EditorView(e.s), kAutoControls), open);
      e.Type(*row.guard, "");
      EXPECT_EQ(Shown(EditorView(e.s), kAutoControls), row.atOnce);
    }
  }
}

TEST(EditorDisclosure, AutoNoHidesEverythingButTheKindOptions) {
  Editor e;
  OnOptionAutoClick(e.s, e.ui, 1);
  OnComboAutoPlaceClick(e.s, e.ui, 1);
  ASSERT_TRUE(Visible(EditorView(e.s), "FrameAutoStart"));
  OnOptionAutoClick(e.s, e.ui, 0);
  View v = EditorView(e.s);
  EXPECT_FALSE(Visible(v, "ComboAutoPlace"));
  EXPECT_EQ(Shown(v, kAutoControls), "");
  EXPECT_EQ(v["OptionAuto"].index, 0);
}

TEST(EditorDisclosure, ChangingTheAutoKindSwapsTheKindExtras) {
  Editor e;
  OnOptionAutoClick(e.s, e.ui, 1);
  OnComboAutoPlaceClick(e.s, e.ui, 2);
  EXPECT_EQ(Shown(EditorView(e.s), kAutoControls),
            "FrameAutoStart LabelAutoZeroFill ComboAutoZeroFill");
  EXPECT_EQ(EditorView(e.s)["FrameAutoStart"].text, "Start From This Number :");
  EXPECT_EQ(EditorView(e.s)["LabelAutoMaxLength"].text, "Maximum 5 Digits.");
  OnOptionAutoClick(e.s, e.ui, 2);
  EXPECT_EQ(Shown(EditorView(e.s), kAutoControls), "FrameAutoStart CheckAutoLetter");
  EXPECT_EQ(EditorView(e.s)["FrameAutoStart"].text, "Start From These Letters :");
  EXPECT_EQ(EditorView(e.s)["LabelAutoMaxLength"].text, "Maximum 3 Letters.");
  EXPECT_EQ(BoxMaxLength(e.s, B::TextAutoStart), 3);
}

// Ticking and unticking the first four criteria, step by step.
TEST(EditorDisclosure, TickBoxesOfExtCaseSpaceAndHandleRevealTheirControls) {
  using Action = std::function<void(Editor&)>;
  struct Move {
    const char* what;
    Action act;
    const char* shown;
  };
  struct Row {
    const char* name;
    std::vector<std::string> controls;
    std::vector<Move> moves;
  };
  const std::vector<Row> rows = {
      {"ext",
       {"LabelExt", "LabelMaxExt", "TextExt"},
       {{"tick", [](Editor& e) { OnCheckExtClick(e.s, e.ui, true); },
         "LabelExt LabelMaxExt TextExt"},
        {"untick", [](Editor& e) { OnCheckExtClick(e.s, e.ui, false); }, ""}}},
      {"case",
       {"FrameCaseOption", "FrameCaseSelect"},
       {{"tick_without_scope", [](Editor& e) { OnCheckCaseClick(e.s, e.ui, true); },
         "FrameCaseOption"},
        {"scope_first_letter", [](Editor& e) { OnOptionCaseClick(e.s, e.ui, 1); },
         "FrameCaseOption FrameCaseSelect"},
        {"untick", [](Editor& e) { OnCheckCaseClick(e.s, e.ui, false); }, ""},
        {"tick_with_scope", [](Editor& e) { OnCheckCaseClick(e.s, e.ui, true); },
         "FrameCaseOption FrameCaseSelect"}}},
      {"space",
       {"OptionSpace", "FrameSpaceReplace"},
       {{"tick", [](Editor& e) { OnCheckSpaceClick(e.s, e.ui, true); }, "OptionSpace"},
        {"replace_with", [](Editor& e) { OnOptionSpaceClick(e.s, e.ui, 1); },
         "OptionSpace FrameSpaceReplace"},
        {"remove", [](Editor& e) { OnOptionSpaceClick(e.s, e.ui, 0); }, "OptionSpace"},
        {"replace_again", [](Editor& e) { OnOptionSpaceClick(e.s, e.ui, 1); },
         "OptionSpace FrameSpaceReplace"},
        {"untick", [](Editor& e) { OnCheckSpaceClick(e.s, e.ui, false); }, ""}}},
      {"handle",
       {"TextHandleThis", "FrameSpChangeTo", "TextHandleWith", "LabelMaxHandle",
        "CheckHandleAddSpace"},
       {{"tick", [](Editor& e) { OnCheckHandleClick(e.s, e.ui, true); }, "TextHandleThis"},
        {"type_this", [](Editor& e) { e.Type(B::TextHandleThis, "."); },
         "TextHandleThis FrameSpChangeTo"},
        {"change_as_space", [](Editor& e) { OnOptionHandleClick(e.s, e.ui, 1); },
         "TextHandleThis FrameSpChangeTo"},
        {"replace_with", [](Editor& e) { OnOptionHandleClick(e.s, e.ui, 2); },
         "TextHandleThis FrameSpChangeTo TextHandleWith LabelMaxHandle CheckHandleAddSpace"},
        {"remove", [](Editor& e) { OnOptionHandleClick(e.s, e.ui, 0); },
         "TextHandleThis FrameSpChangeTo"},
        {"replace_again", [](Editor& e) { OnOptionHandleClick(e.s, e.ui, 2); },
         "TextHandleThis FrameSpChangeTo TextHandleWith LabelMaxHandle CheckHandleAddSpace"},
        {"empty_this", [](Editor& e) { e.Type(B::TextHandleThis, ""); }, "TextHandleThis"},
        {"type_this_again", [](Editor& e) { e.Type(B::TextHandleThis, "ab"); },
         "TextHandleThis FrameSpChangeTo TextHandleWith LabelMaxHandle CheckHandleAddSpace"},
        {"untick", [](Editor& e) { OnCheckHandleClick(e.s, e.ui, false); }, ""}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    EXPECT_EQ(Shown(EditorView(e.s), row.controls), "");
    for (const Move& move : row.moves) {
      SCOPED_TRACE(move.what);
      move.act(e);
      EXPECT_EQ(Shown(EditorView(e.s), row.controls), move.shown);
    }
  }
}

TEST(EditorDisclosure, TickingExtensionPutsTheRecordsExtensionIntoTheBox) {
  Editor e;
  e.s.rename.criteria.ExtText = "jpg";
  OnCheckExtClick(e.s, e.ui, true);
  EXPECT_EQ(BoxText(e.s, B::TextExt), "jpg");
  EXPECT_EQ(e.s.rename.EdExtText, "jpg");
  EXPECT_EQ(TakeEditorFocus(e.s), "TextExt");
}

TEST(EditorDisclosure, UntickingInsertReplaceOrRemoveResetsTheListAndHidesTheBoxes) {
  struct Row {
    const char* name;
    void (*tick)(Session&, UserInterface&, bool);
    void (*choose)(Session&, UserInterface&, std::int16_t);
    std::int16_t index;
    EditorBox guard;
    const char* list;
    const std::vector<std::string>* controls;
    std::int16_t RenameState::*live;
  } rows[] = {
      {"insert", &OnCheckInsertClick, &OnComboInsertClick, 3, B::TextInsertAfterNumChar,
       "ComboInsert", &kInsertControls, &RenameState::OptInsertPlace},
      {"replace", &OnCheckReplaceClick, &OnComboReplaceClick, 9, B::TextReplaceCharAfterNumChar,
       "ComboReplace", &kReplaceControls, &RenameState::OptReplacePlace},
      {"remove_num_char", &OnCheckRemoveClick, &OnComboRemoveClick, 8,
       B::TextRemoveCharAfterNumChar, "ComboRemove", &kRemoveControls,
       &RenameState::OptRemovePlace},
      {"remove_string", &OnCheckRemoveClick, &OnComboRemoveClick, 1, B::TextRemoveString,
       "ComboRemove", &kRemoveControls, &RenameState::OptRemovePlace},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    EXPECT_FALSE(Visible(EditorView(e.s), row.list));
    row.tick(e.s, e.ui, true);
    EXPECT_TRUE(Visible(EditorView(e.s), row.list));
    row.choose(e.s, e.ui, row.index);
    e.Type(row.guard, "3");
    ASSERT_NE(Shown(EditorView(e.s), *row.controls), "");
    row.tick(e.s, e.ui, false);
    View v = EditorView(e.s);
    EXPECT_EQ(e.s.rename.*row.live, 0);
    EXPECT_EQ(v[row.list].index, 0);
    EXPECT_FALSE(Visible(v, row.list));
    EXPECT_EQ(Shown(v, *row.controls), "");
  }
}

TEST(EditorDisclosure, FileNamesShowsReplaceWithAtOnceWhileThisStringWaitsForText) {
  Editor e;
  OnCheckReplaceClick(e.s, e.ui, true);
  OnComboReplaceClick(e.s, e.ui, 1);
  EXPECT_TRUE(Visible(EditorView(e.s), "FrameReplaceWith"));
  OnComboReplaceClick(e.s, e.ui, 2);
  EXPECT_FALSE(Visible(EditorView(e.s), "FrameReplaceWith"));
  EXPECT_TRUE(Visible(EditorView(e.s), "TextReplaceString"));
  e.Type(B::TextReplaceString, "old");
  EXPECT_TRUE(Visible(EditorView(e.s), "FrameReplaceWith"));
}

}  // namespace
}  // namespace quillon
