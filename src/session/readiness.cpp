#include "session/readiness.h"

namespace quillon {

bool AnyRenameCriterionOn(const Session& s) {
  const RenameCriteria& c = s.rename.criteria;
  return c.InsertOn || c.ReplaceOn || c.RemoveOn || c.AutoOn || c.CaseOn || c.SpaceOn || c.ExtOn ||
         c.HandleOn || c.DateOn;
}

int PositionalCriteriaOn(const Session& s) {
  const RenameCriteria& c = s.rename.criteria;
  return (c.InsertOn ? 1 : 0) + (c.ReplaceOn ? 1 : 0) + (c.RemoveOn ? 1 : 0);
}

void UpdateReadiness(Session& s) {
  SessionState& st = s.state;
  st.RenamePending = false;
  st.CheckPending = false;
  st.JobReady = false;
  if (!st.SelectionMade) st.SelectedCount = 0;
  if (st.SelectedCount == 0) st.SelectionMade = false;
  if (!st.SelectionMade || st.SelectedCount < 1) return;

  const std::string& action = st.ActionName;
  if (action == "Delete" || action == "Set Attribute") {
    st.JobReady = true;
  } else if (action == "Move" || action == "Copy") {
    st.CheckPending = true;
  } else if (action == "Rename" || action == "Rename And Copy" || action == "Copy And Rename" ||
             action == "Move And Rename") {
    st.RenamePending = AnyRenameCriterionOn(s);
  }
}

}  // namespace quillon
