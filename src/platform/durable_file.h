#pragma once
// A file written ahead of the work it describes: created whole in place of an older one,
// then appended to, each part on the disk once Sync returns, and patched in place.
#include <cstdint>
#include <string>

#include "platform/result.h"

namespace quillon {

class DurableFile {
 public:
  DurableFile() = default;
  ~DurableFile();
  DurableFile(const DurableFile&) = delete;
  DurableFile& operator=(const DurableFile&) = delete;

  // Writes `first` then `second` to a new file that then replaces `path` (the old file
  // stays until the new one is on disk), and keeps it open for appends.
  Status Create(const std::string& path, const std::string& first,
                const std::string& second = std::string());
  // Opens an existing file for patches.
  Status OpenExisting(const std::string& path);
  bool open() const { return fd_ >= 0; }
  const std::string& path() const { return path_; }

  // Appends; the text reaches the disk at the next Sync. An append that fails (a full
  // disk) leaves nothing of itself: the file never holds part of a line.
  Status Append(const std::string& text);
  Status Sync();
  // Writes `bytes` over the file's content at `offset`, and syncs unless told not to.
  enum class Then { Sync, NoSync };
  Status PatchAt(std::uint64_t offset, const std::string& bytes, Then then = Then::Sync);
  void Close();

 private:
  int fd_ = -1;
  std::string path_;
  // The file's length as written; the file offset stays there (patches use pwrite), so
  // an append needs no seek, and a failed one is cut back to it.
  std::uint64_t end_ = 0;
};

}  // namespace quillon
