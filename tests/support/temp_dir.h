#pragma once
// A real temporary folder for file-system tests. Removed on success, kept on failure
// so the state can be inspected.
#include <string>
#include <vector>

namespace quillon::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, without a trailing "/".
  const std::string& path() const { return path_; }
  // path() + "/" + name.
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  // Creates (or replaces) a file with the given content; returns its path.
  std::string file(const std::string& name, const std::string& content = "");
  std::string folder(const std::string& name);
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;
  // Removes everything inside the folder.
  void clear();
  // Names in the folder, sorted by byte order (files and folders).
  std::vector<std::string> names() const;

 private:
  std::string path_;
};

}  // namespace quillon::testing
