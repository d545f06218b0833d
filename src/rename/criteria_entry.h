#pragma once
// Criteria given as record fields (a job file, a preset) entered into the criteria
// editor the way a person would enter them: ticks, options, list entries and boxes, each
// through its reaction. The editor's completeness rules then judge them, and "RenameSet"
// builds the record from them, as after the editor's OK.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// Enters `wanted` into the editor. Only the fields a criterion's keyword uses are read;
// `wanted.SavedHandleMode` gives the Handle mode.
void EnterCriteria(Session& s, UserInterface& ui, const RenameCriteria& wanted);

}  // namespace quillon
