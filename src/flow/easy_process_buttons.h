#pragma once
// Easy Process from the main window: the check box, File2 and the run button.
#include <cstdint>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// CheckEasyProcess: on drops the selection first; the window is laid out for the state.
void OnCheckEasyProcessClick(Session& s, UserInterface& ui, bool ticked);
// A click on File2.
void OnFile2ClickFlow(Session& s, UserInterface& ui, std::int16_t index);
// buttonSingleProcess: the file is processed and the lists are read again.
void ButtonSingleProcessClick(Session& s, UserInterface& ui);

}  // namespace quillon
