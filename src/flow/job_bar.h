#pragma once
// The job bar's buttons: Preview, the Job, Cancel of a prepared job, and Undo. Each
// refuses while a job or undo runs and ends by refreshing the controls.
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// Preview (`ImagePreview`): computes the new names and checks them, or only checks them
// for "Copy" and "Move".
void PreviewClick(Session& s, UserInterface& ui);
// Cancel of a prepared job (`ImageReject`).
void RejectClick(Session& s, UserInterface& ui);
// The Job (`ImageJob`): carries out the prepared action.
void JobClick(Session& s, UserInterface& ui);
// Undo (`ImageUndo`): reverses the last job.
void UndoClick(Session& s, UserInterface& ui);

}  // namespace quillon
