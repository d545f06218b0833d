#pragma once
// A file system of its own for one test, mounted on a fresh folder under the temporary
// folder: a tiny tmpfs to fill up (ENOSPC), a ramfs without extended attributes, a second
// file system to move across. Needs root; where mounting is refused, mounted() is false
// and reason() says why, so the test can skip.
#include <string>

namespace quillon::testing {

class ScratchMount {
 public:
  // type: "tmpfs", "ramfs"; options as for mount -o, e.g. "size=64k".
  ScratchMount(const std::string& type, const std::string& options);
  ~ScratchMount();
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& reason() const { return reason_; }
  // The mount point, without a trailing "/".
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::string reason_;
  bool mounted_ = false;
};

}  // namespace quillon::testing
