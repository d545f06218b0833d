#pragma once
// The Selection panel: the user edits a copy of the active selection rule; OK checks
// it and makes it the active rule.
#include <string>

#include "session/session.h"
#include "ui/key_filter.h"
#include "ui/user_interface.h"

namespace quillon {

// The boxes of the panel.
enum class SelectionBox { MaxFile, NumSkip, NumFile, String };

// What the panel shows for the current choice.
struct SelectionPanelView {
  bool OptionSelectionNum = false;    // "All Files" / "Number of Files"
  bool TextSelectionMaxFile = false;  // with its captions
  bool CheckSelectionKeep = false;
  bool TextSelectionNumSkip = false;
  bool TextSelectionNumFile = false;
  bool TextSelectionString = false;
  bool CheckSelectionSensitive = false;
  std::string LabelSelectionString;  // "This String" or "This Extension"
  std::string LabelSelectionAsk;     // the prompt
  std::string focus;                 // name of the box that takes the focus, or ""
  bool ImageSelectionOKEnabled = false;
};

// "setNullSelectionStart": the panel copy from the active rule, laid out for its choice.
void OpenSelectionPanel(Session& s);
// The active rule copied into the panel copy.
void CopyActiveRuleToPanel(Session& s);

// Clicks on the choices and check boxes.
void OnOptionSelectionClick(Session& s, std::int16_t index);
void OnOptionSelectionNumClick(Session& s, std::int16_t index);
void OnCheckSelectionSensitiveClick(Session& s, bool ticked);
void OnCheckSelectionKeepClick(Session& s, bool ticked);

// A key typed into a box; may show a message.
KeyVerdict SelectionBoxKey(Session& s, UserInterface& ui, SelectionBox box, char32_t key);
// A box's text changed (by the user or from code); may show a message and rewrite it.
void SelectionBoxChanged(Session& s, UserInterface& ui, SelectionBox box, const std::string& text);

SelectionPanelView BuildSelectionPanelView(const Session& s);

// Makes the panel copy the active rule, writes the captions and re-applies the selection.
void CommitSelectionPanel(Session& s, UserInterface& ui);

// Recomputes whether OK may be pressed; `choseAllFiles` when "All Files" was just chosen.
void UpdateSelectionOK(Session& s, bool choseAllFiles = false);

}  // namespace quillon
