#pragma once
// The command line of quillon-cli.
#include <optional>
#include <string>
#include <vector>

namespace quillon::cli {

struct Arguments {
  std::string command;  // "preview", "run", "undo", "help", "version"
  std::string jobPath;
  std::optional<std::string> folder;
  std::optional<std::string> journal;
  bool unselectConflicts = false;
  bool json = false;
};

// The parsed arguments, or the usage error in `error`.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

}  // namespace quillon::cli
