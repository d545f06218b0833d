// The criteria summary on the main window: one line per criterion, the ones that are on
// in blue, and how many are on.
#include "rename/criteria_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/environment.h"
#include "rename/criteria.h"
#include "support/null_file_services.h"

namespace quillon {
namespace {

struct Summary {
  testing::NullFileServices files;
  PosixEnvironment env;
  Session s{files, env};
  RenameCriteria& c = s.rename.criteria;

  View Build() {
    BuildCriteriaSummary(s);
    return CriteriaSummaryView(s);
  }
};

std::string Text(const View& v, const char* label) {
  const auto it = v.find(label);
  return it == v.end() ? "<none>" : it->second.text.value_or("<unset>");
}

std::uint32_t Colour(const View& v, const char* label) {
  const auto it = v.find(label);
  return it == v.end() ? 0u : it->second.colour.value_or(0u);
}

struct LineRow {
  const char* name;
  void (*set)(RenameCriteria&, RenameState&);
  const char* label;
  const char* line;
  bool on;  // the line in the on colour
};

void ExpectLines(const std::vector<LineRow>& rows) {
  for (const LineRow& row : rows) {
    SCOPED_TRACE(row.name);
    Summary sum;
    row.set(sum.c, sum.s.rename);
    const View v = sum.Build();
    EXPECT_EQ(Text(v, row.label), row.line);
    EXPECT_EQ(Colour(v, row.label), row.on ? kBlue : kDefaultColour);
    EXPECT_EQ(sum.s.rename.CriteriaSetCount, 1);
    EXPECT_EQ(Text(v, "LabelCriShow"), "Rename Criteria :");
    EXPECT_EQ(Colour(v, "LabelCriShow"), kBlue);
  }
}

TEST(CriteriaSummary, CaseExtensionAndSpaceLines) {
  ExpectLines({
      {"case_file_name",
       [](RenameCriteria& c, RenameState&) {
         c.CaseOn = true;
         c.CaseScope = "FileName";
         c.CaseChange = "Lower Case";
       },
       "LabelCriChgCase", "File Name :: Lower Case.", true},
      {"case_first_letter",
       [](RenameCriteria& c, RenameState&) {
         c.CaseOn = true;
         c.CaseScope = "FirstLetter";
         c.CaseChange = "Upper Case";
       },
       "LabelCriChgCase", "First letter of File Name :: Upper Case.", true},
      {"case_first_letter_of_words",
       [](RenameCriteria& c, RenameState&) {
         c.CaseOn = true;
         c.CaseScope = "FirstLetterOfWords";
         c.CaseChange = "Upper Case";
       },
       "LabelCriChgCase", "First letter of all words :: Upper Case.", true},
      {"case_no_change",
       [](RenameCriteria& c, RenameState&) {
         c.CaseOn = true;
         c.CaseScope = "FileName";
         c.CaseChange = "No Change";
       },
       "LabelCriChgCase", "File Name :: No Change.", true},
      {"extension",
       [](RenameCriteria& c, RenameState&) {
         c.ExtOn = true;
         c.ExtText = "jpg";
       },
       "LabelCriChgExt", "Extension change to :: jpg.", true},
      {"space_remove",
       [](RenameCriteria& c, RenameState& r) {
         c.SpaceOn = true;
         r.OptSpaceMode = 0;
       },
       "LabelCriRmvSpace", "Space :: Remove", true},
      {"space_replace",
       [](RenameCriteria& c, RenameState& r) {
         c.SpaceOn = true;
         c.SpaceWith = "_";
         r.OptSpaceMode = 1;
       },
       "LabelCriRmvSpace", "Space :: Replace With :: _", true},
  });
}

TEST(CriteriaSummary, HandleShowsTheCharacterByNameAndWhatBecomesOfIt) {
  struct Row {
    const char* name;
    const char* handleThis;
    const char* handleWith;
    const char* first;
    const char* second;
  } rows[] = {
      {"dot_removed", ".", "", "All Instance Of :: Char-Dot", "Remove"},
      {"colon_removed", ":", "", "All Instance Of :: Char-Colon", "Remove"},
      {"comma_as_space", ",", " ", "All Instance of :: Char-Comma", "Change as :: Space"},
      {"semicolon_as_space", ";", " ", "All Instance of :: Char-Semicolon", "Change as :: Space"},
      {"dash_removed", "-", "", "All Instance Of :: Char-Dash", "Remove"},
      {"underscore_replaced", "_", "x", "All Instance of :: Char-Underscore", "Replace with :: x"},
      {"dot_replaced", ".", "_", "All Instance of :: Char-Dot", "Replace with :: _"},
      {"string_as_itself", "ab", "cd", "All Instance of :: ab", "Replace with :: cd"},
      {"two_dots_as_themselves", "..", "", "All Instance Of :: ..", "Remove"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Summary sum;
    sum.c.HandleOn = true;
    sum.c.HandleThis = row.handleThis;
    sum.c.HandleWith = row.handleWith;
    const View v = sum.Build();
    EXPECT_EQ(Text(v, "LabelCriHandle1"), row.first);
    EXPECT_EQ(Text(v, "LabelCriHandle2"), row.second);
    EXPECT_EQ(Colour(v, "LabelCriHandle1"), kBlue);
    EXPECT_EQ(Colour(v, "LabelCriHandle2"), kDefaultColour);  // keeps its colour
    EXPECT_EQ(sum.s.rename.CriteriaSetCount, 1);
  }
}

TEST(CriteriaSummary, InsertLineForEachKeyword) {
  ExpectLines({
      {"after_zero_is_start",
       [](RenameCriteria& c, RenameState&) {
         c.InsertOn = true;
         c.InsertText = "ab";
         c.InsertPlace = "InsertAfterNumChars";
       },
       "LabelCriInsert", "Insert :: ab :: at start of file Name.", true},
      {"after_count",
       [](RenameCriteria& c, RenameState&) {
         c.InsertOn = true;
         c.InsertText = "ab";
         c.InsertPlace = "InsertAfterNumChars";
         c.InsertAfterNum = 3;
       },
       "LabelCriInsert", "Insert :: ab :: after 3 Characters.", true},
      {"before_zero_is_end",
       [](RenameCriteria& c, RenameState&) {
         c.InsertOn = true;
         c.InsertText = "ab";
         c.InsertPlace = "InsertBeforeNumChars";
       },
       "LabelCriInsert", "Insert :: ab :: at end of file Name.", true},
      {"before_count",
       [](RenameCriteria& c, RenameState&) {
         c.InsertOn = true;
         c.InsertText = "ab";
         c.InsertPlace = "InsertBeforeNumChars";
         c.InsertBeforeNum = 12;
       },
       "LabelCriInsert", "Insert :: ab :: before 12 Characters.", true},
      {"after_string",
       [](RenameCriteria& c, RenameState&) {
         c.InsertOn = true;
         c.InsertText = "ab";
         c.InsertPlace = "InsertAfterAString";
         c.InsertAfterString = "x y";
       },
       "LabelCriInsert", "Insert :: ab :: after :: x y.", true},
      {"before_string",
       [](RenameCriteria& c, RenameState&) {
         c.InsertOn = true;
         c.InsertText = "ab";
         c.InsertPlace = "InsertBeforeAString";
         c.InsertBeforeString = ".";
       },
       "LabelCriInsert", "Insert :: ab :: before :: ..", true},
  });
}

TEST(CriteriaSummary, ReplaceLineForEachKeyword) {
  struct Row {
    const char* name;
    const char* place;
    std::int16_t numChars, afterNum, beforeNum;
    const char *afterString, *beforeString, *line;
  } rows[] = {
      {"file_name", "ReplaceFileName", 0, 0, 0, "", "", "Replace file name with :: W."},
      {"a_string", "ReplaceAString", 0, 0, 0, "", "", "Replace :: old :: with :: W."},
      {"all_after_count", "ReplaceAfterNumChars", 0, 3, 0, "", "",
       "Replace all after 3 Characters with :: W."},
      {"all_before_count", "ReplaceBeforeNumChars", 0, 0, 4, "", "",
       "Replace all before 4 Characters with :: W."},
      {"all_after_string", "ReplaceAfterAString", 0, 0, 0, "-", "",
       "Replace all after :: - :: with :: W."},
      {"all_before_string", "ReplaceBeforeAString", 0, 0, 0, "", "-",
       "Replace all before :: - :: with :: W."},
      {"chars_from_start", "ReplaceCharAfterNumChars", 2, 0, 0, "", "",
       "Replace 2 Chars after 0 Chars with :: W."},
      {"chars_after_count", "ReplaceCharAfterNumChars", 2, 5, 0, "", "",
       "Replace 2 Chars after 5 Chars with :: W."},
      {"chars_from_end", "ReplaceCharBeforeNumChars", 2, 0, 0, "", "",
       "Replace 2 Chars Before 0 Chars with :: W."},
      {"chars_before_count", "ReplaceCharBeforeNumChars", 2, 0, 5, "", "",
       "Replace 2 Chars Before 5 Chars with :: W."},
      {"chars_after_string", "ReplaceCharAfterAString", 1, 0, 0, "x", "",
       "Replace 1 Chars after :: x - with :: W."},
      {"chars_before_string", "ReplaceCharBeforeAString", 1, 0, 0, "", "x",
       "Replace 1 Chars before :: x - with :: W."},
      {"pattern", "ReplacePattern", 0, 0, 0, "", "",
       "Replace every match of :: IMG_(\\d+) :: with :: W."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Summary sum;
    RenameCriteria& c = sum.c;
    c.ReplaceOn = true;
    c.ReplacePlace = row.place;
    c.ReplaceWith = "W";
    if (std::string(row.place) == "ReplaceAString") c.ReplaceString = "old";
    if (std::string(row.place) == "ReplacePattern") c.ReplacePattern = "IMG_(\\d+)";
    c.ReplaceNumChars = row.numChars;
    c.ReplaceAfterNum = row.afterNum;
    c.ReplaceBeforeNum = row.beforeNum;
    c.ReplaceAfterString = row.afterString;
    c.ReplaceBeforeString = row.beforeString;
    const View v = sum.Build();
    EXPECT_EQ(Text(v, "LabelCriReplace"), row.line);
    EXPECT_EQ(Colour(v, "LabelCriReplace"), kBlue);
    EXPECT_EQ(sum.s.rename.CriteriaSetCount, 1);
  }
}

TEST(CriteriaSummary, RemoveLineForEachKeyword) {
  struct Row {
    const char* name;
    const char* place;
    std::int16_t numChars, afterNum, beforeNum;
    const char *afterString, *beforeString, *line;
  } rows[] = {
      {"a_string", "RemoveAString", 0, 0, 0, "", "", "Remove :: old :: from file name."},
      {"all_after_count", "RemoveAfterNumChars", 0, 3, 0, "", "", "Remove all after 3 Characters."},
      {"all_before_count", "RemoveBeforeNumChars", 0, 0, 4, "", "",
       "Remove all before 4 Characters."},
      {"all_after_string", "RemoveAfterAString", 0, 0, 0, "-", "", "Remove all after :: -."},
      {"all_before_string", "RemoveBeforeAString", 0, 0, 0, "", "-", "Remove all before :: -."},
      {"chars_from_start", "RemoveCharAfterNumChars", 2, 0, 0, "", "",
       "Remove 2 Chars after 0 Chars."},
      {"chars_after_count", "RemoveCharAfterNumChars", 2, 5, 0, "", "",
       "Remove 2 Chars after 5 Chars."},
      {"chars_from_end", "RemoveCharBeforeNumChars", 2, 0, 0, "", "",
       "Remove 2 Chars Before 0 Chars."},
      {"chars_before_count", "RemoveCharBeforeNumChars", 2, 0, 5, "", "",
       "Remove 2 Chars Before 5 Chars."},
      {"chars_after_string", "RemoveCharAfterAString", 3, 0, 0, "x", "",
       "Remove 3 Chars after :: x."},
      {"chars_before_string", "RemoveCharBeforeAString", 3, 0, 0, "", "x",
       "Remove 3 Chars before :: x."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Summary sum;
    RenameCriteria& c = sum.c;
    c.RemoveOn = true;
    c.RemovePlace = row.place;
    if (std::string(row.place) == "RemoveAString") c.RemoveString = "old";
    c.RemoveNumChars = row.numChars;
    c.RemoveAfterNum = row.afterNum;
    c.RemoveBeforeNum = row.beforeNum;
    c.RemoveAfterString = row.afterString;
    c.RemoveBeforeString = row.beforeString;
    const View v = sum.Build();
    EXPECT_EQ(Text(v, "LabelCriRemove"), row.line);
    EXPECT_EQ(Colour(v, "LabelCriRemove"), kBlue);
    EXPECT_EQ(sum.s.rename.CriteriaSetCount, 1);
  }
}

TEST(CriteriaSummary, AutoFirstLineShowsTheKindAndStart) {
  struct Row {
    const char* name;
    const char* kind;
    std::int32_t number;
    std::int16_t zeroFill;
    const char *letters, *line;
  } rows[] = {
      {"number_with_zero_fill", "Number", 7, 2, "", "Auto start number :: 7. Zero fill :: 2."},
      {"number_without_zero_fill", "Number", 12, 0, "", "Auto start number :: 12."},
      {"number_zero", "Number", 0, 0, "", "Auto start number :: 0."},
      {"capitals", "Capital Letter", 0, 0, "AB", "Auto start Letter(Capital) :: AB."},
      {"small", "Small Letter", 0, 0, "ab", "Auto start Letter(Small) :: ab."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Summary sum;
    sum.c.AutoOn = true;
    sum.c.AutoKind = row.kind;
    sum.c.AutoStartNumber = row.number;
    sum.c.AutoZeroFill = row.zeroFill;
    sum.c.AutoStartLetters = row.letters;
    sum.c.AutoPlace = "AutoAfterNumChars";
    const View v = sum.Build();
    EXPECT_EQ(Text(v, "LabelCriAuto1"), row.line);
    EXPECT_EQ(Colour(v, "LabelCriAuto1"), kBlue);
    EXPECT_EQ(sum.s.rename.CriteriaSetCount, 1);
  }
}

TEST(CriteriaSummary, AutoSecondLineShowsThePlaceWhateverTheKind) {
  struct Row {
    const char* name;
    const char* kind;
    const char* place;
    std::int16_t afterNum, beforeNum;
    const char *afterString, *beforeString, *line;
  } rows[] = {
      {"at_start", "Number", "AutoAfterNumChars", 0, 0, "", "", "Add at start of File Names."},
      {"after_count", "Capital Letter", "AutoAfterNumChars", 3, 0, "", "",
       "Add after 3 Characters."},
      {"at_end", "Small Letter", "AutoBeforeNumChars", 0, 0, "", "", "Add at end of File Names."},
      {"before_count", "Number", "AutoBeforeNumChars", 0, 4, "", "", "Add before 4 Characters."},
      {"after_string", "Number", "AutoAfterAString", 0, 0, "x", "", "Add after :: x."},
      {"before_string", "Small Letter", "AutoBeforeAString", 0, 0, "", "-", "Add before :: -."},
      {"no_place", "Number", "", 0, 0, "", "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Summary sum;
    sum.c.AutoOn = true;
    sum.c.AutoKind = row.kind;
    sum.c.AutoStartLetters = "A";
    sum.c.AutoPlace = row.place;
    sum.c.AutoAfterNum = row.afterNum;
    sum.c.AutoBeforeNum = row.beforeNum;
    sum.c.AutoAfterString = row.afterString;
    sum.c.AutoBeforeString = row.beforeString;
    BuildCriteriaSummary(sum.s);
    EXPECT_EQ(sum.s.rename.summary.LabelCriAuto2.text, row.line);
    const View v = CriteriaSummaryView(sum.s);
    EXPECT_EQ(Colour(v, "LabelCriAuto2"), kDefaultColour);  // keeps its colour
    EXPECT_EQ(Colour(v, "LabelCriAuto1"), kBlue);
    EXPECT_EQ(sum.s.rename.CriteriaSetCount, 1);
  }
}

TEST(CriteriaSummary, DateLineShowsSourceFormatAndPlaceAndIsHiddenWhenOff) {
  struct Row {
    const char *name, *source, *format, *place;
    std::int16_t afterNum, beforeNum;
    const char *afterString, *beforeString, *line;
  } rows[] = {
      {"at_start", "Modified", "YYYY-MM-DD", "DateAfterNumChars", 0, 0, "", "",
       "Date :: Modified :: YYYY-MM-DD :: Add at start of File Names."},
      {"after_count", "Taken, else Modified", "YYYYMMDD_HHMMSS", "DateAfterNumChars", 3, 0, "", "",
       "Date :: Taken, else Modified :: YYYYMMDD_HHMMSS :: Add after 3 Characters."},
      {"at_end", "Modified", "YYYY", "DateBeforeNumChars", 0, 0, "", "",
       "Date :: Modified :: YYYY :: Add at end of File Names."},
      {"before_count", "Modified", "YYYY-MM", "DateBeforeNumChars", 0, 4, "", "",
       "Date :: Modified :: YYYY-MM :: Add before 4 Characters."},
      {"after_string", "Taken, else Modified", "YYYYMMDD", "DateAfterAString", 0, 0, "IMG_", "",
       "Date :: Taken, else Modified :: YYYYMMDD :: Add after :: IMG_."},
      {"before_string", "Modified", "YYYY-MM-DD HH.MM.SS", "DateBeforeAString", 0, 0, "", "-",
       "Date :: Modified :: YYYY-MM-DD HH.MM.SS :: Add before :: -."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Summary sum;
    sum.c.DateOn = true;
    sum.c.DateSource = row.source;
    sum.c.DateFormat = row.format;
    sum.c.DatePlace = row.place;
    sum.c.DateAfterNum = row.afterNum;
    sum.c.DateBeforeNum = row.beforeNum;
    sum.c.DateAfterString = row.afterString;
    sum.c.DateBeforeString = row.beforeString;
    const View v = sum.Build();
    EXPECT_EQ(Text(v, "LabelCriDate"), row.line);
    EXPECT_EQ(Colour(v, "LabelCriDate"), kBlue);
    EXPECT_TRUE(v.at("LabelCriDate").visible.value_or(false));
    EXPECT_EQ(sum.s.rename.CriteriaSetCount, 1);
    EXPECT_EQ(Text(v, "LabelCriShow"), "Rename Criteria :");
  }
  // Off, the summary is the one it always was: no line for Date at all.
  Summary off;
  const View v = off.Build();
  EXPECT_EQ(Text(v, "LabelCriDate"), "");
  EXPECT_FALSE(v.at("LabelCriDate").visible.value_or(true));
}

const char* const kLabels[] = {"LabelCriShow",     "LabelCriChgCase", "LabelCriChgExt",
                               "LabelCriRmvSpace", "LabelCriHandle1", "LabelCriHandle2",
                               "LabelCriInsert",   "LabelCriReplace", "LabelCriRemove",
                               "LabelCriAuto1",    "LabelCriAuto2"};

std::vector<std::string> Texts(const Session& s) {
  const CriteriaSummary& c = s.rename.summary;
  return {c.LabelCriShow.text,     c.LabelCriChgCase.text, c.LabelCriChgExt.text,
          c.LabelCriRmvSpace.text, c.LabelCriHandle1.text, c.LabelCriHandle2.text,
          c.LabelCriInsert.text,   c.LabelCriReplace.text, c.LabelCriRemove.text,
          c.LabelCriAuto1.text,    c.LabelCriAuto2.text};
}

const std::vector<std::string> kAllOff = {"Rename Criteria : Not Yet Set",
                                          "Change Case :: No",
                                          "Change Extension :: No",
                                          "Change or Remove Space :: No",
                                          "Handle All Instance of a Char/Str :: No",
                                          "",
                                          "Insert :: No",
                                          "Replace :: No",
                                          "Remove :: No",
                                          "Auto Number or Letter :: No",
                                          ""};

TEST(CriteriaSummary, EveryCriterionOffReadsNoInTheOffColour) {
  struct Row {
    const char* name;
    bool everythingOnFirst;
  } rows[] = {{"fresh", false}, {"after_reset_rename", true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Summary sum;
    if (row.everythingOnFirst) {
      RenameState& r = sum.s.rename;
      r.EdExtText = "jpg";
      r.OptCaseScope = 0;
      r.OptCaseChange = 2;
      r.OptSpaceMode = 0;
      r.EdHandleThis = ".";
      r.OptHandleMode = 0;
      r.EdInsertThis = "i";
      r.OptInsertPlace = 1;
      r.EdReplaceWith = "w";
      r.OptReplacePlace = 1;
      r.EdRemoveString = "x";
      r.OptRemovePlace = 1;
      r.EdAutoStart = "1";
      r.OptAutoKind = 1;
      r.OptAutoPlace = 2;
      r.OptDatePlace = 1;
      RenameSet(sum.s);
      ASSERT_EQ(sum.s.rename.CriteriaSetCount, 9);
      ResetRename(sum.s);
    } else {
      BuildCriteriaSummary(sum.s);
    }
    EXPECT_EQ(Texts(sum.s), kAllOff);
    EXPECT_EQ(sum.s.rename.summary.LabelCriDate.text, "");
    EXPECT_FALSE(sum.s.rename.criteria.DateOn);
    EXPECT_EQ(sum.s.state.SettingsCount, 0);
    EXPECT_EQ(sum.s.rename.CriteriaSetCount, 0);
    const View v = CriteriaSummaryView(sum.s);
    for (const char* label : kLabels) EXPECT_EQ(Colour(v, label), kDefaultColour) << label;
  }
}

TEST(CriteriaSummary, CountsTheCriteriaThatAreOn) {
  struct Row {
    const char* name;
    void (*set)(RenameCriteria&);
    std::int16_t count;
  } rows[] = {
      {"none", [](RenameCriteria&) {}, 0},
      {"only_extension",
       [](RenameCriteria& c) {
         c.ExtOn = true;
         c.ExtText = "a";
       },
       1},
      {"case_and_extension",
       [](RenameCriteria& c) {
         c.CaseOn = true;
         c.CaseScope = "FileName";
         c.CaseChange = "Lower Case";
         c.ExtOn = true;
         c.ExtText = "a";
       },
       2},
      {"insert_replace_remove",
       [](RenameCriteria& c) {
         c.InsertOn = c.ReplaceOn = c.RemoveOn = true;
         c.InsertPlace = "InsertAfterNumChars";
         c.ReplacePlace = "ReplaceFileName";
         c.RemovePlace = "RemoveAString";
       },
       3},
      {"all_eight",
       [](RenameCriteria& c) {
         c.CaseOn = c.ExtOn = c.SpaceOn = c.HandleOn = true;
         c.CaseScope = "FileName";
         c.ExtText = "a";
         c.HandleThis = ".";
         c.InsertOn = c.ReplaceOn = c.RemoveOn = c.AutoOn = true;
         c.InsertPlace = "InsertAfterNumChars";
         c.ReplacePlace = "ReplaceFileName";
         c.RemovePlace = "RemoveAString";
         c.AutoKind = "Number";
       },
       8},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Summary sum;
    row.set(sum.c);
    const View v = sum.Build();
    EXPECT_EQ(sum.s.rename.CriteriaSetCount, row.count);
    EXPECT_EQ(Text(v, "LabelCriShow"),
              row.count < 1 ? "Rename Criteria : Not Yet Set" : "Rename Criteria :");
    EXPECT_EQ(Colour(v, "LabelCriShow"), row.count < 1 ? kDefaultColour : kBlue);
  }
}

TEST(CriteriaSummary, RenameSetRebuildsTheSummaryFromTheEditorValues) {
  Summary sum;
  RenameState& r = sum.s.rename;
  r.OptCaseScope = 2;
  r.OptCaseChange = 2;
  r.EdHandleThis = "-";
  r.OptHandleMode = 0;
  r.EdInsertThis = "X";
  r.OptInsertPlace = 2;
  r.EdReplaceWith = "w";
  r.EdReplaceNumChar = 3;
  r.OptReplacePlace = 7;
  r.EdAutoStart = "5";
  r.OptAutoZeroFill = 0;
  r.OptAutoKind = 1;
  r.EdAutoString = "s";
  r.OptAutoPlace = 6;
  RenameSet(sum.s);
  const View v = CriteriaSummaryView(sum.s);
  EXPECT_EQ(Text(v, "LabelCriChgCase"), "First letter of all words :: Upper Case.");
  EXPECT_EQ(Text(v, "LabelCriHandle1"), "All Instance Of :: Char-Dash");
  EXPECT_EQ(Text(v, "LabelCriHandle2"), "Remove");
  EXPECT_EQ(Text(v, "LabelCriInsert"), "Insert :: X :: at end of file Name.");
  EXPECT_EQ(Text(v, "LabelCriReplace"), "Replace 3 Chars after 0 Chars with :: w.");
  EXPECT_EQ(Text(v, "LabelCriAuto1"), "Auto start number :: 5.");
  EXPECT_EQ(Text(v, "LabelCriAuto2"), "Add before :: s.");
  EXPECT_EQ(Colour(v, "LabelCriChgCase"), kBlue);
  EXPECT_EQ(Colour(v, "LabelCriChgExt"), kDefaultColour);
  EXPECT_EQ(Colour(v, "LabelCriRemove"), kDefaultColour);
  EXPECT_EQ(r.CriteriaSetCount, 5);
}

}  // namespace
}  // namespace quillon
