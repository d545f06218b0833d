#include <gtest/gtest.h>

#include "platform/environment.h"
#include "selection/file_selection.h"
#include "support/fake_ui.h"
#include "support/null_file_services.h"

namespace quillon {
namespace {

using testing::FakeUi;
using testing::NullFileServices;

class SelectionRulesTest : public ::testing::Test {
 protected:
  SelectionRulesTest() : s(files, env) {}

  void Folder(std::vector<std::string> names) {
    s.selection.Files = std::move(names);
    s.selection.Selected.assign(s.selection.Files.size(), false);
  }
  // Ten files "f0.txt" to "f9.txt".
  void TenFiles() {
    std::vector<std::string> names;
    for (int i = 0; i < 10; ++i) names.push_back("f" + std::to_string(i) + ".txt");
    Folder(names);
  }
  std::vector<std::size_t> SelectedPositions() const {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < s.selection.Selected.size(); ++i) {
      if (s.selection.Selected[i]) out.push_back(i);
    }
    return out;
  }

  NullFileServices files;
  PosixEnvironment env;
  FakeUi ui;
  Session s;
};

TEST_F(SelectionRulesTest, AllAndByNumberSelectARunFromTheSkip) {
  struct Row {
    const char* name;
    const char* mode;
    std::int16_t skip, number, max;
    std::vector<std::size_t> expected;
  } rows[] = {
      {"all_no_limit", "All", 0, 0, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"all_max_3_skip_2", "All", 2, 0, 3, {2, 3, 4}},
      {"all_max_beyond_the_end", "All", 8, 0, 5, {8, 9}},
      {"all_skip_equal_to_count", "All", 10, 0, 0, {}},
      {"all_skip_beyond_the_list", "All", 50, 0, 0, {}},
      {"by_number_5_from_8", "ByNumber", 8, 5, 100, {8, 9}},
      {"by_number_ignores_max", "ByNumber", 0, 3, 1, {0, 1, 2}},
      {"by_number_zero", "ByNumber", 0, 0, 0, {}},
      {"by_number_skip_beyond", "ByNumber", 11, 2, 0, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TenFiles();
    s.selection.Selected[0] = true;  // a stale hand selection never survives a rule
    s.state.SelectionMode = row.mode;
    s.selection.SelectSkip = row.skip;
    s.selection.SelectNumFiles = row.number;
    s.options.MaxSelectLimit = row.max;
    ApplySelectionRule(s);
    EXPECT_EQ(SelectedPositions(), row.expected);
  }
}

TEST_F(SelectionRulesTest, ByStringAndByExtensionCountMatchesNotPositions) {
  struct Row {
    const char* name;
    const char* mode;
    std::string sought;
    bool caseSensitive;
    std::int16_t skip, max;
    std::vector<std::size_t> expected;
  } rows[] = {
      {"string_case_blind", "ByString", "img", false, 0, 0, {0, 1, 3, 4}},
      {"string_case_sensitive", "ByString", "img", true, 0, 0, {3}},
      {"string_max_2_counts_matches", "ByString", "IMG", false, 1, 2, {1, 3}},
      {"string_from_skip", "ByString", "IMG", false, 4, 0, {4}},
      {"string_skip_beyond_list", "ByString", "IMG", false, 9, 0, {}},
      {"string_dot_matches_dotted_names", "ByString", ".", false, 0, 0, {0, 1, 2, 3, 4, 6}},
      {"string_max_0_every_match", "ByString", "", false, 0, 0, {0, 1, 2, 3, 4, 5, 6}},
      {"string_non_ascii_case_blind", "ByString", "\xD0\x96", false, 0, 0, {6}},
      {"extension_case_blind_always", "ByExtension", "jpg", true, 0, 0, {0, 1, 3}},
      {"extension_as_typed_matches_inside", "ByExtension", "txt", false, 0, 0, {2, 5}},
      {"extension_with_dot", "ByExtension", ".txt", false, 0, 0, {2}},
      {"extension_limit", "ByExtension", "JPG", false, 0, 1, {0}},
      {"extension_skip_beyond_list", "ByExtension", "jpg", false, 20, 0, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Folder(
        {"IMG_1.JPG", "IMG_2.jpg", "notes.txt", "img_3.jpg", "IMG_4.png", "atxt", "\xD0\xB6.doc"});
    s.state.SelectionMode = row.mode;
    s.selection.SelectString = row.mode == std::string("ByString") ? row.sought : "";
    s.selection.SelectExtension = row.mode == std::string("ByExtension") ? row.sought : "";
    s.selection.SelectCaseSensitive = row.caseSensitive;
    s.selection.SelectSkip = row.skip;
    s.options.MaxSelectLimit = row.max;
    ApplySelectionRule(s);
    EXPECT_EQ(SelectedPositions(), row.expected);
  }
}

TEST_F(SelectionRulesTest, ManualKeepsTheHandSelection) {
  TenFiles();
  s.selection.Selected[3] = true;
  s.state.SelectionMode = "Manual";
  ApplySelectionRule(s);
  EXPECT_EQ(SelectedPositions(), std::vector<std::size_t>{3});
}

TEST_F(SelectionRulesTest, TheStoreKeepsOneAlignedRowPerSelectedFile) {
  Folder({"a.b.c", ".profile", "README", "photo.jpg", "trailing.", "skipped.txt"});
  s.selection.Selected = {true, true, true, true, true, false};
  RefreshSelection(s, ui);
  const SelectionStore& store = s.selection.store;
  EXPECT_EQ(s.state.SelectedCount, 5);
  EXPECT_TRUE(s.state.SelectionMade);
  EXPECT_EQ(store.ComboFile1,
            (std::vector<std::string>{"a.b.c", ".profile", "README", "photo.jpg", "trailing."}));
  EXPECT_EQ(store.ComboIndex, (std::vector<std::string>{"0", "1", "2", "3", "4"}));
  EXPECT_EQ(store.ComboName, (std::vector<std::string>{"a.b", "", "README", "photo", "trailing"}));
  EXPECT_EQ(store.ComboDot, (std::vector<std::string>{".", ".", "", ".", "."}));
  EXPECT_EQ(store.ComboExt, (std::vector<std::string>{"c", "profile", "", "jpg", ""}));
  EXPECT_EQ(store.ComboClearString, std::vector<std::string>(5, "OK"));
  for (std::size_t i = 0; i < store.size(); ++i) {
    EXPECT_EQ(store.ComboName[i] + store.ComboDot[i] + store.ComboExt[i], store.ComboFile1[i]);
  }
}

TEST_F(SelectionRulesTest, DeleteListsTheSelectedNamesAndNoSelectionIsReported) {
  TenFiles();
  s.state.ActionName = "Delete";
  s.state.ActionIndex = 6;
  s.selection.Selected[4] = true;
  RefreshSelection(s, ui);
  EXPECT_EQ(s.selection.List1, std::vector<std::string>{"f4.txt"});
  s.selection.Selected[4] = false;
  RefreshSelection(s, ui);
  EXPECT_FALSE(s.state.SelectionMade);
  EXPECT_TRUE(s.state.SelectionChanged);
}

TEST_F(SelectionRulesTest, RestoreSelectionUndoesAClickFromTheStore) {
  TenFiles();
  s.selection.Selected[2] = s.selection.Selected[7] = true;
  RefreshSelection(s, ui);
  s.selection.Selected[2] = false;
  s.selection.Selected[5] = true;
  RestoreSelection(s);
  EXPECT_EQ(SelectedPositions(), (std::vector<std::size_t>{2, 7}));
}

TEST_F(SelectionRulesTest, ASelectionIsCappedAt32767FilesWithAMessage) {
  std::vector<std::string> names(40000);
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = "n" + std::to_string(i);
  Folder(names);
  s.state.SelectionMode = "All";
  s.options.MaxSelectLimit = 0;
  RefreshSelection(s, ui);
  EXPECT_EQ(s.state.SelectedCount, 32767);
  EXPECT_EQ(s.selection.store.size(), 32767u);
  EXPECT_EQ(s.selection.Files.size(), 40000u);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("32767"), std::string::npos);
}

TEST_F(SelectionRulesTest, ClearSelectionEmptiesTheStoreAndTheWorkflowFlags) {
  TenFiles();
  s.selection.Selected[1] = true;
  RefreshSelection(s, ui);
  s.state.JobReady = s.state.RenamePending = true;
  ClearSelection(s, ui);
  EXPECT_EQ(s.selection.store.size(), 0u);
  EXPECT_FALSE(s.state.SelectionMade);
  EXPECT_FALSE(s.state.JobReady);
  EXPECT_FALSE(s.state.RenamePending);
  EXPECT_EQ(s.state.SelectedCount, 0);
}

}  // namespace
}  // namespace quillon
