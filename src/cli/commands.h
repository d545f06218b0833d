#pragma once
// The three commands of quillon-cli. Each returns the exit status.
#include "cli/cli_args.h"

namespace quillon::cli {

enum ExitStatus {
  kExitDone = 0,
  kExitConflicts = 1,
  kExitUsage = 2,
  kExitFileOperation = 3,
  kExitRefused = 4,
};

int PreviewOrRun(const Arguments& args);
int Undo(const Arguments& args);

}  // namespace quillon::cli
