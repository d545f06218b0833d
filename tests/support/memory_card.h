#pragma once
// A memory card for one test: a FAT32 or exFAT image of its own, mounted through FUSE as
// many desktops mount cards (fusefat; exfat-fuse on a loop device). Case-blind, without
// RENAME_NOREPLACE, hard links, unnamed files or extended attributes. Needs root, FUSE
// and the tools; where any is missing, mounted() is false and reason() says why.
#include <string>

namespace quillon::testing {

class MemoryCard {
 public:
  enum class Kind { Fat32, Exfat };
  explicit MemoryCard(Kind kind);
  ~MemoryCard();
  MemoryCard(const MemoryCard&) = delete;
  MemoryCard& operator=(const MemoryCard&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& reason() const { return reason_; }
  // The card's root, without a trailing "/".
  const std::string& path() const { return mountPoint_; }
  const char* name() const { return kind_ == Kind::Fat32 ? "FAT32" : "exFAT"; }

 private:
  Kind kind_;
  std::string folder_;
  std::string mountPoint_;
  std::string loop_;
  std::string reason_;
  bool mounted_ = false;
};

}  // namespace quillon::testing
