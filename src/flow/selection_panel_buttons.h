#pragma once
// The Selection panel's buttons on the main window: opening it, its OK, and the Reset
// beside the selection display.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// The Selection button: opens the panel unless a prepared renaming job holds the area.
void ImageSelectionClick(Session& s, UserInterface& ui);
// OK: the limit check, then the panel is applied.
void ImageSelectionOKClick(Session& s, UserInterface& ui);
// The Reset button beside the selection display: back to Manual, or unselect the files.
void ImageClearSelectionClick(Session& s, UserInterface& ui);

}  // namespace quillon
