#pragma once
// The Little Help and the status labels that count and name what is about to happen.
#include <string>

#include "session/session.h"

namespace quillon {

// LabelSelectFile: "Select File", "Could not Select any File", or "3 Files Selected".
std::string SelectFileCaption(const Session& s);

// LabelListFile: the heading of the result list while a job is prepared.
std::string ListFileCaption(const Session& s);

// LabelReviewMode: "Undo Complete" once after an undo, "Review Mode", or the reminder
// that the last action can still be undone while the undo warning is off.
std::string ReviewModeCaption(Session& s);

}  // namespace quillon
