#include "actions/job_intents.h"

#include <unistd.h>

#include <chrono>
#include <functional>

namespace quillon {
bool Copies(const std::string& action) {
  return action == "Rename And Copy" || action == "Copy And Rename" || action == "Copy";
}

bool Moves(const std::string& action) {
  return action == "Move" || action == "Move And Rename";
}

bool KnowsFiles(const std::string& action) {
  return Copies(action) || Moves(action) || action == "Set Attribute";
}

namespace {

// Tells one job's kept files from another's.
std::string JobToken() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
  char text[48];
  std::snprintf(text, sizeof text, "%llx%x", static_cast<unsigned long long>(ns),
                static_cast<unsigned>(::getpid()));
  return text;
}

}  // namespace

std::string KeptName(const std::string& token, std::size_t index) {
  return ".quillon-kept-" + token + "-" + std::to_string(index);
}

bool JobKeepsIntents(const Session& s) {
  return Copies(s.state.ActionName) && s.state.OverwriteConfirmed;
}

void ForEachIntent(Session& s, const std::function<void(const IntentRow&)>& take) {
  const SessionState& st = s.state;
  const SelectionStore& store = s.selection.store;
  const std::string& action = st.ActionName;
  if (action == "Delete") return;
  const bool listed = action == "Rename" || action == "Rename And Copy";
  const bool stored = action == "Copy And Rename" || action == "Move And Rename";
  const bool keepReplaced = Copies(action) && st.OverwriteConfirmed;
  const bool attributes = action == "Set Attribute";
  const std::string token = keepReplaced ? JobToken() : "";
  IntentRow row;
  for (std::size_t i = 0; i < store.size(); ++i) {
    row.index = i;
    row.oldName = store.ComboFile1[i];
    if (listed) {
      row.newName = i < s.selection.List1.size() ? s.selection.List1[i] : row.oldName;
    } else if (stored) {
      row.newName.assign(store.ComboName[i]).append(store.ComboDot[i]).append(store.ComboExt[i]);
    } else {
      row.newName = row.oldName;
    }
    if (attributes) {
      const std::string path = st.WorkFolder + row.oldName;
      const auto word = s.files.GetAttributes(path);
      row.attr = word.ok() ? std::to_string(*word) : "";
      auto raw = s.files.SaveRawAttributes(path);
      row.raw = raw.ok() ? std::optional(std::move(raw).value()) : std::nullopt;
    }
    // A copy that will replace a file keeps that file aside first, for the undo.
    row.kept.clear();
    if (keepReplaced) {
      const auto existing = s.files.Identify(st.ActionDestFolder + row.newName);
      if (existing.ok() && existing->regular) row.kept = KeptName(token, i);
    }
    take(row);
  }
}

std::vector<IntentRow> JobIntents(Session& s) {
  std::vector<IntentRow> rows;
  rows.reserve(s.selection.store.size());
  ForEachIntent(s, [&rows](const IntentRow& row) { rows.push_back(row); });
  return rows;
}

}  // namespace quillon
