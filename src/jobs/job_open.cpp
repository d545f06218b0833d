#include "jobs/job_open.h"

#include "jobs/job_apply.h"
#include "jobs/job_write.h"
#include "platform/atomic_file.h"
#include "platform/text.h"
#include "session/work_folder.h"
#include "ui/messages.h"
#include "ui/silent_ui.h"

namespace quillon::jobs {
namespace {

// Job files are small; anything larger is not one.
constexpr std::size_t kMaxJobFileBytes = std::size_t{64} << 20;

void ShowProblem(Session& s, UserInterface& ui, const std::string& text) {
  s.message.MessageKey = "MessageOnlyReadyMsg";
  s.message.MessageReadyText = text;
  ShowReadyMessage(s, ui);
}

// A relative folder of a job is taken from the current folder, as quillon-cli takes it.
std::string Absolute(const Session& s, const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  return WithSeparator(s.env.CurrentFolder()) + path;
}

// Runs the job on a fresh session over the same files: the errors quillon-cli would
// give, without touching the window's session.
bool CheckOnFreshSession(const Session& s, const JobSpec& job, std::string& error) {
  Session trial(s.files, s.env);
  trial.options = s.options;
  trial.state.ProductName = s.state.ProductName;
  SilentUi ui;
  return ApplyJob(trial, ui, job, error);
}

// The system folder is refused as the folder list refuses it.
bool OutsideSystemFolder(const Session& s, const JobSpec& job, std::string& error) {
  const SessionState& st = s.state;
  if (s.options.AllowSystemFolder || st.WindowsFolderUpper.empty()) return true;
  if (ToUpper(WithSeparator(*job.folder)) != st.WindowsFolderUpper) return true;
  error = "job file: folder: \"" + *job.folder +
          "\" is the system folder, which the Options keep out of reach";
  return false;
}

}  // namespace

bool SaveJobEnabled(const Session& s) {
  const SessionState& st = s.state;
  return !st.ActionBusy && !st.PanelOpen && !st.DestChooserOpen;
}

bool OpenJobEnabled(const Session& s) {
  return SaveJobEnabled(s) && !s.state.ResultShown && !s.state.EasyProcessOn;
}

bool OpenJobFile(Session& s, UserInterface& ui, const std::string& path) {
  if (!OpenJobEnabled(s)) return false;
  const auto text = ReadWholeFile(path, kMaxJobFileBytes);
  if (!text) {
    ShowProblem(s, ui, "The job file " + path + " can not be read: " + text.error().Describe());
    return false;
  }
  std::string error;
  auto job = ParseJob(*text, error);
  if (job) {
    job->folder = Absolute(s, job->folder.value_or(s.selection.Dir1Path));
    if (job->DestFolder) job->DestFolder = Absolute(s, *job->DestFolder);
  }
  if (!job || !OutsideSystemFolder(s, *job, error) || !CheckOnFreshSession(s, *job, error)) {
    ShowProblem(s, ui, "The job file " + path + " was not opened. " + error);
    return false;
  }
  ApplyJobToWindow(s, ui, *job);
  return true;
}

bool SaveJobFile(Session& s, UserInterface& ui, const std::string& path) {
  if (!SaveJobEnabled(s)) return false;
  std::string error;
  const auto text = WriteJob(JobFromSession(s), error);
  if (!text) {
    ShowProblem(s, ui, "The job was not saved. " + error);
    return false;
  }
  if (const Status written = WriteFileAtomic(path, *text); !written) {
    ShowProblem(s, ui, "The job was not saved to " + path + ": " + written.error().Describe());
    return false;
  }
  return true;
}

}  // namespace quillon::jobs
