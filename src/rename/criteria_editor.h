#pragma once
// The criteria editor's reactions, one per control and event. Setting a control from
// code calls the same reaction, so a refill's chain of reactions is explicit.
#include <cstdint>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// The lists' entries, by index.
inline constexpr const char* kComboInsert[] = {"Select where to Insert",
                                               "At start of file names",
                                               "At end of file names",
                                               "After this number of Characters :",
                                               "Before this number of Characters :",
                                               "After this String :",
                                               "Before this String :"};
inline constexpr const char* kComboReplace[] = {"Select what to Replace",
                                                "File Names",
                                                "This String :",
                                                "All after this number of Chars :",
                                                "All before this number of Chars :",
                                                "All after this String :",
                                                "All before this String :",
                                                "Num Char. from start of file names",
                                                "Num Char. from end of file names",
                                                "Num Char. after this num Chars :",
                                                "Num Char. before this num Char :",
                                                "Num Char. after this String :",
                                                "Num Char. before this String :",
                                                "Every match of this pattern :"};
inline constexpr const char* kComboRemove[] = {"Select what to Remove",
                                               "This String :",
                                               "All after this number of Chars :",
                                               "All before this number Chars :",
                                               "All after this String :",
                                               "All before this String :",
                                               "Num Char. from start of file names",
                                               "Num Char. from end of file names",
                                               "Num Char. after this num Chars :",
                                               "Num Char. before this num Chars :",
                                               "Num Char. after this String :",
                                               "Num Char. before this String :"};
inline constexpr const char* kComboAutoPlace[] = {
    "Select where to Add",          "At start of file names",        "At end of file names",
    "After this number of Chars :", "Before this number of Chars :", "After this String :",
    "Before this String :"};
inline constexpr const char* kComboDatePlace[] = {
    "Select where to Add",          "At start of file names",        "At end of file names",
    "After this number of Chars :", "Before this number of Chars :", "After this String :",
    "Before this String :"};
inline constexpr const char* kComboDateSource[] = {"Modified", "Taken, else Modified"};
// The format list shows kDateFormats.
inline constexpr const char* kComboAutoZeroFill[] = {"0", "1", "2", "3", "4"};
inline constexpr const char* kComboCase[] = {"No Change", "Lower Case", "Upper Case"};

// Tick boxes.
void OnCheckExtClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckCaseClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckSpaceClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckHandleClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckInsertClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckReplaceClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckRemoveClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckAutoLetterClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckDateClick(Session& s, UserInterface& ui, bool ticked);
// The four Include Space boxes.
void OnCheckHandleAddSpaceClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckSpaceAddSpaceClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckInsertAddSpaceClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckReplaceAddSpaceClick(Session& s, UserInterface& ui, bool ticked);

// Options; kOptionOff clears a group.
void OnOptionCaseClick(Session& s, UserInterface& ui, std::int16_t index);
void OnOptionSpaceClick(Session& s, UserInterface& ui, std::int16_t index);
void OnOptionHandleClick(Session& s, UserInterface& ui, std::int16_t index);
void OnOptionAutoClick(Session& s, UserInterface& ui, std::int16_t index);

// Lists.
void OnComboCaseClick(Session& s, UserInterface& ui, std::int16_t index);
void OnComboInsertClick(Session& s, UserInterface& ui, std::int16_t index);
void OnComboReplaceClick(Session& s, UserInterface& ui, std::int16_t index);
void OnComboRemoveClick(Session& s, UserInterface& ui, std::int16_t index);
void OnComboAutoPlaceClick(Session& s, UserInterface& ui, std::int16_t index);
void OnComboAutoZeroFillClick(Session& s, UserInterface& ui, std::int16_t index);
void OnComboDatePlaceClick(Session& s, UserInterface& ui, std::int16_t index);
void OnComboDateSourceClick(Session& s, UserInterface& ui, std::int16_t index);
void OnComboDateFormatClick(Session& s, UserInterface& ui, std::int16_t index);

// Disclosure: the fill routine and the focus routine of the entry chosen (what is
// shown follows from the state; see EditorView).
void InsertPlaceChanged(Session& s, UserInterface& ui);
void ReplacePlaceChanged(Session& s, UserInterface& ui);
void RemovePlaceChanged(Session& s, UserInterface& ui);
void AutoKindChanged(Session& s, UserInterface& ui);
void AutoPlaceChanged(Session& s, UserInterface& ui);
void DatePlaceChanged(Session& s, UserInterface& ui);

// Fill routines: the record's values back into the boxes when the live entry is the
// saved one, else empty boxes.
void FillInsertBoxes(Session& s, UserInterface& ui);
void FillReplaceBoxes(Session& s, UserInterface& ui);
void FillRemoveBoxes(Session& s, UserInterface& ui);
void FillAutoStart(Session& s, UserInterface& ui);
void FillDateBoxes(Session& s, UserInterface& ui);
// Focus routines: the tab order of the chosen path and the focus on its first box.
void FocusInsert(Session& s);
void FocusReplace(Session& s);
void FocusRemove(Session& s);
void FocusAuto(Session& s);
void FocusDate(Session& s);

// Refill procedures: the controls show the record again, forgetting a cancelled edit.
void ShowExtCriterion(Session& s, UserInterface& ui);
void ShowCaseCriterion(Session& s, UserInterface& ui);
void ShowHandleCriterion(Session& s, UserInterface& ui);
void ShowSpaceCriterion(Session& s, UserInterface& ui);
void ShowInsertCriterion(Session& s, UserInterface& ui);
void ShowReplaceCriterion(Session& s, UserInterface& ui);
void ShowRemoveCriterion(Session& s, UserInterface& ui);
void ShowAutoCriterion(Session& s, UserInterface& ui);
void ShowDateCriterion(Session& s, UserInterface& ui);
// All nine, in their order.
void RefillEditor(Session& s, UserInterface& ui);

// The box the focus routines chose, handed over once to the front end.
std::string TakeEditorFocus(Session& s);

}  // namespace quillon
