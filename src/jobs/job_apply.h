#pragma once
// A job turned into session state through the operations a person would perform: the
// folder, the options, the action confirmed on the Action panel, the criteria through
// the editor and "RenameSet", then the selection (clicks for "Manual", the Selection
// panel's OK for a rule).
#include <string>

#include "jobs/job_file.h"
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon::jobs {

// On a fresh session (the command line). Returns false with the job-file error in
// error (for example a listed file that is not in the folder).
bool ApplyJob(Session& s, UserInterface& ui, const JobSpec& job, std::string& error);

// On the window's session: everything is reset first (as "Reset All"), the folder is
// chosen as in Dir1 and the options are set on the Options panel. The caller has
// checked the job on a fresh session, so nothing here refuses it.
void ApplyJobToWindow(Session& s, UserInterface& ui, const JobSpec& job);

}  // namespace quillon::jobs
