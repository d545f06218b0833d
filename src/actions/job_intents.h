#pragma once
// What the job is about to do to each file, known before it touches any: the rows the
// journal holds ahead of the job.
#include <vector>

#include "session/session.h"

namespace quillon {

// The intended rows for the action in effect: old and new name per store row, the
// attributes a "Set Attribute" replaces, and the hidden name under which a copy that
// replaces a file keeps that file.
std::vector<IntentRow> JobIntents(Session& s);

// The name in the destination folder under which the file that store row `index`'s
// copy replaces is kept until the next job.
std::string KeptName(const std::string& token, std::size_t index);

}  // namespace quillon
