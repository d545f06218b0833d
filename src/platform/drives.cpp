// Drives are mounted file systems a person would pick: "/" and the data mounts, not the
// kernel's pseudo file systems nor the system's own memory file systems.
#include <dirent.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "platform/posix_file_services.h"

namespace quillon {
namespace {

const std::set<std::string, std::less<>> kPseudoTypes = {
    "proc",     "sysfs",     "cgroup",    "cgroup2",    "devpts",      "devtmpfs",
    "mqueue",   "debugfs",   "tracefs",   "securityfs", "pstore",      "bpf",
    "autofs",   "hugetlbfs", "configfs",  "fusectl",    "binfmt_misc", "rpc_pipefs",
    "nsfs",     "efivarfs",  "selinuxfs", "ramfs",      "fuse.portal", "fuse.gvfsd-fuse",
    "squashfs",  // snap and live-image packages, read-only
};

// Whether path is base or lies inside it.
bool IsUnder(std::string_view path, std::string_view base) {
  if (base == "/") return !path.empty() && path[0] == '/';
  return path.substr(0, base.size()) == base &&
         (path.size() == base.size() || path[base.size()] == '/');
}

bool IsWanted(const Drive& drive) {
  if (kPseudoTypes.count(drive.type) != 0) return false;
  const std::string_view mount = drive.mountPoint;
  // The system's own trees; in containers /etc holds bind-mounted files.
  for (std::string_view system : {"/proc", "/sys", "/dev", "/etc"}) {
    if (IsUnder(mount, system)) return false;
  }
  if (IsUnder(mount, "/run") && !IsUnder(mount, "/run/media")) return false;
  if (drive.type == "tmpfs") {
    return mount == "/" || IsUnder(mount, "/tmp") || IsUnder(mount, "/media") ||
           IsUnder(mount, "/mnt") || IsUnder(mount, "/run/media");
  }
  return true;
}

// mountinfo escapes space, tab, newline and backslash as \ooo.
std::string Unescape(std::string_view text) {
  const auto octal = [](char c) { return c >= '0' && c <= '7'; };
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && octal(text[i + 1]) && octal(text[i + 2]) &&
        octal(text[i + 3])) {
      out.push_back(static_cast<char>(((text[i + 1] - '0') << 6) | ((text[i + 2] - '0') << 3) |
                                      (text[i + 3] - '0')));
      i += 3;
      continue;
    }
    out.push_back(text[i]);
  }
  return out;
}

}  // namespace

std::vector<Drive> ParseMountInfo(std::string_view mountinfo) {
  std::vector<Drive> drives;
  std::istringstream lines{std::string(mountinfo)};
  std::string line;
  while (std::getline(lines, line)) {
    // id parent major:minor root mount-point options [optional...] - type source super-options
    std::istringstream fields(line);
    const std::vector<std::string> words{std::istream_iterator<std::string>(fields), {}};
    if (words.size() < 9) continue;
    const auto dash = std::find(words.begin() + 6, words.end(), "-");
    if (words.end() - dash < 3) continue;
    Drive drive{Unescape(words[4]), Unescape(*(dash + 2)), Unescape(*(dash + 1))};
    // A later mount on the same point hides the earlier one.
    std::erase_if(drives, [&](const Drive& d) { return d.mountPoint == drive.mountPoint; });
    drives.push_back(std::move(drive));
  }
  std::erase_if(drives, [](const Drive& d) { return !IsWanted(d); });
  std::sort(drives.begin(), drives.end(),
            [](const Drive& a, const Drive& b) { return a.mountPoint < b.mountPoint; });
  return drives;
}

std::string DriveOfPath(const std::vector<Drive>& drives, std::string_view path) {
  std::string best;
  for (const Drive& drive : drives) {
    if (IsUnder(path, drive.mountPoint) && drive.mountPoint.size() > best.size()) {
      best = drive.mountPoint;
    }
  }
  return best;
}

std::vector<Drive> PosixFileServices::Drives() {
  std::ifstream in("/proc/self/mountinfo");
  std::ostringstream text;
  text << in.rdbuf();
  std::vector<Drive> drives = ParseMountInfo(text.str());
  // Without /proc there is still the root.
  if (drives.empty()) drives.push_back(Drive{"/", "", ""});
  return drives;
}

std::string PosixFileServices::DriveOf(const std::string& path) {
  return DriveOfPath(Drives(), path);
}

bool PosixFileServices::DriveReady(const std::string& mountPoint) {
  DIR* dir = ::opendir(mountPoint.c_str());
  if (dir == nullptr) return false;
  ::closedir(dir);
  return true;
}

}  // namespace quillon
