#pragma once
// The file services the actions, the undo and the folder lists call. The real
// implementation is PosixFileServices; tests wrap it in FailingFileServices.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace quillon {

enum class Overwrite { No, Yes };

// Attribute word bits, as the system counts them.
enum AttributeBits : std::uint16_t {
  kAttrReadOnly = 1,
  kAttrHidden = 2,
  kAttrSystem = 4,
  kAttrArchive = 32,
};

// Exact attribute state of a file, for an undo that restores it byte for byte.
struct RawAttributes {
  unsigned mode = 0;           // st_mode permission bits (07777)
  bool hasDosAttrib = false;   // whether user.DOSATTRIB exists
  std::string dosAttribBytes;  // its exact value when it exists
};

// What lstat tells of a directory entry: enough to know a file again and to tell a link.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t mtimeNs = 0;
  bool link = false;     // a symbolic link (not followed)
  bool regular = false;  // a regular file
  std::uint32_t owner = 0;

  bool operator==(const FileIdentity&) const = default;
};

// The same file: one inode (it may have been written to since). The device number is
// not compared: a disk mounted again (a memory card, a loop device, after a restart) may
// get another one, its files keep their inodes. An inode of 0 is one the file system
// does not keep for a file (FAT and exFAT, FUSE): such a file is known by its size and
// time alone.
inline bool SameFile(const FileIdentity& a, const FileIdentity& b) {
  return a.inode == b.inode || a.inode == 0 || b.inode == 0;
}
// The same file with the same size and modification time: unchanged since it was known.
// Where inodes are not kept (FAT), times are kept to two seconds only, and may read finer
// until the file system has stored them.
inline bool Unchanged(const FileIdentity& a, const FileIdentity& b) {
  const std::int64_t slack = a.inode == 0 || b.inode == 0 ? 2'000'000'000 : 0;
  const std::int64_t apart = a.mtimeNs > b.mtimeNs ? a.mtimeNs - b.mtimeNs : b.mtimeNs - a.mtimeNs;
  return SameFile(a, b) && a.size == b.size && apart <= slack;
}

// A file's dates in seconds since the epoch: when it was last modified, and when a photo
// was taken where that was asked for and the file keeps it.
struct FileDates {
  std::int64_t modified = 0;
  std::optional<std::int64_t> taken;
};

// What a move did: renamed in one step, or, across file systems, copied (the copy as
// made and the source as it was; the source stays when the caller removes it later).
struct MoveOutcome {
  bool copied = false;
  FileIdentity made;
  FileIdentity source;
};

// Whether a move across file systems removes its source at once, or leaves that to the
// caller, who first makes sure that the copies are on the disk.
enum class SourceAfterCopy { Remove, Keep };
// Whether a copy's data reaches the disk before the copy takes its name.
enum class Durability { Cached, Synced };

// A mounted file system a person would pick from.
struct Drive {
  std::string mountPoint;  // "/" or "/media/usb" (no trailing separator except "/")
  std::string device;      // "/dev/sda1"
  std::string type;        // "ext4"
};

// A name a file can take inside a folder: not empty, not "." or "..", no "/" or NUL.
// Anything else would leave the folder or be cut short by a system call. (Checked for
// every row of a job, so one pass over the bytes.)
inline bool PlainName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    if (c == '/' || c == '\0') return false;
  }
  return true;
}

// A folder opened once for the many calls a job makes inside it. Without an open
// descriptor (fd() < 0) the calls inside it go by path.
class FolderHandle {
 public:
  FolderHandle(std::string path, int fd, bool stableInodes = true)
      : path_(std::move(path)), fd_(fd), stableInodes_(stableInodes) {}
  ~FolderHandle();
  FolderHandle(FolderHandle&& other) noexcept
      : path_(std::move(other.path_)),
        fd_(other.fd_),
        stableInodes_(other.stableInodes_),
        learnt_(other.learnt_) {
    other.fd_ = -1;
  }
  FolderHandle(const FolderHandle&) = delete;
  FolderHandle& operator=(const FolderHandle&) = delete;
  FolderHandle& operator=(FolderHandle&&) = delete;

  // The folder with its trailing separator, as it was opened.
  const std::string& path() const { return path_; }
  int fd() const { return fd_; }
  // Whether the folder's file system keeps a file's inode number (not FAT, exFAT or
  // FUSE, where it may change while the file stays): the identities it gives carry an
  // inode of 0 otherwise.
  bool stableInodes() const { return stableInodes_; }
  // What a job learnt of the folder's file system from its first files, so that the
  // others go the way that works at once: renames checked by hand (no RENAME_NOREPLACE,
  // no hard links), and whether case counts (-1: not known yet).
  struct Learnt {
    bool checkedRenames = false;
    std::int8_t caseBlind = -1;
  };
  Learnt& learnt() const { return learnt_; }

 private:
  std::string path_;
  int fd_;
  bool stableInodes_;
  mutable Learnt learnt_;
};

class FileServices {
 public:
  virtual ~FileServices() = default;

  // Opens `folder` (with its trailing separator) for the calls below. A folder that
  // cannot be opened still gives a handle; its calls then go by path.
  virtual FolderHandle OpenFolder(const std::string& folder) { return FolderHandle(folder, -1); }
  // Rename inside one folder, `from` and `to` being names in it; as Rename, it never
  // replaces. By default it is Rename on the two paths.
  virtual Status RenameIn(const FolderHandle& folder, const std::string& from,
                          const std::string& to) {
    return Rename(folder.path() + from, folder.path() + to);
  }

  // The calls of a job, by name inside folders it opened at its start: a folder swapped
  // for a link meanwhile is not followed, and a link in the folder is never followed
  // either. Each is its path form's twin; by default they go by path.
  virtual Result<FileIdentity> IdentifyAt(const FolderHandle& folder, const std::string& name) {
    return Identify(folder.path() + name);
  }
  // The opened folder itself.
  virtual Result<FileIdentity> IdentifyFolder(const FolderHandle& folder) {
    return Identify(folder.path());
  }
  virtual Status RenameAt(const FolderHandle& from, const std::string& fromName,
                          const FolderHandle& to, const std::string& toName) {
    return Rename(from.path() + fromName, to.path() + toName);
  }
  // MoveFile; across file systems the source stays when asked to (the caller removes it
  // once the copy is on the disk).
  virtual Result<MoveOutcome> MoveAt(const FolderHandle& from, const std::string& fromName,
                                     const FolderHandle& to, const std::string& toName,
                                     SourceAfterCopy after);
  virtual Result<FileIdentity> CopyAt(const FolderHandle& from, const std::string& fromName,
                                      const FolderHandle& to, const std::string& toName,
                                      Overwrite overwrite, Durability durability) {
    (void)durability;
    return CopyFile(from.path() + fromName, to.path() + toName, overwrite);
  }
  virtual Status DeleteAt(const FolderHandle& folder, const std::string& name) {
    return DeleteFile(folder.path() + name);
  }
  virtual Result<std::uint16_t> GetAttributesAt(const FolderHandle& folder,
                                                const std::string& name) {
    return GetAttributes(folder.path() + name);
  }
  virtual Status SetAttributesAt(const FolderHandle& folder, const std::string& name,
                                 std::uint16_t word) {
    return SetAttributes(folder.path() + name, word);
  }
  virtual Result<RawAttributes> SaveRawAttributesAt(const FolderHandle& folder,
                                                    const std::string& name) {
    return SaveRawAttributes(folder.path() + name);
  }
  virtual Status RestoreRawAttributesAt(const FolderHandle& folder, const std::string& name,
                                        const RawAttributes& raw) {
    return RestoreRawAttributes(folder.path() + name, raw);
  }
  // The dates of a file in the folder (a link's target's, where it has one); a photo's date
  // taken is read only when `taken` is asked for.
  virtual Result<FileDates> DatesAt(const FolderHandle& folder, const std::string& name,
                                    bool taken);
  // Whether the folder's file system takes names that differ only in case for one name
  // (FAT, exFAT, a case-folding folder).
  virtual bool CaseBlind(const std::string& folder) {
    (void)folder;
    return false;
  }
  // Everything written to the folder's file system so far reaches the disk.
  virtual Status SyncFileSystem(const FolderHandle& folder) {
    (void)folder;
    return Status::Ok();
  }

  // stat follows links: a regular file / a directory.
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;

  // The rename operation: never overwrites, fails across file systems (EXDEV).
  virtual Status Rename(const std::string& from, const std::string& to) = 0;
  // MoveFile: never overwrites; across file systems copies then removes the source,
  // leaving no partial target behind on failure.
  virtual Status MoveFile(const std::string& from, const std::string& to) = 0;
  // Copies keeping permissions and modification time. The target is either its old
  // content or the complete new copy. Overwrite::No fails with EEXIST when it exists.
  // Returns the copy as made, for knowing it again later.
  virtual Result<FileIdentity> CopyFile(const std::string& from, const std::string& to,
                                        Overwrite overwrite) = 0;
  // Forced delete: read-only files too.
  virtual Status DeleteFile(const std::string& path) = 0;

  // The entry itself (lstat): a link is not followed.
  virtual Result<FileIdentity> Identify(const std::string& path) = 0;
  // The longest name in bytes that the folder's file system takes.
  virtual std::size_t NameMax(const std::string& folder) = 0;
  // A second name for a file, on its file system; fails when `to` exists.
  virtual Status LinkFile(const std::string& from, const std::string& to) = 0;

  virtual Status CreateFolder(const std::string& path) = 0;
  virtual Status RenameFolder(const std::string& from, const std::string& to) = 0;
  virtual Status RemoveFolder(const std::string& path) = 0;

  // Attribute word: ReadOnly from the permission bits, Hidden/System/Archive from the
  // user.DOSATTRIB extended attribute.
  virtual Result<std::uint16_t> GetAttributes(const std::string& path) = 0;
  virtual Status SetAttributes(const std::string& path, std::uint16_t word) = 0;
  virtual Result<RawAttributes> SaveRawAttributes(const std::string& path) = 0;
  virtual Status RestoreRawAttributes(const std::string& path, const RawAttributes& raw) = 0;

  // The folder's regular files (dot-files included, links to files included) in natural
  // order; and its subfolders in natural order.
  virtual Result<std::vector<std::string>> ListFiles(const std::string& folder) = 0;
  virtual Result<std::vector<std::string>> ListFolders(const std::string& folder) = 0;

  // Mounted file systems, pseudo file systems left out; the drive of a path is its
  // mount point; a drive that cannot be read is not ready.
  virtual std::vector<Drive> Drives() = 0;
  virtual std::string DriveOf(const std::string& path) = 0;
  virtual bool DriveReady(const std::string& mountPoint) = 0;
};

// The name a file takes for a moment, in its own folder, while it is renamed from `from`
// to `to` on a file system that cannot rename without replacing (FAT and exFAT through
// FUSE), or changes only the case of its name where case does not count. It is the
// same for the same two names, so that an undo finds a file a crash left there.
std::string StepName(std::string_view from, std::string_view to);

// Natural order: case-blind, runs of digits compared by value, ties broken by byte order.
bool NaturalLess(const std::string& a, const std::string& b);

}  // namespace quillon
