#pragma once
// Easy Process: the confirmed action on one file, with its new name typed directly; no
// criteria, no preview, no undo.
#include <string>

#include "session/session.h"
#include "ui/key_filter.h"
#include "ui/user_interface.h"
#include "ui/view.h"

namespace quillon {

// The layout's state part for EasyProcessOn: nothing picked, boxes empty and disabled,
// "Include Space" unticked.
void ResetSingleProcess(Session& s);
// A click on File2 entry `index`: picks it, or unpicks the entry already picked.
void OnFile2Click(Session& s, std::int16_t index);
// The boxes' key filters; Enter runs as the run button does when both boxes hold text.
KeyVerdict SingleNameKey(Session& s, UserInterface& ui, char32_t key);
KeyVerdict SingleExtKey(Session& s, UserInterface& ui, char32_t key);
// The boxes' change reactions: the run button follows.
void OnTextSingleProcessNameChange(Session& s, const std::string& text);
void OnTextSingleProcessExtChange(Session& s, const std::string& text);
// "Include Space": unticking removes every space from the name box.
void OnCheckSingleProcessClick(Session& s, bool ticked);
// The run button: the checks of the action, then its operation on the file. Returns true
// when the file was processed (the lists must be read again).
bool RunSingleProcess(Session& s, UserInterface& ui);

// The main window's Easy Process layout and the frame's controls.
View EasyProcessView(const Session& s);

}  // namespace quillon
