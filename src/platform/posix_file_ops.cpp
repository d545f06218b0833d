// Existence checks, renames, moves, deletes and folder operations.
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <stdio.h>  // renameat2, RENAME_NOREPLACE
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <unordered_set>
#include <vector>

#include "platform/posix_file_services.h"
#include "platform/posix_io.h"
#include "platform/text.h"

namespace quillon {
namespace posix {

FileIdentity IdentityOf(const struct stat& st) {
  FileIdentity id;
  id.device = st.st_dev;
  id.inode = st.st_ino;
  id.size = static_cast<std::uint64_t>(st.st_size);
  id.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
  id.link = S_ISLNK(st.st_mode);
  id.regular = S_ISREG(st.st_mode);
  id.owner = st.st_uid;
  return id;
}

bool HasNoNul(const std::string& path) {
  return path.find('\0') == std::string::npos;
}

bool HasUsableName(const std::string& path) {
  if (!HasNoNul(path)) return false;
  const std::size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string::npos
                                    ? std::string_view(path)
                                    : std::string_view(path).substr(slash + 1);
  return !name.empty() && name != "." && name != "..";
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {

Status LinkThenUnlinkAt(int fromDir, const std::string& from, int toDir, const std::string& to,
                        const char* operation, const std::string& where) {
  if (::linkat(fromDir, from.c_str(), toDir, to.c_str(), 0) != 0) {
    return LastError(operation, where);
  }
  if (::unlinkat(fromDir, from.c_str(), 0) != 0) {
    const OsError error = LastError(operation, where);
    ::unlinkat(toDir, to.c_str(), 0);
    return error;
  }
  return Status::Ok();
}

}  // namespace

Status LinkThenUnlink(const std::string& from, const std::string& to, const char* operation) {
  return LinkThenUnlinkAt(AT_FDCWD, from, AT_FDCWD, to, operation, PairPath(from, to));
}

bool CaseBlindAt(int dir) {
  struct statfs fs {};
  if (::fstatfs(dir, &fs) != 0) return false;
  if (fs.f_type == MSDOS_SUPER_MAGIC || fs.f_type == EXFAT_SUPER_MAGIC) return true;
  Fd readable(::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (readable.get() < 0) return false;
  // The local Linux file systems count case, but in a folder marked case-folding.
  long flags = 0;
  const bool folds =
      ::ioctl(readable.get(), FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_CASEFOLD_FL) != 0;
  if (fs.f_type == EXT4_SUPER_MAGIC || fs.f_type == TMPFS_MAGIC || fs.f_type == F2FS_SUPER_MAGIC ||
      fs.f_type == XFS_SUPER_MAGIC || fs.f_type == BTRFS_SUPER_MAGIC) {
    return folds;
  }
  if (folds) return true;
  // Others (FUSE, network shares) tell by a name of the folder with its case changed:
  // when that name is not listed itself but reaches a file, case does not count. (The
  // names are compared, not inodes: FUSE need not give one file one inode.)
  DIR* listing = ::fdopendir(::dup(readable.get()));
  if (listing == nullptr) return false;
  std::unordered_set<std::string> names;
  for (const dirent* entry = ::readdir(listing); entry != nullptr && names.size() < 4096;
       entry = ::readdir(listing)) {
    names.insert(entry->d_name);
  }
  ::closedir(listing);
  for (const std::string& name : names) {
    std::string flipped = name;
    for (char& c : flipped) {
      if (c >= 'a' && c <= 'z') {
        c = static_cast<char>(c - 32);
      } else if (c >= 'A' && c <= 'Z') {
        c = static_cast<char>(c + 32);
      }
    }
    if (flipped == name || names.count(flipped) > 0) continue;
    struct stat st {};
    return ::fstatat(dir, flipped.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
  }
  return false;
}

namespace {

bool SameEntry(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The rename where neither RENAME_NOREPLACE nor hard links are to be had (FAT and exFAT
// through FUSE), and the change of a name's case where case does not count: the target
// is looked for, the file takes its step name in its own folder, the target is looked
// for again, then the file takes its name. A target that is there (another file than
// the one renamed) is refused with EEXIST, and the file keeps its name.
Status CheckedRenameAt(int fromDir, const std::string& from, int toDir, const std::string& to,
                       bool caseOnly, const char* operation, const std::string& where) {
  struct stat source {};
  struct stat target {};
  if (::fstatat(fromDir, from.c_str(), &source, AT_SYMLINK_NOFOLLOW) != 0) {
    return LastError(operation, where);
  }
  // A change of case only finds the file itself under the new name.
  const bool taken = !caseOnly && ::fstatat(toDir, to.c_str(), &target, AT_SYMLINK_NOFOLLOW) == 0 &&
                     !SameEntry(source, target);
  if (taken) return OsError{EEXIST, operation, where};
  const std::string step = StepName(from, to);
  struct stat stepped {};
  if (::fstatat(fromDir, step.c_str(), &stepped, AT_SYMLINK_NOFOLLOW) == 0) {
    return OsError{EEXIST, operation, where};
  }
  if (::renameat(fromDir, from.c_str(), fromDir, step.c_str()) != 0) {
    return LastError(operation, where);
  }
  // With the file out of the way, any entry of the target's name is another file. (A
  // change of case has no target of its own: the kernel may still know the new name as
  // the file's, for a moment, from a look at it.)
  if (!caseOnly && ::fstatat(toDir, to.c_str(), &target, AT_SYMLINK_NOFOLLOW) == 0) {
    (void)::renameat(fromDir, step.c_str(), fromDir, from.c_str());
    return OsError{EEXIST, operation, where};
  }
  if (::renameat(fromDir, step.c_str(), toDir, to.c_str()) != 0) {
    const OsError error = LastError(operation, where);
    (void)::renameat(fromDir, step.c_str(), fromDir, from.c_str());
    return error;
  }
  return Status::Ok();
}

// Whether the new name is the file's own but for case, in a folder where case does not
// count. (FUSE file systems need not give one file the same inode under both names, so
// the names are compared, not the entries.)
bool CaseOnly(int fromDir, const std::string& from, int toDir, const std::string& to,
              std::int8_t* caseBlind) {
  if (from == to || ToUpper(from) != ToUpper(to)) return false;
  struct stat a {};
  struct stat b {};
  if (::fstatat(fromDir, ".", &a, 0) != 0 || ::fstatat(toDir, ".", &b, 0) != 0 ||
      !SameEntry(a, b)) {
    return false;
  }
  if (caseBlind == nullptr) return CaseBlindAt(toDir);
  if (*caseBlind < 0) *caseBlind = CaseBlindAt(toDir) ? 1 : 0;
  return *caseBlind == 1;
}

}  // namespace

Status RenameNoReplaceAt(int fromDir, const std::string& from, int toDir, const std::string& to,
                         const char* operation, const std::string& where, bool* checked,
                         std::int8_t* caseBlind) {
  if (::renameat2(fromDir, from.c_str(), toDir, to.c_str(), RENAME_NOREPLACE) == 0) {
    return Status::Ok();
  }
  const OsError renameError = LastError(operation, where);
  // A new name that the file system takes for the file's own (a change of case where
  // case does not count) goes through the step name.
  const bool refused =
      renameError.code == EEXIST || renameError.code == EINVAL || renameError.code == ENOSYS;
  if (refused && CaseOnly(fromDir, from, toDir, to, caseBlind)) {
    return CheckedRenameAt(fromDir, from, toDir, to, true, operation, where);
  }
  // Some FUSE file systems answer EINVAL to the flag, old kernels ENOSYS.
  if (renameError.code != EINVAL && renameError.code != ENOSYS) return renameError;
  Status linked = LinkThenUnlinkAt(fromDir, from, toDir, to, operation, where);
  if (linked.ok()) return linked;
  // Where links are impossible too (folders, FAT and exFAT), the checked rename.
  const int linkCode = linked.code();
  if (linkCode == EPERM || linkCode == EOPNOTSUPP || linkCode == EMLINK) {
    if (checked != nullptr) *checked = true;
    return CheckedRenameAt(fromDir, from, toDir, to, false, operation, where);
  }
  return linked;
}

Status RenameNoReplace(const std::string& from, const std::string& to, const char* operation) {
  return RenameNoReplaceAt(AT_FDCWD, from, AT_FDCWD, to, operation, PairPath(from, to));
}

}  // namespace posix

using namespace posix;

namespace {

// A symbolic link moved to another file system: the same link, made anew.
Status MoveSymlink(const std::string& from, const std::string& to) {
  std::vector<char> target(PATH_MAX + 1);
  const ssize_t n = ::readlink(from.c_str(), target.data(), target.size());
  if (n < 0) return LastError(kOpMove, PairPath(from, to));
  if (static_cast<std::size_t>(n) >= target.size()) {
    return OsError{ENAMETOOLONG, kOpMove, PairPath(from, to)};
  }
  target[static_cast<std::size_t>(n)] = '\0';
  if (::symlink(target.data(), to.c_str()) != 0) return LastError(kOpMove, PairPath(from, to));
  if (::unlink(from.c_str()) != 0) {
    const OsError error = LastError(kOpMove, PairPath(from, to));
    ::unlink(to.c_str());
    return error;
  }
  return Status::Ok();
}

// A folder path: trailing separators do not count as an empty final name.
bool HasUsableFolderName(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path == "/" || HasUsableName(path);
}

}  // namespace

Result<FileIdentity> PosixFileServices::Identify(const std::string& path) {
  if (!HasNoNul(path)) return OsError{EINVAL, "identify", path};
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return LastError("identify", path);
  return IdentityOf(st);
}

Status PosixFileServices::LinkFile(const std::string& from, const std::string& to) {
  if (!HasUsableName(from) || !HasUsableName(to))
    return OsError{EINVAL, "link", PairPath(from, to)};
  if (::link(from.c_str(), to.c_str()) != 0) return LastError("link", PairPath(from, to));
  return Status::Ok();
}

std::size_t PosixFileServices::NameMax(const std::string& folder) {
  const long max = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  return max > 0 ? static_cast<std::size_t>(max) : 255;
}

bool PosixFileServices::FileExists(const std::string& path) {
  struct stat st {};
  return HasNoNul(path) && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool PosixFileServices::FolderExists(const std::string& path) {
  struct stat st {};
  return HasNoNul(path) && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

Status PosixFileServices::Rename(const std::string& from, const std::string& to) {
  if (!HasUsableName(from) || !HasUsableName(to)) {
    return OsError{EINVAL, kOpRename, PairPath(from, to)};
  }
  return RenameNoReplace(from, to, kOpRename);
}

FolderHandle::~FolderHandle() {
  if (fd_ >= 0) ::close(fd_);
}

FolderHandle PosixFileServices::OpenFolder(const std::string& folder) {
  const int fd = HasNoNul(folder) ? ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC) : -1;
  struct statfs fs {};
  const bool unstable = fd >= 0 && ::fstatfs(fd, &fs) == 0 &&
                        (fs.f_type == MSDOS_SUPER_MAGIC || fs.f_type == EXFAT_SUPER_MAGIC ||
                         fs.f_type == FUSE_SUPER_MAGIC);
  return FolderHandle(folder, fd, !unstable);
}

// renameat2 relative to the folder opened once: no path to build or resolve per file.
// Where the flag is refused, or a name is not plain, the path form decides.
Status PosixFileServices::RenameIn(const FolderHandle& folder, const std::string& from,
                                   const std::string& to) {
  if (folder.fd() < 0 || !PlainName(from) || !PlainName(to)) {
    return Rename(folder.path() + from, folder.path() + to);
  }
  FolderHandle::Learnt& learnt = folder.learnt();
  if (learnt.checkedRenames) {
    // The job's first files found neither the flag nor links: straight to the checked
    // rename, without asking again per file.
    const bool caseOnly = CaseOnly(folder.fd(), from, folder.fd(), to, &learnt.caseBlind);
    return CheckedRenameAt(folder.fd(), from, folder.fd(), to, caseOnly, kOpRename,
                           PairPath(folder.path() + from, folder.path() + to));
  }
  if (::renameat2(folder.fd(), from.c_str(), folder.fd(), to.c_str(), RENAME_NOREPLACE) == 0) {
    return Status::Ok();
  }
  const int code = errno;
  // A file system without the flag, and a new name it takes for the file's own (a change
  // of case where case does not count): the careful way.
  if (code == EINVAL || code == ENOSYS || code == EEXIST) {
    bool checked = false;
    Status renamed = RenameNoReplaceAt(folder.fd(), from, folder.fd(), to, kOpRename,
                                       PairPath(folder.path() + from, folder.path() + to), &checked,
                                       &learnt.caseBlind);
    if (checked && code != EEXIST) learnt.checkedRenames = true;
    return renamed;
  }
  return OsError{code, kOpRename, PairPath(folder.path() + from, folder.path() + to)};
}

Status PosixFileServices::MoveFile(const std::string& from, const std::string& to) {
  if (!HasUsableName(from) || !HasUsableName(to)) {
    return OsError{EINVAL, kOpMove, PairPath(from, to)};
  }
  Status renamed = RenameNoReplace(from, to, kOpMove);
  if (renamed.ok() || renamed.code() != EXDEV) return renamed;

  // Another file system: copy without clobbering, then remove the source.
  struct stat st {};
  if (::lstat(from.c_str(), &st) != 0) return LastError(kOpMove, PairPath(from, to));
  if (S_ISLNK(st.st_mode)) return MoveSymlink(from, to);
  if (!S_ISREG(st.st_mode)) return renamed;  // folders do not move across file systems
  struct stat existing {};
  if (::lstat(to.c_str(), &existing) == 0) return OsError{EEXIST, kOpMove, PairPath(from, to)};

  if (auto placed = CopyIntoPlace(from, to, kOpMove, KeepOwner::Yes, Overwrite::No); !placed) {
    return placed.status();
  }
  if (::unlink(from.c_str()) != 0) {
    const OsError error = LastError(kOpMove, PairPath(from, to));
    ::unlink(to.c_str());
    return error;
  }
  return Status::Ok();
}

Status PosixFileServices::DeleteFile(const std::string& path) {
  if (!HasUsableName(path)) return OsError{EINVAL, kOpDelete, path};
  // unlink needs no write permission on the file itself, so read-only files go too;
  // it refuses folders (EISDIR).
  if (::unlink(path.c_str()) != 0) return LastError(kOpDelete, path);
  return Status::Ok();
}

Status PosixFileServices::CreateFolder(const std::string& path) {
  if (!HasUsableFolderName(path)) return OsError{EINVAL, kOpCreateFolder, path};
  if (::mkdir(path.c_str(), 0777) != 0) return LastError(kOpCreateFolder, path);
  return Status::Ok();
}

Status PosixFileServices::RenameFolder(const std::string& from, const std::string& to) {
  if (!HasUsableFolderName(from) || !HasUsableFolderName(to)) {
    return OsError{EINVAL, kOpRenameFolder, PairPath(from, to)};
  }
  return RenameNoReplace(from, to, kOpRenameFolder);
}

Status PosixFileServices::RemoveFolder(const std::string& path) {
  if (!HasUsableFolderName(path)) return OsError{EINVAL, kOpRemoveFolder, path};
  if (::rmdir(path.c_str()) != 0) return LastError(kOpRemoveFolder, path);
  return Status::Ok();
}

}  // namespace quillon
