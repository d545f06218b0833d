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

// The first `rows` rows of the selection store, renamed on a copy of the session with the
// editor's values as they stand; criteria not ticked count as off.
std::vector<PreviewRow> EditorPreview(const Session& s, std::size_t rows);

}  // namespace quillon
