#include "flow/priority_panel.h"

#include <gtest/gtest.h>

#include <array>

#include "flow/control_state.h"
#include "platform/environment.h"
#include "support/fake_ui.h"
#include "support/null_file_services.h"

namespace quillon {
namespace {

using testing::FakeUi;
using testing::NullFileServices;

using Order = std::array<std::string, 3>;

const Order kDefaultOrder{"Insert", "Replace", "Remove"};

Order Combos(const Session& s) {
  return {s.rename.ComboPriority1st, s.rename.ComboPriority2nd, s.rename.ComboPriority3rd};
}

Order Prefs(const Session& s) {
  const RenameCriteria& c = s.rename.criteria;
  return {c.PriorityPref1, c.PriorityPref2, c.PriorityPref3};
}

Order Slots(const Session& s) {
  const RenameCriteria& c = s.rename.criteria;
  return {c.PrioritySlot1, c.PrioritySlot2, c.PrioritySlot3};
}

class PriorityPanelTest : public ::testing::Test {
 protected:
  PriorityPanelTest() : s(files, env) {}
  // The user picks the three lists' items, by index.
  void Choose(int first, int second, int third) {
    OnComboPriorityClick(s, ui, 1, first);
    OnComboPriorityClick(s, ui, 2, second);
    OnComboPriorityClick(s, ui, 3, third);
  }

  NullFileServices files;
  PosixEnvironment env;
  FakeUi ui;
  Session s;
};

TEST_F(PriorityPanelTest, OKNeedsThreeDifferentEntriesThatDifferFromTheOrderInEffect) {
  struct Row {
    const char* name;
    std::array<int, 3> items;
    bool ok, info3, info4;
  } rows[] = {
      {"first_two_equal", {0, 0, 2}, false, true, false},
      {"last_two_equal", {0, 2, 2}, false, true, false},
      {"first_and_last_equal", {2, 1, 2}, false, true, false},
      {"all_equal", {1, 1, 1}, false, true, false},
      {"first_two_swapped", {1, 0, 2}, true, false, true},
      {"reversed", {2, 1, 0}, true, false, true},
      {"rotated", {1, 2, 0}, true, false, true},
      {"order_in_effect", {0, 1, 2}, false, false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    FakeUi fresh;
    Session t(files, env);
    t.rename.ComboPriority1st = kPriorityItems[row.items[0]];
    t.rename.ComboPriority2nd = kPriorityItems[row.items[1]];
    OnComboPriorityClick(t, fresh, 3, row.items[2]);
    EXPECT_EQ(fresh.controlStates, std::vector<std::string>{"setButOnlyPriority"});
    const View v = PriorityPanelView(t);
    EXPECT_EQ(v.at("ImagePriorityOK").enabled, row.ok);
    EXPECT_EQ(v.at("LabelPriorityInfo3").visible, row.info3);
    EXPECT_EQ(v.at("LabelPriorityInfo4").visible, row.info4);
    EXPECT_EQ(v.at("ComboPriority1st").index, row.items[0]);
    EXPECT_EQ(v.at("ComboPriority2nd").index, row.items[1]);
    EXPECT_EQ(v.at("ComboPriority3rd").index, row.items[2]);
    // Any choice but the order in effect waits to be confirmed or dropped.
    EXPECT_EQ(t.priorityPanel.PriorityCombosStale, row.info3 || row.info4);
    EXPECT_EQ(Prefs(t), kDefaultOrder);
  }
}

TEST_F(PriorityPanelTest, OKPutsTheChosenOrderInEffect) {
  RenameCriteria& c = s.rename.criteria;
  c.InsertOn = c.ReplaceOn = c.RemoveOn = true;
  c.PriorityCount = 3;
  Choose(2, 0, 1);
  ImagePriorityOKClick(s, ui);
  EXPECT_EQ(Prefs(s), (Order{"Remove", "Insert", "Replace"}));
  EXPECT_EQ(Slots(s), (Order{"Remove", "Insert", "Replace"}));
  EXPECT_TRUE(c.PriorityCustom);
  EXPECT_EQ(s.state.PendingKeyword, "");
  const View v = PriorityPanelView(s);
  EXPECT_EQ(v.at("ImagePriorityOK").enabled, false);
  EXPECT_EQ(v.at("LabelPriorityInfo3").visible, false);
  EXPECT_EQ(v.at("LabelPriorityInfo4").visible, false);
  EXPECT_FALSE(s.priorityPanel.PriorityCombosStale);

  // The next refresh keeps the confirmed order in the lists.
  SetControlState(s, ui, "setButGlobal");
  EXPECT_EQ(Combos(s), (Order{"Remove", "Insert", "Replace"}));
}

TEST_F(PriorityPanelTest, OKIsIgnoredWhileTwoEntriesAreEqual) {
  Choose(2, 2, 0);
  ui.controlStates.clear();
  ImagePriorityOKClick(s, ui);
  EXPECT_EQ(Prefs(s), kDefaultOrder);
  EXPECT_FALSE(s.rename.criteria.PriorityCustom);
  EXPECT_TRUE(ui.controlStates.empty());
}

TEST_F(PriorityPanelTest, DefaultAppliesTheDefaultOrderAtOnce) {
  struct Row {
    const char* name;
    std::array<int, 3> confirmed;  // confirmed with OK first, when not the default
    std::array<int, 3> chosen;     // then chosen without OK
  } rows[] = {
      {"from_a_custom_order", {2, 1, 0}, {2, 1, 0}},
      {"from_an_unconfirmed_duplicate", {0, 1, 2}, {1, 1, 0}},
      {"from_a_custom_order_and_another_choice", {1, 2, 0}, {2, 0, 1}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    FakeUi fresh;
    Session t(files, env);
    t.rename.criteria.InsertOn = t.rename.criteria.RemoveOn = true;
    t.rename.criteria.PriorityCount = 2;
    for (int slot = 1; slot <= 3; ++slot) {
      OnComboPriorityClick(t, fresh, slot, row.confirmed[static_cast<std::size_t>(slot - 1)]);
    }
    ImagePriorityOKClick(t, fresh);
    for (int slot = 1; slot <= 3; ++slot) {
      OnComboPriorityClick(t, fresh, slot, row.chosen[static_cast<std::size_t>(slot - 1)]);
    }
    ImagePriorityDefaultClick(t, fresh);
    EXPECT_EQ(Prefs(t), kDefaultOrder);
    EXPECT_EQ(Combos(t), kDefaultOrder);
    // The two criteria that are on, in the default order, come first.
    EXPECT_EQ(Slots(t), (Order{"Insert", "Remove", "Replace"}));
    EXPECT_FALSE(t.rename.criteria.PriorityCustom);
    EXPECT_FALSE(t.priorityPanel.PriorityCombosStale);
    const View v = PriorityPanelView(t);
    EXPECT_EQ(v.at("ImagePriorityOK").enabled, false);
    EXPECT_EQ(v.at("LabelPriorityInfo3").visible, false);
    EXPECT_EQ(v.at("LabelPriorityInfo4").visible, false);
  }
}

TEST_F(PriorityPanelTest, AnUnconfirmedChoiceIsDroppedByTheNextGeneralRefresh) {
  Choose(2, 2, 0);
  ASSERT_TRUE(PriorityPanelView(s).at("LabelPriorityInfo3").visible.value());
  SetControlState(s, ui, "setButOnlyPriority");
  EXPECT_EQ(Combos(s), (Order{"Remove", "Remove", "Insert"}));
  EXPECT_TRUE(s.priorityPanel.PriorityCombosStale);

  SetControlState(s, ui, "setButGlobal");
  EXPECT_EQ(Combos(s), kDefaultOrder);
  EXPECT_FALSE(s.priorityPanel.PriorityCombosStale);
  EXPECT_EQ(PriorityPanelView(s).at("LabelPriorityInfo3").visible, false);

  // A confirmed custom order is what the lists go back to.
  Choose(1, 2, 0);
  ImagePriorityOKClick(s, ui);
  Choose(0, 0, 0);
  SetControlState(s, ui, "setButGlobal");
  EXPECT_EQ(Combos(s), (Order{"Replace", "Remove", "Insert"}));
}

TEST_F(PriorityPanelTest, ChoicesAreNotCheckedWhileStartingUp) {
  s.state.StartingUp = true;
  Choose(1, 1, 1);
  EXPECT_TRUE(ui.controlStates.empty());
  EXPECT_FALSE(s.priorityPanel.PriorityCombosStale);
  const View v = PriorityPanelView(s);
  EXPECT_EQ(v.at("ImagePriorityOK").enabled, false);
  EXPECT_EQ(v.at("LabelPriorityInfo3").visible, false);
  EXPECT_EQ(Prefs(s), kDefaultOrder);
}

TEST_F(PriorityPanelTest, ChoicesOutsideTheListsAreIgnored) {
  for (auto [slot, index] : {std::pair{0, 1}, std::pair{4, 1}, std::pair{1, -1}, std::pair{2, 3}}) {
    SCOPED_TRACE(std::to_string(slot) + "/" + std::to_string(index));
    OnComboPriorityClick(s, ui, slot, index);
    EXPECT_EQ(Combos(s), kDefaultOrder);
    EXPECT_TRUE(ui.controlStates.empty());
  }
}

}  // namespace
}  // namespace quillon
