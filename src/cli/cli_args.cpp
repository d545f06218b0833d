#include "cli/cli_args.h"

#include <getopt.h>

#include <algorithm>
#include <initializer_list>

namespace quillon::cli {
namespace {

const char* const kExitCodes =
    "Exit status:\n"
    "  0  preview: no conflict, the job is ready; run, undo: done\n"
    "  1  conflicts found (the report is printed); for run, nothing was touched\n"
    "  2  usage or job-file error: the message names the key or argument; nothing touched\n"
    "  3  a file operation failed: the file and the reason are said; what was done\n"
    "     before it is journaled and can be undone\n"
    "  4  refused with one of the system's messages (nothing selected, no criterion on,\n"
    "     source folder equals destination, too few auto letters, nothing to undo)\n";

const char* const kPreviewHelp =
    "usage: quillon-cli preview JOB.json [--folder DIR] [--save-job FILE] [--json]\n"
    "\n"
    "Selects the files the job names, computes their new names, runs the conflict checks\n"
    "and prints every selected row (old -> new) and the conflict report. Touches no file.\n"
    "JOB.json may be - for standard input.\n"
    "\n"
    "Options:\n"
    "  --folder DIR      work in DIR instead of the job file's \"folder\"\n"
    "  --save-job FILE   write the job back to FILE in normal form: keys in order, no\n"
    "                    defaults, no keys without effect (the --folder is not saved);\n"
    "                    an existing FILE keeps its permissions, a link its target\n"
    "  --json            print one JSON object instead of lines\n"
    "  -h, --help        this help\n";

const char* const kRunHelp =
    "usage: quillon-cli run JOB.json [--folder DIR] [--journal FILE] [--unselect-conflicts]\n"
    "                       [--json]\n"
    "\n"
    "Previews the job, then runs it as the window's Job button does. The undo journal is\n"
    "written before any file is touched, so a run that is cut short can be undone. On a\n"
    "terminal, progress is shown on standard error. JOB.json may be - for standard\n"
    "input.\n"
    "\n"
    "Options:\n"
    "  --folder DIR            work in DIR instead of the job file's \"folder\"\n"
    "  --journal FILE          the undo journal (default: journal.json in the state\n"
    "                          folder, ~/.local/state/Quillon); an earlier journal there\n"
    "                          is replaced\n"
    "  --data-folder DIR       keep the journal in DIR (also QUILLON_DATA_FOLDER)\n"
    "  --unselect-conflicts    drop the conflicting files and run on the rest (without\n"
    "                          it, conflicts stop the run before anything is touched)\n"
    "  --json                  print one JSON object instead of lines\n"
    "  -h, --help              this help\n";

const char* const kUndoHelp =
    "usage: quillon-cli undo [--journal FILE] [--data-folder DIR] [--json]\n"
    "\n"
    "Undoes the last run from its journal, once: renamed files get their names back,\n"
    "moved files go back, attributes are set as they were, copies are deleted unless\n"
    "they were changed since the run (those are kept and listed; a file such a copy\n"
    "had replaced comes back beside it as NAME.replaced). Deletions cannot be undone.\n"
    "\n"
    "Options:\n"
    "  --journal FILE      the journal to undo (default: journal.json in the state\n"
    "                      folder, ~/.local/state/Quillon)\n"
    "  --data-folder DIR   the journal in DIR (also QUILLON_DATA_FOLDER)\n"
    "  --json              print one JSON object instead of lines\n"
    "  -h, --help          this help\n";

const char* const kCommonNotes =
    "Options may come before or after the command and the job file; --opt VALUE and\n"
    "--opt=VALUE are the same, and -- ends the options. Standard output carries the rows\n"
    "and the results only (or the one JSON object of --json); errors and refusals go to\n"
    "standard error as \"quillon-cli: FILE: reason\".\n";

bool Is(const std::string& command) {
  return command == "preview" || command == "run" || command == "undo";
}

enum Option : int {
  kHelp = 'h',
  kVersion = 'V',
  kFolder = 256,
  kJournal,
  kSaveJob,
  kUnselectConflicts,
  kJson,
  kDataFolder,
};

const struct option kOptions[] = {
    {"folder", required_argument, nullptr, kFolder},
    {"journal", required_argument, nullptr, kJournal},
    {"save-job", required_argument, nullptr, kSaveJob},
    {"unselect-conflicts", no_argument, nullptr, kUnselectConflicts},
    {"json", no_argument, nullptr, kJson},
    {"data-folder", required_argument, nullptr, kDataFolder},
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

// The commands an option belongs to.
struct Belonging {
  int option;
  const char* name;
  std::initializer_list<const char*> commands;
};
const Belonging kBelongs[] = {
    {kFolder, "--folder", {"preview", "run"}},
    {kJournal, "--journal", {"run", "undo"}},
    {kDataFolder, "--data-folder", {"run", "undo"}},
    {kSaveJob, "--save-job", {"preview"}},
    {kUnselectConflicts, "--unselect-conflicts", {"run"}},
};

}  // namespace

const char* const kUsage =
    "usage:\n"
    "  quillon-cli preview JOB.json [--folder DIR] [--save-job FILE] [--json]\n"
    "  quillon-cli run     JOB.json [--folder DIR] [--journal FILE] [--data-folder DIR]\n"
    "                      [--unselect-conflicts] [--json]\n"
    "  quillon-cli undo    [--journal FILE] [--data-folder DIR] [--json]\n"
    "  quillon-cli -h | --help | -V | --version\n"
    "  quillon-cli COMMAND --help\n";

std::string HelpText(const std::string& command) {
  if (command == "preview") return std::string(kPreviewHelp) + "\n" + kExitCodes;
  if (command == "run") return std::string(kRunHelp) + "\n" + kExitCodes;
  if (command == "undo") return std::string(kUndoHelp) + "\n" + kExitCodes;
  return std::string(
             "quillon-cli previews, runs and undoes Quillon jobs without a window. A job file\n"
             "(JSON) says which files of a folder to select, the rename criteria, the options\n"
             "and the action; every rule is the one the window applies. JOB.json may be - for\n"
             "standard input.\n\n") +
         kUsage + "\n" + kCommonNotes + "\n" + kExitCodes +
         "\nSee quillon-cli COMMAND --help, and man quillon-cli.\n";
}

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, std::string& error) {
  error.clear();
  // getopt_long permutes its argv: it gets pointers to copies, with the program's name in
  // front for its messages.
  std::vector<std::string> words{"quillon-cli"};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(words.size());

  Arguments parsed;
  std::vector<int> given;  // the options that belong to some commands only
  int asked = 0;           // kHelp or kVersion, the first one given
  bool wrong = false;
  optind = 0;  // glibc: start over, as for a new argv
  opterr = 1;
  for (int c; (c = getopt_long(argc, argv.data(), "hV", kOptions, nullptr)) != -1;) {
    switch (c) {
      case kHelp:
      case kVersion:
        if (asked == 0) asked = c;
        break;
      case kFolder:
        parsed.folder = optarg;
        break;
      case kJournal:
        parsed.journal = optarg;
        break;
      case kSaveJob:
        parsed.saveJob = optarg;
        break;
      case kDataFolder:
        parsed.dataFolder = optarg;
        break;
      case kUnselectConflicts:
        parsed.unselectConflicts = true;
        break;
      case kJson:
        parsed.json = true;
        break;
      default:  // '?': getopt_long has said what is wrong
        wrong = true;
    }
    if (c != '?' && c != kHelp && c != kVersion && c != kJson) given.push_back(c);
  }
  if (wrong) return std::nullopt;
  // The arguments that are no options, in their order, now after the options.
  const std::vector<std::string> operands(argv.begin() + optind, argv.end() - 1);

  if (asked == kVersion) {
    parsed.command = "version";
    return parsed;
  }
  if (operands.empty() && asked == kHelp) {
    parsed.command = "help";
    return parsed;
  }
  if (operands.empty()) {
    error = "missing command";
    return std::nullopt;
  }
  const std::string& command = operands[0];
  if (!Is(command)) {
    error = "unknown command '" + command + "'";
    return std::nullopt;
  }
  // COMMAND --help, wherever it stands.
  if (asked == kHelp) {
    parsed.command = "help";
    parsed.helpFor = command;
    return parsed;
  }
  for (const int option : given) {
    const auto belongs = std::find_if(std::begin(kBelongs), std::end(kBelongs),
                                      [&](const Belonging& b) { return b.option == option; });
    if (std::find_if(belongs->commands.begin(), belongs->commands.end(), [&](const char* name) {
          return command == name;
        }) == belongs->commands.end()) {
      error = "option '" + std::string(belongs->name) + "' is not an option of " + command;
      return std::nullopt;
    }
  }
  parsed.command = command;
  std::size_t next = 1;
  if (command != "undo") {
    if (operands.size() < 2) {
      error = command + " needs a job file";
      return std::nullopt;
    }
    parsed.jobPath = operands[1];
    next = 2;
  }
  if (next < operands.size()) {
    error = "unexpected argument '" + operands[next] + "'";
    return std::nullopt;
  }
  return parsed;
}

}  // namespace quillon::cli
