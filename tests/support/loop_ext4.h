#pragma once
// A small ext4 file system of its own for one test, in an image file mounted through a
// loop device, that can lose power: the test commits its journal as the periodic commit
// would (names and sizes, not the data written since), then cuts the power with the
// shutdown ioctl and mounts what reached the image again. Needs root, mkfs.ext4 and loop
// devices; where any is missing, mounted() is false and reason() says why.
#include <string>

namespace quillon::testing {

class LoopExt4 {
 public:
  LoopExt4();
  ~LoopExt4();
  LoopExt4(const LoopExt4&) = delete;
  LoopExt4& operator=(const LoopExt4&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& reason() const { return reason_; }
  // The mount point, without a trailing "/".
  const std::string& path() const { return mountPoint_; }

  // What the journal's periodic commit writes: every change of names and sizes so far,
  // but not the data of files whose blocks are not yet allocated (delayed allocation).
  void CommitMetadata();
  // The power goes: nothing more reaches the image. Then it is mounted again as a
  // restart would find it. False (with reason()) when that fails.
  bool PowerCutAndRemount();

 private:
  bool Mount();
  std::string folder_;  // holds the image and the mount point
  std::string image_;
  std::string mountPoint_;
  std::string reason_;
  bool mounted_ = false;
};

}  // namespace quillon::testing
