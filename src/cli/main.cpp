// quillon-cli: parses its arguments and hands over to the command.
#include <iostream>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/commands.h"

namespace {

// A job builds lists of every file, drops some and builds others. Memory handed back to
// the system between them has to be faulted in again, page by page, for the next list;
// this short-lived process keeps it instead.
void KeepFreedMemory() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quillon::cli;
  KeepFreedMemory();
  std::string error;
  const auto args = ParseArguments(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!args) {
    if (!error.empty()) std::cerr << "quillon-cli: " << error << "\n";
    std::cerr << kUsage;
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
