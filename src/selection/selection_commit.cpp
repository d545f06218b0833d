// The Selection panel's OK: the panel copy becomes the active rule.
#include "selection/file_selection.h"
#include "selection/selection_panel.h"

namespace quillon {
namespace {

std::string Plural(long count) {
  return count > 1 ? "s." : ".";
}

// The rule and captions for "By Number".
void CommitByNumber(Session& s) {
  SelectionState& sel = s.selection;
  sel.EdSelectString.clear();
  sel.EdSelectExtension.clear();
  sel.EdSelectCaseSensitive = false;
  std::string count;
  if (sel.OptSelectionNum == 0) {
    s.state.SelectionMode = "All";
    if (sel.EdSelectMax != 0) sel.EdSelectNumFiles = sel.EdSelectMax;
    count = "All File" + std::string("s.");
  } else {
    s.state.SelectionMode = "ByNumber";
    if (sel.EdSelectMax > 0 && sel.EdSelectNumFiles > sel.EdSelectMax) {
      sel.EdSelectNumFiles = sel.EdSelectMax;
    }
    count = std::to_string(sel.EdSelectNumFiles) + " File" + Plural(sel.EdSelectNumFiles);
  }
  sel.LabelSelectionType = "By Number -> " + count;
  sel.LabelSelectionInfo =
      "Selection Start From File #" + std::to_string(long{sel.EdSelectSkip} + 1) + ".";
}

// The rule and captions for "By String" and "By Extension".
void CommitByText(Session& s, bool byString) {
  SelectionState& sel = s.selection;
  sel.EdSelectNumFiles = 0;
  if (byString) {
    s.state.SelectionMode = "ByString";
    sel.EdSelectExtension.clear();
    sel.LabelSelectionType = "By String -> " + sel.EdSelectString + ".";
  } else {
    s.state.SelectionMode = "ByExtension";
    sel.EdSelectString.clear();
    sel.LabelSelectionType = "By Extension -> " + sel.EdSelectExtension + ".";
  }
  sel.LabelSelectionInfo.clear();
  if (sel.EdSelectMax != 0) {
    sel.LabelSelectionInfo = "Max. " + std::to_string(sel.EdSelectMax) + " File" +
                             (sel.EdSelectMax >= 2 ? "s." : ".") + " ";
  }
  if (sel.EdSelectSkip > 0) {
    sel.LabelSelectionInfo += "Start from File# " + std::to_string(long{sel.EdSelectSkip} + 1);
  }
}

void CommitManual(Session& s) {
  SelectionState& sel = s.selection;
  s.state.SelectionMode = "Manual";
  sel.EdSelectSkip = 0;
  sel.EdSelectKeep = false;
  sel.EdSelectNumFiles = 0;
  sel.EdSelectString.clear();
  sel.EdSelectExtension.clear();
  sel.EdSelectCaseSensitive = false;
  sel.LabelSelectionType = "Manual File Selection";
  sel.LabelSelectionInfo.clear();
}

}  // namespace

void CommitSelectionPanel(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  SelectionState& sel = s.selection;
  const bool automatic = sel.OptSelection != 0;
  if (automatic && sel.SavedSelection == 0) ++st.SettingsCount;
  if (!automatic && sel.SavedSelection != 0) --st.SettingsCount;

  if (sel.OptSelection == 1) {
    CommitByNumber(s);
  } else if (sel.OptSelection == 2 || sel.OptSelection == 3) {
    CommitByText(s, sel.OptSelection == 2);
  } else {
    CommitManual(s);
  }

  s.options.MaxSelectLimit = sel.EdSelectMax;
  sel.SelectSkip = sel.EdSelectSkip;
  sel.SelectKeep = sel.EdSelectKeep;
  sel.SelectNumFiles = sel.EdSelectNumFiles;
  sel.SelectString = sel.EdSelectString;
  sel.SelectExtension = sel.EdSelectExtension;
  sel.SelectCaseSensitive = sel.EdSelectCaseSensitive;
  sel.LabelEasyProcess =
      automatic ? "Easy Process -- Single File : Availble On Manual File Selection Only."
                : "Easy Process -- Single File : No Undo Option Available For This.";

  st.SelectionApplying = true;
  if (automatic) {
    RefreshSelection(s, ui);
  } else {
    ClearSelection(s, ui);
  }
  st.SelectionApplying = false;

  sel.SavedSelection = sel.OptSelection;
  sel.SavedSelectionNum = sel.OptSelection == 1 ? sel.OptSelectionNum : 9;
}

}  // namespace quillon
