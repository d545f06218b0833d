#include "flow/options_panel.h"

#include <numeric>

#include "flow/action_panel.h"
#include "flow/control_state.h"
#include "flow/panel_dispatch.h"
#include "flow/panel_opening.h"
#include "platform/text.h"
#include "selection/folder_change.h"
#include "session/work_folder.h"

namespace quillon {
namespace {

constexpr std::array<std::int16_t, 8> kWeights{kWeightInsertRigid,       kWeightReplaceRigid,
                                               kWeightRemoveRigid,       kWeightCharReplaceRigid,
                                               kWeightCharRemoveRigid,   kWeightShowLittleHelp,
                                               kWeightAllowSystemFolder, kWeightNoUndoWarning};

std::int16_t& GroupIndex(OptionsPanelState& p, RigidityRow row) {
  switch (row) {
    case kRowInsertRigid:
      return p.OptInsertRigid;
    case kRowReplaceRigid:
      return p.OptReplaceRigid;
    case kRowRemoveRigid:
      return p.OptRemoveRigid;
    case kRowCharReplaceRigid:
      return p.OptCharReplaceRigid;
    default:
      return p.OptCharRemoveRigid;
  }
}

bool& OptionFlag(Options& o, RigidityRow row) {
  switch (row) {
    case kRowInsertRigid:
      return o.InsertRigid;
    case kRowReplaceRigid:
      return o.ReplaceRigid;
    case kRowRemoveRigid:
      return o.RemoveRigid;
    case kRowCharReplaceRigid:
      return o.CharReplaceRigid;
    default:
      return o.CharRemoveRigid;
  }
}

constexpr RigidityRow kGroups[] = {kRowInsertRigid, kRowReplaceRigid, kRowRemoveRigid,
                                   kRowCharReplaceRigid, kRowCharRemoveRigid};

void SetWeight(OptionsPanelState& p, RigidityRow row, bool on) {
  p.weights[row] = on ? kWeights[row] : 0;
}

// Setting a control from code runs its click handler: the weights follow.
void SelectGroup(OptionsPanelState& p, RigidityRow row, std::int16_t index) {
  GroupIndex(p, row) = index;
  SetWeight(p, row, index == 1);
}

void TickHelp(Session& s, bool ticked) {
  OptionsPanelState& p = s.optionsPanel;
  p.CheckHelpRigid = ticked;
  SetWeight(p, kRowHelpRigid, ticked);
  s.options.ShowLittleHelpPending = ticked;
  // The Info frame opens when the panel closes.
  if (ticked) s.state.SavedSideFrame = "InfoFrame";
}

void TickUndoWarn(Session& s, bool ticked) {
  OptionsPanelState& p = s.optionsPanel;
  p.CheckUndoWarnRigid = ticked;
  SetWeight(p, kRowUndoWarnRigid, ticked);
  s.options.NoUndoWarningPending = ticked;
}

void TickAllowSystem(Session& s, bool ticked) {
  OptionsPanelState& p = s.optionsPanel;
  p.CheckAllowSystemRigid = ticked;
  SetWeight(p, kRowAllowSystemRigid, ticked);
}

// Default and Reset: the five groups at their defaults, the system folder left.
void GroupsToDefault(Session& s, UserInterface& ui) {
  Options& o = s.options;
  OptionsPanelState& p = s.optionsPanel;
  if (o.AllowSystemFolder) {
    LeaveSystemFolder(s, ui);
    o.AllowSystemFolder = false;
    TickAllowSystem(s, false);
  }
  for (RigidityRow row : kGroups) {
    const bool mark = row == kRowInsertRigid || row == kRowReplaceRigid;
    SelectGroup(p, row, mark ? 1 : 0);
    OptionFlag(o, row) = mark;
  }
}

}  // namespace

void ImageRigidityClick(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.ResultShown) return;
  st.PanelOpen = true;
  st.PendingKeyword = "Options";
  OpenPanel(s, ui, "setNullRigidity");
}

void OpenOptionsPanel(Session& s) {
  TickUndoWarn(s, s.options.NoUndoWarning);
  // Only a tick by the user asks for the Info frame when the panel closes.
  const std::string savedSideFrame = s.state.SavedSideFrame;
  TickHelp(s, s.options.ShowLittleHelp);
  s.state.SavedSideFrame = savedSideFrame;
  s.options.ShowLittleHelpPending = s.options.ShowLittleHelp;
  s.optionsPanel.ImageRigidityDefaultEnabled = s.options.OptionsCode != 3;
  s.optionsPanel.ImageRigidityOKEnabled = false;
}

void OnOptionRigidClick(Session& s, UserInterface& ui, RigidityRow row, std::int16_t index) {
  SelectGroup(s.optionsPanel, row, index);
  SetControlState(s, ui, "setButOnlyRigidity");
}

void OnCheckHelpRigidClick(Session& s, UserInterface& ui, bool ticked) {
  TickHelp(s, ticked);
  SetControlState(s, ui, "setButOnlyRigidity");
}

void OnCheckAllowSystemRigidClick(Session& s, UserInterface& ui, bool ticked) {
  TickAllowSystem(s, ticked);
  SetControlState(s, ui, "setButOnlyRigidity");
}

void OnCheckUndoWarnRigidClick(Session& s, UserInterface& ui, bool ticked) {
  TickUndoWarn(s, ticked);
  SetControlState(s, ui, "setButOnlyRigidity");
}

void RefreshOptionsButtons(Session& s) {
  OptionsPanelState& p = s.optionsPanel;
  s.options.OptionsCodePending =
      static_cast<std::int16_t>(std::accumulate(p.weights.begin(), p.weights.end(), 0));
  p.ImageRigidityOKEnabled = s.options.OptionsCodePending != s.options.OptionsCode;
  p.ImageRigidityDefaultEnabled = s.options.OptionsCode != 3;
}

void ImageRigidityOKClick(Session& s, UserInterface& ui) {
  if (!s.optionsPanel.ImageRigidityOKEnabled) return;
  ApplyPanel(s, ui);
}

void ImageRigidityDefaultClick(Session& s, UserInterface& ui) {
  s.state.PendingKeyword = "RigidityDefault";
  ApplyPanel(s, ui);
}

void ImageRigidityCancelClick(Session& s, UserInterface& ui) {
  CancelPanel(s, ui);
}

void ImageClearRigidityClick(Session& s, UserInterface& ui) {
  s.state.PendingKeyword = "ResetRigidity";
  ApplyPanel(s, ui);
}

void ApplyOptionsPanel(Session& s, UserInterface& ui) {
  Options& o = s.options;
  OptionsPanelState& p = s.optionsPanel;
  for (RigidityRow row : kGroups) {
    const std::int16_t index = GroupIndex(p, row);
    if (index == 0 || index == 1) OptionFlag(o, row) = index == 1;
  }
  if (p.CheckAllowSystemRigid) {
    o.AllowSystemFolder = true;
  } else if (o.AllowSystemFolder) {
    LeaveSystemFolder(s, ui);
    o.AllowSystemFolder = false;
  }
  o.NoUndoWarning = o.NoUndoWarningPending;
  o.ShowLittleHelp = o.ShowLittleHelpPending;
  o.OptionsCode = o.OptionsCodePending;
}

void RigidityDefault(Session& s, UserInterface& ui) {
  Options& o = s.options;
  GroupsToDefault(s, ui);
  TickUndoWarn(s, false);
  const std::string savedSideFrame = s.state.SavedSideFrame;
  TickHelp(s, false);
  s.state.SavedSideFrame = savedSideFrame;
  o.NoUndoWarning = false;
  o.ShowLittleHelp = false;
  o.OptionsCode = o.OptionsCodePending = 3;
}

void ResetRigidity(Session& s, UserInterface& ui) {
  Options& o = s.options;
  if (OptionsAtDefault(o.OptionsCode)) return;
  GroupsToDefault(s, ui);
  o.OptionsCode = 3;
  if (o.NoUndoWarning) o.OptionsCode += kWeightNoUndoWarning;
  if (o.ShowLittleHelp) o.OptionsCode += kWeightShowLittleHelp;
  o.OptionsCodePending = o.OptionsCode;
}

void CancelOptionsPanel(Session& s) {
  const Options& o = s.options;
  OptionsPanelState& p = s.optionsPanel;
  for (RigidityRow row : kGroups) {
    SelectGroup(p, row, OptionFlag(s.options, row) ? 1 : 0);
  }
  TickAllowSystem(s, o.AllowSystemFolder);
  TickUndoWarn(s, o.NoUndoWarning);
  const std::string savedSideFrame = s.state.SavedSideFrame;
  TickHelp(s, o.ShowLittleHelp);
  s.state.SavedSideFrame = savedSideFrame;
  RefreshOptionsButtons(s);
}

void LeaveSystemFolder(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  SelectionState& sel = s.selection;
  if (sel.SystemTreeEntered) {
    const std::int16_t pos = sel.SystemTreeEntryPos;
    if (pos >= 0 && static_cast<std::size_t>(pos) < st.FolderHistory.size()) {
      st.FolderHistory.resize(static_cast<std::size_t>(pos) + 1);
      st.FolderHistoryLast = st.FolderHistoryPos = pos;
      sel.SystemTreeEntered = false;
      sel.SystemTreeEntryPos = 0;
      if (PointFolderList(s, st.FolderHistory.back())) {
        FolderChanged(s, ui);
        ui.RefreshFolderList();
        ui.RefreshFileList();
      }
    }
  }
  // A destination in the system tree is given up for the working folder.
  if (InSystemTree(s, st.DestFolderUpper) || InSystemTree(s, ToUpper(st.ActionDestFolder))) {
    GiveUpDestination(s);
  }
}

View OptionsPanelView(const Session& s) {
  const OptionsPanelState& p = s.optionsPanel;
  View v;
  v["OptionInsertRigid"].index = p.OptInsertRigid;
  v["OptionReplaceRigid"].index = p.OptReplaceRigid;
  v["OptionRemoveRigid"].index = p.OptRemoveRigid;
  v["OptionCharReplaceRigid"].index = p.OptCharReplaceRigid;
  v["OptionCharRemoveRigid"].index = p.OptCharRemoveRigid;
  v["CheckHelpRigid"].checked = p.CheckHelpRigid;
  v["CheckUndoWarnRigid"].checked = p.CheckUndoWarnRigid;
  v["CheckAllowSystemRigid"].checked = p.CheckAllowSystemRigid;
  v["CheckAllowSystemRigid"].colour = p.CheckAllowSystemRigid ? kRed : kDefaultColour;
  v["ImageRigidityOK"].enabled = p.ImageRigidityOKEnabled;
  v["ImageRigidityOK"].face = p.CheckAllowSystemRigid ? "System" : "";
  v["ImageRigidityDefault"].enabled = p.ImageRigidityDefaultEnabled;
  return v;
}

}  // namespace quillon
