#pragma once
// The job file as a shell tool reads and writes it: from standard input or a pipe as
// well as from a file, and written back over a file without changing what it is.
#include <cstddef>
#include <string>

#include "platform/result.h"

namespace quillon::cli {

// Job files are small; anything larger is not one.
constexpr std::size_t kMaxJobFileBytes = std::size_t{64} << 20;

// The name messages give a job file: "-" is standard input.
std::string JobFileName(const std::string& path);

// The whole text of `path` ("-": standard input): a regular file, a pipe, a FIFO or a
// device, read as it comes. Never more than maxBytes + 1 bytes are read; more than
// maxBytes is an error (a regular file too large is refused before it is read).
Result<std::string> ReadJobText(const std::string& path, std::size_t maxBytes = kMaxJobFileBytes);

// Writes `content` to `path` atomically. An existing file keeps its permission bits
// (and its owner, where the system allows); a symbolic link is written through to its
// target; a FIFO or device is written into. A new file gets 0666 less the umask.
Status WriteJobText(const std::string& path, const std::string& content);

}  // namespace quillon::cli
