#pragma once
// The Action panel: choosing an action, Review Mode, overwrite and the attribute, and
// confirming them.
#include <array>
#include <string_view>

#include "session/session.h"
#include "ui/user_interface.h"

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
// "setNullIndexAction": the notes of the chosen action, then the OK state.
void ActionChoiceChanged(Session& s, UserInterface& ui);
// "setButOnlyAction": whether OK may confirm the choice.
bool ActionOKEnabled(const Session& s);
// "Action" in ApplyPanel: the chosen action becomes the action in effect.
void ConfirmAction(Session& s, UserInterface& ui);
// A destination folder chosen for copying or moving.
void SetDestinationFolder(Session& s, UserInterface& ui, const std::string& folder);
// The Reset button beside the action display: back to "Rename" outside Review Mode.
void ImageClearActionClick(Session& s, UserInterface& ui);

}  // namespace quillon
