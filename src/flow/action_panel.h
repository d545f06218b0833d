#pragma once
// The Action panel: choosing an action, Review Mode, overwrite, the attribute and the
// destination, and confirming them.
#include <array>
#include <string>
#include <string_view>

#include "session/session.h"
#include "ui/user_interface.h"
#include "ui/view.h"

namespace quillon {

// Captions of the attribute options, by AttributeIndex.
inline constexpr std::array<std::string_view, 6> kAttributeCaptions{
    "Don't Change", "Normal", "ReadOnly", "Hidden", "System", "Archive"};

// The Action button: opens the panel unless a prepared renaming job holds the area.
void ImageActionClick(Session& s, UserInterface& ui);
// "setNullActionStart": the panel shows the action in effect; OK starts disabled.
void OpenActionPanel(Session& s);
// Clicks on the panel; each then runs "setNullIndexAction".
void OnOptionActionClick(Session& s, UserInterface& ui, std::int16_t index);
void OnCheckActionModeClick(Session& s, UserInterface& ui, bool ticked);
void OnCheckActionOverwriteClick(Session& s, UserInterface& ui, bool ticked);
void OnOptionAttributeClick(Session& s, UserInterface& ui, std::int16_t index);
// "setNullIndexAction": the notes of the chosen action, then the OK state
// ("setButOnlyAction").
void ActionChoiceChanged(Session& s, UserInterface& ui);
// Whether OK may confirm the choice.
bool ActionOKEnabled(const Session& s);
// "Action" in ApplyPanel: the chosen action becomes the action in effect.
void ConfirmAction(Session& s, UserInterface& ui);
// Cancel: the choice and the destination go back to those in effect.
void CancelActionPanel(Session& s);

// "Set Destination": opens the destination chooser ("setNullActionMovePath").
void ImageActionBrowseClick(Session& s, UserInterface& ui);
// The chooser's OK: the action is confirmed with the folder chosen.
void ImageActionMoveOKClick(Session& s, UserInterface& ui);
// The chooser's Cancel: the destination and the Action panel's choice go back to those
// in effect; folders made stay on disk.
void ImageActionMoveCancelClick(Session& s, UserInterface& ui);

// The destination goes back to the working folder, the confirmed one too when it lies in
// the system folder's tree: Preview then asks for another.
void GiveUpDestination(Session& s);

// The Reset button beside the action display: back to "Rename" outside Review Mode.
void ImageClearActionClick(Session& s, UserInterface& ui);

// What the panel shows: the options chosen, the boxes the action needs, its notes, and
// the OK button with the face of its kind of confirmation.
View ActionPanelView(const Session& s);

}  // namespace quillon
