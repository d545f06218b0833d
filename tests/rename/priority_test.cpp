// The priority slots of Insert, Replace and Remove through every switch on and off.
#include "rename/priority.h"

#include <gtest/gtest.h>

#include <vector>

#include "rename/criteria.h"
#include "rename_harness.h"

namespace quillon {
namespace {

using testing::RenameHarness;

// Names are written by initial: "IRM" is Insert, Replace, Remove.
std::string Initials(const std::string& a, const std::string& b, const std::string& c) {
  const auto initial = [](const std::string& name) { return name == "Remove" ? 'M' : name[0]; };
  return {initial(a), initial(b), initial(c)};
}

std::string Name(char initial) {
  return initial == 'I' ? "Insert" : initial == 'R' ? "Replace" : "Remove";
}

// The priority lists confirmed on the panel, by initials.
void Prefer(RenameHarness& h, const char* order) {
  h.s.rename.ComboPriority1st = Name(order[0]);
  h.s.rename.ComboPriority2nd = Name(order[1]);
  h.s.rename.ComboPriority3rd = Name(order[2]);
  RecomputePriority(h.s);
}

// One OK of the editor with exactly the criteria named by initials on ("A" for Auto).
void Confirm(RenameHarness& h, const std::string& on) {
  RenameState& r = h.s.rename;
  r.OptInsertPlace = on.find('I') != std::string::npos ? 1 : 0;
  r.OptReplacePlace = on.find('R') != std::string::npos ? 1 : 0;
  r.OptRemovePlace = on.find('M') != std::string::npos ? 1 : 0;
  r.OptAutoKind = on.find('A') != std::string::npos ? 1 : 0;
  RenameSet(h.s);
}

std::string Slots(const RenameHarness& h) {
  return Initials(h.c.PrioritySlot1, h.c.PrioritySlot2, h.c.PrioritySlot3);
}

TEST(MovePriority, KeepsTheCriteriaThatAreOnFirstInPreferredOrder) {
  struct Row {
    const char *name, *prefs;
    std::vector<std::string> confirms;
    const char* slots;
    std::int16_t priorityCount, settingsCount;
  } rows[] = {
      {"insert_alone", "IRM", {"I"}, "IRM", 1, 1},
      {"replace_alone_cycles_on", "IRM", {"R"}, "RMI", 1, 1},
      {"insert_joins_replace", "MRI", {"R", "RI"}, "RIM", 2, 2},
      {"all_three_take_the_prefs", "MIR", {"IRM"}, "MIR", 3, 3},
      {"slot1_off_goes_last", "IRM", {"IRM", "RM"}, "RMI", 2, 2},
      {"slot2_off_goes_last", "IRM", {"IRM", "IM"}, "IMR", 2, 2},
      {"slot3_off_changes_nothing", "IRM", {"IRM", "IR"}, "IRM", 2, 2},
      {"last_off_changes_nothing", "IRM", {"R", ""}, "RMI", 0, 0},
      {"swap_in_one_ok", "IRM", {"IR", "RM"}, "RMI", 2, 2},
      {"second_ok_counts_once_auto_too", "IRM", {"IA", "IA", "I"}, "IRM", 1, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RenameHarness h;
    Prefer(h, row.prefs);
    for (const std::string& on : row.confirms) Confirm(h, on);
    EXPECT_EQ(Slots(h), row.slots);
    EXPECT_EQ(h.c.PriorityCount, row.priorityCount);
    EXPECT_EQ(h.s.state.SettingsCount, row.settingsCount);
  }
}

TEST(RecomputePriority, RebuildsTheSlotsFromTheLists) {
  struct Row {
    const char *name, *on, *lists, *slots;
    bool custom;
  } rows[] = {
      {"none_on_keeps_slots", "", "MRI", "IRM", true},
      {"one_on_cycles_from_it", "M", "RIM", "MRI", true},
      {"two_on_in_preferred_order", "IM", "MRI", "MIR", true},
      {"back_to_default", "IRM", "IRM", "IRM", false},
      {"equal_entries_refused", "IRM", "MMI", "IRM", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RenameHarness h;
    Confirm(h, row.on);
    Prefer(h, row.lists);
    EXPECT_EQ(Slots(h), row.slots);
    EXPECT_EQ(h.c.PriorityCustom, row.custom);
  }
}

TEST(ShowPriorityLabels, NumbersTheSlotsOnlyWhenThereIsAnOrder) {
  struct Row {
    const char *name, *on, *labels;
  } rows[] = {
      {"one", "R", "||"},
      {"two", "RM", "1 - Replace|2 - Remove|"},
      {"three", "IRM", "1 - Insert|2 - Replace|3 - Remove"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RenameHarness h;
    Confirm(h, row.on);
    const PriorityLabels l = ShowPriorityLabels(h.s);
    EXPECT_EQ(l.LabelPriority1st + "|" + l.LabelPriority2nd + "|" + l.LabelPriority3rd, row.labels);
  }
}

}  // namespace
}  // namespace quillon
