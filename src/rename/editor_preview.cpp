#include "rename/editor_preview.h"

#include <algorithm>

#include "rename/criteria.h"
#include "rename/criteria_complete.h"
#include "rename/engine.h"
#include "ui/silent_ui.h"

namespace quillon {

EditorPreviewResult EditorPreview(const Session& s, std::size_t rows) {
  Session scratch(s.files, s.env);
  scratch.state = s.state;
  scratch.options = s.options;
  scratch.rename = s.rename;
  scratch.editor = s.editor;
  const SelectionStore& from = s.selection.store;
  const std::size_t n = std::min(rows, from.size());
  SelectionStore& store = scratch.selection.store;
  auto take = [n](const std::vector<std::string>& list) {
    return std::vector<std::string>(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(n));
  };
  store.ComboFile1 = take(from.ComboFile1);
  store.ComboIndex = take(from.ComboIndex);
  store.ComboName = take(from.ComboName);
  store.ComboDot = take(from.ComboDot);
  store.ComboExt = take(from.ComboExt);
  store.ComboClearString = take(from.ComboClearString);

  // What OK would drop: criteria that are not ticked.
  RenameState& r = scratch.rename;
  const EditorState& e = s.editor;
  if (!e.CheckExt) r.EdExtText.clear();
  if (!e.CheckCase) r.OptCaseScope = kOptionOff;
  if (!e.CheckSpace) r.OptSpaceMode = kOptionOff;
  if (!e.CheckHandle) r.OptHandleMode = kOptionOff;
  // What OK would drop too: ticked criteria that are incomplete.
  SilentUi quiet;
  EditorPreviewResult out;
  out.incomplete = DropIncomplete(scratch, quiet);
  RenameSet(scratch);
  RunRenameCriteria(scratch);

  out.rows.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    out.rows.push_back({store.ComboFile1[i],
                        store.ComboName[i] + store.ComboDot[i] + store.ComboExt[i],
                        store.ComboClearString[i] == kMarker});
  }
  return out;
}

}  // namespace quillon
