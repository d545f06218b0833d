// The Date block of the criteria editor: what each place discloses, what its number box
// takes, and a setting that goes through OK into the record and comes back on reopening.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow/criteria_editor.h"
#include "platform/environment.h"
#include "rename/criteria_editor.h"
#include "rename/editor_boxes.h"
#include "rename/editor_filters.h"
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

  Editor() {
    s.state.SelectedCount = 1;
    ShowRenameEditor(s, ui);
  }
  void Type(EditorBox box, const std::string& text) { OnTextChange(s, ui, box, text); }
  // The Date controls the editor shows, in their order.
  std::string Shown() const {
    const View v = EditorView(s);
    std::string out;
    for (const char* name : {"ComboDatePlace", "TextDateAfterNumChar", "LabelMaxDate",
                             "TextDateAfterString", "ComboDateSource", "ComboDateFormat"}) {
      const auto it = v.find(name);
      if (it == v.end() || !it->second.visible.value_or(false)) continue;
      out += out.empty() ? name : std::string(" ") + name;
    }
    return out;
  }
};

TEST(DateEditor, EachPlaceDisclosesWhatItNeeds) {
  const std::string lists = "ComboDateSource ComboDateFormat";
  struct Row {
    std::int16_t place;
    std::string shown;
  } rows[] = {
      {0, "ComboDatePlace " + lists},
      {1, "ComboDatePlace " + lists},
      {2, "ComboDatePlace " + lists},
      {3, "ComboDatePlace TextDateAfterNumChar LabelMaxDate " + lists},
      {4, "ComboDatePlace TextDateAfterNumChar LabelMaxDate " + lists},
      {5, "ComboDatePlace TextDateAfterString " + lists},
      {6, "ComboDatePlace TextDateAfterString " + lists},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.place);
    Editor e;
    EXPECT_EQ(e.Shown(), "");
    OnCheckDateClick(e.s, e.ui, true);
    OnComboDatePlaceClick(e.s, e.ui, row.place);
    EXPECT_EQ(e.Shown(), row.shown);
    if (row.place == 3) {
      EXPECT_EQ(e.s.editor.focus, "TextDateAfterNumChar");
    }
    if (row.place == 6) {
      EXPECT_EQ(e.s.editor.focus, "TextDateAfterString");
    }
    // Unticking hides the block and forgets the place.
    OnCheckDateClick(e.s, e.ui, false);
    EXPECT_EQ(e.Shown(), "");
    EXPECT_EQ(e.s.rename.OptDatePlace, 0);
  }
}

TEST(DateEditor, TheNumberBoxTakesDigitsWithoutALeadingZero) {
  Editor e;
  OnCheckDateClick(e.s, e.ui, true);
  OnComboDatePlaceClick(e.s, e.ui, 4);
  EXPECT_EQ(EditorKeyFilter(e.s, B::TextDateAfterNumChar, U'3').action, KeyAction::Accept);
  const KeyVerdict letter = EditorKeyFilter(e.s, B::TextDateAfterNumChar, U'x');
  EXPECT_EQ(letter.action, KeyAction::Refuse);
  EXPECT_NE(letter.messageText.find("insert the Date in the file names before"), std::string::npos)
      << letter.messageText;
  EXPECT_EQ(EditorKeyFilter(e.s, B::TextDateAfterNumChar, U'0').action, KeyAction::Refuse);
  EXPECT_EQ(BoxMaxLength(e.s, B::TextDateAfterNumChar), 2);
  // The string box takes what a name may hold.
  EXPECT_EQ(EditorKeyFilter(e.s, B::TextDateAfterString, U'_').action, KeyAction::Accept);
}

TEST(DateEditor, OKBuildsTheRecordAndReopeningShowsItAgain) {
  Editor e;
  OnCheckDateClick(e.s, e.ui, true);
  OnComboDateSourceClick(e.s, e.ui, 1);
  OnComboDateFormatClick(e.s, e.ui, 3);
  OnComboDatePlaceClick(e.s, e.ui, 5);
  e.Type(B::TextDateAfterString, "IMG_");
  OnEditorOKClick(e.s, e.ui);
  ASSERT_TRUE(e.ui.messages.empty()) << e.ui.messages[0].text;

  const RenameCriteria& c = e.s.rename.criteria;
  EXPECT_TRUE(c.DateOn);
  EXPECT_EQ(c.DateSource, "Taken, else Modified");
  EXPECT_EQ(c.DateFormat, "YYYYMMDD_HHMMSS");
  EXPECT_EQ(c.DatePlace, "DateAfterAString");
  EXPECT_EQ(c.DateAfterString, "IMG_");
  EXPECT_EQ(e.s.rename.summary.LabelCriDate.text,
            "Date :: Taken, else Modified :: YYYYMMDD_HHMMSS :: Add after :: IMG_.");
  EXPECT_EQ(e.s.rename.CriteriaSetCount, 1);
  EXPECT_EQ(e.s.state.SettingsCount, 1);

  // A cancelled change is forgotten when the editor opens again.
  ShowRenameEditor(e.s, e.ui);
  OnComboDatePlaceClick(e.s, e.ui, 2);
  OnComboDateFormatClick(e.s, e.ui, 0);
  OnEditorCancelClick(e.s, e.ui);
  ShowRenameEditor(e.s, e.ui);
  EXPECT_TRUE(e.s.editor.CheckDate);
  EXPECT_EQ(e.s.rename.OptDateSource, 1);
  EXPECT_EQ(e.s.rename.OptDateFormat, 3);
  EXPECT_EQ(e.s.rename.OptDatePlace, 5);
  EXPECT_EQ(BoxText(e.s, B::TextDateAfterString), "IMG_");

  // Unticked and confirmed, Date is off and its line is gone.
  OnCheckDateClick(e.s, e.ui, false);
  OnEditorOKClick(e.s, e.ui);
  EXPECT_FALSE(c.DateOn);
  EXPECT_EQ(c.DatePlace, "");
  EXPECT_EQ(e.s.rename.summary.LabelCriDate.text, "");
  EXPECT_EQ(e.s.state.SettingsCount, 0);
}

}  // namespace
}  // namespace quillon
