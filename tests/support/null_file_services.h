#pragma once
// File services that do nothing: for tests of core rules that never reach the disk.
#include <cerrno>

#include "platform/file_services.h"

namespace quillon::testing {

class NullFileServices : public FileServices {
 public:
  bool FileExists(const std::string&) override { return false; }
  bool FolderExists(const std::string&) override { return false; }
  Status Rename(const std::string& from, const std::string&) override { return Fail(from); }
  Status MoveFile(const std::string& from, const std::string&) override { return Fail(from); }
  Result<FileIdentity> CopyFile(const std::string& from, const std::string&, Overwrite) override {
    return Error(from);
  }
  Status DeleteFile(const std::string& path) override { return Fail(path); }
  Result<FileIdentity> Identify(const std::string& path) override { return Error(path); }
  Status LinkFile(const std::string& from, const std::string&) override { return Fail(from); }
  std::size_t NameMax(const std::string&) override { return 255; }
  Status CreateFolder(const std::string& path) override { return Fail(path); }
  Status RenameFolder(const std::string& from, const std::string&) override { return Fail(from); }
  Status RemoveFolder(const std::string& path) override { return Fail(path); }
  Result<std::uint16_t> GetAttributes(const std::string& path) override { return Error(path); }
  Status SetAttributes(const std::string& path, std::uint16_t) override { return Fail(path); }
  Result<RawAttributes> SaveRawAttributes(const std::string& path) override { return Error(path); }
  Status RestoreRawAttributes(const std::string& path, const RawAttributes&) override {
    return Fail(path);
  }
  Result<std::vector<std::string>> ListFiles(const std::string&) override {
    return std::vector<std::string>{};
  }
  Result<std::vector<std::string>> ListFolders(const std::string&) override {
    return std::vector<std::string>{};
  }
  std::vector<Drive> Drives() override { return {}; }
  std::string DriveOf(const std::string&) override { return "/"; }
  bool DriveReady(const std::string&) override { return false; }

 private:
  static OsError Error(const std::string& path) { return OsError{ENOSYS, "null", path}; }
  static Status Fail(const std::string& path) { return Error(path); }
};

}  // namespace quillon::testing
