#pragma once
// The controls of the Options panel (FrameRigidity) and the Priority panel
// (FramePriority): pending copies of the options and of the priority order.
#include <array>
#include <cstdint>

namespace quillon {

// Options panel rows, in the order of their weights.
enum RigidityRow : std::size_t {
  kRowInsertRigid,
  kRowReplaceRigid,
  kRowRemoveRigid,
  kRowCharReplaceRigid,
  kRowCharRemoveRigid,
  kRowHelpRigid,
  kRowAllowSystemRigid,
  kRowUndoWarnRigid,
};

// An option group with neither option selected.
inline constexpr std::int16_t kNoOption = -1;

struct OptionsPanelState {
  // The five option groups: index 1 is "mark" (the flag on), 0 "ignore".
  std::int16_t OptInsertRigid = 1;
  std::int16_t OptReplaceRigid = 1;
  std::int16_t OptRemoveRigid = 0;
  std::int16_t OptCharReplaceRigid = 0;
  std::int16_t OptCharRemoveRigid = 0;
  bool CheckHelpRigid = false;
  bool CheckAllowSystemRigid = false;
  bool CheckUndoWarnRigid = false;
  // One weight per row: the row's weight while its option is on, else 0. At start
  // Insert and Replace are on.
  std::array<std::int16_t, 8> weights{1, 2, 0, 0, 0, 0, 0, 0};
  bool ImageRigidityOKEnabled = false;
  bool ImageRigidityDefaultEnabled = false;
};

struct PriorityPanelState {
  // The combos differ from the confirmed order; the next general refresh puts them back.
  bool PriorityCombosStale = false;
  bool ImagePriorityOKEnabled = false;
  bool LabelPriorityInfo3Visible = false;
  bool LabelPriorityInfo4Visible = false;
};

}  // namespace quillon
