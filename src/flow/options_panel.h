#pragma once
// The Options panel (FrameRigidity): what happens when a criterion cannot be applied,
// whether the system folder may be worked in, the undo warning and the Little Help at
// start. Its controls are pending copies until OK, Default or Cancel.
#include <cstdint>

#include "session/session.h"
#include "ui/user_interface.h"
#include "ui/view.h"

namespace quillon {

// The Options button: opens the panel ("setNullRigidity") unless the work area is taken.
void ImageRigidityClick(Session& s, UserInterface& ui);
// "setNullRigidity": the two saved check boxes from the options in effect; OK disabled.
void OpenOptionsPanel(Session& s);

// Clicks on the panel's controls; each keeps its weight and refreshes the panel's
// buttons ("setButOnlyRigidity").
void OnOptionRigidClick(Session& s, UserInterface& ui, RigidityRow row, std::int16_t index);
void OnCheckHelpRigidClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckAllowSystemRigidClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckUndoWarnRigidClick(Session& s, UserInterface& ui, bool ticked);
// OK, Default and Cancel of the panel.
void ImageRigidityOKClick(Session& s, UserInterface& ui);
void ImageRigidityDefaultClick(Session& s, UserInterface& ui);
void ImageRigidityCancelClick(Session& s, UserInterface& ui);
// The Reset button beside the options display ("ResetRigidity").
void ImageClearRigidityClick(Session& s, UserInterface& ui);

// The keywords of ApplyPanel and CancelPanel.
void ApplyOptionsPanel(Session& s, UserInterface& ui);  // "Options"
void RigidityDefault(Session& s, UserInterface& ui);    // "RigidityDefault"
void ResetRigidity(Session& s, UserInterface& ui);      // "ResetRigidity"
void CancelOptionsPanel(Session& s);                    // Cancel of "Options"

// "setButOnlyRigidity": OptionsCodePending and the OK and Default buttons.
void RefreshOptionsButtons(Session& s);

// Working in the system folder stops being allowed: the folder history is cut back to
// where it entered the system tree, and a destination inside it is given up.
void LeaveSystemFolder(Session& s, UserInterface& ui);

// What the panel shows.
View OptionsPanelView(const Session& s);

}  // namespace quillon
