#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>

namespace quillon {
namespace {

// Closes a descriptor on every path out of a function.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

namespace {

enum class Past { Fails, Cuts };

// Reads a regular file up to maxBytes; a file with more fails, or is cut at maxBytes.
Result<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes, Past past) {
  // O_NONBLOCK: opening a FIFO returns at once instead of waiting for a writer.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) return LastError("open", path);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return LastError("open", path);
  if (!S_ISREG(st.st_mode)) return OsError{EINVAL, "read (not a regular file)", path};
  const auto tooLarge = [&] {
    return OsError{EFBIG, "read (larger than " + std::to_string(maxBytes) + " bytes)", path};
  };
  const auto size = static_cast<std::uint64_t>(st.st_size);
  if (size > maxBytes && past == Past::Fails) return tooLarge();
  // Room for the size the file has now and one byte more, which shows a file that grew.
  const std::size_t limit = past == Past::Fails ? maxBytes + 1 : maxBytes;
  std::string content(std::min<std::uint64_t>(size + 1, limit), '\0');
  std::size_t filled = 0;
  for (;;) {
    if (filled == content.size()) {
      if (content.size() >= limit) break;
      content.resize(std::min(content.size() * 2, limit));
    }
    const ssize_t n = ::read(fd.get(), content.data() + filled, content.size() - filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      return LastError("read", path);
    }
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  // A file that grows while it is read stops at the limit too.
  if (filled > maxBytes) return tooLarge();
  content.resize(filled);
  return content;
}

}  // namespace

Result<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  return ReadRegularFile(path, maxBytes, Past::Fails);
}

Result<std::string> ReadFileStart(const std::string& path, std::size_t bytes) {
  return ReadRegularFile(path, bytes, Past::Cuts);
}

Status WriteFileAtomic(const std::string& path, const std::string& content) {
  std::string temp = FolderOf(path) + "/.quillon-write-XXXXXX";
  Descriptor fd(::mkstemp(temp.data()));
  if (fd.get() < 0) return LastError("create", temp);
  auto fail = [&](const char* operation) {
    OsError error = LastError(operation, path);
    ::unlink(temp.c_str());
    return Status(error);
  };
  ::fchmod(fd.get(), 0644);
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = ::write(fd.get(), content.data() + written, content.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail("write");
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(fd.get()) != 0) return fail("sync");
  if (::close(fd.release()) != 0) return fail("close");
  if (std::rename(temp.c_str(), path.c_str()) != 0) return fail("rename");
  return Status::Ok();
}

}  // namespace quillon
