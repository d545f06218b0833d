// The calls of a job by name inside folders opened at its start: each resolves its name
// in the folder the job opened, whatever its path has become since.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "platform/photo_date.h"
#include "platform/posix_file_services.h"
#include "platform/posix_io.h"

namespace quillon {

using namespace posix;

namespace {

bool Handled(const FolderHandle& folder, const std::string& name) {
  return folder.fd() >= 0 && PlainName(name);
}

// A symbolic link moved to another file system: the same link, made anew. The source
// stays when asked to.
Result<MoveOutcome> MoveSymlinkAt(int fromDir, const std::string& from, int toDir,
                                  const std::string& to, const struct stat& st,
                                  SourceAfterCopy after, const std::string& where) {
  std::vector<char> target(PATH_MAX + 1);
  const ssize_t n = ::readlinkat(fromDir, from.c_str(), target.data(), target.size());
  if (n < 0) return LastError(kOpMove, where);
  if (static_cast<std::size_t>(n) >= target.size()) return OsError{ENAMETOOLONG, kOpMove, where};
  target[static_cast<std::size_t>(n)] = '\0';
  if (::symlinkat(target.data(), toDir, to.c_str()) != 0) return LastError(kOpMove, where);
  struct stat made {};
  if (::fstatat(toDir, to.c_str(), &made, AT_SYMLINK_NOFOLLOW) != 0) {
    const OsError error = LastError(kOpMove, where);
    ::unlinkat(toDir, to.c_str(), 0);
    return error;
  }
  if (after == SourceAfterCopy::Remove && ::unlinkat(fromDir, from.c_str(), 0) != 0) {
    const OsError error = LastError(kOpMove, where);
    ::unlinkat(toDir, to.c_str(), 0);
    return error;
  }
  return MoveOutcome{true, IdentityOf(made), IdentityOf(st)};
}

}  // namespace

Result<FileIdentity> PosixFileServices::IdentifyAt(const FolderHandle& folder,
                                                   const std::string& name) {
  if (!Handled(folder, name)) return Identify(folder.path() + name);
  struct stat st {};
  if (::fstatat(folder.fd(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    return LastError("identify", folder.path() + name);
  }
  FileIdentity id = IdentityOf(st);
  if (!folder.stableInodes()) id.inode = 0;
  return id;
}

Result<FileIdentity> PosixFileServices::IdentifyFolder(const FolderHandle& folder) {
  if (folder.fd() < 0) return Identify(folder.path());
  struct stat st {};
  if (::fstat(folder.fd(), &st) != 0) return LastError("identify", folder.path());
  FileIdentity id = IdentityOf(st);
  if (!folder.stableInodes()) id.inode = 0;
  return id;
}

Result<FileDates> PosixFileServices::DatesAt(const FolderHandle& folder, const std::string& name,
                                             bool taken) {
  if (!Handled(folder, name)) return FileServices::DatesAt(folder, name, taken);
  // A link gives its target's dates; a link to nothing, its own.
  struct stat st {};
  if (::fstatat(folder.fd(), name.c_str(), &st, 0) != 0 &&
      ::fstatat(folder.fd(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    return LastError("read the date of", folder.path() + name);
  }
  FileDates dates{static_cast<std::int64_t>(st.st_mtim.tv_sec), std::nullopt};
  if (!taken || !S_ISREG(st.st_mode)) return dates;
  // Not blocking: a name swapped for a pipe meanwhile must not hang the preview.
  const Fd file(::openat(folder.fd(), name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat opened {};
  if (file.get() < 0 || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) {
    return dates;  // unreadable: no date taken, the modification time stands
  }
  dates.taken = PhotoTakenTimeOfOpen(file.get());
  return dates;
}

Status PosixFileServices::RenameAt(const FolderHandle& from, const std::string& fromName,
                                   const FolderHandle& to, const std::string& toName) {
  const std::string where = PairPath(from.path() + fromName, to.path() + toName);
  if (!PlainName(fromName) || !PlainName(toName)) return OsError{EINVAL, kOpRename, where};
  if (from.fd() < 0 || to.fd() < 0) return Rename(from.path() + fromName, to.path() + toName);
  return RenameNoReplaceAt(from.fd(), fromName, to.fd(), toName, kOpRename, where);
}

Result<MoveOutcome> PosixFileServices::MoveAt(const FolderHandle& from, const std::string& fromName,
                                              const FolderHandle& to, const std::string& toName,
                                              SourceAfterCopy after) {
  const std::string where = PairPath(from.path() + fromName, to.path() + toName);
  if (!PlainName(fromName) || !PlainName(toName)) return OsError{EINVAL, kOpMove, where};
  if (from.fd() < 0 || to.fd() < 0) {
    return FileServices::MoveAt(from, fromName, to, toName, after);
  }
  const Status renamed = RenameNoReplaceAt(from.fd(), fromName, to.fd(), toName, kOpMove, where);
  if (renamed.ok()) return MoveOutcome{};
  if (renamed.code() != EXDEV) return renamed.error();

  // Another file system: copy without clobbering; the source goes now or later.
  struct stat st {};
  if (::fstatat(from.fd(), fromName.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    return LastError(kOpMove, where);
  }
  if (S_ISLNK(st.st_mode)) {
    return MoveSymlinkAt(from.fd(), fromName, to.fd(), toName, st, after, where);
  }
  if (!S_ISREG(st.st_mode)) return renamed.error();  // folders do not move across
  struct stat existing {};
  if (::fstatat(to.fd(), toName.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
    return OsError{EEXIST, kOpMove, where};
  }
  auto made = CopyIntoPlace(from.fd(), fromName, to.fd(), toName, where, kOpMove, KeepOwner::Yes,
                            Overwrite::No, Durability::Cached);
  if (!made) return made.error();
  FileIdentity copy = *made;
  FileIdentity source = IdentityOf(st);
  if (!to.stableInodes()) copy.inode = 0;
  if (!from.stableInodes()) source.inode = 0;
  if (after == SourceAfterCopy::Remove && ::unlinkat(from.fd(), fromName.c_str(), 0) != 0) {
    const OsError error = LastError(kOpMove, where);
    ::unlinkat(to.fd(), toName.c_str(), 0);
    return error;
  }
  return MoveOutcome{true, copy, source};
}

Status PosixFileServices::DeleteAt(const FolderHandle& folder, const std::string& name) {
  if (!PlainName(name)) return OsError{EINVAL, kOpDelete, folder.path() + name};
  if (folder.fd() < 0) return DeleteFile(folder.path() + name);
  if (::unlinkat(folder.fd(), name.c_str(), 0) != 0) {
    return LastError(kOpDelete, folder.path() + name);
  }
  return Status::Ok();
}

bool PosixFileServices::CaseBlind(const std::string& folder) {
  Fd dir(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  return dir.get() >= 0 && CaseBlindAt(dir.get());
}

Status PosixFileServices::SyncFileSystem(const FolderHandle& folder) {
  // syncfs needs a descriptor that can be read; the handle is only a place.
  Fd readable(folder.fd() >= 0 ? ::openat(folder.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                               : ::open(folder.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (readable.get() < 0 || ::syncfs(readable.get()) != 0) {
    return LastError("sync", folder.path());
  }
  return Status::Ok();
}

}  // namespace quillon
