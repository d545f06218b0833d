#include "support/memory_card.h"

#include <sys/mount.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace quillon::testing {
namespace {

bool Run(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The first line a command prints.
std::string Output(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
    std::array<char, 256> line{};
    if (std::fgets(line.data(), line.size(), pipe) != nullptr) out = line.data();
    ::pclose(pipe);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

}  // namespace

MemoryCard::MemoryCard(Kind kind) : kind_(kind) {
  if (::geteuid() != 0) {
    reason_ = "needs root to mount a card image";
    return;
  }
  if (::access("/dev/fuse", R_OK | W_OK) != 0) {
    reason_ = "no /dev/fuse here";
    return;
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "quillon-card-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    reason_ = std::string("mkdtemp: ") + std::strerror(errno);
    return;
  }
  folder_ = pattern;
  const std::string image = folder_ + "/card.img";
  mountPoint_ = folder_ + "/card";
  std::filesystem::create_directory(mountPoint_);
  if (!Run("truncate -s 64M " + image)) {
    reason_ = "truncate failed";
    return;
  }
  if (kind_ == Kind::Fat32) {
    if (!Run("mkfs.vfat -F 32 " + image) || !Run("fusefat -o rw+ " + image + " " + mountPoint_)) {
      reason_ = "mkfs.vfat or fusefat is missing or refused (install dosfstools, fusefat)";
      return;
    }
  } else {
    loop_ = Output("losetup -f --show " + image);
    if (loop_.empty() || !Run("mkfs.exfat " + loop_) ||
        !Run("mount.exfat-fuse " + loop_ + " " + mountPoint_)) {
      reason_ =
          "mkfs.exfat, losetup or exfat-fuse is missing or refused (install exfatprogs, "
          "exfat-fuse)";
      return;
    }
  }
  mounted_ = true;
}

MemoryCard::~MemoryCard() {
  if (mounted_ && !Run("fusermount -u " + mountPoint_)) ::umount2(mountPoint_.c_str(), MNT_DETACH);
  if (!loop_.empty()) Run("losetup -d " + loop_);
  if (!folder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
}

}  // namespace quillon::testing
