// Builds the session from a job through the same core operations the windows use.
#include <algorithm>

#include "jobs/job_apply.h"

#include "flow/action_panel.h"
#include "flow/control_state.h"
#include "flow/folder_lists.h"
#include "flow/options_panel.h"
#include "flow/panel_dispatch.h"
#include "platform/text.h"
#include "rename/criteria_complete.h"
#include "rename/criteria_entry.h"
#include "selection/file_selection.h"
#include "session/action_kinds.h"
#include "session/work_folder.h"

namespace quillon::jobs {
namespace {

// The action as confirmed on the Action panel.
void ConfirmJobAction(Session& s, UserInterface& ui, const JobSpec& job) {
  SessionState& st = s.state;
  if (job.DestFolder) {
    st.DestFolder = WithSeparator(*job.DestFolder);
    st.DestFolderUpper = ToUpper(st.DestFolder);
  }
  st.ActionIndexPending = static_cast<std::int16_t>(ActionIndexOf(job.ActionName));
  st.ReviewModePending = false;
  st.OverwritePending = job.OverwriteConfirmed;
  st.AttributeIndexPending = job.AttributeIndex;
  st.PendingKeyword = "Action";
  ApplyPanel(s, ui);
}

// The criteria as a person would set them: the priority on the Priority panel, then the
// editor filled and confirmed. A criterion the editor calls incomplete is an error that
// names the key it lacks.
bool SetJobCriteria(Session& s, UserInterface& ui, const JobSpec& job, std::string& error) {
  RenameState& r = s.rename;
  r.ComboPriority1st = job.priority[0];
  r.ComboPriority2nd = job.priority[1];
  r.ComboPriority3rd = job.priority[2];
  s.state.PendingKeyword = "Priority";
  ApplyPanel(s, ui);

  EnterCriteria(s, ui, job.criteria);
  const Incomplete incomplete = FirstIncomplete(s);
  if (incomplete.missingKey != nullptr) {
    error = std::string("job file: criteria.") + incomplete.missingKey + ": is needed for \"" +
            incomplete.reportName + "\"";
    return false;
  }
  // Every ticked criterion is complete: the check only resets the others.
  CheckCriteriaComplete(s, ui);
  s.state.PendingKeyword = "RenameSet";
  ApplyPanel(s, ui);
  return true;
}

// The selection: clicks for "Manual", the Selection panel's OK for a rule.
bool SelectJobFiles(Session& s, UserInterface& ui, const JobSpec& job, std::string& error) {
  SelectionState& sel = s.selection;
  if (job.SelectionMode == "Manual") {
    for (const std::string& name : job.Files) {
      const auto found = std::find(sel.Files.begin(), sel.Files.end(), name);
      if (found == sel.Files.end()) {
        error = "job file: selection.Files: \"" + name + "\" is not a file of " + sel.Dir1Path;
        return false;
      }
      sel.Selected[static_cast<std::size_t>(found - sel.Files.begin())] = true;
    }
    s.state.FileListClicked = true;
    ApplyPanel(s, ui);
    return true;
  }
  sel.EdSelectMax = job.MaxSelectLimit;
  sel.EdSelectSkip = job.SelectSkip;
  sel.EdSelectKeep = false;
  sel.EdSelectNumFiles = job.SelectNumFiles;
  sel.EdSelectString = job.SelectString;
  sel.EdSelectCaseSensitive = job.SelectCaseSensitive;
  sel.EdSelectExtension = job.SelectExtension;
  const std::string& mode = job.SelectionMode;
  sel.OptSelection = mode == "ByString" ? 2 : mode == "ByExtension" ? 3 : 1;
  sel.OptSelectionNum = mode == "ByNumber" ? 1 : 0;
  s.state.PendingKeyword = "Selection";
  ApplyPanel(s, ui);
  return true;
}

// The five rigidity options as ticked on the Options panel and confirmed with OK.
void SetJobOptionsOnPanel(Session& s, UserInterface& ui, const JobSpec& job) {
  OpenOptionsPanel(s);
  const std::pair<RigidityRow, bool> rows[] = {{kRowInsertRigid, job.InsertRigid},
                                               {kRowReplaceRigid, job.ReplaceRigid},
                                               {kRowRemoveRigid, job.RemoveRigid},
                                               {kRowCharReplaceRigid, job.CharReplaceRigid},
                                               {kRowCharRemoveRigid, job.CharRemoveRigid}};
  for (const auto& [row, on] : rows) OnOptionRigidClick(s, ui, row, on ? 1 : 0);
  if (!s.optionsPanel.ImageRigidityOKEnabled) return;
  s.state.PendingKeyword = "Options";
  ApplyPanel(s, ui);
}

}  // namespace

void ApplyJobToWindow(Session& s, UserInterface& ui, const JobSpec& job) {
  SessionState& st = s.state;
  st.PendingKeyword = "ResetAll";
  ApplyPanel(s, ui);
  const std::string folder = ShownPath(WithSeparator(job.folder.value_or(s.selection.Dir1Path)));
  if (folder != s.selection.Dir1Path && PointFolderList(s, folder)) {
    OnDir1Change(s, ui);
    ui.RefreshFolderList();
  }
  ReadFileList(s);
  ui.RefreshFileList();
  SetJobOptionsOnPanel(s, ui, job);
  if (job.ActionName != "Rename") ConfirmJobAction(s, ui, job);
  std::string unused;
  if (SetJobCriteria(s, ui, job, unused)) SelectJobFiles(s, ui, job, unused);
  ui.RefreshFileList();
  SetControlState(s, ui, "setButGlobal");
}

bool ApplyJob(Session& s, UserInterface& ui, const JobSpec& job, std::string& error) {
  const std::string folder = job.folder.value_or(s.env.CurrentFolder());
  if (!PointFolderList(s, folder)) {
    error = "job file: folder: \"" + folder + "\" is not a folder";
    return false;
  }
  if (job.DestFolder && !s.files.FolderExists(*job.DestFolder)) {
    error = "job file: action.DestFolder: \"" + *job.DestFolder + "\" is not a folder";
    return false;
  }
  NoteWorkFolder(s);
  ReadFileList(s);
  s.state.DestFolder = s.state.WorkFolder;
  s.state.ActionDestFolder = s.state.WorkFolder;
  s.state.DestFolderUpper = ToUpper(s.state.DestFolder);

  Options& o = s.options;
  o.InsertRigid = job.InsertRigid;
  o.ReplaceRigid = job.ReplaceRigid;
  o.RemoveRigid = job.RemoveRigid;
  o.CharReplaceRigid = job.CharReplaceRigid;
  o.CharRemoveRigid = job.CharRemoveRigid;
  o.MaxSelectLimit = job.MaxSelectLimit;
  // The batch front end writes a journal per run; it never asks about the last one.
  o.NoUndoWarning = true;

  if (job.ActionName != "Rename") ConfirmJobAction(s, ui, job);
  return SetJobCriteria(s, ui, job, error) && SelectJobFiles(s, ui, job, error);
}

}  // namespace quillon::jobs
