#include "selection/selection_panel.h"
#include "flow/selection_panel_buttons.h"

#include <gtest/gtest.h>

#include "flow/panel_dispatch.h"
#include "platform/environment.h"
#include "selection/file_selection.h"
#include "support/fake_ui.h"
#include "support/null_file_services.h"

namespace quillon {
namespace {

using testing::FakeUi;
using testing::NullFileServices;

class SelectionPanelTest : public ::testing::Test {
 protected:
  SelectionPanelTest() : s(files, env) {
    for (int i = 0; i < 10; ++i) s.selection.Files.push_back("f" + std::to_string(i) + ".txt");
    s.selection.Selected.assign(10, false);
  }

  // Opens the panel, makes a choice and fills the boxes as a person would.
  void Choose(std::int16_t option, std::int16_t numOption, const std::string& max,
              const std::string& skip, const std::string& number, const std::string& text) {
    ImageSelectionClick(s, ui);
    OnOptionSelectionClick(s, option);
    if (option == 1) OnOptionSelectionNumClick(s, numOption);
    SelectionBoxChanged(s, ui, SelectionBox::MaxFile, max);
    SelectionBoxChanged(s, ui, SelectionBox::NumSkip, skip);
    if (option == 1 && numOption == 1) SelectionBoxChanged(s, ui, SelectionBox::NumFile, number);
    if (option >= 2) SelectionBoxChanged(s, ui, SelectionBox::String, text);
  }

  NullFileServices files;
  PosixEnvironment env;
  FakeUi ui;
  Session s;
};

TEST_F(SelectionPanelTest, OKWritesTheRuleAndItsCaptions) {
  struct Row {
    const char* name;
    std::int16_t option, numOption;
    std::string max, skip, number, text;
    std::string mode, type, info;
    std::int16_t selected;
  } rows[] = {
      {"all_files", 1, 0, "0", "0", "", "", "All", "By Number -> All Files.",
       "Selection Start From File #1.", 10},
      {"all_files_max_stored_as_number", 1, 0, "10", "2", "", "", "All", "By Number -> All Files.",
       "Selection Start From File #3.", 8},
      {"number_singular", 1, 1, "0", "0", "1", "", "ByNumber", "By Number -> 1 File.",
       "Selection Start From File #1.", 1},
      {"number_plural", 1, 1, "0", "4", "3", "", "ByNumber", "By Number -> 3 Files.",
       "Selection Start From File #5.", 3},
      {"string_max_singular", 2, 0, "1", "0", "", "f", "ByString", "By String -> f.",
       "Max. 1 File. ", 1},
      {"string_max_plural_and_skip", 2, 0, "5", "3", "", "txt", "ByString", "By String -> txt.",
       "Max. 5 Files. Start from File# 4", 5},
      {"extension_no_max", 3, 0, "0", "0", "", "TXT", "ByExtension", "By Extension -> TXT.", "",
       10},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Choose(row.option, row.numOption, row.max, row.skip, row.number, row.text);
    ASSERT_TRUE(s.selection.ImageSelectionOKEnabled);
    ImageSelectionOKClick(s, ui);
    EXPECT_EQ(s.state.SelectionMode, row.mode);
    EXPECT_EQ(s.selection.LabelSelectionType, row.type);
    EXPECT_EQ(s.selection.LabelSelectionInfo, row.info);
    EXPECT_EQ(s.state.SelectedCount, row.selected);
    EXPECT_FALSE(s.state.PanelOpen);
    EXPECT_EQ(s.state.SettingsCount, 1);
    EXPECT_EQ(s.selection.LabelEasyProcess,
              "Easy Process -- Single File : Availble On Manual File Selection Only.");
  }
  EXPECT_EQ(s.selection.SelectNumFiles, 0);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SelectionPanelTest, ManualClearsTheSelectionAndTheCaptions) {
  Choose(2, 0, "0", "0", "", "f");
  ImageSelectionOKClick(s, ui);
  ASSERT_EQ(s.state.SelectedCount, 10);
  Choose(0, 0, "0", "0", "", "");
  ASSERT_TRUE(s.selection.ImageSelectionOKEnabled);
  ImageSelectionOKClick(s, ui);
  EXPECT_EQ(s.state.SelectionMode, "Manual");
  EXPECT_FALSE(s.state.SelectionMade);
  EXPECT_EQ(s.selection.LabelSelectionType, "Manual File Selection");
  EXPECT_EQ(s.selection.LabelSelectionInfo, "");
  EXPECT_EQ(s.state.SettingsCount, 0);
  EXPECT_EQ(s.selection.SavedSelectionNum, 9);
}

TEST_F(SelectionPanelTest, ANumberAboveTheMaximumIsRefusedAndThePanelStaysOpen) {
  Choose(1, 1, "10", "0", "20", "");
  ImageSelectionOKClick(s, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("Limit of maximum file to select is 10. Number of files you "
                                      "want to be selected is 20. This can not be done.",
                                      0),
            0u);
  EXPECT_TRUE(s.state.PanelOpen);
  EXPECT_EQ(s.state.SelectionMode, "Manual");
}

TEST_F(SelectionPanelTest, OKIsEnabledOnlyForAChangeWithItsInput) {
  ImageSelectionClick(s, ui);
  EXPECT_FALSE(s.selection.ImageSelectionOKEnabled);  // Manual over Manual
  OnOptionSelectionClick(s, 2);
  EXPECT_FALSE(s.selection.ImageSelectionOKEnabled);
  EXPECT_EQ(BuildSelectionPanelView(s).LabelSelectionAsk, "Please type the String to search.");
  SelectionBoxChanged(s, ui, SelectionBox::String, "a");
  EXPECT_TRUE(s.selection.ImageSelectionOKEnabled);
  EXPECT_EQ(BuildSelectionPanelView(s).LabelSelectionAsk, "");
  SelectionBoxChanged(s, ui, SelectionBox::String, "");
  OnCheckSelectionSensitiveClick(s, true);
  EXPECT_FALSE(s.selection.ImageSelectionOKEnabled);

  OnOptionSelectionClick(s, 1);
  OnOptionSelectionNumClick(s, 1);
  EXPECT_FALSE(s.selection.ImageSelectionOKEnabled);
  EXPECT_EQ(BuildSelectionPanelView(s).LabelSelectionAsk,
            "Please type the number of files to select.");
  OnOptionSelectionNumClick(s, 0);
  EXPECT_TRUE(s.selection.ImageSelectionOKEnabled);  // "All Files" on choosing it
}

TEST_F(SelectionPanelTest, TheSameRuleAgainLeavesOKDisabled) {
  Choose(2, 0, "5", "1", "", "abc");
  ImageSelectionOKClick(s, ui);
  ImageSelectionClick(s, ui);
  EXPECT_EQ(s.selection.TextSelectionString, "abc");
  EXPECT_EQ(s.selection.TextSelectionNumSkip, "1");
  SelectionBoxChanged(s, ui, SelectionBox::String, "abcd");
  EXPECT_TRUE(s.selection.ImageSelectionOKEnabled);
  SelectionBoxChanged(s, ui, SelectionBox::String, "abc");
  EXPECT_FALSE(s.selection.ImageSelectionOKEnabled);
}

TEST_F(SelectionPanelTest, SwitchingFromStringToExtensionEmptiesTheString) {
  Choose(2, 0, "0", "0", "", "f1");
  ImageSelectionOKClick(s, ui);
  Choose(3, 0, "0", "0", "", "txt");
  ImageSelectionOKClick(s, ui);
  EXPECT_EQ(s.selection.SelectString, "");
  EXPECT_EQ(s.selection.SelectExtension, "txt");
  EXPECT_EQ(s.state.SelectedCount, 10);
}

TEST_F(SelectionPanelTest, BoxesTakeDigitsOnlyAndDropLeadingZeros) {
  ImageSelectionClick(s, ui);
  OnOptionSelectionClick(s, 1);
  OnOptionSelectionNumClick(s, 1);
  struct Row {
    const char* name;
    SelectionBox box;
    char32_t key;
    KeyAction action;
    const char* messageKeyPrefix;  // the start of the shown text, or nullptr
  } rows[] = {
      {"digit", SelectionBox::NumSkip, U'7', KeyAction::Accept, nullptr},
      {"backspace", SelectionBox::MaxFile, kKeyBackspace, KeyAction::Accept, nullptr},
      {"letter_in_max", SelectionBox::MaxFile, U'x', KeyAction::Refuse,
       "Only Digits 0 to 9 is allowed.\r\n\r\nThis box accept only digits."},
      {"letter_in_skip", SelectionBox::NumSkip, U'-', KeyAction::Refuse,
       "Only Digits 0 to 9 is allowed.\r\n\r\nProgram will select files"},
      {"first_zero_in_number", SelectionBox::NumFile, U'0', KeyAction::Refuse,
       "This number should not start with a 0 (zero)."},
      {"any_key_in_string", SelectionBox::String, U'*', KeyAction::Accept, nullptr},
      {"enter_with_ok_disabled", SelectionBox::NumSkip, kKeyEnter, KeyAction::Refuse, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ui.messages.clear();
    EXPECT_EQ(SelectionBoxKey(s, ui, row.box, row.key).action, row.action);
    if (row.messageKeyPrefix == nullptr) {
      EXPECT_TRUE(ui.messages.empty());
    } else {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text.rfind(row.messageKeyPrefix, 0), 0u);
    }
  }

  ui.messages.clear();
  SelectionBoxChanged(s, ui, SelectionBox::NumSkip, "007");
  EXPECT_EQ(s.selection.TextSelectionNumSkip, "7");
  EXPECT_EQ(s.selection.EdSelectSkip, 7);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("If you do not want to skip any file", 0), 0u);

  ui.messages.clear();
  SelectionBoxChanged(s, ui, SelectionBox::NumFile, "05");
  EXPECT_EQ(s.selection.TextSelectionNumFile, "5");
  EXPECT_TRUE(ui.messages.empty());  // silently
  SelectionBoxChanged(s, ui, SelectionBox::NumFile, "0");
  EXPECT_EQ(s.selection.TextSelectionNumFile, "");
  EXPECT_EQ(s.selection.EdSelectNumFiles, 0);
}

TEST_F(SelectionPanelTest, NumbersBeyond16BitsAreRefusedWithAMessage) {
  ImageSelectionClick(s, ui);
  OnOptionSelectionClick(s, 1);
  SelectionBoxChanged(s, ui, SelectionBox::MaxFile, "3276");
  SelectionBoxChanged(s, ui, SelectionBox::MaxFile, "32768");
  EXPECT_EQ(s.selection.EdSelectMax, 3276);
  EXPECT_EQ(s.selection.TextSelectionMaxFile, "3276");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("32767"), std::string::npos);
}

TEST_F(SelectionPanelTest, CancelKeepsTheOldRule) {
  Choose(2, 0, "0", "0", "", "f");
  ImageSelectionOKClick(s, ui);
  Choose(3, 0, "3", "0", "", "txt");
  CancelPanel(s, ui);
  EXPECT_EQ(s.state.SelectionMode, "ByString");
  EXPECT_EQ(s.selection.OptSelection, 2);
  EXPECT_EQ(s.options.MaxSelectLimit, 0);
}

}  // namespace
}  // namespace quillon
