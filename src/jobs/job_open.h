#pragma once
// "Open Job..." and "Save Job..." of the main window: the job file shared with
// quillon-cli, read into the window's session or written from it.
#include <string>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon::jobs {

// Whether the window can save its job now: no job running, no panel or chooser open.
bool SaveJobEnabled(const Session& s);
// Whether it can open one, which replaces what is set: as for saving, and no result on
// show, not in Easy Process.
bool OpenJobEnabled(const Session& s);

// Reads the job at `path` and sets the window up as it says. A file that cannot be read
// or does not validate (as quillon-cli would refuse it, naming the key) is shown in a
// message and changes nothing. Returns whether the job was opened.
bool OpenJobFile(Session& s, UserInterface& ui, const std::string& path);

// Writes the window's job to `path` in normal form, replacing the file whole. A failure
// is shown in a message. Returns whether the file was written.
bool SaveJobFile(Session& s, UserInterface& ui, const std::string& path);

}  // namespace quillon::jobs
