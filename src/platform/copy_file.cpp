// Copies through a temporary file beside the target: the target is either its old
// content or the whole new copy, never a partial file, even on a full disk.
#include <acl/libacl.h>
#include <attr/libattr.h>
#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <utility>
#include <vector>

#include "platform/posix_file_services.h"
#include "platform/posix_io.h"

namespace quillon {
namespace posix {
namespace {

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
bool CopyData(int in, int out, off_t expected) {
  constexpr std::size_t kChunk = std::size_t{1} << 30;
  off_t copied = 0;
  for (;;) {
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, kChunk, 0);
    if (n > 0) {
      copied += n;
      continue;
    }
    if (n == 0) {
      // End of file; but a file that gave nothing, or less than its size says, may be
      // one whose file system reports no data to this call (/proc on older kernels).
      if (copied > 0 && copied >= expected) return true;
      break;
    }
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

namespace {

// The source opened for copying, with what the copy keeps of it.
struct Source {
  int fd = -1;
  struct stat st {};
};

// Opens the file to copy. A link to a file is read through, as any reader would.
Result<Source> OpenSource(int fromDir, const std::string& fromName, const std::string& where,
                          const char* operation) {
  Source source;
  source.fd = ::openat(fromDir, fromName.c_str(), O_RDONLY | O_CLOEXEC);
  if (source.fd < 0) return LastError(operation, where);
  if (::fstat(source.fd, &source.st) != 0) {
    const OsError error = LastError(operation, where);
    ::close(source.fd);
    return error;
  }
  if (!S_ISREG(source.st.st_mode)) {
    ::close(source.fd);
    return OsError{S_ISDIR(source.st.st_mode) ? EISDIR : EINVAL, operation, where};
  }
  return source;
}

// The data, permissions, times, owner and user.DOSATTRIB of the source into out; `made`
// receives the copy as it then is. A copy made with the source's permission bits (as
// far as the umask or a default ACL let them through) is not changed again. With
// Durability::Synced the data is on the disk when it returns.
bool Fill(const Source& source, int out, KeepOwner keepOwner, Durability durability,
          struct stat& made) {
  if (!CopyData(source.fd, out, source.st.st_size)) return false;
  CopyDosAttrib(source.fd, out);
  // The extended attributes (tags, the origin of a download) as cp -a keeps them; a file
  // system that cannot hold them takes the data all the same.
  (void)attr_copy_fd(nullptr, source.fd, nullptr, out, nullptr, nullptr);
  const mode_t mode = source.st.st_mode & 07777;
  // A file system that keeps no permission bits (FAT through FUSE) takes the data all
  // the same, as cp -a does.
  const auto keepMode = [out, mode] {
    return ::fchmod(out, mode) == 0 || errno == ENOSYS || errno == EOPNOTSUPP || errno == EPERM;
  };
  // Ownership only where it can be given (root); a copy by a user is the user's. A new
  // owner clears the set-id bits, so the bits are set after it.
  if (keepOwner == KeepOwner::Yes) {
    (void)!::fchown(out, source.st.st_uid, source.st.st_gid);
    if (!keepMode()) return false;
  }
  const timespec times[2] = {source.st.st_atim, source.st.st_mtim};
  if ((::futimens(out, times) != 0 && errno != ENOSYS) || ::fstat(out, &made) != 0) return false;
  if ((made.st_mode & 07777) != mode) {
    if (!keepMode()) return false;
    if (::fstat(out, &made) != 0) return false;
  }
  // The access control list too, where there is one and the file system can take it
  // (perm_copy_fd sets the bits again from it).
  if (acl_extended_fd(source.fd) == 1 &&
      perm_copy_fd(nullptr, source.fd, nullptr, out, nullptr) == 0 && ::fstat(out, &made) != 0) {
    return false;
  }
  return durability == Durability::Cached || ::fdatasync(out) == 0;
}

// Gives the unnamed file fd the name `name` in folder `dir`; false with errno set. The
// descriptor itself is linked where the kernel lets its opener do so (Linux 6.10 on),
// which spares the lookup through /proc; older kernels refuse with ENOENT and get the
// /proc path.
bool LinkUnnamed(int fd, int dir, const std::string& name) {
  const auto throughProc = [&] {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), dir, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
  };
  static bool emptyPathWorks = true;
  if (!emptyPathWorks) return throughProc();
  if (::linkat(fd, "", dir, name.c_str(), AT_EMPTY_PATH) == 0) return true;
  if (errno != ENOENT && errno != EPERM && errno != EINVAL) return false;
  // ENOENT may also be a folder gone from the way; only a /proc link that works shows
  // that the kernel refuses the descriptor form.
  if (!throughProc()) return false;
  emptyPathWorks = false;
  return true;
}

// A fresh hidden name for a file of our own beside the target.
std::string HiddenName() {
  static unsigned counter = 0;
  char name[64];
  std::snprintf(name, sizeof name, ".quillon-%x-%x-%x", static_cast<unsigned>(::getpid()),
                static_cast<unsigned>(::time(nullptr)), ++counter);
  return name;
}

// A copy in a named temporary file beside the target, and the copy as made.
struct MadeCopy {
  std::string name;
  FileIdentity made;
};

Result<MadeCopy> CopyToTemporary(const Source& source, int toDir, const std::string& where,
                                 const char* operation, KeepOwner keepOwner,
                                 Durability durability) {
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temporary = HiddenName();
    fd = ::openat(toDir, temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EEXIST) break;
  }
  Fd out(fd);
  if (out.get() < 0) return LastError(operation, where);
  struct stat made {};
  bool done = Fill(source, out.get(), keepOwner, durability, made);
  if (done) done = out.close() == 0;
  if (!done) {
    const OsError error = LastError(operation, where);
    ::unlinkat(toDir, temporary.c_str(), 0);
    return error;
  }
  return MadeCopy{temporary, IdentityOf(made)};
}

}  // namespace

Result<FileIdentity> CopyIntoPlace(int fromDir, const std::string& fromName, int toDir,
                                   const std::string& toName, const std::string& where,
                                   const char* operation, KeepOwner keepOwner, Overwrite overwrite,
                                   Durability durability) {
  auto source = OpenSource(fromDir, fromName, where, operation);
  if (!source.ok()) return source.status().error();
  Fd in(source->fd);
  // An unnamed file in the target's folder: a copy cut short by a kill leaves nothing.
  // Nobody can open it before it is named, so it starts with the source's permissions.
  Fd out(::openat(toDir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, source->st.st_mode & 0777));
  if (out.get() < 0) {
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOSYS)
      return LastError(operation, where);
    // A file system without unnamed files: a named temporary file beside the target.
    auto temporary = CopyToTemporary(*source, toDir, where, operation, keepOwner, durability);
    if (!temporary.ok()) return temporary.error();
    const std::string& name = temporary->name;
    Status placed = overwrite == Overwrite::Yes
                        ? (::renameat(toDir, name.c_str(), toDir, toName.c_str()) == 0
                               ? Status::Ok()
                               : LastError(operation, where))
                        : RenameNoReplaceAt(toDir, name, toDir, toName, operation, where);
    if (!placed.ok()) {
      ::unlinkat(toDir, name.c_str(), 0);
      return OsError{placed.code(), operation, where};
    }
    return temporary->made;
  }
  struct stat made {};
  if (!Fill(*source, out.get(), keepOwner, durability, made)) return LastError(operation, where);

  // linkat gives the file its name and fails when the name exists; replacing goes through
  // a hidden name renamed over the target.
  const std::string name = overwrite == Overwrite::Yes ? HiddenName() : toName;
  if (!LinkUnnamed(out.get(), toDir, name)) return LastError(operation, where);
  if (overwrite == Overwrite::Yes && ::renameat(toDir, name.c_str(), toDir, toName.c_str()) != 0) {
    const OsError error = LastError(operation, where);
    ::unlinkat(toDir, name.c_str(), 0);
    return error;
  }
  if (out.close() != 0) return LastError(operation, where);
  return IdentityOf(made);
}

Result<FileIdentity> CopyIntoPlace(const std::string& from, const std::string& to,
                                   const char* operation, KeepOwner keepOwner,
                                   Overwrite overwrite) {
  const std::string where = PairPath(from, to);
  Fd folder(::open(FolderOf(to).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() < 0) return LastError(operation, where);
  return CopyIntoPlace(AT_FDCWD, from, folder.get(), NameOf(to), where, operation, keepOwner,
                       overwrite, Durability::Cached);
}

}  // namespace posix

using namespace posix;

Result<FileIdentity> PosixFileServices::CopyFile(const std::string& from, const std::string& to,
                                                 Overwrite overwrite) {
  if (!HasUsableName(from) || !HasUsableName(to)) {
    return OsError{EINVAL, kOpCopy, PairPath(from, to)};
  }
  // Without overwriting, the call that names the copy fails with EEXIST on an existing
  // name, links included; nothing is looked up first.
  return CopyIntoPlace(from, to, kOpCopy, KeepOwner::No, overwrite);
}

Result<FileIdentity> PosixFileServices::CopyAt(const FolderHandle& from,
                                               const std::string& fromName, const FolderHandle& to,
                                               const std::string& toName, Overwrite overwrite,
                                               Durability durability) {
  const std::string where = PairPath(from.path() + fromName, to.path() + toName);
  if (!PlainName(fromName) || !PlainName(toName)) return OsError{EINVAL, kOpCopy, where};
  if (from.fd() < 0 || to.fd() < 0) {
    return FileServices::CopyAt(from, fromName, to, toName, overwrite, durability);
  }
  auto made = CopyIntoPlace(from.fd(), fromName, to.fd(), toName, where, kOpCopy, KeepOwner::No,
                            overwrite, durability);
  if (made.ok() && !to.stableInodes()) made.value().inode = 0;
  return made;
}

}  // namespace quillon
