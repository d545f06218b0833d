// The job-file reader takes any bytes without crashing, a job it accepts holds only
// values in range, and the normal form it writes reads back to the same normal form.
#include <cstddef>
#include <cstdint>
#include <string>

#include "jobs/job_file.h"
#include "jobs/job_write.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon::jobs;
  std::string error;
  const auto job = ParseJob(std::string(reinterpret_cast<const char*>(data), size), error);
  if (job && (job->AttributeIndex < 0 || job->AttributeIndex > 5 || job->SelectSkip < 0)) {
    __builtin_trap();
  }
  if (!job) {
    if (error.empty()) __builtin_trap();
    return 0;
  }
  const auto written = WriteJob(*job, error);
  if (!written) return 0;
  const auto again = ParseJob(*written, error);
  if (!again) __builtin_trap();
  const auto rewritten = WriteJob(*again, error);
  if (!rewritten || *rewritten != *written) __builtin_trap();
  return 0;
}
