#include "rename/criteria.h"

#include "rename/criteria_summary.h"
#include "rename/priority.h"

namespace quillon {
namespace {

// The editor's case list, by index.
constexpr const char* kCaseChanges[] = {"No Change", "Lower Case", "Upper Case"};
constexpr const char* kCaseScopes[] = {"FileName", "FirstLetter", "FirstLetterOfWords"};

}  // namespace

void RenameSetExt(Session& s) {
  RenameState& r = s.rename;
  r.criteria.ExtText = r.EdExtText;
  r.criteria.ExtOn = !r.EdExtText.empty();
}

void RenameSetCase(Session& s) {
  RenameState& r = s.rename;
  RenameCriteria& c = r.criteria;
  if (r.OptCaseScope == kOptionOff) {
    c.CaseOn = false;
    c.CaseChange.clear();
    c.CaseScope.clear();
    r.OptCaseChange = 0;
  } else {
    c.CaseOn = true;
    const bool changeKnown = r.OptCaseChange >= 0 && r.OptCaseChange <= 2;
    c.CaseChange = changeKnown ? kCaseChanges[r.OptCaseChange] : "";
    const bool scopeKnown = r.OptCaseScope >= 0 && r.OptCaseScope <= 2;
    c.CaseScope = scopeKnown ? kCaseScopes[r.OptCaseScope] : "";
  }
  r.SavedCaseScope = r.OptCaseScope;
  r.SavedCaseChange = r.OptCaseChange;
}

void RenameSetHandle(Session& s) {
  RenameState& r = s.rename;
  RenameCriteria& c = r.criteria;
  if (r.OptHandleMode == kOptionOff) {
    c.HandleOn = false;
    c.HandleThis.clear();
    c.HandleWith.clear();
    r.EdHandleThis.clear();
    r.EdHandleWith.clear();
  } else {
    c.HandleOn = true;
    c.HandleThis = r.EdHandleThis;
    if (r.OptHandleMode == kHandleRemove) {
      c.HandleWith.clear();
      r.EdHandleWith.clear();
    } else if (r.OptHandleMode == kHandleChangeAsSpace) {
      c.HandleWith.assign(1, ' ');
      r.EdHandleWith.assign(1, ' ');
    } else if (r.OptHandleMode == kHandleReplaceWith) {
      c.HandleWith = r.EdHandleWith;
    }
  }
  // Saved whether on or off, so that a reopened editor shows Handle off after it was
  // switched off.
  c.SavedHandleMode = r.OptHandleMode;
}

void RenameSetSpace(Session& s) {
  RenameState& r = s.rename;
  RenameCriteria& c = r.criteria;
  if (r.OptSpaceMode == 0) {
    c.SpaceOn = true;
    c.SpaceWith.clear();
    r.EdSpaceWith.clear();
  } else if (r.OptSpaceMode == 1) {
    c.SpaceOn = true;
    c.SpaceWith = r.EdSpaceWith;
  } else {
    c.SpaceOn = false;
    c.SpaceWith.clear();
    r.EdSpaceWith.clear();
  }
  r.SavedSpaceMode = r.OptSpaceMode;
}

void RenameSet(Session& s) {
  RenameSetExt(s);
  RenameSetCase(s);
  RenameSetHandle(s);
  RenameSetSpace(s);
  RenameSetAuto(s);
  RenameSetDate(s);
  RenameSetInsert(s);
  RenameSetReplace(s);
  RenameSetRemove(s);
  BuildCriteriaSummary(s);
}

void ResetRename(Session& s) {
  RenameState& r = s.rename;
  const RenameCriteria& c = r.criteria;
  // A criterion is switched off when either the editor or the record has it on: an
  // edit that was cancelled can leave the editor off while the record is still on.
  if (!r.EdExtText.empty() || c.ExtOn) {
    r.EdExtText.clear();
    RenameSetExt(s);
  }
  if (r.OptCaseScope != kOptionOff || r.SavedCaseScope != kOptionOff) {
    r.OptCaseScope = kOptionOff;
    RenameSetCase(s);
  }
  if (r.OptHandleMode != kOptionOff || c.SavedHandleMode != kOptionOff) {
    r.OptHandleMode = kOptionOff;
    RenameSetHandle(s);
  }
  if (r.OptSpaceMode != kOptionOff || r.SavedSpaceMode != kOptionOff) {
    r.OptSpaceMode = kOptionOff;
    RenameSetSpace(s);
  }
  if (r.OptInsertPlace != 0 || r.SavedInsertPlace != 0) {
    r.OptInsertPlace = 0;
    RenameSetInsert(s);
  }
  if (r.OptReplacePlace != 0 || r.SavedReplacePlace != 0) {
    r.OptReplacePlace = 0;
    RenameSetReplace(s);
  }
  if (r.OptRemovePlace != 0 || r.SavedRemovePlace != 0) {
    r.OptRemovePlace = 0;
    RenameSetRemove(s);
  }
  if (r.OptAutoKind != 0 || r.SavedAutoKind != 0) {
    r.OptAutoKind = 0;
    RenameSetAuto(s);
  }
  if (r.OptDatePlace != 0 || r.SavedDatePlace != 0) {
    r.OptDatePlace = 0;
    RenameSetDate(s);
  }
  ResetPriority(s);
  r.SavedSpaceMode = kOptionOff;
  r.criteria.PriorityCount = 0;
  s.state.RenamePending = false;
  s.state.CheckPending = false;
  BuildCriteriaSummary(s);
}

std::int32_t AutoStartValue(std::string_view text) {
  // Capped far above the editor's five digits, so that counting on from it cannot
  // overflow.
  constexpr std::int32_t kCap = 999'999'999;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::int32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value > (kCap - (text[i] - '0')) / 10) return kCap;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace quillon
