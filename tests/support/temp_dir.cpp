#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quillon::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "quillon-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
}

TempDir::~TempDir() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  if (info != nullptr && info->result()->Failed()) {
    std::fprintf(stderr, "kept temporary folder %s\n", path_.c_str());
    return;
  }
  std::error_code ignored;
  // Make everything writable first so read-only test files do not block removal.
  for (auto it = fs::recursive_directory_iterator(path_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (!it->is_symlink())
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(path_, ignored);
}

std::string TempDir::file(const std::string& name, const std::string& content) {
  const std::string full = *this / name;
  std::ofstream out(full, std::ios::binary | std::ios::trunc);
  out << content;
  return full;
}

std::string TempDir::folder(const std::string& name) {
  const std::string full = *this / name;
  fs::create_directories(full);
  return full;
}

std::string TempDir::read(const std::string& name) const {
  std::ifstream in(*this / name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool TempDir::exists(const std::string& name) const {
  std::error_code ignored;
  return fs::symlink_status(*this / name, ignored).type() != fs::file_type::not_found;
}

void TempDir::clear() {
  for (const auto& entry : fs::directory_iterator(path_)) fs::remove_all(entry.path());
}

std::vector<std::string> TempDir::names() const {
  std::vector<std::string> out;
  for (const auto& entry : fs::directory_iterator(path_)) {
    out.push_back(entry.path().filename().string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace quillon::testing
