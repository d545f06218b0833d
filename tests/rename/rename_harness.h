#pragma once
// A fresh Session with a selection store filled from file names, for the rename tests.
#include <string>
#include <vector>

#include "platform/environment.h"
#include "rename/engine.h"
#include "session/session.h"
#include "support/null_file_services.h"

namespace quillon::testing {

// Files: the file services the engine reads dates from.
template <typename Files = NullFileServices>
struct BasicRenameHarness {
  Files files;
  PosixEnvironment env;
  Session s{files, env};
  RenameCriteria& c = s.rename.criteria;

  // One store row per name ("a.txt|b" selects two), split at the last dot; a name
  // without a dot has an empty dot and extension.
  void Select(const std::string& names) {
    SelectionStore& st = s.selection.store;
    for (std::size_t from = 0, bar = 0; bar != std::string::npos; from = bar + 1) {
      bar = names.find('|', from);
      const std::string name = names.substr(from, bar - from);
      const std::size_t dot = name.rfind('.');
      st.ComboFile1.push_back(name);
      st.ComboIndex.push_back(std::to_string(st.ComboIndex.size()));
      st.ComboName.push_back(name.substr(0, dot));
      st.ComboDot.push_back(dot == std::string::npos ? "" : ".");
      st.ComboExt.push_back(dot == std::string::npos ? "" : name.substr(dot + 1));
      st.ComboClearString.push_back(kStatusOk);
    }
    s.state.SelectedCount = static_cast<std::int16_t>(st.size());
  }

  // Runs the engine; returns the new names joined by "|", a marked one after "#$#".
  std::string Run(std::int16_t priorityCount = 0) {
    if (priorityCount > 0) c.PriorityCount = priorityCount;
    RunRenameCriteria(s);
    const SelectionStore& st = s.selection.store;
    std::string out;
    for (std::size_t i = 0; i < st.size(); ++i) {
      if (i > 0) out += "|";
      if (st.ComboClearString[i] == kMarker) out += kMarker;
      out += st.ComboName[i] + st.ComboDot[i] + st.ComboExt[i];
    }
    return out;
  }
};

using RenameHarness = BasicRenameHarness<>;

// How many files a Run() result shows marked.
inline int CountMarks(const std::string& names) {
  int marks = 0;
  for (auto at = names.find(kMarker); at != std::string::npos; at = names.find(kMarker, at + 1)) {
    ++marks;
  }
  return marks;
}

}  // namespace quillon::testing
