// The checks of a preview, the report and its OK and Cancel, on real folders.
#include "actions/conflicts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "actions/action_fixture.h"

namespace quillon {
namespace {

using testing::ActionTest;

class ConflictsTest : public ActionTest {
 protected:
  // Rows marked "#$#", by index.
  std::vector<std::size_t> Marked() const {
    std::vector<std::size_t> rows;
    const SelectionStore& store = s.selection.store;
    for (std::size_t i = 0; i < store.size(); ++i) {
      if (store.ComboClearString[i] == kMarker) rows.push_back(i);
    }
    return rows;
  }
};

TEST(ChecksFor, EachActionRunsItsChecks) {
  struct Row {
    const char* name;
    const char* action;
    bool overwrite;
    DueChecks due;
  } rows[] = {
      {"rename", "Rename", false, {true, true, true, false}},
      {"rename_and_copy", "Rename And Copy", false, {true, true, true, true}},
      {"rename_and_copy_overwrite", "Rename And Copy", true, {true, true, true, false}},
      {"copy_and_rename", "Copy And Rename", false, {true, false, true, true}},
      {"copy_and_rename_overwrite", "Copy And Rename", true, {true, false, true, false}},
      {"move_and_rename_overwrite_ignored", "Move And Rename", true, {true, false, true, true}},
      {"copy", "Copy", false, {false, false, false, true}},
      {"copy_overwrite_no_check", "Copy", true, {false, false, false, false}},
      {"move_overwrite_ignored", "Move", true, {false, false, false, true}},
      {"delete", "Delete", false, {false, false, false, false}},
      {"set_attribute", "Set Attribute", false, {false, false, false, false}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const DueChecks due = ChecksFor(row.action, row.overwrite);
    EXPECT_EQ(due.zeroLength, row.due.zeroLength);
    EXPECT_EQ(due.existingNames, row.due.existingNames);
    EXPECT_EQ(due.newNames, row.due.newNames);
    EXPECT_EQ(due.destination, row.due.destination);
  }
}

TEST_F(ConflictsTest, ChecksMarkRowsAndCountFindingsAsPairwiseComparisonWould) {
  struct Row {
    const char* name;
    std::vector<std::string> folder;  // files in the working folder
    std::vector<std::string> olds;    // selected
    std::vector<std::string> news;    // their new names
    std::vector<std::string> inDest;  // files in the destination
    std::vector<std::size_t> marked;
    std::int16_t zero, existing, newName, destination;
  } rows[] = {
      {"onto_unselected_name", {"a.txt", "b.txt"}, {"a.txt"}, {"b.txt"}, {}, {0}, 0, 1, 0, 0},
      {"case_differs_no_conflict", {"a.txt", "B.txt"}, {"a.txt"}, {"b.txt"}, {}, {}, 0, 0, 0, 0},
      // A selected file still holding the new name when the job comes to the row: a
      // later one, or one marked itself (the report's OK leaves it under its name).
      {"swap_marks_both",
       {"a.txt", "b.txt"},
       {"a.txt", "b.txt"},
       {"b.txt", "a.txt"},
       {},
       {0, 1},
       0,
       2,
       0,
       0},
      {"onto_a_row_marked_for_an_unselected_name",
       {"x", "y", "z"},
       {"x", "z"},
       {"y", "x"},
       {},
       {0, 1},
       0,
       2,
       0,
       0},
      {"chain_onto_a_later_row",
       {"1", "2", "3"},
       {"1", "2", "3"},
       {"2", "3", "4"},
       {},
       {0, 1},
       0,
       2,
       0,
       0},
      {"chain_onto_an_earlier_row_passes", {"2", "3"}, {"2", "3"}, {"1", "2"}, {}, {}, 0, 0, 0, 0},
      {"onto_a_later_row_keeping_its_name_is_a_new_name_conflict",
       {"a", "b"},
       {"a", "b"},
       {"b", "b"},
       {},
       {0},
       0,
       0,
       1,
       0},
      {"onto_an_earlier_row_keeping_its_name_marks_both",
       {"a", "b"},
       {"a", "b"},
       {"a", "a"},
       {},
       {0, 1},
       0,
       1,
       1,
       0},
      {"three_rows_one_name",
       {"a.txt", "b.txt", "c.txt"},
       {"a.txt", "b.txt", "c.txt"},
       {"x.jpg", "x.jpg", "x.jpg"},
       {},
       {0, 1},
       0,
       0,
       2,
       0},
      {"two_pairs",
       {"a", "b", "c", "d"},
       {"a", "b", "c", "d"},
       {"x", "y", "x", "y"},
       {},
       {0, 1},
       0,
       0,
       2,
       0},
      {"dot_and_extension_only",
       {"a.txt", "b.txt"},
       {"a.txt", "b.txt"},
       {".txt", "b.md"},
       {},
       {0},
       1,
       0,
       0,
       0},
      {"destination_holds_name",
       {"a.txt", "b.txt"},
       {"a.txt", "b.txt"},
       {"x.txt", "y.txt"},
       {"y.txt", "other"},
       {1},
       0,
       0,
       0,
       1},
      {"empty_destination_skipped", {"a.txt"}, {"a.txt"}, {"x.txt"}, {}, {}, 0, 0, 0, 0},
      {"one_row_three_findings",
       {"a.txt", "b.txt", "x"},
       {"a.txt", "b.txt"},
       {"x", "x"},
       {"x"},
       {0, 1},
       0,
       2,
       1,
       2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    testing::TempDir w, d;
    s.selection.Dir1Path = w.path();
    s.state.WorkFolder = w.path() + "/";
    s.state.DestFolder = d.path() + "/";
    s.state.ActionDestFolder = s.state.DestFolder;
    for (const auto& name : row.folder) w.file(name);
    for (const auto& name : row.inDest) d.file(name);
    SetAction("Rename And Copy");
    Select(row.olds);
    GiveNewNames(row.news);
    ZeroConflictCounters(s);
    FindConflicts(s, ui);
    // The report's OK unselected the marked rows; the counters were read before.
    const bool found = !row.marked.empty();
    EXPECT_EQ(ui.messages.empty(), !found);
    if (found) {
      const std::string& report = ui.messages.back().text;
      const auto line = [](const char* label, int n) { return label + std::to_string(n); };
      EXPECT_EQ(report.find("Total " + std::to_string(row.marked.size()) + " conflicting"), 0u);
      if (row.newName > 0) {
        EXPECT_NE(report.find(line("other new name is : ", row.newName)), std::string::npos);
      }
      if (row.existing > 0) {
        EXPECT_NE(report.find(line("existing file name is : ", row.existing)), std::string::npos);
      }
      if (row.destination > 0) {
        EXPECT_NE(report.find(line("Destination Folder is : ", row.destination)),
                  std::string::npos);
      }
      if (row.zero > 0) {
        EXPECT_NE(report.find(line("zero length file name is : ", row.zero)), std::string::npos);
      }
      std::vector<std::string> left;
      for (std::size_t i = 0; i < row.olds.size(); ++i) {
        if (std::find(row.marked.begin(), row.marked.end(), i) == row.marked.end()) {
          left.push_back(row.olds[i]);
        }
      }
      EXPECT_EQ(s.selection.store.ComboFile1, left);
    } else {
      EXPECT_TRUE(s.state.JobReady);
      EXPECT_EQ(s.selection.List1, row.news);
    }
    ui.messages.clear();
  }
}

TEST_F(ConflictsTest, CountersRiseForEveryFindingButTheTotalOncePerRow) {
  for (const char* name : {"a.txt", "b.txt", "taken.txt"}) work.file(name);
  SetAction("Rename");
  Select({"a.txt", "b.txt"});
  GiveNewNames({"taken.txt", "taken.txt"});
  // The engine found Insert impossible for the first row already.
  s.selection.store.ComboClearString[0] = kMarker;
  s.rename.ImpossibleInsert = 1;
  s.rename.ImpossibleTotal = 1;
  CheckExistingNames(s, NewNames(s));
  CheckNewNames(s, ui, NewNames(s));
  EXPECT_EQ(s.rename.ImpossibleTotal, 2);
  EXPECT_EQ(s.actions.ConflictExisting, 2);
  EXPECT_EQ(s.actions.ConflictNewName, 1);
  EXPECT_EQ(Marked(), (std::vector<std::size_t>{0, 1}));
}

TEST_F(ConflictsTest, ReportTextIsWordForWord) {
  struct Row {
    const char* name;
    std::int16_t total, insert, zero, existing, newName, destination;
    const char* expected;
  } rows[] = {
      {"single_finding_singular", 1, 0, 0, 1, 0, 0,
       "Total 1 conflicting file found.\r\n\r\n"
       "Number of new name conflicting with existing file name is : 1\r\n\r\n"
       " To change Renaming options please press Cancel. To unselect the conflicting files "
       "please press OK, it will be done automatically."},
      {"two_findings_plural_destination_only", 2, 0, 0, 0, 0, 2,
       "Total 2 conflicting files found.\r\n\r\n"
       "Number of new name conflicting with files in Destination Folder is : 2\r\n\r\n"
       " To change Destination Folder please press Cancel. To unselect the conflicting files "
       "please press OK, it will be done automatically."},
      {"destination_and_names", 3, 1, 1, 0, 1, 1,
       "Total 3 conflicting files found.\r\n\r\n"
       "Number of selection for which Insert is not possible is : 1\r\n"
       "Number of selection getting zero length file name is : 1\r\n"
       "Number of new name conflicting with other new name is : 1\r\n"
       "Number of new name conflicting with files in Destination Folder is : 1\r\n\r\n"
       " To change Renaming options and/or Destination Folder please press Cancel. To unselect "
       "the conflicting files please press OK, it will be done automatically."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ZeroConflictCounters(s);
    s.rename.ImpossibleTotal = row.total;
    s.rename.ImpossibleInsert = row.insert;
    s.actions.ZeroLengthCount = row.zero;
    s.actions.ConflictExisting = row.existing;
    s.actions.ConflictNewName = row.newName;
    s.actions.ConflictDestination = row.destination;
    EXPECT_EQ(ConflictReport(s), row.expected);
  }
}

TEST_F(ConflictsTest, OkUnselectsTheMarkedFilesAndLeavesTheLastOfAName) {
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) work.file(name);
  SetAction("Rename");
  Select({"a.txt", "b.txt", "c.txt", "d.txt"});
  GiveNewNames({"x.jpg", "x.jpg", "x.jpg", "d.md"});
  EXPECT_EQ(FindConflicts(s, ui), ConflictOutcome::Unselected);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].buttons, "OKCancel");
  EXPECT_EQ(s.selection.store.ComboFile1, (std::vector<std::string>{"c.txt", "d.txt"}));
  EXPECT_EQ(s.selection.List1, (std::vector<std::string>{"x.jpg", "d.md"}));
  EXPECT_EQ(s.selection.Selected, (std::vector<bool>{false, false, true, true}));
  EXPECT_EQ(s.state.SelectedCount, 2);
  EXPECT_TRUE(s.state.JobReady);
  EXPECT_FALSE(s.state.CheckPending);
  EXPECT_EQ(s.actions.ConflictNewName, 0);
  EXPECT_EQ(s.rename.ImpossibleTotal, 2);
}

TEST_F(ConflictsTest, OkWhenEveryRowIsMarkedLeavesNoSelectionAndNoJob) {
  work.file("a.txt");
  SetAction("Rename");
  Select({"a.txt"});
  GiveNewNames({".txt"});
  FindConflicts(s, ui);
  EXPECT_EQ(s.state.SelectedCount, 0);
  EXPECT_FALSE(s.state.SelectionMade);
  EXPECT_FALSE(s.state.JobReady);
  EXPECT_TRUE(s.selection.List1.empty());
}

TEST_F(ConflictsTest, CancelThrowsTheComputedNamesAwayAndKeepsTheSelection) {
  for (const char* name : {"a.txt", "b.txt"}) work.file(name);
  SetAction("Rename");
  s.rename.criteria.ExtOn = true;
  Select({"a.txt"});
  GiveNewNames({"b.txt"});
  ui.answers.push_back(ui.No());
  EXPECT_EQ(FindConflicts(s, ui), ConflictOutcome::Cancelled);
  EXPECT_EQ(s.selection.store.ComboName[0], "a");
  EXPECT_EQ(s.selection.store.ComboClearString[0], kStatusOk);
  EXPECT_TRUE(s.selection.List1.empty());
  EXPECT_EQ(s.state.SelectedCount, 1);
  EXPECT_TRUE(s.state.RenamePending);
  EXPECT_FALSE(s.state.JobReady);
}

TEST_F(ConflictsTest, CopyCancelShowsTheReportOncePerPreview) {
  work.file("a.txt");
  dest.file("a.txt");
  SetAction("Copy");
  Select({"a.txt"});
  ASSERT_TRUE(s.state.CheckPending);
  ui.answers.push_back(ui.No());
  PreviewClick(s, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("Destination Folder is : 1\r\n"), std::string::npos);
  EXPECT_TRUE(s.state.CheckPending);
  EXPECT_FALSE(s.state.JobReady);
}

TEST_F(ConflictsTest, CopyWithOverwriteConfirmedListsTheNamesAtOnce) {
  work.file("a.txt");
  dest.file("a.txt");
  SetAction("Copy", /*overwrite=*/true);
  Select({"a.txt"});
  FindConflicts(s, ui);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(s.state.JobReady);
  EXPECT_EQ(s.selection.List1, std::vector<std::string>{"a.txt"});
}

TEST_F(ConflictsTest, UnreadableDestinationStopsOnlyThatCheckWithItsReport) {
  work.file("a.txt");
  SetAction("Move");
  Select({"a.txt"});
  files.fail(testing::Op::ListFiles, "", EACCES);
  FindConflicts(s, ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(testing::EndsWithTag(ui.messages[0].text, "Bug-Quillon-FindConflictWithMove"));
  EXPECT_TRUE(s.state.JobReady);
}

}  // namespace
}  // namespace quillon
