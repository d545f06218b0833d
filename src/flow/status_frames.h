#pragma once
// The main window's status displays: the selection, the action, the criteria and the
// priority in effect, the options, and the state of the folder lists.
#include "session/session.h"
#include "ui/view.h"

namespace quillon {

// FrameDisplaySelection, FrameDisplayAction, FrameRenInfo, FramePriInfo and the options
// display, with their labels.
View StatusFramesView(const Session& s);

// The folder lists and the navigation buttons: usable while no panel is open and no job
// is prepared; File1 stays usable for a prepared job.
View FolderListState(const Session& s);

// The window caption.
std::string WindowCaption(const Session& s);

}  // namespace quillon
