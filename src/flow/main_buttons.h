#pragma once
// The main window's buttons outside the panels and the job bar: Reset All, Help, the
// criteria reset, the side area's buttons and Goodbye.
#include "session/session.h"
#include "ui/user_interface.h"
#include "ui/view.h"

namespace quillon {

void ImageResetAllClick(Session& s, UserInterface& ui);
// Help opens FrameHelp ("setNullHelp"); its Cancel closes it.
void ImageHelpClick(Session& s, UserInterface& ui);
void ImageHelpCancelClick(Session& s, UserInterface& ui);
// The Reset button beside the criteria summary ("ResetRename").
void ImageClearRenameClick(Session& s, UserInterface& ui);

// The side area: the View frame's buttons, the hide buttons and About.
void ImageViewInfoClick(Session& s, UserInterface& ui);
void ImageViewPriorityClick(Session& s, UserInterface& ui);
void ImageInfoHideClick(Session& s, UserInterface& ui);
void ImagePriorityHideClick(Session& s, UserInterface& ui);
void ImageHelpAboutClick(Session& s, UserInterface& ui);

// Goodbye: true when the window may close now (not while a job or undo runs).
bool ImageGoodbyeClick(const Session& s);

// Which side frame is shown, and the About frame's texts.
View SideFramesView(const Session& s);
// Which panel holds the work area: one of the panels, or the result list.
View WorkAreaView(const Session& s);

}  // namespace quillon
