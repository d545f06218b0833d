#include "selection/file_selection.h"

#include <string>

#include "rename/criteria_complete.h"
#include "session/session_limits.h"
#include "ui/messages.h"

namespace quillon {
namespace {

bool ListsSelectedNames(const SessionState& st) {
  return st.ActionName == "Delete" || st.ActionName == "Set Attribute";
}

// A selection is counted in 16 bits: past the limit the later files are unselected and
// the user is told, instead of the count overflowing.
void CapSelection(Session& s, UserInterface& ui) {
  SelectionState& sel = s.selection;
  std::size_t count = 0;
  bool capped = false;
  for (std::size_t i = 0; i < sel.Selected.size(); ++i) {
    if (!sel.Selected[i]) continue;
    if (++count > kMaxCount) {
      sel.Selected[i] = false;
      capped = true;
    }
  }
  if (!capped) return;
  s.message.MessageKey = "MessageOnlyReadyMsg";
  s.message.MessageReadyText = "At most " + std::to_string(kMaxCount) +
                               " files can be selected at once." + "\r\n\r\n" + "The first " +
                               std::to_string(kMaxCount) + " files of the selection are selected.";
  ShowReadyMessage(s, ui);
  ui.RefreshFileList();
}

}  // namespace

void ReadFileList(Session& s) {
  SelectionState& sel = s.selection;
  auto listed = s.files.ListFiles(sel.Dir1Path);
  sel.Files = listed ? std::move(listed).value() : std::vector<std::string>{};
  sel.Selected.assign(sel.Files.size(), false);
}

void CountSelected(Session& s) {
  std::size_t count = 0;
  for (bool selected : s.selection.Selected) count += selected ? 1 : 0;
  if (count > kMaxCount) count = kMaxCount;
  s.state.SelectedCount = static_cast<std::int16_t>(count);
  s.state.SelectionMade = count >= 1;
}

void BuildSelectionRows(Session& s) {
  SelectionState& sel = s.selection;
  SelectionStore& store = sel.store;
  store.ComboFile1.clear();
  store.ComboIndex.clear();
  const auto wanted = static_cast<std::size_t>(s.state.SelectedCount);
  store.ComboFile1.reserve(wanted);
  store.ComboIndex.reserve(wanted);
  for (std::size_t i = 0; i < sel.Files.size() && store.ComboFile1.size() < wanted; ++i) {
    if (!sel.Selected[i]) continue;
    store.ComboFile1.push_back(sel.Files[i]);
    store.ComboIndex.push_back(std::to_string(i));
  }
}

void SplitSelectedNames(Session& s) {
  SelectionStore& store = s.selection.store;
  const std::size_t rows = store.ComboFile1.size();
  store.ComboName.assign(rows, {});
  store.ComboDot.assign(rows, {});
  store.ComboExt.assign(rows, {});
  store.ComboClearString.assign(rows, kStatusOk);
  for (std::size_t i = 0; i < rows; ++i) {
    const std::string& name = store.ComboFile1[i];
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
      // A name without a dot keeps its row: the whole name is the base name.
      store.ComboName[i] = name;
    } else {
      store.ComboName[i].assign(name, 0, dot);
      store.ComboDot[i].assign(1, '.');  // assign(".") trips a false -Wrestrict in GCC 12
      store.ComboExt[i].assign(name, dot + 1);
    }
  }
}

bool ReplacesWholeNameWithoutAuto(const Session& s) {
  const RenameCriteria& c = s.rename.criteria;
  return c.ReplaceOn && c.ReplacePlace == "ReplaceFileName" && !c.AutoOn;
}

void ShowSelectedNames(Session& s) {
  s.selection.List1 = s.selection.store.ComboFile1;
}

void RefreshSelection(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  ApplySelectionRule(s);
  CapSelection(s, ui);
  CountSelected(s);
  if (st.SelectionMade) {
    BuildSelectionRows(s);
    if (ListsSelectedNames(st)) {
      ShowSelectedNames(s);
    } else {
      SplitSelectedNames(s);
    }
  }
  if (st.SelectedCount < 1) {
    st.SelectionMade = false;
    if (st.ActionIndex > 5) st.SelectionChanged = true;
  } else if (st.SelectedCount > 1 && ReplacesWholeNameWithoutAuto(s)) {
    s.message.MessageKey = "MessageReplaceMultiName";
    ShowMessageByKey(s, ui);
    DropReplaceFileName(s, ui);
  }
}

void RestoreSelection(Session& s) {
  SelectionState& sel = s.selection;
  sel.Selected.assign(sel.Files.size(), false);
  for (const std::string& index : sel.store.ComboIndex) {
    const std::size_t pos = std::stoul(index);
    if (pos < sel.Selected.size()) sel.Selected[pos] = true;
  }
}

void ClearSelection(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  SelectionState& sel = s.selection;
  if (!sel.Files.empty()) {
    if (st.SelectionMade) {
      ReadFileList(s);
      ui.RefreshFileList();
    }
    sel.store.clear();
  }
  sel.List1.clear();
  st.SelectedCount = 0;
  st.SelectionMade = false;
  st.RenamePending = false;
  st.CheckPending = false;
  st.JobReady = false;
}

}  // namespace quillon
