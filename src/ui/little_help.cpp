#include "ui/little_help.h"

namespace quillon {

std::string SelectFileCaption(const Session& s) {
  const SessionState& st = s.state;
  if (!st.SelectionMade || st.SelectedCount < 1) {
    return st.SelectionMode == "Manual" ? "Select File" : "Could not Select any File";
  }
  return std::to_string(st.SelectedCount) + " File" + (st.SelectedCount > 1 ? "s" : "") +
         " Selected";
}

}  // namespace quillon
