// quillon-cli: parses its arguments and hands over to the command.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/commands.h"

int main(int argc, char** argv) {
  using namespace quillon::cli;
  std::string error;
  const auto args = ParseArguments(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!args) {
    std::cerr << "quillon-cli: " << error << "\n" << kUsage;
    return kExitUsage;
  }
  if (args->command == "version") {
    std::cout << "quillon-cli " << QUILLON_VERSION << "\n";
    return kExitDone;
  }
  if (args->command == "help") {
    std::cout << HelpText(args->helpFor);
    return kExitDone;
  }
  return args->command == "undo" ? Undo(*args) : PreviewOrRun(*args);
}
