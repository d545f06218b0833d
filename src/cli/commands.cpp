#include "cli/commands.h"

#include <unistd.h>
#include <algorithm>
#include <cstring>
#include <iostream>

#include "actions/job_journal.h"
#include "cli/cli_ui.h"
#include "cli/output.h"
#include "flow/job_bar.h"
#include "jobs/job_apply.h"
#include "jobs/job_file.h"
#include "jobs/job_write.h"
#include "platform/atomic_file.h"
#include "platform/posix_file_services.h"
#include "platform/private_place.h"
#include "rename/criteria.h"
#include "session/action_kinds.h"
#include "session/readiness.h"
#include "session/settings_file.h"
#include "session/work_folder.h"

namespace quillon::cli {
namespace {

// The real machine, with one session over it.
struct Machine {
  PosixFileServices files;
  PosixEnvironment env;
  Session session{files, env};
};

// The command's machine. It is left for the system to free when the process ends: the
// session of a 30,000-file job would spend milliseconds in its destructors. The pointer
// keeps it reachable, so leak checkers do not count it.
Machine& NewMachine() {
  static Machine* machine = nullptr;
  delete machine;  // a second command in one process frees the first
  machine = new Machine();
  return *machine;
}

// The journal's place, absolute: given, or journal.json in the data folder of the
// current folder (made private to the user when it is made).
std::string JournalPath(const Arguments& args, Session& s, bool create) {
  if (args.journal) return AbsolutePath(*args.journal);
  const std::string dataFolder = WithSeparator(s.env.CurrentFolder()) + s.state.ProductName;
  if (create && !s.files.FolderExists(dataFolder)) (void)CreatePrivateFolder(dataFolder);
  return dataFolder + "/journal.json";
}

// The rows of the store as the engine and the checks left them, in the form asked for.
void ListRows(Output& out, const Session& s, const SelectionStore& store) {
  const bool keepsNames = !ActionRenames(s.state.ActionIndex);
  RowsText rows;
  std::string renamed;
  for (std::size_t i = 0; i < store.size(); ++i) {
    const std::string& old = store.ComboFile1[i];
    const std::string& status =
        i < store.ComboClearString.size() ? store.ComboClearString[i] : "OK";
    const bool marked = status != "OK";
    if (!out.json()) {
      if (keepsNames) {
        out.Line({old, " -> ", old, marked ? "  " : "", marked ? status : ""});
      } else {
        out.Line({old, " -> ", store.ComboName[i], store.ComboDot[i], store.ComboExt[i],
                  marked ? "  " : "", marked ? std::string_view(status) : ""});
      }
      continue;
    }
    renamed = keepsNames ? old : store.ComboName[i] + store.ComboDot[i] + store.ComboExt[i];
    rows.Begin();
    rows.Number("index", std::stol(store.ComboIndex[i]));
    rows.String("new", renamed);
    rows.String("old", old);
    rows.String("status", status);
    rows.End();
  }
  if (out.json()) out.Raw("rows", rows.Take());
}

void ListCounters(Output& out, const std::vector<std::pair<std::string, int>>& counters) {
  nlohmann::json object = nlohmann::json::object();
  for (const auto& [name, value] : counters) object[name] = value;
  out.object()["counters"] = object;
}

// The refusals the windows show by message before or during Preview.
const char* const kRefusalKeys[] = {"MessageReplaceMultiName", "MessageSourceDestSame",
                                    "MessageAutoLetterImpossible"};

std::optional<int> Refusal(Output& out, const Session& s, const CliUi& ui) {
  for (const char* key : kRefusalKeys) {
    if (const ShownMessage* shown = ui.Find(key)) return out.Refuse(key, shown->text);
  }
  if (!s.state.SelectionMade) {
    return out.Refuse("MessageNoFileSelected", "Could not Select any File");
  }
  if (ActionRenames(s.state.ActionIndex) && !AnyRenameCriterionOn(s)) {
    return out.Refuse("MessageNoRenameCriteria",
                      "Rename Criteria is not set. Set Rename criteria or set right Action to "
                      "continue.");
  }
  return std::nullopt;
}

// The end of a run or undo: the error report of a failed file operation, if any.
// The error report names the file and the system's reason as well.
int FinishWithErrorReport(Output& out, const Session& s, const CliUi& ui) {
  const ShownMessage* report = ui.ErrorReport();
  if (report == nullptr) {
    out.object()["error"] = nullptr;
    return out.Finish(kExitDone);
  }
  nlohmann::json error = {{"tag", report->key}, {"text", report->text}};
  if (const auto& reason = s.actions.lastError) {
    error["file"] = NameJson(reason->path);
    error["os_error"] = std::strerror(reason->code);
  }
  out.object()["error"] = error;
  out.Line(report->text);
  return out.Finish(kExitFileOperation);
}

// The progress line is for a person watching a terminal, never for a script.
bool ProgressWanted(const Arguments& args) {
  return !args.json && ::isatty(STDERR_FILENO) == 1;
}

// A copy shows its bytes as well: the sizes of the rows' files, in the job's order.
std::vector<std::uint64_t> RowBytes(Session& s) {
  std::vector<std::uint64_t> sizes;
  for (const std::string& name : s.selection.store.ComboFile1) {
    const auto identity = s.files.Identify(s.state.WorkFolder + name);
    sizes.push_back(identity ? identity->size : 0);
  }
  return sizes;
}

// --save-job: the job as read, in normal form (the --folder given is not part of it).
std::optional<int> SaveJob(Output& out, const Arguments& args, const jobs::JobSpec& job) {
  std::string error;
  const auto text = jobs::WriteJob(job, error);
  if (!text) return out.Error(error);
  if (const Status written = WriteFileAtomic(*args.saveJob, *text); !written) {
    return out.Error("--save-job: cannot write " + *args.saveJob + ": " +
                     written.error().Describe());
  }
  return std::nullopt;
}

}  // namespace

int PreviewOrRun(const Arguments& args) {
  Output out(args.json);
  Session& s = NewMachine().session;
  out.object()["command"] = args.command;

  const auto text = ReadWholeFile(args.jobPath);
  if (!text) return out.Error("cannot read the job file: " + text.error().Describe());
  std::string error;
  auto job = jobs::ParseJob(*text, error);
  if (!job) return out.Error(error);
  for (const std::string& warning : job->warnings) {
    std::cerr << "quillon-cli: warning: " << warning << "\n";
  }
  if (args.saveJob) {
    if (const auto failed = SaveJob(out, args, *job)) return *failed;
  }
  if (args.folder) job->folder = *args.folder;
  // A relative folder is the current folder's; the journal keeps it absolute, so an
  // undo started elsewhere finds the same files.
  if (job->folder) job->folder = AbsolutePath(*job->folder);

  CliUi ui(s);
  ui.unselectConflicts = args.unselectConflicts;
  if (!jobs::ApplyJob(s, ui, *job, error)) return out.Error(error);
  out.object()["folder"] = NameJson(s.state.WorkFolder);
  out.object()["action"] = s.state.ActionName;
  if (const auto refused = Refusal(out, s, ui)) return *refused;

  PreviewClick(s, ui);
  if (const auto refused = Refusal(out, s, ui)) return *refused;
  const bool conflicts = ui.reportShown;
  ListRows(out, s, conflicts ? ui.reportRows : s.selection.store);
  ListCounters(out, conflicts ? ui.reportCounters : Counters(s));
  out.object()["report"] = ui.reportText;
  if (conflicts) out.Line(ui.reportText);
  out.object()["jobReady"] = s.state.JobReady;
  if (args.command == "preview") return out.Finish(conflicts ? kExitConflicts : kExitDone);

  // Run: with conflicts nothing is touched unless the marked files were unselected.
  if (conflicts && !args.unselectConflicts) {
    out.Line("Conflicts found: nothing was done.");
    return out.Finish(kExitConflicts);
  }
  if (!s.state.JobReady) return out.Refuse("MessageNoFileSelected", "Could not Select any File");
  // A deletion journals nothing; its done files are those of the store that are gone.
  const std::vector<std::string> selected =
      s.state.ActionName == "Delete" ? s.selection.store.ComboFile1 : std::vector<std::string>{};
  // The journal is written ahead of the job; a job whose journal cannot be written does
  // not start.
  const std::string journalPath = JournalPath(args, s, /*create=*/true);
  s.actions.journalPath = journalPath;
  TerminalProgress progress(std::cerr, ProgressWanted(args));
  if (ProgressWanted(args) &&
      kActionKinds[static_cast<std::size_t>(s.state.ActionIndex)].jobCaption == "Copy") {
    progress.SetRowBytes(RowBytes(s));
  }
  ui.progress = &progress;
  JobClick(s, ui);
  progress.Finish();
  // Another folder's job could be undone from this journal until now: say so.
  if (const std::string& other = s.actions.replacedJobFolder;
      !other.empty() && WithSeparator(other) != s.state.WorkFolder) {
    std::cerr << "quillon-cli: warning: " << s.actions.journalPath << " held the last job in "
              << other
              << ", which could still be undone; it is replaced and that job can no longer be "
                 "undone\n";
  }

  // What was done: the journal's rows done, or for "Delete" the files that are gone.
  RowsText done;
  std::size_t doneCount = 0;
  const UndoJournal& journal = s.actions.journal;
  if (journal.TextUndoAction == "Delete") {
    for (const std::string& name : selected) {
      if (s.files.FileExists(journal.TextUndoWorkPath + name)) continue;
      ++doneCount;
      if (!out.json()) continue;
      done.Begin();
      done.Null("new");
      done.String("old", name);
      done.End();
    }
  } else {
    doneCount = std::min(s.actions.doneCount, journal.ComboUndoOldName.size());
    for (std::size_t i = 0; out.json() && i < doneCount; ++i) {
      done.Begin();
      done.String("new", journal.ComboUndoNewName[i]);
      done.String("old", journal.ComboUndoOldName[i]);
      done.End();
    }
  }
  out.Raw("done", done.Take());
  const std::size_t missing = s.actions.missingCount;
  out.object()["missing"] = missing;
  out.Line(std::to_string(doneCount) + " file" + (doneCount == 1 ? "" : "s") + " done" +
           (missing > 0 ? ", " + std::to_string(missing) + " not found" : "") + ".");
  const std::string& written = s.actions.journalPath;
  const bool journaled = s.files.FileExists(written) && journal.TextUndoAction != "";
  out.object()["journal"] = journaled ? nlohmann::json(written) : nlohmann::json(nullptr);
  // Files were selected and none was touched: that is no success.
  if (doneCount == 0 && missing > 0 && ui.ErrorReport() == nullptr) {
    const std::string why = "No file was done: the " + std::to_string(missing) +
                            " selected files were no longer there.";
    out.object()["error"] = {{"tag", nullptr}, {"text", why}};
    out.Line(why);
    return out.Finish(kExitFileOperation);
  }
  return FinishWithErrorReport(out, s, ui);
}

int Undo(const Arguments& args) {
  Output out(args.json);
  Session& s = NewMachine().session;
  out.object()["command"] = "undo";
  const std::string journalPath = JournalPath(args, s, /*create=*/false);
  if (!s.files.FileExists(journalPath)) {
    return out.Refuse("MessageNothingToUndo",
                      "There is no Action to Undo: no journal at " + journalPath + ".");
  }
  auto file = ReadJournal(journalPath);
  if (!file.ok()) return out.Error(file.status().error().Describe());
  if (file->state == JournalState::Used || file->journal.TextUndoAction == "Delete") {
    return out.Refuse("MessageNothingToUndo", "There is no Action to Undo: the journal at " +
                                                  journalPath + " was undone already.");
  }

  CliUi ui(s);
  s.actions.journalPath = journalPath;
  const UndoJournal& journal = file->journal;
  PointFolderList(s, journal.TextUndoWorkDir);
  NoteWorkFolder(s);
  s.actions.journal = journal;
  s.state.UndoAvailable = true;
  TerminalProgress progress(std::cerr, ProgressWanted(args));
  ui.progress = &progress;
  UndoClick(s, ui);
  progress.Finish();

  // Rows are reversed where the old name is back and the new one gone (or, for kinds
  // that keep names, where the destination copy is gone); the others were skipped.
  // The rows are listed only in the JSON; the plain output counts them.
  RowsText undone;
  RowsText skipped;
  std::size_t undoneCount = 0;
  const std::size_t rows = journal.ComboUndoOldName.size();
  for (std::size_t i = 0; i < rows; ++i) {
    const bool reversed = s.actions.undoneRows.size() > i && s.actions.undoneRows[i];
    if (reversed) ++undoneCount;
    if (!out.json()) continue;
    RowsText& list = reversed ? undone : skipped;
    list.Begin();
    list.String("new", journal.ComboUndoNewName[i]);
    list.String("old", journal.ComboUndoOldName[i]);
    list.End();
  }
  out.Raw("undone", undone.Take());
  out.Raw("skipped", skipped.Take());
  out.Line(std::to_string(undoneCount) + " undone, " + std::to_string(rows - undoneCount) +
           " skipped.");

  nlohmann::json kept = nlohmann::json::array();
  for (const std::string& path : s.actions.keptByUndo) kept.push_back(NameJson(path));
  out.object()["kept"] = kept;
  if (!s.actions.keptByUndo.empty()) {
    out.Line(std::to_string(kept.size()) + " changed cop" + (kept.size() == 1 ? "y" : "ies") +
             " kept.");
  }
  // The files those copies had replaced, out of hiding beside them.
  nlohmann::json replaced = nlohmann::json::array();
  for (const std::string& path : s.actions.unhiddenByUndo) replaced.push_back(NameJson(path));
  out.object()["replaced"] = replaced;
  for (const std::string& path : s.actions.unhiddenByUndo) {
    out.Line("Replaced file back beside its copy: " + path);
  }
  return FinishWithErrorReport(out, s, ui);
}

}  // namespace quillon::cli
