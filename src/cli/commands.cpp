#include "cli/commands.h"

#include <unistd.h>
#include <algorithm>
#include <cstring>
#include <iostream>

#include "actions/job_journal.h"
#include "cli/cli_ui.h"
#include "cli/job_io.h"
#include "cli/output.h"
#include "flow/job_bar.h"
#include "jobs/job_apply.h"
#include "jobs/job_file.h"
#include "jobs/job_write.h"
#include "platform/data_places.h"
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

// The journal's place, absolute: given, or journal.json in the state folder the window
// uses too (--data-folder or QUILLON_DATA_FOLDER, else ~/.local/state/Quillon; without a
// home, the folder "Quillon" of the current folder), made private to the user when it
// is made.
std::string JournalPath(const Arguments& args, Session& s, bool create) {
  if (args.journal) return AbsolutePath(*args.journal);
  std::string folder = FindDataPlaces(s.env, args.dataFolder.value_or("")).state;
  if (folder.empty()) folder = WithSeparator(s.env.CurrentFolder()) + s.state.ProductName;
  if (create) (void)MakePrivateFolders(folder);
  return folder + "/journal.json";
}

// What the system says went wrong: the reason given, or the text of the error number.
std::string Reason(const OsError& error) {
  return error.reason.empty() ? std::strerror(error.code) : error.reason;
}

// A job-file message without its "job file: " lead, for a line that names the file.
std::string AfterJobFile(const std::string& message) {
  const std::string lead = "job file: ";
  return message.rfind(lead, 0) == 0 ? message.substr(lead.size()) : message;
}

// A job file the parser refused: where its JSON goes wrong, when that is the reason.
int JobFileError(Output& out, const std::string& file, const std::string& text,
                 const std::string& error) {
  if (const auto syntax = jobs::FindJsonSyntaxError(text)) {
    const std::string line = std::to_string(syntax->line);
    const std::string column = std::to_string(syntax->column);
    out.object()["error"] = {{"line", syntax->line}, {"column", syntax->column}};
    return out.Error(
        "job file: not valid JSON at line " + line + ", column " + column + ": " + syntax->reason,
        file + ":" + line + ":" + column, "not valid JSON: " + syntax->reason);
  }
  return out.Error(error, file, AfterJobFile(error));
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

// The end of a run or undo: the error report of a failed file operation, if any. The
// JSON keeps the report as the window shows it; standard error gets the file and the
// system's reason, which is what a refusal by the file system is (a full disk, a
// read-only folder), with the report's tag after it.
int FinishWithErrorReport(Output& out, const Session& s, const CliUi& ui) {
  const ShownMessage* report = ui.ErrorReport();
  if (report == nullptr) {
    out.object()["error"] = nullptr;
    return out.Finish(kExitDone);
  }
  nlohmann::json error = {{"tag", report->key}, {"text", report->text}};
  const std::string tag = " (" + report->key + ")";
  if (const auto& reason = s.actions.lastError) {
    SetName(error, "file", reason->path);
    error["os_error"] = std::strerror(reason->code);
    out.Complain(reason->path, Reason(*reason) + tag);
  } else {
    out.Complain("", "the job stopped on an unexpected error" + tag);
  }
  out.object()["error"] = error;
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
  if (!text) return out.Error(error, *args.saveJob, AfterJobFile(error));
  if (const Status written = WriteJobText(*args.saveJob, *text); !written) {
    return out.Error(
        "--save-job: cannot write " + *args.saveJob + ": " + written.error().Describe(),
        *args.saveJob, "cannot save the job: " + Reason(written.error()));
  }
  return std::nullopt;
}

}  // namespace

int PreviewOrRun(const Arguments& args) {
  Output out(args.json);
  Session& s = NewMachine().session;
  out.object()["command"] = args.command;

  const std::string jobFile = JobFileName(args.jobPath);
  const auto text = ReadJobText(args.jobPath);
  if (!text) {
    return out.Error("cannot read the job file: " + jobFile + ": " + Reason(text.error()), jobFile,
                     Reason(text.error()));
  }
  std::string error;
  auto job = jobs::ParseJob(*text, error);
  if (!job) return JobFileError(out, jobFile, *text, error);
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
  if (!jobs::ApplyJob(s, ui, *job, error)) return out.Error(error, jobFile, AfterJobFile(error));
  SetName(out.object(), "folder", s.state.WorkFolder);
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
    out.Complain("", "Conflicts found: nothing was done.");
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
  if (journaled) {
    SetName(out.object(), "journal", written);
  } else {
    out.object()["journal"] = nullptr;
  }
  // Files were selected and none was touched: that is no success.
  if (doneCount == 0 && missing > 0 && ui.ErrorReport() == nullptr) {
    const std::string why = "No file was done: the " + std::to_string(missing) +
                            " selected files were no longer there.";
    out.object()["error"] = {{"tag", nullptr}, {"text", why}};
    out.Complain("", why);
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
  if (!file.ok()) {
    // Errors of the file name it; those of its content say what is wrong in it.
    const OsError& failed = file.error();
    const bool names = failed.path.rfind('/', 0) == 0;
    return out.Error(failed.Describe(), names ? failed.path : journalPath,
                     names ? Reason(failed) : failed.Describe());
  }
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

  const std::vector<std::string>& kept = s.actions.keptByUndo;
  SetNames(out.object(), "kept", kept);
  if (!kept.empty()) {
    out.Line(std::to_string(kept.size()) + " changed cop" + (kept.size() == 1 ? "y" : "ies") +
             " kept.");
  }
  // The files those copies had replaced, out of hiding beside them.
  SetNames(out.object(), "replaced", s.actions.unhiddenByUndo);
  for (const std::string& path : s.actions.unhiddenByUndo) {
    out.Line("Replaced file back beside its copy: " + path);
  }
  return FinishWithErrorReport(out, s, ui);
}

}  // namespace quillon::cli
