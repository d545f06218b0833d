#pragma once
// While the criteria editor is open: what the first selected names would become with the
// values being edited. Display only; the record changes only through OK.
#include <string>
#include <vector>

#include "session/session.h"

namespace quillon {

struct PreviewRow {
  std::string oldName;
  std::string newName;
  bool impossible = false;  // a criterion cannot be applied to this file
};

struct EditorPreviewResult {
  std::vector<PreviewRow> rows;
  // The ticked criteria that are incomplete: OK would leave them out, so the preview does.
  std::vector<std::string> incomplete;
};

// The first `rows` rows of the selection store, renamed on a copy of the session with the
// editor's values as they stand, as OK would apply them: criteria not ticked, and ticked
// ones that are incomplete, count as off.
EditorPreviewResult EditorPreview(const Session& s, std::size_t rows);

}  // namespace quillon
