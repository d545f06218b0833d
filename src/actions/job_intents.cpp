#include "actions/job_intents.h"

#include <unistd.h>

#include <chrono>

namespace quillon {
namespace {

bool Copies(const std::string& action) {
  return action == "Rename And Copy" || action == "Copy And Rename" || action == "Copy";
}

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

std::vector<IntentRow> JobIntents(Session& s) {
  const SessionState& st = s.state;
  const SelectionStore& store = s.selection.store;
  const std::string& action = st.ActionName;
  std::vector<IntentRow> rows;
  if (action == "Delete") return rows;
  const bool listed = action == "Rename" || action == "Rename And Copy";
  const bool stored = action == "Copy And Rename" || action == "Move And Rename";
  const bool keepReplaced = Copies(action) && st.OverwriteConfirmed;
  const std::string token = keepReplaced ? JobToken() : "";
  rows.reserve(store.size());
  for (std::size_t i = 0; i < store.size(); ++i) {
    IntentRow row;
    row.index = i;
    row.oldName = store.ComboFile1[i];
    if (listed) {
      row.newName = i < s.selection.List1.size() ? s.selection.List1[i] : row.oldName;
    } else if (stored) {
      row.newName = store.ComboName[i] + store.ComboDot[i] + store.ComboExt[i];
    } else {
      row.newName = row.oldName;
    }
    if (action == "Set Attribute") {
      const std::string path = st.WorkFolder + row.oldName;
      if (const auto word = s.files.GetAttributes(path); word.ok())
        row.attr = std::to_string(*word);
      if (auto raw = s.files.SaveRawAttributes(path); raw.ok()) row.raw = std::move(raw).value();
    }
    // A copy that will replace a file keeps that file aside first, for the undo.
    if (keepReplaced) {
      const auto existing = s.files.Identify(st.ActionDestFolder + row.newName);
      if (existing.ok() && existing->regular) row.kept = KeptName(token, i);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace quillon
