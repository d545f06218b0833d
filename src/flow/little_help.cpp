#include "flow/little_help.h"

#include "session/action_kinds.h"
#include "session/readiness.h"

namespace quillon {
namespace {

constexpr const char* kCrLf = "\r\n";

// Line 2 of cases F and G.
std::string UndoOrActionLine(const Session& s) {
  std::string line = "To change Action press :- Action.";
  if (s.state.UndoAvailable)
    line = std::string("To undo last Action press :- Undo.") + kCrLf + line;
  return line;
}

// Line 4 of cases F and G.
std::string EasyProcessLine(const Session& s) {
  return s.selection.SavedSelection == 0
             ? "To process single file check the Easy Process Check Box to make it easy."
             : "To access Easy Process for single file - File Selection option need to be Reset.";
}

void CaseEditor(HelpState& h) {
  h.LabelInfo1 =
      "Set renaming options. Please do it first brfore continuing. Press OK when done to set "
      "options to take effect.";
  h.LabelInfo2 = std::string("Order of action will be following for multiple options :") + kCrLf +
                 "1 :- a.Case  b.Extension  c.Space  d.Handle";
  h.LabelInfo3 = std::string("2 :- a.Insert  b.Replace  c.Remove           3 :- Auto") + kCrLf +
                 "Priority of Insert, Replace and Remove interchangeable.";
  h.LabelInfo4 =
      "To be able to set Priority of Insert, Replace and Remove at least two of those must be "
      "selected.";
}

void CasePanel(const Session& s, HelpState& h) {
  const std::string& keyword = s.state.PendingKeyword;
  if (keyword == "Selection") {
    h.LabelInfo1 =
        "While setting File Selection option OK button will appear disabled for following "
        "reasons :";
    h.LabelInfo2 = std::string("1. Current and old File selection option is same.") + kCrLf +
                   "2. File Selection option setting is incomplete.";
    h.LabelInfo3 = "Pressing Cancel will keep your old setting.";
    h.LabelInfo4 = "You must finish or cancel setting up File Selection options to continue.";
  } else if (keyword == "Action") {
    h.LabelInfo1 = "While setting Action OK button will appear disabled for following reasons :";
    h.LabelInfo2 =
        "1. This is old setting. 2. Moving or Copying but Source and Destination Folder is same. "
        "3. Setting incomplete.";
    h.LabelInfo3 = "Pressing Cancel will keep your old setting.";
    h.LabelInfo4 = "You must finish or cancel setting up Action to continue.";
  } else if (keyword == "Options") {
    h.LabelInfo1 =
        "Disabled OK button means this is saved Options. Disabled Default means saved options is "
        "Program's Default Options.";
    h.LabelInfo2 =
        "Press Default to set Options to Default. Press Cancel to not to change old Options.";
    h.LabelInfo3 =
        "Reset button resets temporary Options only. To reset all Options to Default use Default "
        "button in Options.";
    h.LabelInfo4 = "You must finish or cancel setting up Options to continue.";
  } else if (keyword == "Help") {
    h.LabelInfo3 = s.options.ShowLittleHelp
                       ? "Uncheck the Show Information box in Options if you do not want to see "
                         "these informations from start of Program."
                       : "If you want to view Help informations from start of Program then check "
                         "the Show Little Help box in Options.";
    h.LabelInfo4 = "You must finish with Help to continue.";
  }
}

void CaseResult(const Session& s, HelpState& h) {
  const SessionState& st = s.state;
  const bool deleteOrAttribute = st.ActionIndex == 6 || st.ActionIndex == 7;
  const std::string press = "Press :- " + JobWord(st.ActionIndex) + " button to " + st.ActionName +
                            "." + kCrLf + "Press :- Cancel to cancel.";
  if (st.JobReady && !deleteOrAttribute) {
    h.LabelInfo2 = press;
    h.LabelInfo3 =
        "Everything else is disabled now. Will be enabled after any of the above action.";
  } else if (st.JobReady && deleteOrAttribute && st.SelectionMade) {
    h.LabelInfo2 = press;
    h.LabelInfo3 =
        "You can select files. Everything else is disabled now. Will be enabled after any of the "
        "above action.";
  } else if (deleteOrAttribute && !st.SelectionMade) {
    h.LabelInfo2 = "Select files to " + st.ActionName + ".";
    h.LabelInfo3 = "To cancel just reset Action by pressing Reset button next to Action button.";
  }
}

void CaseSelection(const Session& s, HelpState& h) {
  const int action = s.state.ActionIndex;
  if (action <= 3) {
    h.LabelInfo1 = AnyRenameCriterionOn(s)
                       ? "To Preview Renaming press :- Preview. You will get a message for "
                         "possible conflict if any found."
                       : "Rename Criteria is not set. Set Rename criteria or set right Action to "
                         "continue.";
    h.LabelInfo3 = "To set Rename Criteria: press :- Rename Criteria.";
  } else if (action <= 5) {
    h.LabelInfo1 =
        "To check for possible conflict press :- Finalize. You will get a message if any found.";
    h.LabelInfo3 = "To change Destination press :- Action | Set Destination.";
  } else if (action == 6) {
    h.LabelInfo3 =
        "You are trying to Delete files. Please remember, you will not get a chance to Undo it.";
  }
  h.LabelInfo2 = UndoOrActionLine(s);
  h.LabelInfo4 = EasyProcessLine(s);
}

void CaseNoSelection(const Session& s, HelpState& h) {
  const int action = s.state.ActionIndex;
  h.LabelInfo1 = s.selection.SavedSelection == 0
                     ? "Select files manually. For auto selection depending on specific criteria "
                       "press :- File Selection."
                     : "Change your selection criteria. There is no file to select with set "
                       "Criteria.";
  h.LabelInfo4 = EasyProcessLine(s);
  h.LabelInfo2 = UndoOrActionLine(s);
  if (action == 0) {
    h.LabelInfo3 = "To set Rename Criteria press :- Rename Criteria.";
  } else if (action <= 3) {
    h.LabelInfo3 =
        "To set Rename Criteria: press :- Rename Criteria. For Destination: press :- Action | Set "
        "Destination.";
  } else if (action == 6) {
    h.LabelInfo3 =
        "You are trying to Delete files. Please remember, you will not get a chance to Undo it.";
  }
}

bool AnythingToReset(const Session& s) {
  return s.selection.SavedSelection > 0 || s.state.ActionIndex > 0 || AnyRenameCriterionOn(s) ||
         s.options.OptionsCode != 3 || s.state.SelectionMade;
}

// The position of the single selected file in File1, 1-based; 0 when not exactly one.
std::size_t SingleSelectedPosition(const Session& s) {
  if (!s.state.SelectionMade || s.state.SelectedCount != 1) return 0;
  if (s.selection.store.size() == 1) return std::stoul(s.selection.store.ComboIndex[0]) + 1;
  const std::vector<bool>& flags = s.selection.Selected;
  for (std::size_t i = 0; i < flags.size(); ++i) {
    if (flags[i]) return i + 1;
  }
  return 0;
}

}  // namespace

std::string JobWord(int actionIndex) {
  if (actionIndex < 0 || actionIndex >= static_cast<int>(kActionKinds.size())) return "";
  return std::string(kActionKinds[static_cast<std::size_t>(actionIndex)].jobCaption);
}

std::string SelectFileCaption(const Session& s) {
  const SessionState& st = s.state;
  if (!st.SelectionMade || st.SelectedCount < 1) {
    return st.SelectionMode == "Manual" ? "Select File" : "Could not Select any File";
  }
  return std::to_string(st.SelectedCount) + " File" + (st.SelectedCount > 1 ? "s" : "") +
         " Selected";
}

std::string ListFileCaption(const Session& s) {
  const SessionState& st = s.state;
  const std::size_t lines = s.selection.List1.size();
  if (!st.JobReady || lines == 0) return "";
  const std::string plural = lines > 1 ? "s" : "";
  const std::string& action = st.ActionName;
  const std::string newNames = "New Name" + plural + " - File" + plural;
  if (action == "Rename") return newNames + " to be Renamed";
  if (action == "Move And Rename") return newNames + " to be Moved";
  if (action == "Rename And Copy" || action == "Copy And Rename") return newNames + " to be Copied";
  if (action == "Move") return "File" + plural + " to be Moved";
  if (action == "Copy") return "File" + plural + " to be Copied";
  if (action == "Delete") return "File" + plural + " to be Deleted";
  if (action == "Set Attribute") return "File" + plural + " Attribute to be changed";
  return "";
}

void UpdateLittleHelp(Session& s) {
  const SessionState& st = s.state;
  HelpState& h = s.help;
  h.LabelInfo1.clear();
  h.LabelInfo2.clear();
  h.LabelInfo3.clear();
  h.LabelInfo4.clear();

  h.LabelHelpOption =
      st.SideFrame != "InfoFrame"
          ? "To view Little Help please press Info button at bottom right of the main window."
          : "";

  h.LabelReviewModeHighlight = false;
  if (s.actions.UndoJustDone) {
    s.actions.UndoJustDone = false;
    h.LabelReviewMode = "Undo Complete";
    h.LabelReviewModeHighlight = true;
  } else if (s.actions.MissingJustCounted) {
    // Files gone since the preview are not silently skipped.
    s.actions.MissingJustCounted = false;
    const std::size_t done = s.actions.doneCount;
    h.LabelReviewMode = std::to_string(done) + (done == 1 ? " file" : " files") + " done, " +
                        std::to_string(s.actions.missingCount) + " not found";
    h.LabelReviewModeHighlight = true;
  } else if (st.ReviewMode) {
    h.LabelReviewMode = "Review Mode";
  } else if (s.options.NoUndoWarning && st.UndoAvailable) {
    h.LabelReviewMode = "Last Action Undo Possible";
  } else {
    h.LabelReviewMode.clear();
  }

  h.LabelRenamePriority = "Priority :";
  if (!st.ResultShown) {
    if (st.SideFrame == "InfoFrame") h.LabelRenamePriority = "Priority : To access press Hide.";
    if (st.SideFrame.empty()) h.LabelRenamePriority = "Priority : To change press Priority.";
  }

  h.LabelSelectFile = SelectFileCaption(s);
  h.LabelListFile = ListFileCaption(s);
  const std::size_t position = st.EasyProcessOn
                                   ? static_cast<std::size_t>(s.easy.SingleFileIndex + 1)
                                   : SingleSelectedPosition(s);
  h.LabelFileNum = position > 0 ? "File # " + std::to_string(position) : "";
  h.FrameInfoCaption =
      AnythingToReset(s) ? " Little Help : Reset buttons resets Settings " : " Little Help ";

  if (h.EditorHelpShown) {
    CaseEditor(h);
  } else if (st.ActionBusy) {
    h.LabelInfo3 = "Working.....Please Wait.";
  } else if (st.EasyProcessOn) {
    h.LabelInfo2 = "To change Action press :- Action.";
    h.LabelInfo4 = "To process multiple files please Uncheck the Easy Process Check Box.";
  } else if (st.PanelOpen) {
    CasePanel(s, h);
  } else if (st.ResultShown) {
    CaseResult(s, h);
  } else if (st.SelectionMade) {
    CaseSelection(s, h);
  } else {
    CaseNoSelection(s, h);
  }
}

View LittleHelpView(const Session& s) {
  const HelpState& h = s.help;
  View v;
  v["LabelInfo1"].text = h.LabelInfo1;
  v["LabelInfo2"].text = h.LabelInfo2;
  v["LabelInfo3"].text = h.LabelInfo3;
  v["LabelInfo4"].text = h.LabelInfo4;
  v["FrameInfo"].text = h.FrameInfoCaption;
  v["LabelHelpOption"].text = h.LabelHelpOption;
  v["LabelReviewMode"].text = h.LabelReviewMode;
  v["LabelReviewMode"].colour = h.LabelReviewModeHighlight ? kHighlight : kDefaultColour;
  v["LabelRenamePriority"].text = h.LabelRenamePriority;
  v["LabelSelectFile"].text = h.LabelSelectFile;
  v["LabelFileNum"].text = h.LabelFileNum;
  v["LabelListFile"].text = h.LabelListFile;
  return v;
}

}  // namespace quillon
