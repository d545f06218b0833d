#include "support/scratch_mount.h"

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace quillon::testing {

ScratchMount::ScratchMount(const std::string& type, const std::string& options) {
  std::string pattern = (std::filesystem::temp_directory_path() / "quillon-mount-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    reason_ = std::string("mkdtemp: ") + std::strerror(errno);
    return;
  }
  path_ = pattern;
  if (::mount("quillon-test", path_.c_str(), type.c_str(), 0, options.c_str()) != 0) {
    reason_ = "mount -t " + type + " -o " + options + ": " + std::strerror(errno);
    return;
  }
  mounted_ = true;
}

ScratchMount::~ScratchMount() {
  if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
  if (!path_.empty()) ::rmdir(path_.c_str());
}

}  // namespace quillon::testing
