#include "rename/priority.h"

#include <array>

#include "rename/criteria.h"

namespace quillon {
namespace {

constexpr std::array<std::string_view, 3> kDefaultOrder = {"Insert", "Replace", "Remove"};

std::array<std::string*, 3> Slots(RenameCriteria& c) {
  return {&c.PrioritySlot1, &c.PrioritySlot2, &c.PrioritySlot3};
}

std::array<std::string_view, 3> Prefs(const RenameCriteria& c) {
  return {c.PriorityPref1, c.PriorityPref2, c.PriorityPref3};
}

// Position of name in the preferred order; 3 when it is not there.
std::size_t PrefIndex(const RenameCriteria& c, std::string_view name) {
  const auto prefs = Prefs(c);
  for (std::size_t i = 0; i < prefs.size(); ++i) {
    if (prefs[i] == name) return i;
  }
  return prefs.size();
}

bool IsOn(const RenameCriteria& c, std::string_view name) {
  if (name == "Insert") return c.InsertOn;
  if (name == "Replace") return c.ReplaceOn;
  if (name == "Remove") return c.RemoveOn;
  return false;
}

// Slot 1 = first, then the preferred order read cyclically from the entry after it.
void FillCyclicFrom(RenameCriteria& c, std::string_view first) {
  const std::size_t k = PrefIndex(c, first);
  if (k >= 3) return;
  const auto prefs = Prefs(c);
  const std::array<std::string, 3> order = {std::string(prefs[k]), std::string(prefs[(k + 1) % 3]),
                                            std::string(prefs[(k + 2) % 3])};
  const auto slots = Slots(c);
  for (std::size_t i = 0; i < 3; ++i) *slots[i] = order[i];
}

// Slots 1 and 2 = the two names in preferred order, slot 3 = the remaining one.
void FillPairFirst(RenameCriteria& c, std::string_view a, std::string_view b) {
  std::string first(a), second(b);
  if (PrefIndex(c, second) < PrefIndex(c, first)) std::swap(first, second);
  std::string third;
  for (std::string_view name : kDefaultOrder) {
    if (name != first && name != second) third = name;
  }
  c.PrioritySlot1 = first;
  c.PrioritySlot2 = second;
  c.PrioritySlot3 = third;
}

void FillFromPrefs(RenameCriteria& c) {
  c.PrioritySlot1 = c.PriorityPref1;
  c.PrioritySlot2 = c.PriorityPref2;
  c.PrioritySlot3 = c.PriorityPref3;
}

// True when the three names are "Insert", "Replace" and "Remove" in some order.
bool IsPermutation(std::string_view a, std::string_view b, std::string_view c) {
  for (std::string_view name : kDefaultOrder) {
    if (int(a == name) + int(b == name) + int(c == name) != 1) return false;
  }
  return true;
}

}  // namespace

void MovePriority(Session& s, std::string_view toggled, std::string_view direction) {
  RenameCriteria& c = s.rename.criteria;
  if (direction == "Up") {
    if (c.PriorityCount == 1) {
      FillCyclicFrom(c, toggled);
    } else if (c.PriorityCount == 2) {
      const std::string already = c.PrioritySlot1;
      FillPairFirst(c, toggled, already);
    } else if (c.PriorityCount == 3) {
      FillFromPrefs(c);
    }
  } else if (direction == "Down") {
    if (c.PriorityCount != 1 && c.PriorityCount != 2) return;
    const auto slots = Slots(c);
    for (std::size_t k = 0; k < 3; ++k) {
      if (*slots[k] != toggled) continue;
      const std::string moved = *slots[k];
      for (std::size_t j = k; j + 1 < 3; ++j) *slots[j] = *slots[j + 1];
      *slots[2] = moved;
      return;
    }
  }
}

void RecomputePriority(Session& s) {
  RenameState& r = s.rename;
  RenameCriteria& c = r.criteria;
  // The panel never confirms two equal entries; an order that is no permutation would
  // break the slots, so it is refused.
  if (!IsPermutation(r.ComboPriority1st, r.ComboPriority2nd, r.ComboPriority3rd)) return;
  c.PriorityPref1 = r.ComboPriority1st;
  c.PriorityPref2 = r.ComboPriority2nd;
  c.PriorityPref3 = r.ComboPriority3rd;
  c.PriorityCustom =
      !(c.PriorityPref1 == "Insert" && c.PriorityPref2 == "Replace" && c.PriorityPref3 == "Remove");

  std::array<std::string_view, 3> on{};
  std::size_t onCount = 0;
  for (std::string_view name : Prefs(c)) {
    if (IsOn(c, name)) on[onCount++] = name;
  }
  if (c.PriorityCount == 1 && onCount >= 1) {
    FillCyclicFrom(c, on[0]);
  } else if (c.PriorityCount == 2 && onCount >= 2) {
    FillPairFirst(c, on[0], on[1]);
  } else if (c.PriorityCount == 3) {
    FillFromPrefs(c);
  }
}

void ResetPriority(Session& s) {
  RenameState& r = s.rename;
  r.ComboPriority1st = kDefaultOrder[0];
  r.ComboPriority2nd = kDefaultOrder[1];
  r.ComboPriority3rd = kDefaultOrder[2];
  RenameCriteria& c = r.criteria;
  c.PrioritySlot1 = c.PriorityPref1 = kDefaultOrder[0];
  c.PrioritySlot2 = c.PriorityPref2 = kDefaultOrder[1];
  c.PrioritySlot3 = c.PriorityPref3 = kDefaultOrder[2];
  c.PriorityCustom = false;
}

PriorityLabels ShowPriorityLabels(const Session& s) {
  const RenameCriteria& c = s.rename.criteria;
  PriorityLabels labels;
  if (c.PriorityCount == 2 || c.PriorityCount == 3) {
    labels.LabelPriority1st = "1 - " + c.PrioritySlot1;
    labels.LabelPriority2nd = "2 - " + c.PrioritySlot2;
  }
  if (c.PriorityCount == 3) labels.LabelPriority3rd = "3 - " + c.PrioritySlot3;
  return labels;
}

}  // namespace quillon
