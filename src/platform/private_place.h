#pragma once
// The places the program keeps its own state in (the journal, its lock, the files a job
// keeps aside) are trusted only when nobody else could have put or changed what is
// there, as ssh judges its key files: owned by the user, writable by nobody else.
#include <cstdint>
#include <string>

#include "platform/result.h"

namespace quillon {

// A folder (links followed) owned by the user or by root, that others cannot write to
// (unless it is sticky, where they cannot touch the user's files), and its group only
// when that is the user's own group.
Status CheckPrivateFolder(const std::string& folder);
// A regular file, not a link, owned by the user and writable by nobody else.
Status CheckPrivateFile(const std::string& path);

// Makes a folder only the user can enter (mode 700).
Status CreatePrivateFolder(const std::string& folder);

// The user the program runs as (its effective user id).
std::uint32_t CurrentUserId();

// Where the file named `path` is, for keeping the program's state in: absolute, a link
// at it followed. Its folder must pass CheckPrivateFolder and the file, when there is
// one, CheckPrivateFile; otherwise the error says why it is not trusted.
Result<std::string> PrivateFilePath(const std::string& path);

// `path` made absolute against the current folder, "." and ".." taken out by name
// (links are not resolved); "" stays "".
std::string AbsolutePath(const std::string& path);

}  // namespace quillon
