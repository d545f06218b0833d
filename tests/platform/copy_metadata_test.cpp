// A copy keeps what cp -a keeps: the extended attributes and the access control list.
#include <acl/libacl.h>
#include <sys/acl.h>
#include <sys/xattr.h>

#include <cstdlib>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "platform/posix_file_services.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::TempDir;

// The user's extended attributes of a file, by name.
std::map<std::string, std::string> UserAttributes(const std::string& path) {
  std::map<std::string, std::string> found;
  char names[4096];
  const ssize_t length = ::listxattr(path.c_str(), names, sizeof names);
  for (ssize_t at = 0; at < length; at += static_cast<ssize_t>(std::strlen(names + at)) + 1) {
    const std::string name = names + at;
    if (name.rfind("user.", 0) != 0) continue;
    char value[4096];
    const ssize_t size = ::getxattr(path.c_str(), name.c_str(), value, sizeof value);
    found[name] = size < 0 ? "<unreadable>" : std::string(value, static_cast<size_t>(size));
  }
  return found;
}

// The access control list of a file as text ("" when it has only the permission bits).
std::string AccessList(const std::string& path) {
  acl_t acl = ::acl_get_file(path.c_str(), ACL_TYPE_ACCESS);
  if (acl == nullptr) return "<unreadable>";
  char* text = ::acl_to_any_text(acl, nullptr, ',', 0);
  std::string shown = text ? text : "";
  ::acl_free(text);
  ::acl_free(acl);
  return shown;
}

bool SetAccessList(const std::string& path, const char* text) {
  acl_t acl = ::acl_from_text(text);
  if (acl == nullptr) return false;
  const bool set = ::acl_set_file(path.c_str(), ACL_TYPE_ACCESS, acl) == 0;
  ::acl_free(acl);
  return set;
}

// A downloaded, tagged photo shared with one more user: the copy made by the program, for
// a new name and over an existing one, has what cp -a gives it.
TEST(CopyFile, KeepsExtendedAttributesAndTheAccessListAsCpDashADoes) {
  TempDir dir;
  const std::string source = dir.file("photo.jpg", "jpeg data");
  if (::setxattr(source.c_str(), "user.xdg.tags", "holiday,beach", 13, 0) != 0) {
    GTEST_SKIP() << "this file system keeps no user attributes";
  }
  ASSERT_EQ(::setxattr(source.c_str(), "user.xdg.origin.url", "https://example.org/p.jpg", 25, 0),
            0);
  if (!SetAccessList(source, "u::rw-,u:nobody:r--,g::r--,m::r--,o::---")) {
    GTEST_SKIP() << "this file system keeps no access control lists";
  }
  dir.file("old.jpg", "old data");
  const std::string command = "cp -a '" + source + "' '" + dir / "by-cp.jpg" + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);

  PosixFileServices files;
  ASSERT_TRUE(files.CopyFile(source, dir / "new.jpg", Overwrite::No).ok());
  ASSERT_TRUE(files.CopyFile(source, dir / "old.jpg", Overwrite::Yes).ok());
  const auto attributes = UserAttributes(dir / "by-cp.jpg");
  const std::string accessList = AccessList(dir / "by-cp.jpg");
  ASSERT_EQ(attributes.size(), 2u);
  ASSERT_NE(accessList.find("user:nobody:r--"), std::string::npos);
  for (const char* copy : {"new.jpg", "old.jpg"}) {
    SCOPED_TRACE(copy);
    EXPECT_EQ(UserAttributes(dir / copy), attributes);
    EXPECT_EQ(AccessList(dir / copy), accessList);
    EXPECT_EQ(dir.read(copy), "jpeg data");
  }
}

// A file without either gets none, and a plain copy keeps its bits.
TEST(CopyFile, APlainFileGetsNoAttributesOrAccessList) {
  TempDir dir;
  const std::string source = dir.file("plain.txt", "text");
  PosixFileServices files;
  ASSERT_TRUE(files.CopyFile(source, dir / "copy.txt", Overwrite::No).ok());
  EXPECT_TRUE(UserAttributes(dir / "copy.txt").empty());
  EXPECT_EQ(::acl_extended_file((dir / "copy.txt").c_str()), 0);
}

}  // namespace
}  // namespace quillon
