#include "cli/cli_args.h"

namespace quillon::cli {

const char* const kUsage =
    "usage:\n"
    "  quillon-cli preview JOB.json [--folder DIR] [--json]\n"
    "  quillon-cli run     JOB.json [--folder DIR] [--journal FILE] [--unselect-conflicts] "
    "[--json]\n"
    "  quillon-cli undo    [--journal FILE] [--json]\n"
    "  quillon-cli --help | --version\n";

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
  if (command != "preview" && command != "run" && command != "undo") {
    error = "unknown command '" + command + "'";
    return std::nullopt;
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
