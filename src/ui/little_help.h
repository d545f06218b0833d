#pragma once
// The Little Help and the status labels that count and name what is about to happen.
#include <string>

#include "session/session.h"

namespace quillon {

// LabelSelectFile: "Select File", "Could not Select any File", or "3 Files Selected".
std::string SelectFileCaption(const Session& s);

}  // namespace quillon
