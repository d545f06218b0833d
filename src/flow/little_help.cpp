#include "flow/little_help.h"

namespace quillon {

std::string SelectFileCaption(const Session& s) {
  const SessionState& st = s.state;
  if (!st.SelectionMade || st.SelectedCount < 1) {
    return st.SelectionMode == "Manual" ? "Select File" : "Could not Select any File";
  }
  return std::to_string(st.SelectedCount) + " File" + (st.SelectedCount > 1 ? "s" : "") +
         " Selected";
}

std::string ListFileCaption(const Session& s) {
  const SessionState& st = s.state;
  const std::size_t lines = s.selection.List1.size();
  if (!st.JobReady || lines == 0) return "";
  const std::string plural = lines > 1 ? "s" : "";
  const std::string& action = st.ActionName;
  const std::string newNames = "New Name" + plural + " - File" + plural;
  if (action == "Rename") return newNames + " to be Renamed";
  if (action == "Move And Rename") return newNames + " to be Moved";
  if (action == "Rename And Copy" || action == "Copy And Rename") return newNames + " to be Copied";
  if (action == "Move") return "File" + plural + " to be Moved";
  if (action == "Copy") return "File" + plural + " to be Copied";
  if (action == "Delete") return "File" + plural + " to be Deleted";
  if (action == "Set Attribute") return "File" + plural + " Attribute to be changed";
  return "";
}

std::string ReviewModeCaption(Session& s) {
  if (s.actions.UndoJustDone) {
    s.actions.UndoJustDone = false;
    return "Undo Complete";
  }
  if (s.state.ReviewMode) return "Review Mode";
  if (s.options.NoUndoWarning && s.state.UndoAvailable) return "Last Action Undo Possible";
  return "";
}

}  // namespace quillon
