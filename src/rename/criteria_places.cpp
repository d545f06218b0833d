// The "RenameSet" steps of Auto, Date, Insert, Replace and Remove: the place tables and the
// on/off bookkeeping of the settings count and the priority.
#include "rename/criteria.h"
#include "rename/date_stamp.h"
#include "rename/priority.h"

namespace quillon {
namespace {

// Tells an on from an off transition and keeps the counters and slots in step.
// Returns whether the criterion is on. The caller has cleared its fields.
bool SwitchPositional(Session& s, std::string_view name, std::int16_t live, std::int16_t& saved) {
  RenameCriteria& c = s.rename.criteria;
  const bool on = live != 0;
  if (on && saved == 0) {
    ++s.state.SettingsCount;
    ++c.PriorityCount;
    MovePriority(s, name, "Up");
  } else if (!on && saved != 0) {
    --s.state.SettingsCount;
    --c.PriorityCount;
    if (c.PriorityCount < 1 && !c.AutoOn && !c.DateOn) s.state.RenamePending = false;
    MovePriority(s, name, "Down");
  }
  saved = live;
  return on;
}

void ClearInsert(RenameCriteria& c) {
  c.InsertOn = false;
  c.InsertPlace.clear();
  c.InsertText.clear();
  c.InsertAfterNum = c.InsertBeforeNum = 0;
  c.InsertAfterString.clear();
  c.InsertBeforeString.clear();
}

void ClearReplace(RenameCriteria& c) {
  c.ReplaceOn = false;
  c.ReplacePlace.clear();
  c.ReplaceWith.clear();
  c.ReplaceString.clear();
  c.ReplaceNumChars = c.ReplaceAfterNum = c.ReplaceBeforeNum = 0;
  c.ReplaceAfterString.clear();
  c.ReplaceBeforeString.clear();
  c.ReplacePattern.clear();
}

void ClearRemove(RenameCriteria& c) {
  c.RemoveOn = false;
  c.RemovePlace.clear();
  c.RemoveString.clear();
  c.RemoveNumChars = c.RemoveAfterNum = c.RemoveBeforeNum = 0;
  c.RemoveAfterString.clear();
  c.RemoveBeforeString.clear();
}

void ClearAuto(RenameCriteria& c) {
  c.AutoOn = false;
  c.AutoKind.clear();
  c.AutoPlace.clear();
  c.AutoStartNumber = 0;
  c.AutoZeroFill = 0;
  c.AutoStartLetters.clear();
  c.AutoSmallLetters = false;
  c.AutoAfterNum = c.AutoBeforeNum = 0;
  c.AutoAfterString.clear();
  c.AutoBeforeString.clear();
}

void ClearDate(RenameCriteria& c) {
  c.DateOn = false;
  c.DateSource.clear();
  c.DateFormat.clear();
  c.DatePlace.clear();
  c.DateAfterNum = c.DateBeforeNum = 0;
  c.DateAfterString.clear();
  c.DateBeforeString.clear();
}

// One row of a place table: the keyword and the anchor field it sets, with the editor
// value it takes (none: the field stays 0).
struct PlaceRow {
  const char* keyword;
  std::int16_t RenameCriteria::*number = nullptr;
  const std::int16_t RenameState::*numberFrom = nullptr;
  std::string RenameCriteria::*text = nullptr;
  const std::string RenameState::*textFrom = nullptr;
};

using C = RenameCriteria;
using R = RenameState;

// Indexed by the live option index; row 0 is the list's prompt.
const PlaceRow kInsertPlaces[] = {
    {nullptr},
    {"InsertAfterNumChars", &C::InsertAfterNum},
    {"InsertBeforeNumChars", &C::InsertBeforeNum},
    {"InsertAfterNumChars", &C::InsertAfterNum, &R::EdInsertNum},
    {"InsertBeforeNumChars", &C::InsertBeforeNum, &R::EdInsertNum},
    {"InsertAfterAString", nullptr, nullptr, &C::InsertAfterString, &R::EdInsertString},
    {"InsertBeforeAString", nullptr, nullptr, &C::InsertBeforeString, &R::EdInsertString},
};

const PlaceRow kReplacePlaces[] = {
    {nullptr},
    {"ReplaceFileName"},
    {"ReplaceAString", nullptr, nullptr, &C::ReplaceString, &R::EdReplaceString},
    {"ReplaceAfterNumChars", &C::ReplaceAfterNum, &R::EdReplaceAfterNum},
    {"ReplaceBeforeNumChars", &C::ReplaceBeforeNum, &R::EdReplaceAfterNum},
    {"ReplaceAfterAString", nullptr, nullptr, &C::ReplaceAfterString, &R::EdReplaceAfterString},
    {"ReplaceBeforeAString", nullptr, nullptr, &C::ReplaceBeforeString, &R::EdReplaceAfterString},
    {"ReplaceCharAfterNumChars", &C::ReplaceAfterNum},
    {"ReplaceCharBeforeNumChars", &C::ReplaceBeforeNum},
    {"ReplaceCharAfterNumChars", &C::ReplaceAfterNum, &R::EdReplaceCharAfterNum},
    {"ReplaceCharBeforeNumChars", &C::ReplaceBeforeNum, &R::EdReplaceCharAfterNum},
    {"ReplaceCharAfterAString", nullptr, nullptr, &C::ReplaceAfterString,
     &R::EdReplaceCharAfterString},
    {"ReplaceCharBeforeAString", nullptr, nullptr, &C::ReplaceBeforeString,
     &R::EdReplaceCharAfterString},
    {"ReplacePattern", nullptr, nullptr, &C::ReplacePattern, &R::EdReplacePattern},
};

const PlaceRow kRemovePlaces[] = {
    {nullptr},
    {"RemoveAString", nullptr, nullptr, &C::RemoveString, &R::EdRemoveString},
    {"RemoveAfterNumChars", &C::RemoveAfterNum, &R::EdRemoveAfterNum},
    {"RemoveBeforeNumChars", &C::RemoveBeforeNum, &R::EdRemoveAfterNum},
    {"RemoveAfterAString", nullptr, nullptr, &C::RemoveAfterString, &R::EdRemoveAfterString},
    {"RemoveBeforeAString", nullptr, nullptr, &C::RemoveBeforeString, &R::EdRemoveAfterString},
    {"RemoveCharAfterNumChars", &C::RemoveAfterNum},
    {"RemoveCharBeforeNumChars", &C::RemoveBeforeNum},
    {"RemoveCharAfterNumChars", &C::RemoveAfterNum, &R::EdRemoveCharAfterNum},
    {"RemoveCharBeforeNumChars", &C::RemoveBeforeNum, &R::EdRemoveCharAfterNum},
    {"RemoveCharAfterAString", nullptr, nullptr, &C::RemoveAfterString,
     &R::EdRemoveCharAfterString},
    {"RemoveCharBeforeAString", nullptr, nullptr, &C::RemoveBeforeString,
     &R::EdRemoveCharAfterString},
};

const PlaceRow kAutoPlaces[] = {
    {nullptr},
    {"AutoAfterNumChars", &C::AutoAfterNum},
    {"AutoBeforeNumChars", &C::AutoBeforeNum},
    {"AutoAfterNumChars", &C::AutoAfterNum, &R::EdAutoNum},
    {"AutoBeforeNumChars", &C::AutoBeforeNum, &R::EdAutoNum},
    {"AutoAfterAString", nullptr, nullptr, &C::AutoAfterString, &R::EdAutoString},
    {"AutoBeforeAString", nullptr, nullptr, &C::AutoBeforeString, &R::EdAutoString},
};

const PlaceRow kDatePlaces[] = {
    {nullptr},
    {"DateAfterNumChars", &C::DateAfterNum},
    {"DateBeforeNumChars", &C::DateBeforeNum},
    {"DateAfterNumChars", &C::DateAfterNum, &R::EdDateNum},
    {"DateBeforeNumChars", &C::DateBeforeNum, &R::EdDateNum},
    {"DateAfterAString", nullptr, nullptr, &C::DateAfterString, &R::EdDateString},
    {"DateBeforeAString", nullptr, nullptr, &C::DateBeforeString, &R::EdDateString},
};

// Sets the keyword and anchor of the row at index into place; an index without a row
// sets nothing.
template <std::size_t N>
void SetPlace(const PlaceRow (&table)[N], std::int16_t index, std::string& place, C& c,
              const R& r) {
  if (index < 1 || static_cast<std::size_t>(index) >= N) return;
  const PlaceRow& row = table[index];
  place = row.keyword;
  if (row.number != nullptr) c.*row.number = row.numberFrom ? r.*row.numberFrom : 0;
  if (row.text != nullptr) c.*row.text = r.*row.textFrom;
}

}  // namespace

void RenameSetAuto(Session& s) {
  RenameState& r = s.rename;
  RenameCriteria& c = r.criteria;
  ClearAuto(c);
  if (r.OptAutoKind != 0) {
    c.AutoOn = true;
    if (r.SavedAutoKind == 0) ++s.state.SettingsCount;
    if (r.OptAutoKind == 1) {
      c.AutoKind = "Number";
      c.AutoStartNumber = AutoStartValue(r.EdAutoStart);
      c.AutoZeroFill = r.OptAutoZeroFill;
    } else if (r.OptAutoKind == 2) {
      c.AutoSmallLetters = r.EdAutoSmallLetter;
      c.AutoKind = r.EdAutoSmallLetter ? "Small Letter" : "Capital Letter";
      c.AutoStartLetters = r.EdAutoStart;
    }
    SetPlace(kAutoPlaces, r.OptAutoPlace, c.AutoPlace, c, r);
  } else if (r.SavedAutoKind != 0) {
    --s.state.SettingsCount;
    if (c.PriorityCount < 1 && !c.DateOn) s.state.RenamePending = false;
  }
  r.SavedAutoKind = r.OptAutoKind;
  r.SavedAutoZeroFill = r.OptAutoZeroFill;
  r.SavedAutoPlace = c.AutoOn ? r.OptAutoPlace : 0;
}

void RenameSetDate(Session& s) {
  RenameState& r = s.rename;
  RenameCriteria& c = r.criteria;
  ClearDate(c);
  const bool known =
      r.OptDatePlace >= 1 && r.OptDatePlace < static_cast<int>(std::size(kDatePlaces));
  if (known) {
    c.DateOn = true;
    if (r.SavedDatePlace == 0) ++s.state.SettingsCount;
    c.DateSource = r.OptDateSource == 1 ? "Taken, else Modified" : "Modified";
    const bool format =
        r.OptDateFormat >= 0 && r.OptDateFormat < static_cast<int>(std::size(kDateFormats));
    c.DateFormat = kDateFormats[format ? r.OptDateFormat : 0];
    SetPlace(kDatePlaces, r.OptDatePlace, c.DatePlace, c, r);
  } else if (r.SavedDatePlace != 0) {
    --s.state.SettingsCount;
    if (c.PriorityCount < 1 && !c.AutoOn) s.state.RenamePending = false;
  }
  r.SavedDatePlace = c.DateOn ? r.OptDatePlace : 0;
  r.SavedDateSource = c.DateOn ? r.OptDateSource : 0;
  r.SavedDateFormat = c.DateOn ? r.OptDateFormat : 0;
}

void RenameSetInsert(Session& s) {
  RenameState& r = s.rename;
  ClearInsert(r.criteria);
  if (SwitchPositional(s, "Insert", r.OptInsertPlace, r.SavedInsertPlace)) {
    RenameCriteria& c = r.criteria;
    c.InsertOn = true;
    SetPlace(kInsertPlaces, r.OptInsertPlace, c.InsertPlace, c, r);
    c.InsertText = r.EdInsertThis;
  }
}

void RenameSetReplace(Session& s) {
  RenameState& r = s.rename;
  ClearReplace(r.criteria);
  if (SwitchPositional(s, "Replace", r.OptReplacePlace, r.SavedReplacePlace)) {
    RenameCriteria& c = r.criteria;
    c.ReplaceOn = true;
    SetPlace(kReplacePlaces, r.OptReplacePlace, c.ReplacePlace, c, r);
    c.ReplaceWith = r.EdReplaceWith;
    if (r.OptReplacePlace >= 7 && r.OptReplacePlace <= 12) c.ReplaceNumChars = r.EdReplaceNumChar;
  }
}

void RenameSetRemove(Session& s) {
  RenameState& r = s.rename;
  ClearRemove(r.criteria);
  if (SwitchPositional(s, "Remove", r.OptRemovePlace, r.SavedRemovePlace)) {
    RenameCriteria& c = r.criteria;
    c.RemoveOn = true;
    SetPlace(kRemovePlaces, r.OptRemovePlace, c.RemovePlace, c, r);
    if (r.OptRemovePlace >= 6 && r.OptRemovePlace <= 11) c.RemoveNumChars = r.EdRemoveNumChar;
  }
}

}  // namespace quillon
