#pragma once
// An exclusive lock held by one process at a time (flock on a file of its own), so that
// two jobs never write one journal at once.
#include <chrono>
#include <string>

#include "platform/result.h"

namespace quillon {

class FileLock {
 public:
  FileLock() = default;
  ~FileLock();
  FileLock(FileLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock at `path` (created with mode 600 when missing), waiting up to `wait`
  // while another holds it; then fails with EWOULDBLOCK.
  static Result<FileLock> Take(const std::string& path, std::chrono::milliseconds wait);
  bool held() const { return fd_ >= 0; }
  void Release();

 private:
  explicit FileLock(int fd) : fd_(fd) {}
  int fd_ = -1;
};

}  // namespace quillon
