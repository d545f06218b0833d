#pragma once
// Helpers shared by the POSIX file services' sources; not used outside src/platform.
#include <sys/stat.h>

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

// Renames without ever replacing an existing name. Where the file system refuses the
// RENAME_NOREPLACE flag, falls back to LinkThenUnlink.
Status RenameNoReplace(const std::string& from, const std::string& to, const char* operation);
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

// What lstat or fstat told, as the identity of the entry.
FileIdentity IdentityOf(const struct stat& st);

}  // namespace quillon::posix
