// Copies through a temporary file beside the target: the target is either its old
// content or the whole new copy, never a partial file, even on a full disk.
#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/posix_file_services.h"
#include "platform/posix_io.h"

namespace quillon {
namespace posix {
namespace {

// Closes the descriptor it owns.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the error close found (deferred write errors on some file systems).
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// Writes all of buffer; false with errno set on failure.
bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Copies the rest of in to out; false with errno set on failure. copy_file_range lets
// the file system share or copy blocks itself; read/write covers what it refuses.
bool CopyData(int in, int out) {
  constexpr std::size_t kChunk = std::size_t{1} << 30;
  for (;;) {
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, kChunk, 0);
    if (n > 0) continue;
    if (n == 0) break;  // end of file, or a file system that reports no data: read on
    if (errno == EINTR) continue;
    if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP ||
        errno == EBADF || errno == EPERM) {
      break;
    }
    return false;
  }
  std::vector<char> buffer(std::size_t{1} << 17);
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(n))) return false;
  }
}

// user.DOSATTRIB of the source onto the copy, when the source has one and the target's
// file system can hold it.
void CopyDosAttrib(int in, int out) {
  char value[1024];
  const ssize_t n = ::fgetxattr(in, kDosAttribName, value, sizeof value);
  if (n >= 0) ::fsetxattr(out, kDosAttribName, value, static_cast<std::size_t>(n), 0);
}

}  // namespace

Result<std::string> CopyToTemporary(const std::string& from, const std::string& to,
                                    const char* operation, KeepOwner keepOwner) {
  const std::string where = PairPath(from, to);
  Fd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return LastError(operation, where);
  struct stat st {};
  if (::fstat(in.get(), &st) != 0) return LastError(operation, where);
  if (S_ISDIR(st.st_mode)) return OsError{EISDIR, operation, where};
  if (!S_ISREG(st.st_mode)) return OsError{EINVAL, operation, where};

  const std::string folder = FolderOf(to);
  std::string temporary = (folder == "/" ? "" : folder) + "/.quillon-XXXXXX";
  Fd out(::mkostemp(temporary.data(), O_CLOEXEC));
  if (out.get() < 0) return LastError(operation, where);

  const timespec times[2] = {st.st_atim, st.st_mtim};
  bool done = CopyData(in.get(), out.get());
  if (done) {
    CopyDosAttrib(in.get(), out.get());
    // Ownership only where it can be given (root); a copy by a user is the user's.
    if (keepOwner == KeepOwner::Yes) (void)!::fchown(out.get(), st.st_uid, st.st_gid);
    done = ::fchmod(out.get(), st.st_mode & 07777) == 0 && ::futimens(out.get(), times) == 0;
  }
  if (done) done = out.close() == 0;
  if (!done) {
    const OsError error = LastError(operation, where);
    ::unlink(temporary.c_str());
    return error;
  }
  return temporary;
}

}  // namespace posix

using namespace posix;

Status PosixFileServices::CopyFile(const std::string& from, const std::string& to,
                                   Overwrite overwrite) {
  if (!HasUsableName(from) || !HasUsableName(to)) {
    return OsError{EINVAL, kOpCopy, PairPath(from, to)};
  }
  struct stat existing {};
  if (overwrite == Overwrite::No && ::lstat(to.c_str(), &existing) == 0) {
    return OsError{EEXIST, kOpCopy, PairPath(from, to)};
  }
  Result<std::string> temporary = CopyToTemporary(from, to, kOpCopy, KeepOwner::No);
  if (!temporary.ok()) return temporary.status();
  Status placed = Status::Ok();
  if (overwrite == Overwrite::Yes) {
    if (::rename(temporary->c_str(), to.c_str()) != 0)
      placed = LastError(kOpCopy, PairPath(from, to));
  } else {
    placed = RenameNoReplace(*temporary, to, kOpCopy);
  }
  if (!placed.ok()) {
    ::unlink(temporary->c_str());
    return OsError{placed.code(), kOpCopy, PairPath(from, to)};
  }
  return Status::Ok();
}

}  // namespace quillon
