// The criteria editor's fill, focus and refill routines.
#include "rename/criteria_editor.h"
#include "rename/editor_boxes.h"
#include "rename/editor_focus.h"

namespace quillon {
namespace {

using B = EditorBox;

void Set(Session& s, UserInterface& ui, EditorBox box, const std::string& text) {
  OnTextChange(s, ui, box, text);
}

// `value` when `used`, else "".
std::string If(bool used, const std::string& value) {
  return used ? value : std::string();
}

}  // namespace

void FocusBox(Session& s, EditorBox box) {
  if (!s.help.EditorHelpRequest) s.editor.focus = std::string(BoxName(box));
}

void FocusPath(Session& s, std::initializer_list<EditorBox> path) {
  s.editor.tabOrder.clear();
  for (EditorBox box : path) s.editor.tabOrder.emplace_back(BoxName(box));
  if (path.size() > 0) FocusBox(s, *path.begin());
}

void FillInsertBoxes(Session& s, UserInterface& ui) {
  const RenameState& r = s.rename;
  const int i = r.OptInsertPlace;
  if (i <= 0) return;
  const RenameCriteria& c = r.criteria;
  const bool same = i == r.SavedInsertPlace;
  Set(s, ui, B::TextInsertThis, If(same, c.InsertText));
  Set(s, ui, B::TextInsertAfterNumChar,
      If(same, CountText(i == 3   ? c.InsertAfterNum
                         : i == 4 ? c.InsertBeforeNum
                                  : 0)));
  Set(s, ui, B::TextInsertAfterString,
      If(same, i == 5   ? c.InsertAfterString
               : i == 6 ? c.InsertBeforeString
                        : ""));
}

void FillReplaceBoxes(Session& s, UserInterface& ui) {
  const RenameState& r = s.rename;
  const int i = r.OptReplacePlace;
  if (i <= 0) return;
  const RenameCriteria& c = r.criteria;
  const bool same = i == r.SavedReplacePlace;
  Set(s, ui, B::TextReplaceWith, If(same, c.ReplaceWith));
  Set(s, ui, B::TextReplaceNumChar, If(same && i >= 7 && i <= 12, CountText(c.ReplaceNumChars)));
  Set(s, ui, B::TextReplaceString, If(same && i == 2, c.ReplaceString));
  Set(s, ui, B::TextReplacePattern, If(same && i == 13, c.ReplacePattern));
  const std::int16_t after = c.ReplaceAfterNum;
  const std::int16_t before = c.ReplaceBeforeNum;
  Set(s, ui, B::TextReplaceAfterNumChar, If(same, CountText(i == 3 ? after : i == 4 ? before : 0)));
  Set(s, ui, B::TextReplaceCharAfterNumChar,
      If(same, CountText(i == 9    ? after
                         : i == 10 ? before
                                   : 0)));
  Set(s, ui, B::TextReplaceAfterString,
      If(same, i == 5   ? c.ReplaceAfterString
               : i == 6 ? c.ReplaceBeforeString
                        : ""));
  Set(s, ui, B::TextReplaceCharAfterString,
      If(same, i == 11   ? c.ReplaceAfterString
               : i == 12 ? c.ReplaceBeforeString
                         : ""));
}

void FillRemoveBoxes(Session& s, UserInterface& ui) {
  const RenameState& r = s.rename;
  const int i = r.OptRemovePlace;
  if (i <= 0) return;
  const RenameCriteria& c = r.criteria;
  const bool same = i == r.SavedRemovePlace;
  Set(s, ui, B::TextRemoveNumChar, If(same && i >= 6, CountText(c.RemoveNumChars)));
  Set(s, ui, B::TextRemoveString, If(same && i == 1, c.RemoveString));
  const std::int16_t after = c.RemoveAfterNum;
  const std::int16_t before = c.RemoveBeforeNum;
  Set(s, ui, B::TextRemoveAfterNumChar, If(same, CountText(i == 2 ? after : i == 3 ? before : 0)));
  Set(s, ui, B::TextRemoveCharAfterNumChar,
      If(same, CountText(i == 8   ? after
                         : i == 9 ? before
                                  : 0)));
  Set(s, ui, B::TextRemoveAfterString,
      If(same, i == 4   ? c.RemoveAfterString
               : i == 5 ? c.RemoveBeforeString
                        : ""));
  Set(s, ui, B::TextRemoveCharAfterString,
      If(same, i == 10   ? c.RemoveAfterString
               : i == 11 ? c.RemoveBeforeString
                         : ""));
}

void FillAutoStart(Session& s, UserInterface& ui) {
  const RenameState& r = s.rename;
  EditorState& e = s.editor;
  if (r.OptAutoKind == 0) return;
  const bool number = r.OptAutoKind == 1;
  e.FrameAutoStartCaption = number ? "Start From This Number :" : "Start From These Letters :";
  e.LabelAutoMaxLength = number ? "Maximum 5 Digits." : "Maximum 3 Letters.";
  e.TextAutoStartMaxLength = number ? 5 : 3;
  const RenameCriteria& c = r.criteria;
  const int i = r.OptAutoPlace;
  const bool same = r.SavedAutoKind == r.OptAutoKind && r.SavedAutoPlace == r.OptAutoPlace;
  Set(s, ui, B::TextAutoStart,
      If(same, number ? std::to_string(c.AutoStartNumber) : c.AutoStartLetters));
  Set(s, ui, B::TextAutoAfterNumChar,
      If(same, CountText(i == 3   ? c.AutoAfterNum
                         : i == 4 ? c.AutoBeforeNum
                                  : 0)));
  Set(s, ui, B::TextAutoAfterString,
      If(same, i == 5   ? c.AutoAfterString
               : i == 6 ? c.AutoBeforeString
                        : ""));
}

void FillDateBoxes(Session& s, UserInterface& ui) {
  const RenameState& r = s.rename;
  const int i = r.OptDatePlace;
  if (i <= 0) return;
  const RenameCriteria& c = r.criteria;
  const bool same = i == r.SavedDatePlace;
  Set(s, ui, B::TextDateAfterNumChar,
      If(same, CountText(i == 3   ? c.DateAfterNum
                         : i == 4 ? c.DateBeforeNum
                                  : 0)));
  Set(s, ui, B::TextDateAfterString,
      If(same, i == 5   ? c.DateAfterString
               : i == 6 ? c.DateBeforeString
                        : ""));
}

void FocusInsert(Session& s) {
  const int i = s.rename.OptInsertPlace;
  if (i == 1 || i == 2) FocusPath(s, {B::TextInsertThis});
  if (i == 3 || i == 4) FocusPath(s, {B::TextInsertAfterNumChar, B::TextInsertThis});
  if (i == 5 || i == 6) FocusPath(s, {B::TextInsertAfterString, B::TextInsertThis});
}

void FocusReplace(Session& s) {
  const int i = s.rename.OptReplacePlace;
  if (i == 1) FocusPath(s, {B::TextReplaceWith});
  if (i == 2) FocusPath(s, {B::TextReplaceString, B::TextReplaceWith});
  if (i == 3 || i == 4) FocusPath(s, {B::TextReplaceAfterNumChar, B::TextReplaceWith});
  if (i == 5 || i == 6) FocusPath(s, {B::TextReplaceAfterString, B::TextReplaceWith});
  if (i == 7 || i == 8) FocusPath(s, {B::TextReplaceNumChar, B::TextReplaceWith});
  if (i == 9 || i == 10) {
    FocusPath(s, {B::TextReplaceCharAfterNumChar, B::TextReplaceNumChar, B::TextReplaceWith});
  }
  if (i == 11 || i == 12) {
    FocusPath(s, {B::TextReplaceCharAfterString, B::TextReplaceNumChar, B::TextReplaceWith});
  }
  if (i == 13) FocusPath(s, {B::TextReplacePattern, B::TextReplaceWith});
}

void FocusRemove(Session& s) {
  const int i = s.rename.OptRemovePlace;
  if (i == 1) FocusPath(s, {B::TextRemoveString});
  if (i == 2 || i == 3) FocusPath(s, {B::TextRemoveAfterNumChar});
  if (i == 4 || i == 5) FocusPath(s, {B::TextRemoveAfterString});
  if (i == 6 || i == 7) FocusPath(s, {B::TextRemoveNumChar});
  if (i == 8 || i == 9) FocusPath(s, {B::TextRemoveCharAfterNumChar, B::TextRemoveNumChar});
  if (i == 10 || i == 11) FocusPath(s, {B::TextRemoveCharAfterString, B::TextRemoveNumChar});
}

void FocusAuto(Session& s) {
  const int i = s.rename.OptAutoPlace;
  if (i == 1 || i == 2) FocusPath(s, {B::TextAutoStart});
  if (i == 3 || i == 4) FocusPath(s, {B::TextAutoAfterNumChar, B::TextAutoStart});
  if (i == 5 || i == 6) FocusPath(s, {B::TextAutoAfterString, B::TextAutoStart});
}

void FocusDate(Session& s) {
  const int i = s.rename.OptDatePlace;
  if (i == 3 || i == 4) FocusPath(s, {B::TextDateAfterNumChar});
  if (i == 5 || i == 6) FocusPath(s, {B::TextDateAfterString});
}

void ShowExtCriterion(Session& s, UserInterface& ui) {
  const RenameCriteria& c = s.rename.criteria;
  OnCheckExtClick(s, ui, c.ExtOn);
  Set(s, ui, B::TextExt, c.ExtOn ? c.ExtText : "");
}

void ShowCaseCriterion(Session& s, UserInterface& ui) {
  const RenameState& r = s.rename;
  if (r.SavedCaseScope != kOptionOff) {
    OnCheckCaseClick(s, ui, true);
    OnOptionCaseClick(s, ui, r.SavedCaseScope);
  } else {
    OnCheckCaseClick(s, ui, false);
    OnOptionCaseClick(s, ui, kOptionOff);
  }
  OnComboCaseClick(s, ui, r.SavedCaseChange);
}

void ShowHandleCriterion(Session& s, UserInterface& ui) {
  const RenameState& r = s.rename;
  const std::int16_t mode = r.criteria.SavedHandleMode;
  if (mode != kOptionOff) {
    OnCheckHandleAddSpaceClick(s, ui, s.editor.SavedHandleIncludeSpace);
    OnCheckHandleClick(s, ui, true);
    Set(s, ui, B::TextHandleThis, r.criteria.HandleThis);
    OnOptionHandleClick(s, ui, mode);
    Set(s, ui, B::TextHandleWith, mode == kHandleReplaceWith ? r.criteria.HandleWith : "");
  } else {
    OnCheckHandleClick(s, ui, false);
    Set(s, ui, B::TextHandleThis, "");
    Set(s, ui, B::TextHandleWith, "");
    OnOptionHandleClick(s, ui, kOptionOff);
    OnCheckHandleAddSpaceClick(s, ui, false);
  }
}

void ShowSpaceCriterion(Session& s, UserInterface& ui) {
  const RenameState& r = s.rename;
  const std::int16_t mode = r.SavedSpaceMode;
  if (mode != kOptionOff) {
    OnCheckSpaceAddSpaceClick(s, ui, s.editor.SavedSpaceIncludeSpace);
    OnCheckSpaceClick(s, ui, true);
    OnOptionSpaceClick(s, ui, mode);
    Set(s, ui, B::TextSpaceWith, mode == 1 ? r.criteria.SpaceWith : "");
  } else {
    OnCheckSpaceClick(s, ui, false);
    OnOptionSpaceClick(s, ui, kOptionOff);
    OnCheckSpaceAddSpaceClick(s, ui, false);
    Set(s, ui, B::TextSpaceWith, "");
  }
}

void ShowInsertCriterion(Session& s, UserInterface& ui) {
  const std::int16_t saved = s.rename.SavedInsertPlace;
  if (saved != 0) {
    OnCheckInsertAddSpaceClick(s, ui, s.editor.SavedInsertIncludeSpace);
    OnCheckInsertClick(s, ui, true);
    OnComboInsertClick(s, ui, saved);
  } else {
    OnCheckInsertAddSpaceClick(s, ui, false);
    OnCheckInsertClick(s, ui, false);
  }
  FillInsertBoxes(s, ui);
  FocusInsert(s);
}

void ShowReplaceCriterion(Session& s, UserInterface& ui) {
  const std::int16_t saved = s.rename.SavedReplacePlace;
  if (saved != 0) {
    OnCheckReplaceAddSpaceClick(s, ui, s.editor.SavedReplaceIncludeSpace);
    OnCheckReplaceClick(s, ui, true);
    OnComboReplaceClick(s, ui, saved);
  } else {
    OnCheckReplaceAddSpaceClick(s, ui, false);
    OnCheckReplaceClick(s, ui, false);
  }
  FillReplaceBoxes(s, ui);
  FocusReplace(s);
}

void ShowRemoveCriterion(Session& s, UserInterface& ui) {
  const std::int16_t saved = s.rename.SavedRemovePlace;
  if (saved != 0) {
    OnCheckRemoveClick(s, ui, true);
    OnComboRemoveClick(s, ui, saved);
  } else {
    OnCheckRemoveClick(s, ui, false);
  }
  FillRemoveBoxes(s, ui);
  FocusRemove(s);
}

void ShowAutoCriterion(Session& s, UserInterface& ui) {
  const RenameState& r = s.rename;
  OnCheckAutoLetterClick(s, ui, r.criteria.AutoSmallLetters);
  OnOptionAutoClick(s, ui, r.SavedAutoKind);
  OnComboAutoPlaceClick(s, ui, r.SavedAutoPlace);
  OnComboAutoZeroFillClick(s, ui, r.SavedAutoZeroFill);
  FillAutoStart(s, ui);
  FocusAuto(s);
}

void ShowDateCriterion(Session& s, UserInterface& ui) {
  const RenameState& r = s.rename;
  const std::int16_t saved = r.SavedDatePlace;
  OnCheckDateClick(s, ui, saved != 0);
  OnComboDateSourceClick(s, ui, r.SavedDateSource);
  OnComboDateFormatClick(s, ui, r.SavedDateFormat);
  if (saved != 0) OnComboDatePlaceClick(s, ui, saved);
  FillDateBoxes(s, ui);
  FocusDate(s);
}

void RefillEditor(Session& s, UserInterface& ui) {
  ShowExtCriterion(s, ui);
  ShowCaseCriterion(s, ui);
  ShowHandleCriterion(s, ui);
  ShowSpaceCriterion(s, ui);
  ShowInsertCriterion(s, ui);
  ShowReplaceCriterion(s, ui);
  ShowRemoveCriterion(s, ui);
  ShowAutoCriterion(s, ui);
  ShowDateCriterion(s, ui);
}

}  // namespace quillon
