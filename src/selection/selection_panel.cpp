#include "selection/selection_panel.h"

#include "selection/file_selection.h"
#include "ui/messages.h"

namespace quillon {
namespace {

enum Choice : std::int16_t { kManual = 0, kByNumber = 1, kByString = 2, kByExtension = 3 };

bool CommonDiffers(const Session& s) {
  const SelectionState& sel = s.selection;
  return sel.EdSelectMax != s.options.MaxSelectLimit || sel.EdSelectKeep != sel.SelectKeep ||
         sel.EdSelectSkip != sel.SelectSkip;
}

const std::string& PanelText(const SelectionState& sel) {
  return sel.OptSelection == kByExtension ? sel.EdSelectExtension : sel.EdSelectString;
}

}  // namespace

void CopyActiveRuleToPanel(Session& s) {
  SelectionState& sel = s.selection;
  sel.EdSelectMax = s.options.MaxSelectLimit;
  sel.EdSelectSkip = sel.SelectSkip;
  sel.EdSelectKeep = sel.SelectKeep;
  sel.EdSelectNumFiles = sel.SelectNumFiles;
  sel.EdSelectString = sel.SelectString;
  sel.EdSelectCaseSensitive = sel.SelectCaseSensitive;
  sel.EdSelectExtension = sel.SelectExtension;
  sel.OptSelection = sel.SavedSelection;
  sel.OptSelectionNum = sel.SavedSelectionNum == 1 ? 1 : 0;
}

void OpenSelectionPanel(Session& s) {
  SelectionState& sel = s.selection;
  CopyActiveRuleToPanel(s);
  sel.TextSelectionMaxFile = std::to_string(sel.EdSelectMax);
  OnOptionSelectionClick(s, sel.OptSelection);
  sel.ImageSelectionOKEnabled = false;
}

void OnOptionSelectionClick(Session& s, std::int16_t index) {
  SelectionState& sel = s.selection;
  sel.OptSelection = index;
  // The boxes show the active rule's values when it has the same choice.
  const bool same = sel.SavedSelection == index;
  sel.EdSelectSkip = same ? sel.SelectSkip : 0;
  sel.TextSelectionNumSkip = std::to_string(sel.EdSelectSkip);
  if (index == kByNumber) {
    sel.EdSelectNumFiles = same ? sel.SelectNumFiles : 0;
    sel.TextSelectionNumFile = sel.EdSelectNumFiles > 0 ? std::to_string(sel.EdSelectNumFiles) : "";
  } else if (index == kByString || index == kByExtension) {
    const std::string& active = index == kByString ? sel.SelectString : sel.SelectExtension;
    sel.TextSelectionString = same ? active : "";
    std::string& edited = index == kByString ? sel.EdSelectString : sel.EdSelectExtension;
    edited = sel.TextSelectionString;
    sel.EdSelectTextLength = static_cast<std::int16_t>(edited.size());
  }
  UpdateSelectionOK(s, index == kByNumber && sel.OptSelectionNum == 0);
}

void OnOptionSelectionNumClick(Session& s, std::int16_t index) {
  s.selection.OptSelectionNum = index;
  UpdateSelectionOK(s, index == 0);
}

void OnCheckSelectionSensitiveClick(Session& s, bool ticked) {
  s.selection.EdSelectCaseSensitive = ticked;
  UpdateSelectionOK(s);
}

void OnCheckSelectionKeepClick(Session& s, bool ticked) {
  s.selection.EdSelectKeep = ticked;
  UpdateSelectionOK(s);
}

void UpdateSelectionOK(Session& s, bool choseAllFiles) {
  SelectionState& sel = s.selection;
  const std::string& mode = s.state.SelectionMode;
  bool enabled = false;
  switch (sel.OptSelection) {
    case kManual:
      enabled = mode != "Manual";
      break;
    case kByNumber:
      if (sel.OptSelectionNum == 0) {
        // Choosing "All Files" over another rule always changes something.
        enabled = choseAllFiles || mode != "All" || CommonDiffers(s);
      } else {
        enabled = sel.EdSelectNumFiles != 0 && (mode != "ByNumber" || CommonDiffers(s) ||
                                                sel.EdSelectNumFiles != sel.SelectNumFiles);
      }
      break;
    case kByString:
    case kByExtension: {
      const bool isString = sel.OptSelection == kByString;
      const std::string& active = isString ? sel.SelectString : sel.SelectExtension;
      enabled = !PanelText(sel).empty() &&
                (mode != (isString ? "ByString" : "ByExtension") || CommonDiffers(s) ||
                 PanelText(sel) != active || sel.EdSelectCaseSensitive != sel.SelectCaseSensitive);
      break;
    }
    default:
      break;
  }
  sel.ImageSelectionOKEnabled = enabled;
}

SelectionPanelView BuildSelectionPanelView(const Session& s) {
  const SelectionState& sel = s.selection;
  SelectionPanelView view;
  view.ImageSelectionOKEnabled = sel.ImageSelectionOKEnabled;
  if (sel.OptSelection == kManual) return view;
  view.TextSelectionMaxFile = true;
  view.CheckSelectionKeep = true;
  view.TextSelectionNumSkip = true;
  if (sel.OptSelection == kByNumber) {
    view.OptionSelectionNum = true;
    view.TextSelectionNumFile = sel.OptSelectionNum == 1;
    if (view.TextSelectionNumFile && sel.EdSelectNumFiles < 1) {
      view.LabelSelectionAsk = "Please type the number of files to select.";
    }
    view.focus = view.TextSelectionNumFile ? "TextSelectionNumFile" : "TextSelectionNumSkip";
    return view;
  }
  const bool isString = sel.OptSelection == kByString;
  view.TextSelectionString = true;
  view.CheckSelectionSensitive = true;
  view.LabelSelectionString = isString ? "This String" : "This Extension";
  if (PanelText(sel).empty()) {
    view.LabelSelectionAsk =
        isString ? "Please type the String to search." : "Please type the Extension to search.";
  }
  view.focus = "TextSelectionString";
  return view;
}

}  // namespace quillon
