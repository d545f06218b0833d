// The checks of a preview. Each gives the result of comparing the rows pair by pair,
// computed with a hash set (NameSet) so that a large selection stays linear.
#include "actions/conflicts.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <limits>
#include <string_view>
#include "actions/name_set.h"
#include "platform/text.h"
#include "ui/messages.h"

namespace quillon {
namespace {

void Raise(std::int16_t& counter) {
  if (counter < std::numeric_limits<std::int16_t>::max()) ++counter;
}

// Runs one check; a failure stops it with the error report and its tag, leaving the
// rows not yet visited unchecked.
template <typename Check>
void Guarded(Session& s, UserInterface& ui, const char* tag, Check check) {
  bool failed = false;
  try {
    failed = !check().ok();
  } catch (const std::exception&) {
    failed = true;
  }
  if (!failed) return;
  s.message.MessageKey = tag;
  ShowErrorReport(s, ui);
}

}  // namespace

DueChecks ChecksFor(const std::string& actionName, bool overwriteConfirmed) {
  const bool destination = !overwriteConfirmed;
  if (actionName == "Rename") return {true, true, true, false};
  if (actionName == "Rename And Copy") return {true, true, true, destination};
  if (actionName == "Copy And Rename") return {true, false, true, destination};
  if (actionName == "Move And Rename") return {true, false, true, true};
  if (actionName == "Copy") return {false, false, false, destination};
  if (actionName == "Move") return {false, false, false, true};
  return {};
}

std::vector<std::string> NewNames(const Session& s) {
  const SelectionStore& store = s.selection.store;
  const bool keepNames = s.state.ActionName == "Copy" || s.state.ActionName == "Move";
  std::vector<std::string> names(store.size());
  for (std::size_t i = 0; i < store.size(); ++i) {
    if (keepNames) {
      names[i] = store.ComboFile1[i];
    } else {
      std::string& name = names[i];
      name.reserve(store.ComboName[i].size() + store.ComboDot[i].size() + store.ComboExt[i].size());
      name.append(store.ComboName[i]).append(store.ComboDot[i]).append(store.ComboExt[i]);
    }
  }
  return names;
}

void MarkRow(Session& s, std::size_t i) {
  std::string& status = s.selection.store.ComboClearString[i];
  if (status == kMarker) return;
  status = kMarker;
  Raise(s.rename.ImpossibleTotal);
}

void ZeroConflictCounters(Session& s) {
  RenameState& r = s.rename;
  r.ImpossibleTotal = r.ImpossibleInsert = r.ImpossibleReplace = r.ImpossibleRemove =
      r.ImpossibleAuto = r.ImpossibleDate = 0;
  ActionState& a = s.actions;
  a.ZeroLengthCount = a.ConflictExisting = a.ConflictNewName = a.ConflictDestination = 0;
  a.NameTooLongCount = 0;
}

void CheckZeroLength(Session& s, UserInterface& ui) {
  Guarded(s, ui, "Bug-Quillon-FindConflictNameZeroLength", [&] {
    const SelectionStore& store = s.selection.store;
    for (std::size_t i = 0; i < store.size(); ++i) {
      if (!store.ComboName[i].empty()) continue;
      Raise(s.actions.ZeroLengthCount);
      MarkRow(s, i);
    }
    return Status::Ok();
  });
}

void CheckNameLength(Session& s, const std::vector<std::string>& newNames) {
  const bool inWork = s.state.ActionName == "Rename" || s.state.ActionName == "Rename And Copy";
  const bool inDest = s.state.ActionName != "Rename";
  std::size_t max = 1u << 20;
  if (inWork) max = std::min(max, s.files.NameMax(s.state.WorkFolder));
  if (inDest) max = std::min(max, s.files.NameMax(s.state.ActionDestFolder));
  for (std::size_t i = 0; i < newNames.size(); ++i) {
    if (newNames[i].size() <= max) continue;
    Raise(s.actions.NameTooLongCount);
    MarkRow(s, i);
  }
}

// The names of the files in the list that are not selected: selected ones are renamed
// themselves. The comparison is exact.
void CheckExistingNames(Session& s, const std::vector<std::string>& newNames) {
  const SelectionState& sel = s.selection;
  const std::size_t listed = std::min(sel.Files.size(), sel.Selected.size());
  const auto selected = static_cast<std::size_t>(std::count(
      sel.Selected.begin(), sel.Selected.begin() + static_cast<std::ptrdiff_t>(listed), true));
  if (sel.Files.size() <= selected) return;
  NameSet unselected(sel.Files, sel.Files.size() - selected);
  for (std::size_t i = 0; i < sel.Files.size(); ++i) {
    if (i >= sel.Selected.size() || !sel.Selected[i]) unselected.Insert(i);
  }
  for (std::size_t i = 0; i < newNames.size(); ++i) {
    if (!unselected.Contains(newNames[i])) continue;
    Raise(s.actions.ConflictExisting);
    MarkRow(s, i);
  }
}

// A selected file may hold a row's new name too, and still hold it when the job, going
// in row order, reaches that row: when it comes later and is renamed only after, or is
// marked itself (the report's OK leaves it out, under its name). The rename would then
// fail half-way through the job; the row is marked now instead, as one whose new name
// exists. (An earlier file that is renamed has made way by then; a later one that keeps
// its name gives two rows one new name, which the new-name check has marked.) Runs
// after the other checks, so that their marks are known, and in row order, so that its
// own are.
void CheckSelectedNamesInTheWay(Session& s, const std::vector<std::string>& newNames) {
  const SelectionStore& store = s.selection.store;
  const std::vector<std::string>& current = store.ComboFile1;
  if (current.size() != newNames.size()) return;
  NameSet held(current, current.size());
  for (std::size_t j = 0; j < current.size(); ++j) held.Insert(j);
  const auto marked = [&store](std::size_t row) { return store.ComboClearString[row] == kMarker; };
  for (std::size_t i = 0; i < newNames.size(); ++i) {
    if (newNames[i] == current[i] || marked(i)) continue;  // a marked row leaves anyway
    const std::optional<std::size_t> j = held.Find(newNames[i]);
    if (!j || *j == i) continue;
    const bool stillThere = marked(*j) || (*j > i && newNames[*j] != current[*j]);
    if (!stillThere) continue;
    Raise(s.actions.ConflictExisting);
    MarkRow(s, i);
  }
}

// A row conflicts when a later row has the same new name: of k rows with one name the
// first k - 1 are marked, and unselecting them leaves one.
void CheckNewNames(Session& s, UserInterface& ui, const std::vector<std::string>& newNames) {
  Guarded(s, ui, "Bug-Quillon-FindConflictWithNewName", [&] {
    // Row i conflicts when its name comes again after it: the last row of each name is
    // found walking from the end, with a set of the names seen so far.
    NameSet later(newNames, newNames.size());
    std::vector<bool> conflicts(newNames.size(), false);
    for (std::size_t i = newNames.size(); i-- > 0;) conflicts[i] = !later.Insert(i);
    for (std::size_t i = 0; i < newNames.size(); ++i) {
      if (!conflicts[i]) continue;
      Raise(s.actions.ConflictNewName);
      MarkRow(s, i);
    }
    return Status::Ok();
  });
}

// Nothing is checked when the destination holds no files at all. The folder's listing
// answers whether a name exists there as a file, as FileExists would.
void CheckDestination(Session& s, UserInterface& ui, const std::vector<std::string>& newNames) {
  Guarded(s, ui, "Bug-Quillon-FindConflictWithMove", [&] {
    auto listed = s.files.ListFiles(s.state.ActionDestFolder);
    if (!listed.ok()) return listed.status();
    if (listed->empty()) return Status::Ok();
    NameSet present(*listed, listed->size());
    for (std::size_t i = 0; i < listed->size(); ++i) present.Insert(i);
    for (std::size_t i = 0; i < newNames.size(); ++i) {
      if (!present.Contains(newNames[i])) continue;
      Raise(s.actions.ConflictDestination);
      MarkRow(s, i);
    }
    return Status::Ok();
  });
}

namespace {

std::vector<std::string> Folded(const std::vector<std::string>& names) {
  std::vector<std::string> folded;
  folded.reserve(names.size());
  for (const std::string& name : names) folded.push_back(ToUpper(name));
  return folded;
}

}  // namespace

void CheckFoldedNames(Session& s, UserInterface& ui, const DueChecks& due,
                      const std::vector<std::string>& newNames, bool blindWork, bool blindDest) {
  const std::vector<std::string> folded = Folded(newNames);
  const bool renamesInWork = s.state.ActionName == "Rename";
  // Each check sees the names of its folder as that folder compares them.
  const auto forWork = [&]() -> const std::vector<std::string>& {
    return blindWork ? folded : newNames;
  };
  const auto forNew = [&]() -> const std::vector<std::string>& {
    return (renamesInWork ? blindWork : blindDest) ? folded : newNames;
  };
  if (due.existingNames) {
    if (blindWork) {
      // The working folder's own names, folded, stand in for its list and store.
      SelectionState& sel = s.selection;
      const std::vector<std::string> files = sel.Files;
      const std::vector<std::string> current = sel.store.ComboFile1;
      sel.Files = Folded(files);
      sel.store.ComboFile1 = Folded(current);
      CheckExistingNames(s, forWork());
      sel.Files = files;
      sel.store.ComboFile1 = current;
    } else {
      CheckExistingNames(s, forWork());
    }
  }
  if (due.newNames) CheckNewNames(s, ui, forNew());
  if (due.destination) {
    if (blindDest) {
      CheckDestinationFolded(s, ui, folded);
    } else {
      CheckDestination(s, ui, newNames);
    }
  }
  if (due.existingNames) {
    if (blindWork) {
      SelectionStore& store = s.selection.store;
      const std::vector<std::string> current = store.ComboFile1;
      store.ComboFile1 = Folded(current);
      CheckSelectedNamesInTheWay(s, folded);
      store.ComboFile1 = current;
    } else {
      CheckSelectedNamesInTheWay(s, newNames);
    }
  }
}

void CheckDestinationFolded(Session& s, UserInterface& ui,
                            const std::vector<std::string>& foldedNames) {
  Guarded(s, ui, "Bug-Quillon-FindConflictWithMove", [&] {
    auto listed = s.files.ListFiles(s.state.ActionDestFolder);
    if (!listed.ok()) return listed.status();
    if (listed->empty()) return Status::Ok();
    const std::vector<std::string> present = Folded(*listed);
    NameSet set(present, present.size());
    for (std::size_t i = 0; i < present.size(); ++i) set.Insert(i);
    for (std::size_t i = 0; i < foldedNames.size(); ++i) {
      if (!set.Contains(foldedNames[i])) continue;
      Raise(s.actions.ConflictDestination);
      MarkRow(s, i);
    }
    return Status::Ok();
  });
}

ConflictOutcome FindConflicts(Session& s, UserInterface& ui) {
  if (!s.state.CheckPending) return ConflictOutcome::NotRun;
  const DueChecks due = ChecksFor(s.state.ActionName, s.state.OverwriteConfirmed);
  std::vector<std::string> newNames = NewNames(s);
  if (due.zeroLength) CheckZeroLength(s, ui);
  CheckNameLength(s, newNames);
  // Names are compared as the folder's file system compares them: where case does not
  // count (FAT, exFAT), names that differ only in case are one name.
  const bool renamesInWork = s.state.ActionName == "Rename";
  const bool blindWork = (due.existingNames || (due.newNames && renamesInWork)) &&
                         s.files.CaseBlind(s.state.WorkFolder);
  const bool blindDest = (due.destination || (due.newNames && !renamesInWork)) &&
                         s.files.CaseBlind(s.state.ActionDestFolder);
  if (blindWork || blindDest) {
    CheckFoldedNames(s, ui, due, newNames, blindWork, blindDest);
  } else {
    if (due.existingNames) CheckExistingNames(s, newNames);
    if (due.newNames) CheckNewNames(s, ui, newNames);
    if (due.destination) CheckDestination(s, ui, newNames);
    if (due.existingNames) CheckSelectedNamesInTheWay(s, newNames);
  }

  if (s.rename.ImpossibleTotal < 1) {
    // The checks mark rows only; the names stand as computed.
    ShowFinalNames(s, std::move(newNames));
    return ConflictOutcome::Ready;
  }
  s.message.MessageKey = "MessageReadyFoundConflict";
  s.message.MessageReadyText = ConflictReport(s);
  if (ShowReadyMessage(s, ui).ok) {
    UnselectConflicting(s, ui);
    return ConflictOutcome::Unselected;
  }
  RevertToSelectedNames(s);
  return ConflictOutcome::Cancelled;
}

}  // namespace quillon
