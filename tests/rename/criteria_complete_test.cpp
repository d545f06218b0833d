// Leaving the criteria editor: the completeness check and its report, Yes to complete
// and No to untick, the whole-name rule for several files, OK with nothing ticked, and
// Cancel.
#include "rename/criteria_complete.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "flow/criteria_editor.h"
#include "platform/environment.h"
#include "rename/criteria_editor.h"
#include "rename/editor_boxes.h"
#include "rename/editor_preview.h"
#include "support/fake_ui.h"
#include "support/null_file_services.h"
#include "ui/message_catalogue.h"

namespace quillon {
namespace {

using B = EditorBox;

const MessageReply kYes{true, false, ""};
const MessageReply kNo{false, false, ""};

struct Editor {
  testing::NullFileServices files;
  PosixEnvironment env;
  testing::FakeUi ui;
  Session s{files, env};

  explicit Editor(std::int16_t selected = 1) {
    s.state.SelectedCount = selected;
    ShowRenameEditor(s, ui);
  }
  void Type(EditorBox box, const std::string& text) { OnTextChange(s, ui, box, text); }
  void OK() { OnEditorOKClick(s, ui); }
};

std::string Single(const std::string& name) {
  return "Criteria settings for " + name +
         " is not complete. If incomplete, will be unselected. Do you want to complete settings?";
}

// The criteria in force, as the summary lists them.
std::string Summary(const Session& s) {
  const CriteriaSummary& c = s.rename.summary;
  return c.LabelCriShow.text + "|" + c.LabelCriChgCase.text + "|" + c.LabelCriChgExt.text + "|" +
         c.LabelCriRmvSpace.text + "|" + c.LabelCriHandle1.text + "|" + c.LabelCriHandle2.text +
         "|" + c.LabelCriInsert.text + "|" + c.LabelCriReplace.text + "|" + c.LabelCriRemove.text +
         "|" + c.LabelCriAuto1.text + "|" + c.LabelCriAuto2.text;
}

TEST(CriteriaComplete, ReportNamesOneCriterionInASentence) {
  EXPECT_EQ(IncompleteReport({"Insert"}),
            "Criteria settings for Insert is not complete. If incomplete, will be unselected. Do "
            "you want to complete settings?");
}

TEST(CriteriaComplete, ReportListsSeveralCriteriaNumberedInCheckOrder) {
  Editor e;
  // Ticked in another order than the check's: Insert, Extension, Case.
  OnCheckInsertClick(e.s, e.ui, true);
  OnComboInsertClick(e.s, e.ui, 3);
  e.Type(B::TextInsertThis, "ab");
  OnCheckExtClick(e.s, e.ui, true);
  OnCheckCaseClick(e.s, e.ui, true);
  OnOptionCaseClick(e.s, e.ui, 0);
  e.ui.answers.push_back(kYes);
  EXPECT_EQ(CheckCriteriaComplete(e.s, e.ui), "CriteriaSetAgain");
  ASSERT_EQ(e.ui.messages.size(), 1u);
  EXPECT_EQ(e.ui.messages[0].text,
            "You have incomplete criteria settings for the followings :\r\n\r\n"
            "1. Case : Change\r\n"
            "2. Extension : Change\r\n"
            "3. Insert\r\n"
            "\r\n"
            "If incomplete, will be unselected. Do you want to complete settings ?");
  EXPECT_EQ(e.ui.messages[0].buttons, "YesNo");
  EXPECT_EQ(e.s.editor.IncompleteCount, 3);
  EXPECT_TRUE(e.s.editor.IncompleteCase && e.s.editor.IncompleteExt && e.s.editor.IncompleteInsert);
  EXPECT_FALSE(e.s.editor.IncompleteSpace || e.s.editor.IncompleteHandle ||
               e.s.editor.IncompleteReplace || e.s.editor.IncompleteRemove ||
               e.s.editor.IncompleteAuto);
}

TEST(CriteriaComplete, TwoNamesAlsoTakeTheListForm) {
  Editor e;
  OnCheckRemoveClick(e.s, e.ui, true);
  OnOptionAutoClick(e.s, e.ui, 1);
  e.ui.answers.push_back(kNo);
  EXPECT_EQ(CheckCriteriaComplete(e.s, e.ui), "");
  ASSERT_EQ(e.ui.messages.size(), 1u);
  EXPECT_EQ(e.ui.messages[0].text,
            "You have incomplete criteria settings for the followings :\r\n\r\n1. Remove\r\n2. "
            "Auto\r\n\r\nIf incomplete, will be unselected. Do you want to complete settings ?");
}

TEST(CriteriaComplete, YesKeepsTheEditorOpenWithTheUsersValues) {
  Editor e;
  OnCheckInsertClick(e.s, e.ui, true);
  OnComboInsertClick(e.s, e.ui, 3);
  e.Type(B::TextInsertThis, "ab");
  OnCheckExtClick(e.s, e.ui, true);
  e.Type(B::TextExt, "jpg");
  e.ui.answers.push_back(kYes);
  e.OK();
  ASSERT_EQ(e.ui.messages.size(), 1u);
  EXPECT_EQ(e.ui.messages[0].text, Single("Insert"));
  EXPECT_TRUE(e.s.editor.shown);
  EXPECT_TRUE(e.s.editor.CheckInsert);
  EXPECT_EQ(e.s.rename.OptInsertPlace, 3);
  EXPECT_EQ(BoxText(e.s, B::TextInsertThis), "ab");
  EXPECT_EQ(e.s.editor.MessageAnswer, "");
  EXPECT_FALSE(e.s.rename.criteria.ExtOn);  // nothing reached the record
  EXPECT_EQ(e.s.rename.CriteriaSetCount, 0);
}

TEST(CriteriaComplete, NoUnticksTheIncompleteCriterionAndAcceptsTheRest) {
  Editor e;
  OnCheckInsertClick(e.s, e.ui, true);
  OnComboInsertClick(e.s, e.ui, 3);
  e.Type(B::TextInsertThis, "ab");
  OnCheckExtClick(e.s, e.ui, true);
  e.Type(B::TextExt, "jpg");
  e.ui.answers.push_back(kNo);
  e.OK();
  ASSERT_EQ(e.ui.messages.size(), 1u);
  EXPECT_EQ(e.ui.messages[0].text, Single("Insert"));
  EXPECT_FALSE(e.s.editor.shown);
  EXPECT_FALSE(e.s.editor.CheckInsert);
  EXPECT_EQ(e.s.rename.OptInsertPlace, 0);
  EXPECT_EQ(BoxText(e.s, B::TextInsertThis), "");
  EXPECT_EQ(e.s.editor.IncompleteCount, 0);
  EXPECT_FALSE(e.s.rename.criteria.InsertOn);
  EXPECT_TRUE(e.s.rename.criteria.ExtOn);
  EXPECT_EQ(e.s.rename.criteria.ExtText, "jpg");
  EXPECT_EQ(e.s.rename.CriteriaSetCount, 1);
}

// The editor's preview shows what OK would give: an incomplete criterion (here Replace
// with an empty "Replace With") is left out, and named.
TEST(CriteriaComplete, ThePreviewLeavesOutAndNamesAnIncompleteCriterion) {
  Editor e;
  SelectionStore& store = e.s.selection.store;
  store.ComboFile1 = {"a b.txt"};
  store.ComboIndex = {"0"};
  store.ComboName = {"a b"};
  store.ComboDot = {"."};
  store.ComboExt = {"txt"};
  store.ComboClearString = {"OK"};
  OnCheckReplaceClick(e.s, e.ui, true);
  OnComboReplaceClick(e.s, e.ui, 2);  // this string
  e.Type(B::TextReplaceString, "b");
  OnCheckExtClick(e.s, e.ui, true);
  e.Type(B::TextExt, "jpg");
  const EditorPreviewResult incomplete = EditorPreview(e.s, 5);
  EXPECT_EQ(incomplete.incomplete, std::vector<std::string>{"Replace"});
  ASSERT_EQ(incomplete.rows.size(), 1u);
  EXPECT_EQ(incomplete.rows[0].newName, "a b.jpg");
  // The editor itself still shows Replace ticked: only the preview leaves it out.
  EXPECT_TRUE(e.s.editor.CheckReplace);

  e.Type(B::TextReplaceWith, "c");
  const EditorPreviewResult complete = EditorPreview(e.s, 5);
  EXPECT_TRUE(complete.incomplete.empty());
  EXPECT_EQ(complete.rows[0].newName, "a c.jpg");
}

TEST(CriteriaComplete, EachCriterionIsJudgedByWhatItsChoiceNeeds) {
  using Action = std::function<void(Editor&)>;
  struct Row {
    const char* name;
    Action enter;
    const char* report;  // "" when complete
  };
  auto insert = [](std::int16_t i) {
    return [i](Editor& e) {
      OnCheckInsertClick(e.s, e.ui, true);
      OnComboInsertClick(e.s, e.ui, i);
    };
  };
  auto replace = [](std::int16_t i) {
    return [i](Editor& e) {
      OnCheckReplaceClick(e.s, e.ui, true);
      OnComboReplaceClick(e.s, e.ui, i);
      e.Type(B::TextReplaceWith, "w");
    };
  };
  auto remove = [](std::int16_t i) {
    return [i](Editor& e) {
      OnCheckRemoveClick(e.s, e.ui, true);
      OnComboRemoveClick(e.s, e.ui, i);
    };
  };
  auto autoPlace = [](std::int16_t kind, std::int16_t place) {
    return [kind, place](Editor& e) {
      OnOptionAutoClick(e.s, e.ui, kind);
      OnComboAutoPlaceClick(e.s, e.ui, place);
    };
  };
  auto date = [](std::int16_t place) {
    return [place](Editor& e) {
      OnCheckDateClick(e.s, e.ui, true);
      OnComboDatePlaceClick(e.s, e.ui, place);
    };
  };
  auto then = [](Action first, Action second) {
    return [first, second](Editor& e) {
      first(e);
      second(e);
    };
  };
  auto type = [](EditorBox box, const char* text) {
    return [box, text](Editor& e) { e.Type(box, text); };
  };
  const std::string space = "Space : Change || Replace";
  const std::string handle = "Handle all instances of this Character or String";
  const std::vector<Row> rows = {
      // Case.
      {"case_no_change",
       [](Editor& e) {
         OnCheckCaseClick(e.s, e.ui, true);
         OnOptionCaseClick(e.s, e.ui, 1);
       },
       "Case : Change"},
      {"case_upper",
       [](Editor& e) {
         OnCheckCaseClick(e.s, e.ui, true);
         OnOptionCaseClick(e.s, e.ui, 2);
         OnComboCaseClick(e.s, e.ui, 2);
       },
       ""},
      // Extension.
      {"ext_empty", [](Editor& e) { OnCheckExtClick(e.s, e.ui, true); }, "Extension : Change"},
      {"ext_text", then([](Editor& e) { OnCheckExtClick(e.s, e.ui, true); }, type(B::TextExt, "a")),
       ""},
      // Space.
      {"space_no_option", [](Editor& e) { OnCheckSpaceClick(e.s, e.ui, true); }, space.c_str()},
      {"space_replace_empty",
       [](Editor& e) {
         OnCheckSpaceClick(e.s, e.ui, true);
         OnOptionSpaceClick(e.s, e.ui, 1);
       },
       space.c_str()},
      {"space_replace_text",
       [](Editor& e) {
         OnCheckSpaceClick(e.s, e.ui, true);
         OnOptionSpaceClick(e.s, e.ui, 1);
         e.Type(B::TextSpaceWith, "_");
       },
       ""},
      {"space_remove",
       [](Editor& e) {
         OnCheckSpaceClick(e.s, e.ui, true);
         OnOptionSpaceClick(e.s, e.ui, 0);
       },
       ""},
      // Handle.
      {"handle_no_option",
       [](Editor& e) {
         OnCheckHandleClick(e.s, e.ui, true);
         e.Type(B::TextHandleThis, ".");
       },
       handle.c_str()},
      {"handle_remove_nothing",
       [](Editor& e) {
         OnCheckHandleClick(e.s, e.ui, true);
         OnOptionHandleClick(e.s, e.ui, 0);
       },
       handle.c_str()},
      {"handle_remove",
       [](Editor& e) {
         OnCheckHandleClick(e.s, e.ui, true);
         e.Type(B::TextHandleThis, ".");
         OnOptionHandleClick(e.s, e.ui, 0);
       },
       ""},
      {"handle_as_space",
       [](Editor& e) {
         OnCheckHandleClick(e.s, e.ui, true);
         e.Type(B::TextHandleThis, ".");
         OnOptionHandleClick(e.s, e.ui, 1);
       },
       ""},
      {"handle_replace_empty",
       [](Editor& e) {
         OnCheckHandleClick(e.s, e.ui, true);
         e.Type(B::TextHandleThis, ".");
         OnOptionHandleClick(e.s, e.ui, 2);
       },
       handle.c_str()},
      {"handle_replace_text",
       [](Editor& e) {
         OnCheckHandleClick(e.s, e.ui, true);
         e.Type(B::TextHandleThis, ".");
         OnOptionHandleClick(e.s, e.ui, 2);
         e.Type(B::TextHandleWith, "_");
       },
       ""},
      // Insert.
      {"insert_no_place",
       then([](Editor& e) { OnCheckInsertClick(e.s, e.ui, true); }, type(B::TextInsertThis, "t")),
       "Insert"},
      {"insert_at_start_no_text", insert(1), "Insert"},
      {"insert_at_start", then(insert(1), type(B::TextInsertThis, "t")), ""},
      {"insert_at_end", then(insert(2), type(B::TextInsertThis, "t")), ""},
      {"insert_after_no_number", then(insert(3), type(B::TextInsertThis, "t")), "Insert"},
      {"insert_after_number",
       then(then(insert(3), type(B::TextInsertThis, "t")), type(B::TextInsertAfterNumChar, "2")),
       ""},
      {"insert_before_no_number", then(insert(4), type(B::TextInsertThis, "t")), "Insert"},
      {"insert_before_number",
       then(then(insert(4), type(B::TextInsertThis, "t")), type(B::TextInsertAfterNumChar, "2")),
       ""},
      {"insert_after_no_string", then(insert(5), type(B::TextInsertThis, "t")), "Insert"},
      {"insert_before_string",
       then(then(insert(6), type(B::TextInsertThis, "t")), type(B::TextInsertAfterString, "x")),
       ""},
      {"insert_string_no_text", then(insert(5), type(B::TextInsertAfterString, "x")), "Insert"},
      // Replace.
      {"replace_no_place",
       [](Editor& e) {
         OnCheckReplaceClick(e.s, e.ui, true);
         e.Type(B::TextReplaceWith, "w");
       },
       "Replace"},
      {"replace_file_names", replace(1), ""},
      {"replace_file_names_no_with",
       [](Editor& e) {
         OnCheckReplaceClick(e.s, e.ui, true);
         OnComboReplaceClick(e.s, e.ui, 1);
       },
       "Replace"},
      {"replace_string_missing", replace(2), "Replace"},
      {"replace_string", then(replace(2), type(B::TextReplaceString, "o")), ""},
      {"replace_after_no_number", replace(3), "Replace"},
      {"replace_before_number", then(replace(4), type(B::TextReplaceAfterNumChar, "3")), ""},
      {"replace_after_no_string", replace(5), "Replace"},
      {"replace_before_string", then(replace(6), type(B::TextReplaceAfterString, "o")), ""},
      {"replace_from_start_no_count", replace(7), "Replace"},
      {"replace_from_end", then(replace(8), type(B::TextReplaceNumChar, "2")), ""},
      {"replace_char_after_number_no_count",
       then(replace(9), type(B::TextReplaceCharAfterNumChar, "3")), "Replace"},
      {"replace_char_after_number_no_anchor", then(replace(9), type(B::TextReplaceNumChar, "2")),
       "Replace"},
      {"replace_char_before_number",
       then(then(replace(10), type(B::TextReplaceCharAfterNumChar, "3")),
            type(B::TextReplaceNumChar, "2")),
       ""},
      {"replace_char_after_string_no_anchor", then(replace(11), type(B::TextReplaceNumChar, "2")),
       "Replace"},
      {"replace_char_before_string",
       then(then(replace(12), type(B::TextReplaceCharAfterString, "o")),
            type(B::TextReplaceNumChar, "2")),
       ""},
      {"replace_pattern_missing", replace(13), "Replace"},
      {"replace_pattern_invalid", then(replace(13), type(B::TextReplacePattern, "(a")), "Replace"},
      {"replace_pattern", then(replace(13), type(B::TextReplacePattern, "(a)")), ""},
      // Remove.
      {"remove_no_place", [](Editor& e) { OnCheckRemoveClick(e.s, e.ui, true); }, "Remove"},
      {"remove_string_missing", remove(1), "Remove"},
      {"remove_string", then(remove(1), type(B::TextRemoveString, "o")), ""},
      {"remove_after_no_number", remove(2), "Remove"},
      {"remove_before_number", then(remove(3), type(B::TextRemoveAfterNumChar, "3")), ""},
      {"remove_after_no_string", remove(4), "Remove"},
      {"remove_before_string", then(remove(5), type(B::TextRemoveAfterString, "o")), ""},
      {"remove_from_start_no_count", remove(6), "Remove"},
      {"remove_from_end", then(remove(7), type(B::TextRemoveNumChar, "2")), ""},
      {"remove_char_after_number_no_count",
       then(remove(8), type(B::TextRemoveCharAfterNumChar, "3")), "Remove"},
      {"remove_char_before_number",
       then(then(remove(9), type(B::TextRemoveCharAfterNumChar, "3")),
            type(B::TextRemoveNumChar, "2")),
       ""},
      {"remove_char_after_string_no_anchor", then(remove(10), type(B::TextRemoveNumChar, "2")),
       "Remove"},
      {"remove_char_before_string",
       then(then(remove(11), type(B::TextRemoveCharAfterString, "o")),
            type(B::TextRemoveNumChar, "2")),
       ""},
      // Auto.
      {"auto_no_start", autoPlace(1, 1), "Auto"},
      {"auto_number_at_start", then(autoPlace(1, 1), type(B::TextAutoStart, "1")), ""},
      {"auto_start_zero", then(autoPlace(1, 2), type(B::TextAutoStart, "0")), ""},
      {"auto_after_no_number", then(autoPlace(1, 3), type(B::TextAutoStart, "1")), "Auto"},
      {"auto_before_number",
       then(then(autoPlace(1, 4), type(B::TextAutoAfterNumChar, "2")), type(B::TextAutoStart, "1")),
       ""},
      {"auto_after_no_string", then(autoPlace(2, 5), type(B::TextAutoStart, "A")), "Auto"},
      {"auto_before_string",
       then(then(autoPlace(2, 6), type(B::TextAutoAfterString, "x")), type(B::TextAutoStart, "A")),
       ""},
      {"auto_letters_at_end", then(autoPlace(2, 2), type(B::TextAutoStart, "AB")), ""},
      // Date needs a place, and the number or string that place names.
      {"date_no_place", date(0), "Date"},
      {"date_at_start", date(1), ""},
      {"date_at_end", date(2), ""},
      {"date_after_no_number", date(3), "Date"},
      {"date_before_number", then(date(4), type(B::TextDateAfterNumChar, "3")), ""},
      {"date_after_no_string", date(5), "Date"},
      {"date_before_string", then(date(6), type(B::TextDateAfterString, "_")), ""},
      // A start value with the place list back on its prompt would change no name.
      {"auto_start_without_place",
       then(then(autoPlace(1, 1), type(B::TextAutoStart, "5")),
            [](Editor& e) { OnComboAutoPlaceClick(e.s, e.ui, 0); }),
       "Auto"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    row.enter(e);
    e.ui.answers.push_back(kYes);
    const std::string answer = CheckCriteriaComplete(e.s, e.ui);
    if (*row.report == '\0') {
      EXPECT_TRUE(e.ui.messages.empty());
      EXPECT_EQ(answer, "");
      EXPECT_EQ(e.s.editor.IncompleteCount, 0);
    } else {
      ASSERT_EQ(e.ui.messages.size(), 1u);
      EXPECT_EQ(e.ui.messages[0].text, Single(row.report));
      EXPECT_EQ(answer, "CriteriaSetAgain");
      EXPECT_EQ(e.s.editor.IncompleteCount, 1);
    }
  }
}

TEST(CriteriaComplete, UntickedCriteriaAreResetBeforeTheRecordIsBuilt) {
  using Action = std::function<void(Editor&)>;
  struct Row {
    const char* name;
    Action enterAndUntick;
    std::function<bool(const Session&)> reset;
  };
  const std::vector<Row> rows = {
      {"case",
       [](Editor& e) {
         OnCheckCaseClick(e.s, e.ui, true);
         OnOptionCaseClick(e.s, e.ui, 1);
         OnComboCaseClick(e.s, e.ui, 2);
         OnCheckCaseClick(e.s, e.ui, false);
       },
       [](const Session& s) {
         return s.rename.OptCaseScope == kOptionOff && s.rename.OptCaseChange == 0 &&
                !s.rename.criteria.CaseOn;
       }},
      {"ext",
       [](Editor& e) {
         OnCheckExtClick(e.s, e.ui, true);
         e.Type(B::TextExt, "jpg");
         OnCheckExtClick(e.s, e.ui, false);
       },
       [](const Session& s) {
         return BoxText(s, B::TextExt).empty() && s.rename.EdExtText.empty() &&
                !s.rename.criteria.ExtOn;
       }},
      {"space",
       [](Editor& e) {
         OnCheckSpaceClick(e.s, e.ui, true);
         OnOptionSpaceClick(e.s, e.ui, 1);
         OnCheckSpaceAddSpaceClick(e.s, e.ui, true);
         e.Type(B::TextSpaceWith, "_ ");
         OnCheckSpaceClick(e.s, e.ui, false);
       },
       [](const Session& s) {
         return s.rename.OptSpaceMode == kOptionOff && BoxText(s, B::TextSpaceWith).empty() &&
                !s.editor.EdSpaceIncludeSpace && !s.rename.criteria.SpaceOn;
       }},
      {"handle",
       [](Editor& e) {
         OnCheckHandleClick(e.s, e.ui, true);
         e.Type(B::TextHandleThis, ".");
         OnOptionHandleClick(e.s, e.ui, 2);
         OnCheckHandleAddSpaceClick(e.s, e.ui, true);
         e.Type(B::TextHandleWith, "a b");
         OnCheckHandleClick(e.s, e.ui, false);
       },
       [](const Session& s) {
         return s.rename.OptHandleMode == kOptionOff && BoxText(s, B::TextHandleThis).empty() &&
                BoxText(s, B::TextHandleWith).empty() && !s.editor.EdHandleIncludeSpace &&
                !s.rename.criteria.HandleOn;
       }},
      {"insert",
       [](Editor& e) {
         OnCheckInsertClick(e.s, e.ui, true);
         OnComboInsertClick(e.s, e.ui, 5);
         e.Type(B::TextInsertAfterString, "x");
         OnCheckInsertAddSpaceClick(e.s, e.ui, true);
         e.Type(B::TextInsertThis, "a b");
         OnCheckInsertClick(e.s, e.ui, false);
       },
       [](const Session& s) {
         return BoxText(s, B::TextInsertThis).empty() &&
                BoxText(s, B::TextInsertAfterString).empty() && s.rename.EdInsertThis.empty() &&
                !s.editor.EdInsertIncludeSpace && !s.rename.criteria.InsertOn;
       }},
      {"replace",
       [](Editor& e) {
         OnCheckReplaceClick(e.s, e.ui, true);
         OnComboReplaceClick(e.s, e.ui, 11);
         e.Type(B::TextReplaceCharAfterString, "x");
         e.Type(B::TextReplaceNumChar, "2");
         OnCheckReplaceAddSpaceClick(e.s, e.ui, true);
         e.Type(B::TextReplaceWith, "w w");
         OnCheckReplaceClick(e.s, e.ui, false);
       },
       [](const Session& s) {
         return BoxText(s, B::TextReplaceWith).empty() &&
                BoxText(s, B::TextReplaceCharAfterString).empty() &&
                BoxText(s, B::TextReplaceNumChar).empty() && s.rename.EdReplaceNumChar == 0 &&
                !s.editor.EdReplaceIncludeSpace && !s.rename.criteria.ReplaceOn;
       }},
      {"remove",
       [](Editor& e) {
         OnCheckRemoveClick(e.s, e.ui, true);
         OnComboRemoveClick(e.s, e.ui, 8);
         e.Type(B::TextRemoveCharAfterNumChar, "3");
         e.Type(B::TextRemoveNumChar, "2");
         OnCheckRemoveClick(e.s, e.ui, false);
       },
       [](const Session& s) {
         return BoxText(s, B::TextRemoveCharAfterNumChar).empty() &&
                BoxText(s, B::TextRemoveNumChar).empty() && s.rename.EdRemoveCharAfterNum == 0 &&
                !s.rename.criteria.RemoveOn;
       }},
      {"auto",
       [](Editor& e) {
         OnOptionAutoClick(e.s, e.ui, 2);
         OnComboAutoPlaceClick(e.s, e.ui, 5);
         e.Type(B::TextAutoAfterString, "x");
         OnCheckAutoLetterClick(e.s, e.ui, true);
         e.Type(B::TextAutoStart, "ab");
         OnComboAutoZeroFillClick(e.s, e.ui, 3);
         OnOptionAutoClick(e.s, e.ui, 0);
       },
       [](const Session& s) {
         return s.rename.OptAutoPlace == 0 && s.rename.OptAutoZeroFill == 0 &&
                BoxText(s, B::TextAutoStart).empty() &&
                BoxText(s, B::TextAutoAfterString).empty() && !s.editor.CheckAutoLetter &&
                !s.rename.criteria.AutoOn;
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    row.enterAndUntick(e);
    e.OK();
    EXPECT_TRUE(e.ui.messages.empty());
    EXPECT_FALSE(e.s.editor.shown);
    EXPECT_TRUE(row.reset(e.s));
    EXPECT_EQ(e.s.rename.CriteriaSetCount, 0);
  }
}

TEST(CriteriaComplete, CompleteCriteriaConfirmTheirIncludeSpaceAndDropUnusedExtras) {
  using Action = std::function<void(Editor&)>;
  struct Row {
    const char* name;
    Action enter;
    std::function<bool(const Session&)> expected;
  };
  const std::vector<Row> rows = {
      {"space_remove_unticks_include_space",
       [](Editor& e) {
         OnCheckSpaceClick(e.s, e.ui, true);
         OnOptionSpaceClick(e.s, e.ui, 0);
         OnCheckSpaceAddSpaceClick(e.s, e.ui, true);
       },
       [](const Session& s) {
         return !s.editor.EdSpaceIncludeSpace && !s.editor.SavedSpaceIncludeSpace;
       }},
      {"space_replace_keeps_include_space",
       [](Editor& e) {
         OnCheckSpaceClick(e.s, e.ui, true);
         OnOptionSpaceClick(e.s, e.ui, 1);
         OnCheckSpaceAddSpaceClick(e.s, e.ui, true);
         e.Type(B::TextSpaceWith, "_ ");
       },
       [](const Session& s) {
         return s.editor.EdSpaceIncludeSpace && s.editor.SavedSpaceIncludeSpace &&
                s.rename.criteria.SpaceWith == "_ ";
       }},
      {"handle_as_space_unticks_include_space",
       [](Editor& e) {
         OnCheckHandleClick(e.s, e.ui, true);
         e.Type(B::TextHandleThis, ".");
         OnOptionHandleClick(e.s, e.ui, 1);
         OnCheckHandleAddSpaceClick(e.s, e.ui, true);
       },
       [](const Session& s) {
         return !s.editor.EdHandleIncludeSpace && !s.editor.SavedHandleIncludeSpace;
       }},
      {"handle_replace_keeps_include_space",
       [](Editor& e) {
         OnCheckHandleClick(e.s, e.ui, true);
         e.Type(B::TextHandleThis, ".");
         OnOptionHandleClick(e.s, e.ui, 2);
         OnCheckHandleAddSpaceClick(e.s, e.ui, true);
         e.Type(B::TextHandleWith, "a b");
       },
       [](const Session& s) {
         return s.editor.EdHandleIncludeSpace && s.editor.SavedHandleIncludeSpace;
       }},
      {"insert_confirms_include_space",
       [](Editor& e) {
         OnCheckInsertClick(e.s, e.ui, true);
         OnComboInsertClick(e.s, e.ui, 1);
         OnCheckInsertAddSpaceClick(e.s, e.ui, true);
         e.Type(B::TextInsertThis, "a b");
       },
       [](const Session& s) { return s.editor.SavedInsertIncludeSpace; }},
      {"replace_confirms_include_space",
       [](Editor& e) {
         OnCheckReplaceClick(e.s, e.ui, true);
         OnComboReplaceClick(e.s, e.ui, 1);
         OnCheckReplaceAddSpaceClick(e.s, e.ui, true);
         e.Type(B::TextReplaceWith, "a b");
       },
       [](const Session& s) { return s.editor.SavedReplaceIncludeSpace; }},
      {"auto_number_unticks_small_letter",
       [](Editor& e) {
         OnOptionAutoClick(e.s, e.ui, 2);
         OnCheckAutoLetterClick(e.s, e.ui, true);
         OnOptionAutoClick(e.s, e.ui, 1);
         OnComboAutoPlaceClick(e.s, e.ui, 1);
         e.Type(B::TextAutoStart, "3");
       },
       [](const Session& s) {
         return !s.editor.CheckAutoLetter && !s.rename.EdAutoSmallLetter &&
                s.rename.criteria.AutoKind == "Number";
       }},
      {"auto_letter_drops_zero_fill",
       [](Editor& e) {
         OnOptionAutoClick(e.s, e.ui, 1);
         OnComboAutoPlaceClick(e.s, e.ui, 1);
         OnComboAutoZeroFillClick(e.s, e.ui, 3);
         OnOptionAutoClick(e.s, e.ui, 2);
         e.Type(B::TextAutoStart, "AB");
       },
       [](const Session& s) {
         return s.rename.OptAutoZeroFill == 0 && s.rename.SavedAutoZeroFill == 0 &&
                s.rename.criteria.AutoKind == "Capital Letter";
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e;
    row.enter(e);
    e.OK();
    EXPECT_TRUE(e.ui.messages.empty());
    EXPECT_FALSE(e.s.editor.shown);
    EXPECT_TRUE(row.expected(e.s));
  }
}

// Replace "File Names" with a replacement text, for the whole-name rule.
void ReplaceFileNames(Editor& e) {
  OnCheckReplaceClick(e.s, e.ui, true);
  OnComboReplaceClick(e.s, e.ui, 1);
  e.Type(B::TextReplaceWith, "new");
}

std::string MultiNameText() {
  const CatalogueMessage* entry = FindMessage(KeyCatalogue(), "MessageMultiNameRenOK");
  return entry == nullptr ? "<missing>" : std::string(entry->text);
}

TEST(CriteriaComplete, WholeNameForSeveralFilesWithoutAutoAsksAndYesKeepsTheEditorOpen) {
  Editor e(2);
  ReplaceFileNames(e);
  TakeEditorFocus(e.s);
  e.ui.answers.push_back(kYes);
  e.OK();
  ASSERT_EQ(e.ui.messages.size(), 1u);
  EXPECT_EQ(e.ui.messages[0].text, MultiNameText());
  EXPECT_EQ(e.ui.messages[0].buttons, "YesNo");
  EXPECT_TRUE(e.s.editor.shown);
  EXPECT_TRUE(e.s.editor.CheckReplace);
  EXPECT_EQ(e.s.rename.OptReplacePlace, 1);
  EXPECT_EQ(TakeEditorFocus(e.s), "TextAutoStart");
  EXPECT_EQ(e.s.editor.MessageAnswer, "");
  EXPECT_FALSE(e.s.rename.criteria.ReplaceOn);
}

TEST(CriteriaComplete, NoToTheWholeNameQuestionUnticksReplaceAndTheNextOKCloses) {
  Editor e(2);
  ReplaceFileNames(e);
  OnCheckExtClick(e.s, e.ui, true);
  e.Type(B::TextExt, "txt");
  e.ui.answers.push_back(kNo);
  e.OK();
  ASSERT_EQ(e.ui.messages.size(), 1u);
  EXPECT_TRUE(e.s.editor.shown);
  EXPECT_FALSE(e.s.editor.CheckReplace);
  EXPECT_EQ(e.s.rename.OptReplacePlace, 0);
  EXPECT_EQ(e.s.editor.MessageAnswer, "SetRenameABOKAgain");

  e.OK();
  EXPECT_EQ(e.ui.messages.size(), 1u);  // no second question
  EXPECT_FALSE(e.s.editor.shown);
  EXPECT_EQ(e.s.editor.MessageAnswer, "");
  EXPECT_FALSE(e.s.rename.criteria.ReplaceOn);
  EXPECT_EQ(BoxText(e.s, B::TextReplaceWith), "");  // the second check reset it
  EXPECT_TRUE(e.s.rename.criteria.ExtOn);
  EXPECT_EQ(e.s.rename.summary.LabelCriReplace.text, "Replace :: No");
}

TEST(CriteriaComplete, WholeNameIsAcceptedWithAutoOrForOneFile) {
  struct Row {
    const char* name;
    std::int16_t selected;
    std::int16_t autoKind;
  } rows[] = {
      {"several_files_with_auto_number", 2, 1},
      {"several_files_with_auto_letter", 3, 2},
      {"one_file_without_auto", 1, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Editor e(row.selected);
    ReplaceFileNames(e);
    if (row.autoKind != 0) {
      OnOptionAutoClick(e.s, e.ui, row.autoKind);
      OnComboAutoPlaceClick(e.s, e.ui, 2);
      e.Type(B::TextAutoStart, row.autoKind == 1 ? "1" : "A");
    }
    e.OK();
    EXPECT_TRUE(e.ui.messages.empty());
    EXPECT_FALSE(e.s.editor.shown);
    EXPECT_TRUE(e.s.rename.criteria.ReplaceOn);
    EXPECT_EQ(e.s.rename.criteria.ReplacePlace, "ReplaceFileName");
    EXPECT_EQ(e.s.rename.criteria.AutoOn, row.autoKind != 0);
  }
}

TEST(CriteriaComplete, OKWithNothingTickedShowsNoMessageAndLeavesEveryCriterionOff) {
  Editor e;
  e.OK();
  EXPECT_TRUE(e.ui.messages.empty());
  EXPECT_FALSE(e.s.editor.shown);
  EXPECT_FALSE(e.s.help.EditorHelpShown);
  EXPECT_EQ(e.s.rename.CriteriaSetCount, 0);
  EXPECT_EQ(e.s.rename.summary.LabelCriShow.text, "Rename Criteria : Not Yet Set");
  const RenameCriteria& c = e.s.rename.criteria;
  EXPECT_FALSE(c.ExtOn || c.CaseOn || c.SpaceOn || c.HandleOn || c.InsertOn || c.ReplaceOn ||
               c.RemoveOn || c.AutoOn);
  EXPECT_EQ(e.s.state.SettingsCount, 0);
}

TEST(CriteriaComplete, CancelLeavesTheRecordUnchanged) {
  Editor e;
  OnCheckExtClick(e.s, e.ui, true);
  e.Type(B::TextExt, "jpg");
  OnCheckInsertClick(e.s, e.ui, true);
  OnComboInsertClick(e.s, e.ui, 1);
  e.Type(B::TextInsertThis, "ab");
  e.OK();
  ASSERT_FALSE(e.s.editor.shown);
  const std::string before = Summary(e.s);
  const std::int16_t settings = e.s.state.SettingsCount;

  ShowRenameEditor(e.s, e.ui);
  e.Type(B::TextExt, "png");
  OnComboInsertClick(e.s, e.ui, 2);
  e.Type(B::TextInsertThis, "zz");
  OnOptionAutoClick(e.s, e.ui, 1);
  OnComboAutoPlaceClick(e.s, e.ui, 1);
  e.Type(B::TextAutoStart, "4");
  OnEditorCancelClick(e.s, e.ui);
  EXPECT_FALSE(e.s.editor.shown);
  EXPECT_TRUE(e.ui.messages.empty());
  EXPECT_EQ(Summary(e.s), before);
  EXPECT_EQ(e.s.rename.criteria.ExtText, "jpg");
  EXPECT_EQ(e.s.rename.criteria.InsertText, "ab");
  EXPECT_EQ(e.s.rename.criteria.InsertPlace, "InsertAfterNumChars");
  EXPECT_FALSE(e.s.rename.criteria.AutoOn);
  EXPECT_EQ(e.s.state.SettingsCount, settings);
  EXPECT_FALSE(e.s.help.EditorHelpShown);
  EXPECT_FALSE(e.s.help.EditorHelpEnd);
}

TEST(CriteriaComplete, DropReplaceFileNameSwitchesReplaceOff) {
  Editor e;
  ReplaceFileNames(e);
  e.OK();
  ASSERT_TRUE(e.s.rename.criteria.ReplaceOn);
  ASSERT_EQ(e.s.state.SettingsCount, 1);
  DropReplaceFileName(e.s, e.ui);
  EXPECT_FALSE(e.s.rename.criteria.ReplaceOn);
  EXPECT_EQ(e.s.rename.criteria.ReplacePlace, "");
  EXPECT_EQ(e.s.rename.SavedReplacePlace, 0);
  EXPECT_EQ(e.s.rename.OptReplacePlace, 0);
  EXPECT_EQ(e.s.state.SettingsCount, 0);
  EXPECT_EQ(e.s.rename.criteria.PriorityCount, 0);
  EXPECT_EQ(e.s.rename.summary.LabelCriReplace.text, "Replace :: No");
  EXPECT_EQ(e.s.rename.CriteriaSetCount, 0);
}

}  // namespace
}  // namespace quillon
