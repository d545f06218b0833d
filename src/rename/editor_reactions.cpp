// The criteria editor's tick boxes, options and lists.
#include <algorithm>

#include "platform/text.h"
#include "rename/criteria_editor.h"
#include "rename/editor_boxes.h"
#include "rename/editor_focus.h"

namespace quillon {
namespace {

using B = EditorBox;

void Set(Session& s, UserInterface& ui, EditorBox box, const std::string& text) {
  OnTextChange(s, ui, box, text);
}

std::string WithoutSpaces(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return text;
}

// An Include Space box: unticking it deletes every space from its text.
void IncludeSpace(Session& s, UserInterface& ui, bool& flag, EditorBox box, bool ticked) {
  flag = ticked;
  if (!ticked) Set(s, ui, box, WithoutSpaces(BoxText(s, box)));
  FocusBox(s, box);
}

}  // namespace

void OnCheckExtClick(Session& s, UserInterface& ui, bool ticked) {
  s.editor.CheckExt = ticked;
  if (!ticked) return;
  Set(s, ui, B::TextExt, s.rename.criteria.ExtText);
  FocusBox(s, B::TextExt);
}

void OnCheckCaseClick(Session& s, UserInterface& ui, bool ticked) {
  RenameState& r = s.rename;
  s.editor.CheckCase = ticked;
  if (ticked && r.OptCaseScope < 3 && r.OptCaseScope == r.SavedCaseScope) {
    OnComboCaseClick(s, ui, r.SavedCaseChange);
  }
}

void OnCheckSpaceClick(Session& s, UserInterface&, bool ticked) {
  s.editor.CheckSpace = ticked;
}

void OnCheckHandleClick(Session& s, UserInterface& ui, bool ticked) {
  RenameState& r = s.rename;
  s.editor.CheckHandle = ticked;
  if (!ticked) return;
  s.editor.tabOrder = {"TextHandleThis", "TextHandleWith"};
  if (r.OptHandleMode < 3 && r.OptHandleMode == r.criteria.SavedHandleMode) {
    Set(s, ui, B::TextHandleThis, r.criteria.HandleThis);
  }
  if (!BoxText(s, B::TextHandleThis).empty() && r.OptHandleMode == kHandleReplaceWith &&
      r.criteria.SavedHandleMode == kHandleReplaceWith) {
    Set(s, ui, B::TextHandleWith, r.criteria.HandleWith);
  }
  FocusBox(s, B::TextHandleThis);
}

void OnCheckInsertClick(Session& s, UserInterface& ui, bool ticked) {
  s.editor.CheckInsert = ticked;
  if (!ticked) OnComboInsertClick(s, ui, 0);
}

void OnCheckReplaceClick(Session& s, UserInterface& ui, bool ticked) {
  s.editor.CheckReplace = ticked;
  if (!ticked) OnComboReplaceClick(s, ui, 0);
}

void OnCheckRemoveClick(Session& s, UserInterface& ui, bool ticked) {
  s.editor.CheckRemove = ticked;
  if (!ticked) OnComboRemoveClick(s, ui, 0);
}

void OnCheckDateClick(Session& s, UserInterface& ui, bool ticked) {
  s.editor.CheckDate = ticked;
  if (!ticked) OnComboDatePlaceClick(s, ui, 0);
}

void OnCheckAutoLetterClick(Session& s, UserInterface& ui, bool ticked) {
  s.editor.CheckAutoLetter = ticked;
  s.rename.EdAutoSmallLetter = ticked;
  const std::string& start = BoxText(s, B::TextAutoStart);
  if (!start.empty()) Set(s, ui, B::TextAutoStart, ticked ? ToLower(start) : ToUpper(start));
  FocusBox(s, B::TextAutoStart);
}

void OnCheckHandleAddSpaceClick(Session& s, UserInterface& ui, bool ticked) {
  IncludeSpace(s, ui, s.editor.EdHandleIncludeSpace, B::TextHandleWith, ticked);
}

void OnCheckSpaceAddSpaceClick(Session& s, UserInterface& ui, bool ticked) {
  IncludeSpace(s, ui, s.editor.EdSpaceIncludeSpace, B::TextSpaceWith, ticked);
}

void OnCheckInsertAddSpaceClick(Session& s, UserInterface& ui, bool ticked) {
  IncludeSpace(s, ui, s.editor.EdInsertIncludeSpace, B::TextInsertThis, ticked);
}

void OnCheckReplaceAddSpaceClick(Session& s, UserInterface& ui, bool ticked) {
  IncludeSpace(s, ui, s.editor.EdReplaceIncludeSpace, B::TextReplaceWith, ticked);
}

void OnOptionCaseClick(Session& s, UserInterface& ui, std::int16_t index) {
  RenameState& r = s.rename;
  r.OptCaseScope = index;
  if (index < 3 && index == r.SavedCaseScope) OnComboCaseClick(s, ui, r.SavedCaseChange);
}

void OnOptionSpaceClick(Session& s, UserInterface& ui, std::int16_t index) {
  RenameState& r = s.rename;
  r.OptSpaceMode = index;
  if (index != 1) return;
  if (r.OptSpaceMode == r.SavedSpaceMode) Set(s, ui, B::TextSpaceWith, r.criteria.SpaceWith);
  FocusBox(s, B::TextSpaceWith);
}

void OnOptionHandleClick(Session& s, UserInterface& ui, std::int16_t index) {
  RenameState& r = s.rename;
  r.OptHandleMode = index;
  if (index != kHandleReplaceWith) return;
  if (r.criteria.SavedHandleMode == kHandleReplaceWith) {
    Set(s, ui, B::TextHandleWith, r.criteria.HandleWith);
  }
  FocusBox(s, B::TextHandleWith);
}

void OnOptionAutoClick(Session& s, UserInterface& ui, std::int16_t index) {
  s.rename.OptAutoKind = index;
  AutoKindChanged(s, ui);
}

void OnComboCaseClick(Session& s, UserInterface&, std::int16_t index) {
  s.rename.OptCaseChange = index;
}

void OnComboInsertClick(Session& s, UserInterface& ui, std::int16_t index) {
  s.rename.OptInsertPlace = index;
  InsertPlaceChanged(s, ui);
}

void OnComboReplaceClick(Session& s, UserInterface& ui, std::int16_t index) {
  s.rename.OptReplacePlace = index;
  ReplacePlaceChanged(s, ui);
}

void OnComboRemoveClick(Session& s, UserInterface& ui, std::int16_t index) {
  s.rename.OptRemovePlace = index;
  RemovePlaceChanged(s, ui);
}

void OnComboAutoPlaceClick(Session& s, UserInterface& ui, std::int16_t index) {
  s.rename.OptAutoPlace = index;
  AutoPlaceChanged(s, ui);
}

void OnComboAutoZeroFillClick(Session& s, UserInterface&, std::int16_t index) {
  s.rename.OptAutoZeroFill = index;
  FocusBox(s, B::TextAutoStart);
}

void OnComboDatePlaceClick(Session& s, UserInterface& ui, std::int16_t index) {
  s.rename.OptDatePlace = index;
  DatePlaceChanged(s, ui);
}

void OnComboDateSourceClick(Session& s, UserInterface&, std::int16_t index) {
  s.rename.OptDateSource = index;
}

void OnComboDateFormatClick(Session& s, UserInterface&, std::int16_t index) {
  s.rename.OptDateFormat = index;
}

void InsertPlaceChanged(Session& s, UserInterface& ui) {
  if (s.rename.OptInsertPlace <= 0) return;
  FillInsertBoxes(s, ui);
  FocusInsert(s);
}

void ReplacePlaceChanged(Session& s, UserInterface& ui) {
  if (s.rename.OptReplacePlace <= 0) return;
  FillReplaceBoxes(s, ui);
  FocusReplace(s);
}

void RemovePlaceChanged(Session& s, UserInterface& ui) {
  if (s.rename.OptRemovePlace <= 0) return;
  FillRemoveBoxes(s, ui);
  FocusRemove(s);
}

void AutoKindChanged(Session& s, UserInterface& ui) {
  if (s.rename.OptAutoKind != 0) AutoPlaceChanged(s, ui);
}

void AutoPlaceChanged(Session& s, UserInterface& ui) {
  if (s.rename.OptAutoPlace <= 0) return;
  FillAutoStart(s, ui);
  FocusAuto(s);
}

void DatePlaceChanged(Session& s, UserInterface& ui) {
  if (s.rename.OptDatePlace <= 0) return;
  FillDateBoxes(s, ui);
  FocusDate(s);
}

std::string TakeEditorFocus(Session& s) {
  std::string focus;
  focus.swap(s.editor.focus);
  return focus;
}

}  // namespace quillon
