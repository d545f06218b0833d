#pragma once
// What the job is about to do to each file, known before it touches any: the rows the
// journal holds ahead of the job.
#include <functional>
#include <vector>

#include "session/session.h"

namespace quillon {

// The intended rows for the action in effect: old and new name per store row, the
// attributes a "Set Attribute" replaces, and the hidden name under which a copy that
// replaces a file keeps that file.
std::vector<IntentRow> JobIntents(Session& s);
// The same rows one at a time, in store order (the row passed is reused between calls).
// Each call makes new kept names: a job that keeps its intents takes them once.
void ForEachIntent(Session& s, const std::function<void(const IntentRow&)>& take);
// Whether the job needs its intents while it runs: a copy that may replace files reads
// the kept names from them. Other jobs only write them to the journal.
bool JobKeepsIntents(const Session& s);

// Whether the action makes copies, whose rows the journal knows by the copy made.
bool Copies(const std::string& action);
// Whether the action moves files to the destination, whose rows the journal knows by the
// file as it stands there.
bool Moves(const std::string& action);
// Whether the journal knows each row's file by its identity: the copying and moving
// actions, and "Set Attribute".
bool KnowsFiles(const std::string& action);

// The name in the destination folder under which the file that store row `index`'s
// copy replaces is kept until the next job.
std::string KeptName(const std::string& token, std::size_t index);

}  // namespace quillon
