// The automatic selection rules: which positions of File1 a rule selects.
#include <algorithm>
#include <string_view>

#include "platform/text.h"
#include "selection/file_selection.h"

namespace quillon {
namespace {

bool Contains(std::string_view name, std::string_view sought) {
  return name.find(sought) != std::string_view::npos;
}

bool EndsWith(std::string_view name, std::string_view ending) {
  return name.size() >= ending.size() &&
         name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

// Selects positions from `skip` on that match, up to `limit` matches (0 = no limit).
template <typename Matches>
void SelectMatches(SelectionState& sel, std::size_t skip, long limit, Matches matches) {
  long counter = 0;
  for (std::size_t i = 0; i < sel.Files.size(); ++i) {
    bool selected = false;
    if (i >= skip && matches(sel.Files[i])) {
      ++counter;
      selected = limit == 0 || counter <= limit;
    }
    sel.Selected[i] = selected;
  }
}

// Selects exactly the positions from `first` to `last` (inclusive; none when last < first).
void SelectRange(SelectionState& sel, long first, long last) {
  for (std::size_t i = 0; i < sel.Files.size(); ++i) {
    const long pos = static_cast<long>(i);
    sel.Selected[i] = pos >= first && pos <= last;
  }
}

}  // namespace

void ApplySelectionRule(Session& s) {
  SelectionState& sel = s.selection;
  const std::string& mode = s.state.SelectionMode;
  sel.Selected.resize(sel.Files.size(), false);
  if (sel.Files.empty()) {
    s.state.SelectedCount = 0;
    return;
  }
  if (mode == "Manual") return;
  const long last = static_cast<long>(sel.Files.size()) - 1;
  const long skip = sel.SelectSkip;
  const long limit = s.options.MaxSelectLimit;
  if (skip > last && mode != "ByExtension") {
    SelectRange(sel, 0, -1);
    return;
  }
  if (mode == "All") {
    SelectRange(sel, skip, limit == 0 ? last : std::min(skip + limit - 1, last));
  } else if (mode == "ByNumber") {
    SelectRange(sel, skip, std::min(skip + static_cast<long>(sel.SelectNumFiles) - 1, last));
  } else if (mode == "ByString") {
    const std::size_t from = static_cast<std::size_t>(std::max(skip, 0L));
    if (sel.SelectCaseSensitive) {
      SelectMatches(sel, from, limit,
                    [&](const std::string& name) { return Contains(name, sel.SelectString); });
    } else {
      const std::string sought = ToUpper(sel.SelectString);
      SelectMatches(sel, from, limit,
                    [&](const std::string& name) { return Contains(ToUpper(name), sought); });
    }
  } else if (mode == "ByExtension") {
    // Always case-blind, and the ending is compared as typed (with or without its dot).
    const std::string ending = ToUpper(sel.SelectExtension);
    const std::size_t from = static_cast<std::size_t>(std::max(skip, 0L));
    SelectMatches(sel, from, limit,
                  [&](const std::string& name) { return EndsWith(ToUpper(name), ending); });
  }
}

}  // namespace quillon
