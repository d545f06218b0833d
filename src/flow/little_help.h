#pragma once
// The Little Help: four lines that say what the user can do next, and the status labels
// that count files and name what is about to happen.
#include <string>

#include "session/session.h"
#include "ui/view.h"

namespace quillon {

// Rebuilds every text of s.help from the session. Reads and clears UndoJustDone.
void UpdateLittleHelp(Session& s);

// LabelSelectFile: "Select File", "Could not Select any File", or "3 Files Selected".
std::string SelectFileCaption(const Session& s);
// LabelListFile: the heading of the result list while a job is prepared.
std::string ListFileCaption(const Session& s);
// The job button's word for an action index: "Rename", "Copy", "Move", "Delete" or
// "Set Attribute".
std::string JobWord(int actionIndex);

// FrameInfo, its four lines and the status labels, as the front end shows them.
View LittleHelpView(const Session& s);

}  // namespace quillon
