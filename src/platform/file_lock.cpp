#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace quillon {

FileLock::~FileLock() {
  Release();
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

void FileLock::Release() {
  if (fd_ >= 0) ::close(fd_);  // closing lets the lock go
  fd_ = -1;
}

Result<FileLock> FileLock::Take(const std::string& path, std::chrono::milliseconds wait) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return LastError("lock", path);
  FileLock lock(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0) return LastError("lock", path);
  if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
    return OsError{EPERM, "lock", path, "it belongs to another user"};
  }
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return lock;
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return LastError("lock", path);
    if (std::chrono::steady_clock::now() >= until) {
      return OsError{EWOULDBLOCK, "lock", path, "another job is using it"};
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace quillon
