#include "flow/enable_buttons.h"

#include "session/readiness.h"

namespace quillon {
namespace {

constexpr const char* kDecided[] = {
    "ImageInfoHide",    "ImageActionBrowse",   "ImageJob",
    "ImageReject",      "ImageAction",         "ImageClearAction",
    "ImageRigidity",    "ImageClearRigidity",  "ImageHelp",
    "ImageSelection",   "ImageClearSelection", "ImageRenameCriteria",
    "ImageClearRename", "ImageResetAll",       "ImagePreview",
    "ImageUndo",        "ImageViewPriority",   "CheckEasyProcess",
};

}  // namespace

View EnableButtons(const Session& s) {
  const SessionState& st = s.state;
  const RenameCriteria& c = s.rename.criteria;
  View v;
  for (const char* name : kDecided) v[name].enabled = false;
  auto enable = [&v](const char* name) { v[name].enabled = true; };

  if (!(st.SideFrame == "InfoFrame" && st.ResultShown)) enable("ImageInfoHide");
  if (!st.DestChooserOpen && st.ActionIndexPending >= 1 && st.ActionIndexPending <= 5) {
    enable("ImageActionBrowse");
  }
  if (st.ActionBusy) return v;

  // While a panel is open only the panel's own controls act; a prepared job waits.
  if (st.JobReady && !st.PanelOpen) {
    enable("ImageJob");
    if (!st.ReviewMode || st.ActionIndex < 6) enable("ImageReject");
  }
  if (!st.ResultShown) {
    for (const char* name :
         {"ImageAction", "ImageClearAction", "ImageRigidity", "ImageClearRigidity", "ImageHelp"}) {
      enable(name);
    }
    if (!st.EasyProcessOn) {
      enable("ImageSelection");
      enable("ImageClearSelection");
      if (st.ActionIndex < 4) {
        enable("ImageRenameCriteria");
        enable("ImageClearRename");
      }
    }
    if (c.CaseOn || c.SpaceOn || c.ExtOn || c.HandleOn || st.SettingsCount >= 1 ||
        st.SelectionMade || !OptionsAtDefault(s.options.OptionsCode)) {
      enable("ImageResetAll");
    }
    if ((st.RenamePending || st.CheckPending) && !st.PanelOpen) enable("ImagePreview");
    if (st.UndoAvailable && !st.PanelOpen) enable("ImageUndo");
    if (PositionalCriteriaOn(s) > 1) enable("ImageViewPriority");
    if (s.selection.SavedSelection == 0) enable("CheckEasyProcess");
  } else if (st.ActionIndex == 6 || st.ActionIndex == 7) {
    // The files to delete or re-attribute can still be changed.
    for (const char* name :
         {"ImageSelection", "ImageClearSelection", "ImageAction", "ImageClearAction"}) {
      enable(name);
    }
  }
  return v;
}

View ResetButtonVisibility(const Session& s) {
  const SessionState& st = s.state;
  View v;
  auto show = [&v](const char* button, const char* label, bool visible) {
    v[button].visible = visible;
    v[label].visible = visible;
  };
  const bool selectionReset = s.selection.SavedSelection != 0 || st.SelectionMade;
  show("ImageClearSelection", "LabelClearSelection", selectionReset);
  if (s.selection.SavedSelection != 0) {
    v["LabelClearSelection"].text = "Reset";
  } else if (st.SelectionMade) {
    v["LabelClearSelection"].text =
        st.SelectedCount < 2 ? "Reset : Unselect File" : "Reset : Unselect Files";
  }
  show("ImageClearAction", "LabelClearAction", st.ActionIndex > 0 || st.ReviewMode);
  show("ImageClearRename", "LabelClearRename", AnyRenameCriterionOn(s));
  show("ImageClearRigidity", "LabelClearRigidity", !OptionsAtDefault(s.options.OptionsCode));
  return v;
}

}  // namespace quillon
