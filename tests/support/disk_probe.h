#pragma once
// Direct looks at the disk for file-service tests, bypassing the code under test.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <optional>
#include <string>

namespace quillon::testing {

// Permission bits (07777), or -1 when the path cannot be stat'ed.
inline int ModeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

// Modification time in nanoseconds, 0 when the path cannot be stat'ed.
inline long long MtimeOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return 0;
  return st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
}

inline void SetMtime(const std::string& path, long long seconds, long nanoseconds) {
  const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
  ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// user.DOSATTRIB's exact bytes, nullopt when absent.
inline std::optional<std::string> DosAttribOf(const std::string& path) {
  char buffer[1024];
  const ssize_t n = ::getxattr(path.c_str(), "user.DOSATTRIB", buffer, sizeof buffer);
  if (n < 0) return std::nullopt;
  return std::string(buffer, static_cast<std::size_t>(n));
}

inline bool SetDosAttrib(const std::string& path, const std::string& bytes) {
  return ::setxattr(path.c_str(), "user.DOSATTRIB", bytes.data(), bytes.size(), 0) == 0;
}

}  // namespace quillon::testing
