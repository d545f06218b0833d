#include "cli/cli_args.h"

#include <algorithm>

namespace quillon::cli {
namespace {

const char* const kExitCodes =
    "Exit status:\n"
    "  0  preview: no conflict, the job is ready; run, undo: done\n"
    "  1  conflicts found (the report is printed); for run, nothing was touched\n"
    "  2  usage or job-file error: the message names the key or argument; nothing touched\n"
    "  3  a file operation failed: the error report is printed; what was done before it\n"
    "     is journaled and can be undone\n"
    "  4  refused with one of the system's messages (nothing selected, no criterion on,\n"
    "     source folder equals destination, too few auto letters, nothing to undo)\n";

const char* const kPreviewHelp =
    "usage: quillon-cli preview JOB.json [--folder DIR] [--save-job FILE] [--json]\n"
    "\n"
    "Selects the files the job names, computes their new names, runs the conflict checks\n"
    "and prints every selected row (old -> new) and the conflict report. Touches no file.\n"
    "\n"
    "Options:\n"
    "  --folder DIR      work in DIR instead of the job file's \"folder\"\n"
    "  --save-job FILE   write the job back to FILE in normal form: keys in order, no\n"
    "                    defaults, no keys without effect (the --folder is not saved)\n"
    "  --json            print one JSON object instead of lines\n"
    "  --help            this help\n";

const char* const kRunHelp =
    "usage: quillon-cli run JOB.json [--folder DIR] [--journal FILE] [--unselect-conflicts]\n"
    "                       [--json]\n"
    "\n"
    "Previews the job, then runs it as the window's Job button does. The undo journal is\n"
    "written before any file is touched, so a run that is cut short can be undone. On a\n"
    "terminal, progress is shown on standard error.\n"
    "\n"
    "Options:\n"
    "  --folder DIR            work in DIR instead of the job file's \"folder\"\n"
    "  --journal FILE          the undo journal (default: Quillon/journal.json in the\n"
    "                          current folder); an earlier journal there is replaced\n"
    "  --unselect-conflicts    drop the conflicting files and run on the rest (without\n"
    "                          it, conflicts stop the run before anything is touched)\n"
    "  --json                  print one JSON object instead of lines\n"
    "  --help                  this help\n";

const char* const kUndoHelp =
    "usage: quillon-cli undo [--journal FILE] [--json]\n"
    "\n"
    "Undoes the last run from its journal, once: renamed files get their names back,\n"
    "moved files go back, attributes are set as they were, copies are deleted unless\n"
    "they were changed since the run (those are kept and listed; a file such a copy\n"
    "had replaced comes back beside it as NAME.replaced). Deletions cannot be undone.\n"
    "\n"
    "Options:\n"
    "  --journal FILE   the journal to undo (default: Quillon/journal.json in the\n"
    "                   current folder)\n"
    "  --json           print one JSON object instead of lines\n"
    "  --help           this help\n";

bool Is(const std::string& command) {
  return command == "preview" || command == "run" || command == "undo";
}

}  // namespace

const char* const kUsage =
    "usage:\n"
    "  quillon-cli preview JOB.json [--folder DIR] [--save-job FILE] [--json]\n"
    "  quillon-cli run     JOB.json [--folder DIR] [--journal FILE] [--unselect-conflicts] "
    "[--json]\n"
    "  quillon-cli undo    [--journal FILE] [--json]\n"
    "  quillon-cli --help | --version\n"
    "  quillon-cli COMMAND --help\n";

std::string HelpText(const std::string& command) {
  if (command == "preview") return std::string(kPreviewHelp) + "\n" + kExitCodes;
  if (command == "run") return std::string(kRunHelp) + "\n" + kExitCodes;
  if (command == "undo") return std::string(kUndoHelp) + "\n" + kExitCodes;
  return std::string(
             "quillon-cli previews, runs and undoes Quillon jobs without a window. A job file\n"
             "(JSON) says which files of a folder to select, the rename criteria, the options\n"
             "and the action; every rule is the one the window applies.\n\n") +
         kUsage + "\n" + kExitCodes + "\nSee quillon-cli COMMAND --help, and man quillon-cli.\n";
}

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, std::string& error) {
  Arguments parsed;
  if (args.empty()) {
    error = "missing command";
    return std::nullopt;
  }
  const std::string& command = args[0];
  if (args.size() == 1 && (command == "--help" || command == "--version")) {
    parsed.command = command.substr(2);
    return parsed;
  }
  if (!Is(command)) {
    error = "unknown command '" + command + "'";
    return std::nullopt;
  }
  // COMMAND --help, wherever it stands.
  if (std::find(args.begin() + 1, args.end(), "--help") != args.end()) {
    parsed.command = "help";
    parsed.helpFor = command;
    return parsed;
  }
  parsed.command = command;
  std::size_t i = 1;
  if (command != "undo") {
    if (args.size() < 2 || args[1].rfind("--", 0) == 0) {
      error = command + " needs a job file";
      return std::nullopt;
    }
    parsed.jobPath = args[1];
    i = 2;
  }
  for (; i < args.size(); ++i) {
    const std::string& option = args[i];
    const bool hasValue = i + 1 < args.size();
    if (option == "--json") {
      parsed.json = true;
    } else if (option == "--folder" && command != "undo" && hasValue) {
      parsed.folder = args[++i];
    } else if (option == "--journal" && command != "preview" && hasValue) {
      parsed.journal = args[++i];
    } else if (option == "--save-job" && command == "preview" && hasValue) {
      parsed.saveJob = args[++i];
    } else if (option == "--unselect-conflicts" && command == "run") {
      parsed.unselectConflicts = true;
    } else {
      error = "unexpected argument '" + option + "'";
      return std::nullopt;
    }
  }
  return parsed;
}

}  // namespace quillon::cli
