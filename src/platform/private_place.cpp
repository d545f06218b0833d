#include "platform/private_place.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace quillon {
namespace {

OsError Distrust(const char* what, const std::string& path, const char* reason) {
  return OsError{EPERM, what, path, reason};
}

}  // namespace

Status CheckPrivateFolder(const std::string& folder) {
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return LastError("use folder", folder);
  if (!S_ISDIR(st.st_mode)) return OsError{ENOTDIR, "use folder", folder};
  if (st.st_uid != ::geteuid() && st.st_uid != 0) {
    return Distrust("use folder", folder, "it belongs to another user");
  }
  const bool sticky = (st.st_mode & S_ISVTX) != 0;
  if ((st.st_mode & S_IWOTH) && !sticky) {
    return Distrust("use folder", folder, "other users can write to it");
  }
  if ((st.st_mode & S_IWGRP) && !sticky && st.st_gid != ::getegid()) {
    return Distrust("use folder", folder, "its group can write to it");
  }
  return Status::Ok();
}

Status CheckPrivateFile(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return LastError("use file", path);
  if (S_ISLNK(st.st_mode)) return Distrust("use file", path, "it is a link");
  if (!S_ISREG(st.st_mode)) return Distrust("use file", path, "it is not a regular file");
  if (st.st_uid != ::geteuid()) return Distrust("use file", path, "it belongs to another user");
  if (st.st_mode & (S_IWGRP | S_IWOTH)) {
    return Distrust("use file", path, "other users can write to it");
  }
  return Status::Ok();
}

Status CreatePrivateFolder(const std::string& folder) {
  if (::mkdir(folder.c_str(), 0700) != 0) return LastError("create folder", folder);
  return Status::Ok();
}

std::uint32_t CurrentUserId() {
  return ::geteuid();
}

Result<std::string> PrivateFilePath(const std::string& path) {
  std::string absolute = AbsolutePath(path);
  if (absolute.empty() || absolute.back() == '/') return OsError{EISDIR, "use file", path};
  // The file a link leads to is used, and judged, in its place; a link to a file that
  // is not there yet leads to where it will be made.
  struct stat st {};
  for (int hops = 0; ::lstat(absolute.c_str(), &st) == 0 && S_ISLNK(st.st_mode); ++hops) {
    char target[PATH_MAX];
    const ssize_t n = ::readlink(absolute.c_str(), target, sizeof target - 1);
    if (n < 0 || hops == 8) return OsError{ELOOP, "use file", path};
    target[n] = '\0';
    const std::string folder = absolute.substr(0, absolute.rfind('/') + 1);
    absolute = AbsolutePath(target[0] == '/' ? std::string(target) : folder + target);
  }
  const std::size_t slash = absolute.rfind('/');
  const std::string folder = slash == 0 ? "/" : absolute.substr(0, slash);
  if (Status trusted = CheckPrivateFolder(folder); !trusted) {
    // Named by the file the caller asked for, with the folder's fault as the reason.
    const OsError& fault = trusted.error();
    return OsError{fault.code, "use", absolute,
                   "its folder " + folder + ": " +
                       (fault.reason.empty() ? std::strerror(fault.code) : fault.reason)};
  }
  if (::lstat(absolute.c_str(), &st) == 0) {
    if (Status trusted = CheckPrivateFile(absolute); !trusted) return trusted.error();
  } else if (errno != ENOENT) {
    return LastError("use file", absolute);
  }
  return absolute;
}

std::string AbsolutePath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  std::string text = absolute.lexically_normal().string();
  // A folder given with its trailing separator keeps it; "x/." loses it as "x" would.
  if (text.size() > 1 && text.back() == '/' && path.back() != '/') text.pop_back();
  return text;
}

}  // namespace quillon
