// The conflict report's text, and what its OK and Cancel do to the selection.
#include <array>
#include <string_view>
#include <utility>

#include "actions/conflicts.h"
#include "selection/file_selection.h"
#include "session/readiness.h"

namespace quillon {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// Keeps the store rows that are not marked, in order; returns how many were removed.
// Each removed row's file is unselected in File1.
std::size_t RemoveMarkedRows(SelectionState& sel) {
  SelectionStore& store = sel.store;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < store.size(); ++i) {
    if (store.ComboClearString[i] == kMarker) {
      const std::size_t pos = std::stoul(store.ComboIndex[i]);
      if (pos < sel.Selected.size()) sel.Selected[pos] = false;
      continue;
    }
    if (kept != i) {
      store.ComboFile1[kept] = std::move(store.ComboFile1[i]);
      store.ComboIndex[kept] = std::move(store.ComboIndex[i]);
      store.ComboName[kept] = std::move(store.ComboName[i]);
      store.ComboDot[kept] = std::move(store.ComboDot[i]);
      store.ComboExt[kept] = std::move(store.ComboExt[i]);
      store.ComboClearString[kept] = std::move(store.ComboClearString[i]);
    }
    ++kept;
  }
  const std::size_t removed = store.size() - kept;
  store.ComboFile1.resize(kept);
  store.ComboIndex.resize(kept);
  store.ComboName.resize(kept);
  store.ComboDot.resize(kept);
  store.ComboExt.resize(kept);
  store.ComboClearString.resize(kept);
  return removed;
}

}  // namespace

std::string ConflictReport(const Session& s) {
  const RenameState& r = s.rename;
  const ActionState& a = s.actions;
  std::string text;
  if (r.ImpossibleTotal > 0) {
    text += "Total " + std::to_string(r.ImpossibleTotal) + " conflicting file" +
            (r.ImpossibleTotal > 1 ? "s" : "") + " found.";
    text += kCrLf;
    text += kCrLf;
  }
  const std::array<std::pair<std::string_view, std::int16_t>, 10> lines{{
      {"Number of selection for which Insert is not possible is : ", r.ImpossibleInsert},
      {"Number of selection for which Replace is not possible is : ", r.ImpossibleReplace},
      {"Number of selection for which Remove is not possible is : ", r.ImpossibleRemove},
      {"Number of selection for which Auto is not possible is : ", r.ImpossibleAuto},
      {"Number of selection for which Date is not possible is : ", r.ImpossibleDate},
      {"Number of selection getting zero length file name is : ", a.ZeroLengthCount},
      {"Number of new name conflicting with existing file name is : ", a.ConflictExisting},
      {"Number of new name conflicting with other new name is : ", a.ConflictNewName},
      {"Number of new name conflicting with files in Destination Folder is : ",
       a.ConflictDestination},
      {"Number of new name longer than the file system allows is : ", a.NameTooLongCount},
  }};
  for (const auto& [label, value] : lines) {
    if (value <= 0) continue;
    text += label;
    text += std::to_string(value);
    text += kCrLf;
  }
  text += kCrLf;
  if (a.ConflictDestination >= 1 && (a.ConflictExisting != 0 || a.ConflictNewName != 0)) {
    text += " To change Renaming options and/or Destination Folder ";
  } else if (a.ConflictDestination >= 1) {
    text += " To change Destination Folder ";
  } else {
    text += " To change Renaming options ";
  }
  text +=
      "please press Cancel. To unselect the conflicting files please press OK, it will be done "
      "automatically.";
  return text;
}

void UnselectConflicting(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  st.SelectionApplying = true;
  const std::size_t removed = RemoveMarkedRows(s.selection);
  s.selection.List1 = NewNames(s);
  // The file list shows the files that left the selection unhighlighted.
  ui.RefreshFileList();

  const auto left = static_cast<int>(st.SelectedCount) - static_cast<int>(removed);
  st.SelectedCount = static_cast<std::int16_t>(left > 0 ? left : 0);
  const std::int16_t total = s.rename.ImpossibleTotal;
  ZeroConflictCounters(s);
  s.rename.ImpossibleTotal = total;
  st.SelectionApplying = false;
  st.RenamePending = false;
  st.CheckPending = false;
  if (st.SelectedCount < 1) {
    st.SelectionMade = false;
    st.JobReady = false;
  } else {
    st.JobReady = true;
  }
}

void RevertToSelectedNames(Session& s) {
  s.selection.List1.clear();
  UpdateReadiness(s);
  SplitSelectedNames(s);
}

void ShowFinalNames(Session& s, std::vector<std::string> finalNames) {
  if (s.selection.store.size() == 0) return;
  s.selection.List1 = std::move(finalNames);
  s.state.JobReady = true;
  s.state.CheckPending = false;
  s.state.RenamePending = false;
}

}  // namespace quillon
