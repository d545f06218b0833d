#include "support/loop_ext4.h"

#include <fcntl.h>
#include <linux/types.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace quillon::testing {
namespace {

// The ext4 shutdown ioctl and its "lose the journal's unwritten part" flag.
constexpr unsigned long kExt4Shutdown = _IOR('X', 125, __u32);
constexpr __u32 kShutdownNoLogFlush = 2;

bool Run(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace

LoopExt4::LoopExt4() {
  if (::geteuid() != 0) {
    reason_ = "needs root to mount a loop device";
    return;
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "quillon-ext4-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    reason_ = std::string("mkdtemp: ") + std::strerror(errno);
    return;
  }
  folder_ = pattern;
  image_ = folder_ + "/disk.img";
  mountPoint_ = folder_ + "/mnt";
  std::filesystem::create_directory(mountPoint_);
  if (!Run("truncate -s 64M " + image_) || !Run("mkfs.ext4 -q -F " + image_)) {
    reason_ = "mkfs.ext4 is not available";
    return;
  }
  mounted_ = Mount();
}

bool LoopExt4::Mount() {
  if (!Run("mount -o loop " + image_ + " " + mountPoint_)) {
    reason_ = "mount -o loop " + image_ + " was refused (no loop devices here?)";
    return false;
  }
  return true;
}

LoopExt4::~LoopExt4() {
  if (mounted_) ::umount2(mountPoint_.c_str(), MNT_DETACH);
  if (!folder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
}

void LoopExt4::CommitMetadata() {
  // An fsync of a file of its own makes the journal commit everything changed so far.
  const std::string marker = mountPoint_ + "/.commit";
  const int fd = ::open(marker.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  (void)!::write(fd, "x", 1);
  ::fsync(fd);
  ::close(fd);
  ::unlink(marker.c_str());
}

bool LoopExt4::PowerCutAndRemount() {
  const int fd = ::open(mountPoint_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  __u32 flags = kShutdownNoLogFlush;
  const bool cut = fd >= 0 && ::ioctl(fd, kExt4Shutdown, &flags) == 0;
  if (fd >= 0) ::close(fd);
  if (!cut) {
    reason_ = std::string("shutdown ioctl: ") + std::strerror(errno);
    return false;
  }
  if (::umount2(mountPoint_.c_str(), 0) != 0) {
    reason_ = std::string("umount: ") + std::strerror(errno);
    return false;
  }
  mounted_ = Mount();
  return mounted_;
}

}  // namespace quillon::testing
