#pragma once
// Whole-file reads, and writes that never leave a half-written file behind.
#include <cstddef>
#include <string>

#include "platform/result.h"

namespace quillon {

// Reads a regular file of at most `maxBytes`. Anything else (a folder, a FIFO, a device,
// a file too large) is an error at once: nothing blocks and nothing floods the memory.
Result<std::string> ReadWholeFile(const std::string& path,
                                  std::size_t maxBytes = std::size_t{64} << 20);

// The first `bytes` of a regular file (all of it when shorter), with the same refusals.
Result<std::string> ReadFileStart(const std::string& path, std::size_t bytes);

// Writes into a temporary file in the same folder, syncs it, then renames it over
// `path`: the file holds either its old content or all of `content`.
Status WriteFileAtomic(const std::string& path, const std::string& content);

}  // namespace quillon
