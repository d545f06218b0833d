#pragma once
// The order in which Insert, Replace and Remove are applied.
#include <string>
#include <string_view>

#include "session/session.h"

namespace quillon {

// Moves the toggled criterion ("Insert", "Replace" or "Remove") after PriorityCount has
// been updated: direction "Up" when it was switched on, "Down" when switched off.
void MovePriority(Session& s, std::string_view toggled, std::string_view direction);

// Puts the priority lists, the slots and the preferences back to Insert, Replace, Remove.
void ResetPriority(Session& s);

// The captions of LabelPriority1st, LabelPriority2nd and LabelPriority3rd.
struct PriorityLabels {
  std::string LabelPriority1st;
  std::string LabelPriority2nd;
  std::string LabelPriority3rd;
};
PriorityLabels ShowPriorityLabels(const Session& s);

}  // namespace quillon
