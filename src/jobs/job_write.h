#pragma once
// The job file written back: from a job read before, or from what the window has set.
#include <optional>
#include <string>

#include "jobs/job_file.h"
#include "session/session.h"

namespace quillon::jobs {

// The job as the window holds it now: its folder, the active selection rule (or the
// selected names for "Manual"), the criteria that are on, the priority, the options and
// the confirmed action.
JobSpec JobFromSession(const Session& s);

// The job's JSON text in normal form: keys in the order of the job file's description,
// only what has an effect, defaults left out, two-space indents, one final newline.
// Reading the text back gives the same job. A name that is not UTF-8 cannot be written:
// nullopt, with the error naming the key.
std::optional<std::string> WriteJob(const JobSpec& job, std::string& error);

}  // namespace quillon::jobs
