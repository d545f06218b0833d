#pragma once
// Real file services that let a test act before each call that changes the disk: refuse
// it, kill the process there (as a crash or power cut would), fill the disk. Every path
// and handle form of a changing call counts as one step.
#include <optional>
#include <string>

#include "platform/posix_file_services.h"

namespace quillon::testing {

class SteppedFileServices : public PosixFileServices {
 public:
  // Called before each changing call with its operation and path; an error refuses the
  // call with it.
  virtual std::optional<OsError> Step(const char* operation, const std::string& path) = 0;

  Status Rename(const std::string& from, const std::string& to) override {
    if (auto refused = Step("rename", to)) return *refused;
    return PosixFileServices::Rename(from, to);
  }
  Status RenameIn(const FolderHandle& folder, const std::string& from,
                  const std::string& to) override {
    if (auto refused = Step("rename", folder.path() + to)) return *refused;
    return PosixFileServices::RenameIn(folder, from, to);
  }
  Status RenameAt(const FolderHandle& from, const std::string& fromName, const FolderHandle& to,
                  const std::string& toName) override {
    if (auto refused = Step("rename", to.path() + toName)) return *refused;
    return PosixFileServices::RenameAt(from, fromName, to, toName);
  }
  Status MoveFile(const std::string& from, const std::string& to) override {
    if (auto refused = Step("move", to)) return *refused;
    return PosixFileServices::MoveFile(from, to);
  }
  Result<MoveOutcome> MoveAt(const FolderHandle& from, const std::string& fromName,
                             const FolderHandle& to, const std::string& toName,
                             SourceAfterCopy after) override {
    if (auto refused = Step("move", to.path() + toName)) return *refused;
    return PosixFileServices::MoveAt(from, fromName, to, toName, after);
  }
  Result<FileIdentity> CopyFile(const std::string& from, const std::string& to,
                                Overwrite overwrite) override {
    if (auto refused = Step("copy", to)) return *refused;
    return PosixFileServices::CopyFile(from, to, overwrite);
  }
  Result<FileIdentity> CopyAt(const FolderHandle& from, const std::string& fromName,
                              const FolderHandle& to, const std::string& toName,
                              Overwrite overwrite, Durability durability) override {
    if (auto refused = Step("copy", to.path() + toName)) return *refused;
    return PosixFileServices::CopyAt(from, fromName, to, toName, overwrite, durability);
  }
  Status DeleteFile(const std::string& path) override {
    if (auto refused = Step("delete", path)) return *refused;
    return PosixFileServices::DeleteFile(path);
  }
  Status DeleteAt(const FolderHandle& folder, const std::string& name) override {
    if (auto refused = Step("delete", folder.path() + name)) return *refused;
    return PosixFileServices::DeleteAt(folder, name);
  }
  Status SetAttributesAt(const FolderHandle& folder, const std::string& name,
                         std::uint16_t word) override {
    if (auto refused = Step("set attributes", folder.path() + name)) return *refused;
    return PosixFileServices::SetAttributesAt(folder, name, word);
  }
  Status RestoreRawAttributesAt(const FolderHandle& folder, const std::string& name,
                                const RawAttributes& raw) override {
    if (auto refused = Step("restore attributes", folder.path() + name)) return *refused;
    return PosixFileServices::RestoreRawAttributesAt(folder, name, raw);
  }
};

}  // namespace quillon::testing
