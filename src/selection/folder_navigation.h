#pragma once
// Back, forward and start in the folder history.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

void ImageGoToStartClick(Session& s, UserInterface& ui);
void ImageGoBackClick(Session& s, UserInterface& ui);
void ImageGoForwardClick(Session& s, UserInterface& ui);

}  // namespace quillon
