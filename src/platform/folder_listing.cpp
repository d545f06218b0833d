// A folder's files and subfolders, read with readdir so that names that are not UTF-8
// are listed exactly, in natural order.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/natural_order.h"
#include "platform/posix_file_services.h"
#include "platform/posix_io.h"

namespace quillon {
namespace {

using namespace posix;

enum class Kind { Files, Folders };

// Whether the entry is a regular file / a folder once links are followed. The entry's
// type answers without a stat except for links and file systems that do not say.
bool IsWanted(DIR* dir, const dirent* entry, Kind kind) {
  const unsigned char wanted = kind == Kind::Files ? DT_REG : DT_DIR;
  if (entry->d_type == wanted) return true;
  if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) return false;
  struct stat st {};
  if (::fstatat(::dirfd(dir), entry->d_name, &st, 0) != 0) return false;  // broken link
  return kind == Kind::Files ? S_ISREG(st.st_mode) : S_ISDIR(st.st_mode);
}

Result<std::vector<std::string>> List(const std::string& folder, Kind kind, const char* operation) {
  if (!HasNoNul(folder)) return OsError{EINVAL, operation, folder};
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return LastError(operation, folder);
  std::vector<std::string> names;
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir);
    if (entry == nullptr) break;
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (IsWanted(dir, entry, kind)) names.emplace_back(name);
  }
  const int readError = errno;
  ::closedir(dir);
  if (readError != 0) return OsError{readError, operation, folder};
  SortNaturally(names);
  return names;
}

}  // namespace

Result<std::vector<std::string>> PosixFileServices::ListFiles(const std::string& folder) {
  return List(folder, Kind::Files, kOpListFiles);
}

Result<std::vector<std::string>> PosixFileServices::ListFolders(const std::string& folder) {
  return List(folder, Kind::Folders, kOpListFolders);
}

}  // namespace quillon
