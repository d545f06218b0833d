#pragma once
// The command line of quillon-cli.
#include <optional>
#include <string>
#include <vector>

namespace quillon::cli {

struct Arguments {
  std::string command;  // "preview", "run", "undo", "help", "version"
  std::string helpFor;  // with "help": the command asked about, or "" for all
  std::string jobPath;  // "-" is standard input
  std::optional<std::string> folder;
  std::optional<std::string> journal;
  std::optional<std::string> dataFolder;
  std::optional<std::string> saveJob;
  bool unselectConflicts = false;
  bool json = false;
};

// The parsed arguments, or the usage error in `error`. Options may stand anywhere, as
// getopt_long allows; its own messages ("unrecognized option ...") are written to
// standard error as it finds them, and leave `error` empty.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

// The help of `quillon-cli --help` (command "") or `quillon-cli COMMAND --help`.
std::string HelpText(const std::string& command);

}  // namespace quillon::cli
