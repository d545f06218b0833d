#pragma once
// The Priority panel (FramePriority): the order in which Insert, Replace and Remove are
// applied, chosen in three lists and confirmed with OK or Default.
#include <cstdint>
#include <string>

#include "session/session.h"
#include "ui/user_interface.h"
#include "ui/view.h"

namespace quillon {

// The three lists' items, by index.
inline constexpr const char* kPriorityItems[] = {"Insert", "Replace", "Remove"};

// A choice in ComboPriority1st (slot 1), ComboPriority2nd (2) or ComboPriority3rd (3);
// refreshes the panel ("setButOnlyPriority") unless starting up.
void OnComboPriorityClick(Session& s, UserInterface& ui, int slot, int index);
// "setButOnlyPriority": OK, the hints and PriorityCombosStale from the three lists.
void RefreshPriorityPanel(Session& s);
// OK and Default; Default applies the default order at once.
void ImagePriorityOKClick(Session& s, UserInterface& ui);
void ImagePriorityDefaultClick(Session& s, UserInterface& ui);
// "Priority" in ApplyPanel: the lists become the order in effect.
void ApplyPriorityPanel(Session& s);
// The lists go back to the order in effect; an unconfirmed choice is dropped.
void ResyncPriorityCombos(Session& s);

// The Priority frame's lists, hints and OK.
View PriorityPanelView(const Session& s);

}  // namespace quillon
