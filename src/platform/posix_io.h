#pragma once
// Helpers shared by the POSIX file services' sources; not used outside src/platform.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "platform/file_services.h"
#include "platform/result.h"

namespace quillon::posix {

// Operation names carried by OsError.
inline constexpr char kOpRename[] = "rename";
inline constexpr char kOpMove[] = "move";
inline constexpr char kOpCopy[] = "copy";
inline constexpr char kOpDelete[] = "delete";
inline constexpr char kOpCreateFolder[] = "create folder";
inline constexpr char kOpRenameFolder[] = "rename folder";
inline constexpr char kOpRemoveFolder[] = "remove folder";
inline constexpr char kOpGetAttributes[] = "get attributes";
inline constexpr char kOpSetAttributes[] = "set attributes";
inline constexpr char kOpSaveAttributes[] = "save attributes";
inline constexpr char kOpRestoreAttributes[] = "restore attributes";
inline constexpr char kOpListFiles[] = "list files";
inline constexpr char kOpListFolders[] = "list folders";

// Where the Hidden/System/Archive bits live.
inline constexpr char kDosAttribName[] = "user.DOSATTRIB";

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

// The path an error of a two-path operation names.
inline std::string PairPath(const std::string& from, const std::string& to) {
  return from + " -> " + to;
}

// False when a C call would see a shorter path than the caller meant.
bool HasNoNul(const std::string& path);
// False for a path holding NUL or whose final component is "", "." or "..".
bool HasUsableName(const std::string& path);
// The folder part of a path: "a/b" -> "a", "b" -> ".", "/b" -> "/".
std::string FolderOf(const std::string& path);
// The final name of a path: "a/b" -> "b", "b" -> "b".
std::string NameOf(const std::string& path);

// Renames without ever replacing an existing name. Where the file system refuses the
// RENAME_NOREPLACE flag, falls back to LinkThenUnlink. The At form takes names relative
// to folder descriptors (AT_FDCWD for paths), and `where` for its errors.
Status RenameNoReplace(const std::string& from, const std::string& to, const char* operation);
// `checked`, when given, is set when the rename was checked by hand because the file
// system takes neither the flag nor links; `caseBlind` caches what CaseBlindAt found.
Status RenameNoReplaceAt(int fromDir, const std::string& from, int toDir, const std::string& to,
                         const char* operation, const std::string& where, bool* checked = nullptr,
                         std::int8_t* caseBlind = nullptr);
// Whether the folder's file system takes names that differ only in case for one name.
bool CaseBlindAt(int dir);
// Creates `to` as a hard link (which fails when the name exists), then removes `from`;
// on failure `from` is left as it was and `to` is not created.
Status LinkThenUnlink(const std::string& from, const std::string& to, const char* operation);

enum class KeepOwner { No, Yes };
// Copies `from` to `to` through an unnamed file in the folder of `to` (O_TMPFILE), which
// takes its name only when complete, with its permission bits, modification time and
// user.DOSATTRIB (when it can be kept); on failure nothing is left behind; Overwrite::No fails with
// EEXIST when `to` exists. Where the file system has no unnamed files, a named temporary file is
// used instead. Returns the copy as made.
Result<FileIdentity> CopyIntoPlace(const std::string& from, const std::string& to,
                                   const char* operation, KeepOwner keepOwner, Overwrite overwrite);
// The same by names relative to folder descriptors: `toDir` is the target's folder. With
// Durability::Synced the copy's data is on the disk before it takes its name.
Result<FileIdentity> CopyIntoPlace(int fromDir, const std::string& fromName, int toDir,
                                   const std::string& toName, const std::string& where,
                                   const char* operation, KeepOwner keepOwner, Overwrite overwrite,
                                   Durability durability);

// What lstat or fstat told, as the identity of the entry.
FileIdentity IdentityOf(const struct stat& st);

}  // namespace quillon::posix
