#include "flow/priority_panel.h"

#include "flow/control_state.h"
#include "flow/panel_dispatch.h"
#include "rename/criteria.h"

namespace quillon {
namespace {

std::string& Combo(RenameState& r, int slot) {
  if (slot == 1) return r.ComboPriority1st;
  if (slot == 2) return r.ComboPriority2nd;
  return r.ComboPriority3rd;
}

int ItemIndex(const std::string& text) {
  for (int i = 0; i < 3; ++i) {
    if (text == kPriorityItems[i]) return i;
  }
  return 0;
}

}  // namespace

void OnComboPriorityClick(Session& s, UserInterface& ui, int slot, int index) {
  if (slot < 1 || slot > 3 || index < 0 || index > 2) return;
  Combo(s.rename, slot) = kPriorityItems[index];
  if (!s.state.StartingUp) SetControlState(s, ui, "setButOnlyPriority");
}

void RefreshPriorityPanel(Session& s) {
  const RenameState& r = s.rename;
  const RenameCriteria& c = r.criteria;
  PriorityPanelState& p = s.priorityPanel;
  const bool twoEqual = r.ComboPriority1st == r.ComboPriority2nd ||
                        r.ComboPriority1st == r.ComboPriority3rd ||
                        r.ComboPriority2nd == r.ComboPriority3rd;
  if (twoEqual) {
    p.PriorityCombosStale = true;
    p.ImagePriorityOKEnabled = false;
    p.LabelPriorityInfo3Visible = true;
    p.LabelPriorityInfo4Visible = false;
    return;
  }
  p.LabelPriorityInfo3Visible = false;
  const bool differs = r.ComboPriority1st != c.PriorityPref1 ||
                       r.ComboPriority2nd != c.PriorityPref2 ||
                       r.ComboPriority3rd != c.PriorityPref3;
  if (differs) p.PriorityCombosStale = true;
  p.LabelPriorityInfo4Visible = differs;
  p.ImagePriorityOKEnabled = differs;
}

void ImagePriorityOKClick(Session& s, UserInterface& ui) {
  if (!s.priorityPanel.ImagePriorityOKEnabled) return;
  s.state.PendingKeyword = "Priority";
  ApplyPanel(s, ui);
}

void ImagePriorityDefaultClick(Session& s, UserInterface& ui) {
  for (int slot = 1; slot <= 3; ++slot) Combo(s.rename, slot) = kPriorityItems[slot - 1];
  s.state.PendingKeyword = "Priority";
  ApplyPanel(s, ui);
}

void ApplyPriorityPanel(Session& s) {
  RecomputePriority(s);
  PriorityPanelState& p = s.priorityPanel;
  p.ImagePriorityOKEnabled = false;
  p.LabelPriorityInfo3Visible = false;
  p.LabelPriorityInfo4Visible = false;
  p.PriorityCombosStale = false;
}

void ResyncPriorityCombos(Session& s) {
  RenameState& r = s.rename;
  const RenameCriteria& c = r.criteria;
  r.ComboPriority1st = c.PriorityPref1;
  r.ComboPriority2nd = c.PriorityPref2;
  r.ComboPriority3rd = c.PriorityPref3;
  PriorityPanelState& p = s.priorityPanel;
  p.LabelPriorityInfo3Visible = false;
  p.LabelPriorityInfo4Visible = false;
  p.ImagePriorityOKEnabled = false;
  p.PriorityCombosStale = false;
}

View PriorityPanelView(const Session& s) {
  const RenameState& r = s.rename;
  const PriorityPanelState& p = s.priorityPanel;
  View v;
  v["ComboPriority1st"].index = ItemIndex(r.ComboPriority1st);
  v["ComboPriority2nd"].index = ItemIndex(r.ComboPriority2nd);
  v["ComboPriority3rd"].index = ItemIndex(r.ComboPriority3rd);
  v["LabelPriorityInfo3"].visible = p.LabelPriorityInfo3Visible;
  v["LabelPriorityInfo4"].visible = p.LabelPriorityInfo4Visible;
  v["ImagePriorityOK"].enabled = p.ImagePriorityOKEnabled;
  return v;
}

}  // namespace quillon
