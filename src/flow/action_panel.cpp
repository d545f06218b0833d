#include "flow/action_panel.h"

#include "actions/destination_chooser.h"
#include "flow/control_state.h"
#include "flow/enable_buttons.h"
#include "flow/panel_dispatch.h"
#include "flow/panel_opening.h"
#include "platform/text.h"
#include "selection/file_selection.h"
#include "session/action_kinds.h"
#include "session/work_folder.h"
#include "ui/messages.h"

namespace quillon {
namespace {

bool IsCopyKind(int index) {
  return index == 1 || index == 2 || index == 4;
}

// The working lists follow the action: names to delete or re-attribute are listed,
// the others are split for renaming.
void RebuildWorkingLists(Session& s) {
  s.selection.List1.clear();
  if (!s.state.SelectionMade) return;
  BuildSelectionRows(s);
  if (s.state.ActionName == "Delete" || s.state.ActionName == "Set Attribute") {
    ShowSelectedNames(s);
  } else {
    SplitSelectedNames(s);
  }
}

// LabelActionFolderName for a confirmed action.
std::string ActionFolderCaption(int index, const std::string& destination, int attribute) {
  switch (index) {
    case 0:
      return "";
    case 1:
    case 2:
    case 4:
      return "Copy To : " + destination;
    case 3:
    case 5:
      return "Move To : " + destination;
    case 6:
      return "      Files Will Be Deleted Permanently. No Undo Available For Detete.";
    default:
      return "      New Attribute :: " +
             std::string(kAttributeCaptions[static_cast<std::size_t>(attribute)]);
  }
}

void SetDestFolder(SessionState& st, const std::string& folder) {
  st.DestFolder = folder;
  st.DestFolderUpper = ToUpper(st.DestFolder);
}

}  // namespace

void ImageActionClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.ResultShown && st.ActionIndex < 6) return;
  st.PanelOpen = true;
  st.PendingKeyword = "Action";
  OpenPanel(s, ui, "setNullActionStart");
}

void OpenActionPanel(Session& s) {
  SessionState& st = s.state;
  st.ActionIndexPending = st.ActionIndex;
  st.AttributeIndexPending = st.AttributeIndex;
  st.ReviewModePending = st.ReviewMode;
  st.OverwritePending = st.OverwriteConfirmed;
  st.LabelActionMust.clear();
  st.ImageActionOKEnabled = false;
}

void OnOptionActionClick(Session& s, UserInterface& ui, std::int16_t index) {
  s.state.ActionIndexPending = index;
  OpenPanel(s, ui, "setNullIndexAction");
}

void OnCheckActionModeClick(Session& s, UserInterface& ui, bool ticked) {
  s.state.ReviewModePending = ticked;
  OpenPanel(s, ui, "setNullIndexAction");
}

void OnCheckActionOverwriteClick(Session& s, UserInterface& ui, bool ticked) {
  s.state.OverwritePending = ticked;
  OpenPanel(s, ui, "setNullIndexAction");
}

void OnOptionAttributeClick(Session& s, UserInterface& ui, std::int16_t index) {
  SessionState& st = s.state;
  st.AttributeIndexPending = index;
  OpenPanel(s, ui, "setNullIndexAction");
  st.LabelActionMust = index == 0 ? "Must select an Attribute to Set Attribute" : "";
}

void ActionChoiceChanged(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  const int index = st.ActionIndexPending;
  if (IsCopyKind(index)) {
    st.DestChooserHeading = "Copy To This Folder :";
  } else if (index == 3 || index == 5) {
    st.DestChooserHeading = "Move To This Folder :";
  }
  st.LabelActionMust.clear();
  if (ActionNeedsDestination(index) && st.WorkFolder == st.DestFolder) {
    st.LabelActionMust = std::string("Must select a different Folder to ") +
                         (IsCopyKind(index) ? "Copy" : "Move") +
                         ". Press Set Destination to select Folder.";
  } else if (index == 7 && st.AttributeIndexPending == 0) {
    st.LabelActionMust = "Must select an Attribute to set Attribute.";
  }
  st.ImageActionOKEnabled = ActionOKEnabled(s);
  SetControlState(s, ui, "setButOnlyAction");
}

bool ActionOKEnabled(const Session& s) {
  const SessionState& st = s.state;
  const int index = st.ActionIndexPending;
  const bool reviewChanged = st.ReviewModePending != st.ReviewMode;
  const bool actionChanged = st.ActionIndexPending != st.ActionIndex;
  const bool destinationUsable = st.DestFolder != st.WorkFolder;
  const bool destinationChanged = st.DestFolder != st.ActionDestFolder && destinationUsable;
  if (index == 0 || index == 6) return reviewChanged || actionChanged;
  if (index == 7) {
    return st.AttributeIndexPending != 0 &&
           (reviewChanged || st.AttributeIndexPending != st.AttributeIndex);
  }
  if (!destinationUsable) return false;
  const bool changed = reviewChanged || (actionChanged && destinationUsable) ||
                       (!actionChanged && destinationChanged);
  if (IsCopyKind(index)) return changed || st.OverwritePending != st.OverwriteConfirmed;
  return changed;
}

void ConfirmAction(Session& s, UserInterface&) {
  SessionState& st = s.state;
  const int index = st.ActionIndexPending;
  if (index < 0 || index >= static_cast<int>(kActionKinds.size())) return;
  st.ReviewMode = st.ReviewModePending;
  if (index == 7 && st.AttributeIndexPending == 0) {
    // Set Attribute without an attribute is not confirmed.
    st.ActionIndexPending = st.ActionIndex;
    st.AttributeIndex = 0;
    return;
  }
  if (st.ActionIndex != 0 && index == 0) --st.SettingsCount;
  if (st.ActionIndex == 0 && index != 0) ++st.SettingsCount;

  const ActionKind& kind = kActionKinds[static_cast<std::size_t>(index)];
  st.ActionIndex = static_cast<std::int16_t>(index);
  st.ActionName = std::string(kind.keyword);
  st.LabelPreview = index >= 4 ? "Finalize" : "Preview";
  st.LabelJob = std::string(kind.jobCaption);
  if (kind.needsDestination) {
    st.ActionDestFolder = st.DestFolder;
    s.chooser.ConfirmedDestDir = ShownPath(st.DestFolder);
  }
  const bool keepOverwrite = IsCopyKind(index);
  if (!keepOverwrite) st.OverwritePending = false;
  st.LabelActionFolderName =
      ActionFolderCaption(index, st.ActionDestFolder, st.AttributeIndexPending);
  st.LabelActionType = st.ActionName;
  if (keepOverwrite && st.OverwritePending) st.LabelActionType += " : Overwrite Confirmed";
  if ((index == 6 || index == 7) && st.ResultShown) st.KeepResultShown = true;
  st.OverwriteConfirmed = keepOverwrite && st.OverwritePending;
  st.AttributeIndex = st.AttributeIndexPending;
  RebuildWorkingLists(s);
}

void CancelActionPanel(Session& s) {
  SessionState& st = s.state;
  st.ActionIndexPending = st.ActionIndex;
  st.ReviewModePending = st.ReviewMode;
  st.AttributeIndexPending = st.AttributeIndex;
  st.OverwritePending = st.OverwriteConfirmed;
  // A folder picked but not confirmed is forgotten.
  SetDestFolder(st, st.ActionDestFolder);
  st.LabelActionMust.clear();
}

void ImageActionBrowseClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.ActionIndexPending < 1 || st.ActionIndexPending > 5 || st.DestChooserOpen) return;
  st.DestChooserOpen = true;
  OpenPanel(s, ui, "setNullActionMovePath");
}

void ImageActionMoveOKClick(Session& s, UserInterface& ui) {
  s.state.DestChooserOpen = false;
  ApplyPanel(s, ui);
}

void ImageActionMoveCancelClick(Session& s, UserInterface& ui) {
  s.state.DestChooserOpen = false;
  CancelDestinationChooser(s, ui);
  CancelActionPanel(s);
  OpenPanel(s, ui, "setNullIndexAction");
}

void GiveUpDestination(Session& s) {
  SessionState& st = s.state;
  SetDestFolder(st, st.WorkFolder);
  if (!InSystemTree(s, ToUpper(st.ActionDestFolder))) return;
  st.ActionDestFolder = st.WorkFolder;
  if (ActionNeedsDestination(st.ActionIndex)) {
    st.LabelActionFolderName =
        ActionFolderCaption(st.ActionIndex, st.ActionDestFolder, st.AttributeIndex);
  }
}

void ImageClearActionClick(Session& s, UserInterface& ui) {
  s.state.ActionIndexPending = 0;
  s.state.ReviewModePending = false;
  s.state.PendingKeyword = "Action";
  ApplyPanel(s, ui);
}

View ActionPanelView(const Session& s) {
  const SessionState& st = s.state;
  const int index = st.ActionIndexPending;
  View v;
  v["OptionAction"].index = index;
  v["OptionAttribute"].index = st.AttributeIndexPending;
  v["FrameAttribute"].visible = index == 7;
  v["CheckActionOverwrite"].visible = IsCopyKind(index);
  v["CheckActionOverwrite"].checked = st.OverwritePending;
  v["CheckActionMode"].checked = st.ReviewModePending;
  v["ImageActionBrowse"] = EnableButtons(s).at("ImageActionBrowse");
  v["ImageActionBrowse"].visible = ActionNeedsDestination(index);
  v["LabelActionDestination"].visible = ActionNeedsDestination(index);
  v["LabelActionDestination"].text =
      st.DestFolder == st.WorkFolder ? "" : st.DestChooserHeading + " " + st.DestFolder;
  v["LabelActionMust"].text = st.LabelActionMust;
  v["LabelActionWarning"].text =
      index == 6 ? "Deleted files can not be brought back: Undo is not available for Delete." : "";
  v["ImageActionOK"].enabled = st.ImageActionOKEnabled;
  std::string face;
  if (st.ReviewModePending) {
    face = "Review";
  } else if (index == 7) {
    face = "Attribute";
  } else if (index == 6) {
    face = "Delete";
  }
  v["ImageActionOK"].face = face;
  return v;
}

}  // namespace quillon
