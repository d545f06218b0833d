#pragma once
// The rename criteria record, the editor values it is built from, and the engine's
// failure counters.
#include <cstdint>
#include <string>

namespace quillon {

// Option index meaning "criterion off" for Case, Space and Handle.
constexpr std::int16_t kOptionOff = 9;

// Handle modes (`SavedHandleMode`, `OptHandleMode`).
enum HandleMode : std::int16_t {
  kHandleRemove = 0,
  kHandleChangeAsSpace = 1,
  kHandleReplaceWith = 2,
};

// The record the engine and the summary read. An off criterion has all its strings ""
// and all its numbers 0; only the anchor fields that a keyword uses are set.
struct RenameCriteria {
  // Extension.
  bool ExtOn = false;
  std::string ExtText;  // without the dot

  // Case.
  bool CaseOn = false;
  std::string CaseScope;   // "FileName", "FirstLetter", "FirstLetterOfWords"
  std::string CaseChange;  // "No Change", "Lower Case", "Upper Case"

  // Space.
  bool SpaceOn = false;
  std::string SpaceWith;  // "" removes the spaces

  // Handle.
  bool HandleOn = false;
  std::string HandleThis;
  std::string HandleWith;
  std::int16_t SavedHandleMode = kOptionOff;  // the engine takes the replacement from it

  // Insert.
  bool InsertOn = false;
  std::string InsertPlace;
  std::string InsertText;
  std::int16_t InsertAfterNum = 0;
  std::int16_t InsertBeforeNum = 0;
  std::string InsertAfterString;
  std::string InsertBeforeString;

  // Replace.
  bool ReplaceOn = false;
  std::string ReplacePlace;
  std::string ReplaceWith;
  std::string ReplaceString;
  std::int16_t ReplaceNumChars = 0;
  std::int16_t ReplaceAfterNum = 0;
  std::int16_t ReplaceBeforeNum = 0;
  std::string ReplaceAfterString;
  std::string ReplaceBeforeString;
  std::string ReplacePattern;  // "ReplacePattern": a regular expression

  // Remove.
  bool RemoveOn = false;
  std::string RemovePlace;
  std::string RemoveString;
  std::int16_t RemoveNumChars = 0;
  std::int16_t RemoveAfterNum = 0;
  std::int16_t RemoveBeforeNum = 0;
  std::string RemoveAfterString;
  std::string RemoveBeforeString;

  // Auto.
  bool AutoOn = false;
  std::string AutoKind;              // "Number", "Capital Letter", "Small Letter"
  std::string AutoPlace;             // "AutoAfterNumChars" ... "AutoBeforeAString"
  std::int32_t AutoStartNumber = 0;  // up to 99999 from the editor's five digits
  std::int16_t AutoZeroFill = 0;     // 0 to 4
  std::string AutoStartLetters;      // 1 to 3 letters in the kind's case
  bool AutoSmallLetters = false;
  std::int16_t AutoAfterNum = 0;
  std::int16_t AutoBeforeNum = 0;
  std::string AutoAfterString;
  std::string AutoBeforeString;

  // Date: the file's date put in at a place, after Auto.
  bool DateOn = false;
  std::string DateSource;  // "Modified", "Taken, else Modified"
  std::string DateFormat;  // one of kDateFormats
  std::string DatePlace;   // "DateAfterNumChars" ... "DateBeforeAString"
  std::int16_t DateAfterNum = 0;
  std::int16_t DateBeforeNum = 0;
  std::string DateAfterString;
  std::string DateBeforeString;

  // Priority: slots 1 to PriorityCount hold the criteria among Insert, Replace and
  // Remove that are on, in the preferred order; the other slots hold those that are off.
  std::int16_t PriorityCount = 0;
  std::string PrioritySlot1 = "Insert";
  std::string PrioritySlot2 = "Replace";
  std::string PrioritySlot3 = "Remove";
  std::string PriorityPref1 = "Insert";
  std::string PriorityPref2 = "Replace";
  std::string PriorityPref3 = "Remove";
  bool PriorityCustom = false;
};

// The criteria summary on the main window, as BuildCriteriaSummary last wrote it: each
// label's text and whether it shows in the on colour.
struct SummaryLabel {
  std::string text;
  bool on = false;
};
struct CriteriaSummary {
  SummaryLabel LabelCriShow{"Rename Criteria : Not Yet Set", false};
  SummaryLabel LabelCriChgCase{"Change Case :: No", false};
  SummaryLabel LabelCriChgExt{"Change Extension :: No", false};
  SummaryLabel LabelCriRmvSpace{"Change or Remove Space :: No", false};
  SummaryLabel LabelCriHandle1{"Handle All Instance of a Char/Str :: No", false};
  SummaryLabel LabelCriHandle2;
  SummaryLabel LabelCriInsert{"Insert :: No", false};
  SummaryLabel LabelCriReplace{"Replace :: No", false};
  SummaryLabel LabelCriRemove{"Remove :: No", false};
  SummaryLabel LabelCriAuto1{"Auto Number or Letter :: No", false};
  SummaryLabel LabelCriAuto2;
  // Shown only while Date is on.
  SummaryLabel LabelCriDate;
};

struct RenameState {
  RenameCriteria criteria;
  CriteriaSummary summary;
  // How many criteria are on, as the summary counted them.
  std::int16_t CriteriaSetCount = 0;

  // The criteria editor's values, read by "RenameSet". Numbers are 0 for an empty box.
  std::string EdExtText;
  std::string EdHandleThis;
  std::string EdHandleWith;
  std::string EdSpaceWith;
  std::string EdInsertThis;
  std::string EdInsertString;
  std::string EdReplaceWith;
  std::string EdReplaceString;
  std::string EdReplaceAfterString;
  std::string EdReplaceCharAfterString;
  std::string EdReplacePattern;
  std::string EdRemoveString;
  std::string EdRemoveAfterString;
  std::string EdRemoveCharAfterString;
  std::string EdAutoStart;
  std::string EdAutoString;
  std::string EdDateString;
  std::int16_t EdInsertNum = 0;
  std::int16_t EdReplaceNumChar = 0;
  std::int16_t EdReplaceAfterNum = 0;
  std::int16_t EdReplaceCharAfterNum = 0;
  std::int16_t EdRemoveNumChar = 0;
  std::int16_t EdRemoveAfterNum = 0;
  std::int16_t EdRemoveCharAfterNum = 0;
  std::int16_t EdAutoNum = 0;
  bool EdAutoSmallLetter = false;
  std::int16_t EdDateNum = 0;

  // Live option indices of the editor. Case, Space and Handle are off at 9, the others
  // at 0.
  std::int16_t OptCaseScope = kOptionOff;
  std::int16_t OptCaseChange = 0;
  std::int16_t OptSpaceMode = kOptionOff;
  std::int16_t OptHandleMode = kOptionOff;
  std::int16_t OptInsertPlace = 0;
  std::int16_t OptReplacePlace = 0;
  std::int16_t OptRemovePlace = 0;
  std::int16_t OptAutoKind = 0;  // 1 "Number", 2 "Letter"
  std::int16_t OptAutoPlace = 0;
  std::int16_t OptAutoZeroFill = 0;
  std::int16_t OptDatePlace = 0;
  std::int16_t OptDateSource = 0;  // 0 "Modified", 1 "Taken, else Modified"
  std::int16_t OptDateFormat = 0;  // index into kDateFormats

  // The indices the record was last built from (SavedHandleMode is in the record). For
  // Insert, Replace, Remove and Auto they tell an "on" from an "off" transition.
  std::int16_t SavedCaseScope = kOptionOff;
  std::int16_t SavedCaseChange = 0;
  std::int16_t SavedSpaceMode = kOptionOff;
  std::int16_t SavedInsertPlace = 0;
  std::int16_t SavedReplacePlace = 0;
  std::int16_t SavedRemovePlace = 0;
  std::int16_t SavedAutoKind = 0;
  std::int16_t SavedAutoPlace = 0;
  std::int16_t SavedAutoZeroFill = 0;
  std::int16_t SavedDatePlace = 0;
  std::int16_t SavedDateSource = 0;
  std::int16_t SavedDateFormat = 0;

  // The texts of the priority lists ComboPriority1st, ComboPriority2nd, ComboPriority3rd.
  std::string ComboPriority1st = "Insert";
  std::string ComboPriority2nd = "Replace";
  std::string ComboPriority3rd = "Remove";

  // Failure counters of the last run; the Preview handler zeroes them.
  std::int16_t ImpossibleInsert = 0;
  std::int16_t ImpossibleReplace = 0;
  std::int16_t ImpossibleRemove = 0;
  std::int16_t ImpossibleAuto = 0;
  std::int16_t ImpossibleDate = 0;
  std::int16_t ImpossibleTotal = 0;

  // Set by CheckAutoLetterCapacity for its message: groups available and the last one.
  std::int16_t AutoLetterCapacity = 0;
  std::string AutoLetterLimit;
};

}  // namespace quillon
