#pragma once
// Whole-file reads, and writes that never leave a half-written file behind.
#include <string>

#include "platform/result.h"

namespace quillon {

Result<std::string> ReadWholeFile(const std::string& path);

// Writes into a temporary file in the same folder, syncs it, then renames it over
// `path`: the file holds either its old content or all of `content`.
Status WriteFileAtomic(const std::string& path, const std::string& content);

}  // namespace quillon
