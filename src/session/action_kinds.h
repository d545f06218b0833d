#pragma once
// The eight actions, by index.
#include <array>
#include <cstdint>
#include <string_view>

namespace quillon {

struct ActionKind {
  std::string_view keyword;        // ActionName
  std::string_view optionCaption;  // caption on the Action panel
  bool renames;
  bool needsDestination;
  std::string_view jobCaption;
};

inline constexpr std::array<ActionKind, 8> kActionKinds{{
    {"Rename", "Rename", true, false, "Rename"},
    {"Rename And Copy", "Rename and Copy", true, true, "Copy"},
    {"Copy And Rename", "Copy and Rename the copies only", true, true, "Copy"},
    {"Move And Rename", "Move and Rename", true, true, "Move"},
    {"Copy", "Copy", false, true, "Copy"},
    {"Move", "Move", false, true, "Move"},
    {"Delete", "Delete", false, false, "Delete"},
    {"Set Attribute", "Set Attributes", false, false, "Set Attribute"},
}};

// The index of an action keyword, or -1 when it is not one.
inline int ActionIndexOf(std::string_view keyword) {
  for (std::size_t i = 0; i < kActionKinds.size(); ++i) {
    if (kActionKinds[i].keyword == keyword) return static_cast<int>(i);
  }
  return -1;
}

inline bool ActionRenames(int index) {
  return index >= 0 && index <= 3;
}
inline bool ActionNeedsDestination(int index) {
  return index >= 1 && index <= 5;
}

}  // namespace quillon
