// The job-file reader takes any bytes without crashing, and a job it accepts holds only
// values in range.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/job_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  const auto job =
      quillon::cli::ParseJob(std::string(reinterpret_cast<const char*>(data), size), error);
  if (job && (job->AttributeIndex < 0 || job->AttributeIndex > 5 || job->SelectSkip < 0)) {
    __builtin_trap();
  }
  if (!job && error.empty()) __builtin_trap();
  return 0;
}
