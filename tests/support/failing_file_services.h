#pragma once
// A FileServices decorator that makes chosen calls fail with a chosen errno, without
// touching the disk, and forwards every other call to the real services. It records
// every call, so a test can see where a job stopped.
#include <string>
#include <vector>

#include "platform/file_services.h"

namespace quillon::testing {

enum class Op {
  FileExists,
  FolderExists,
  Rename,
  MoveFile,
  CopyFile,
  DeleteFile,
  Identify,
  LinkFile,
  CreateFolder,
  RenameFolder,
  RemoveFolder,
  GetAttributes,
  SetAttributes,
  SaveRawAttributes,
  RestoreRawAttributes,
  ListFiles,
  ListFolders,
  SyncFileSystem,
};

// The operation name an injected OsError carries, as the real services name it.
const char* OpName(Op op);

class FailingFileServices : public FileServices {
 public:
  // One call as it happened: the paths given and the errno returned (0 for success;
  // for FileExists/FolderExists, ENOENT when the answer was false).
  struct Call {
    Op op;
    std::string path;
    std::string path2;  // the second path of a two-path call, else ""
    int error = 0;
  };

  explicit FailingFileServices(FileServices& real) : real_(real) {}

  // Calls of op naming a path (either path of a two-path call) that ends with
  // pathSuffix fail with err; "" matches every path. FileExists/FolderExists answer false.
  void fail(Op op, std::string pathSuffix, int err);
  // From the n-th call of op after this one (1 = the next) on, every call of op fails.
  void failAfter(Op op, int n, int err);
  // Forgets every injected failure (the call log stays).
  void clearFailures();

  const std::vector<Call>& calls() const { return calls_; }
  // How many calls of op were made (failed ones included).
  int count(Op op) const;

  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  Status Rename(const std::string& from, const std::string& to) override;
  // The real services' handle; a rename in it is intercepted as Op::Rename of the paths.
  FolderHandle OpenFolder(const std::string& folder) override { return real_.OpenFolder(folder); }
  Status RenameIn(const FolderHandle& folder, const std::string& from,
                  const std::string& to) override;
  // The calls by handle are intercepted as their path forms, with the same paths.
  Result<FileIdentity> IdentifyAt(const FolderHandle& folder, const std::string& name) override;
  Result<FileIdentity> IdentifyFolder(const FolderHandle& folder) override;
  Status RenameAt(const FolderHandle& from, const std::string& fromName, const FolderHandle& to,
                  const std::string& toName) override;
  Result<MoveOutcome> MoveAt(const FolderHandle& from, const std::string& fromName,
                             const FolderHandle& to, const std::string& toName,
                             SourceAfterCopy after) override;
  Result<FileIdentity> CopyAt(const FolderHandle& from, const std::string& fromName,
                              const FolderHandle& to, const std::string& toName,
                              Overwrite overwrite, Durability durability) override;
  Status DeleteAt(const FolderHandle& folder, const std::string& name) override;
  Result<std::uint16_t> GetAttributesAt(const FolderHandle& folder,
                                        const std::string& name) override;
  Status SetAttributesAt(const FolderHandle& folder, const std::string& name,
                         std::uint16_t word) override;
  Result<RawAttributes> SaveRawAttributesAt(const FolderHandle& folder,
                                            const std::string& name) override;
  Status RestoreRawAttributesAt(const FolderHandle& folder, const std::string& name,
                                const RawAttributes& raw) override;
  Status SyncFileSystem(const FolderHandle& folder) override;
  Status MoveFile(const std::string& from, const std::string& to) override;
  Result<FileIdentity> CopyFile(const std::string& from, const std::string& to,
                                Overwrite overwrite) override;
  Status DeleteFile(const std::string& path) override;
  Result<FileIdentity> Identify(const std::string& path) override;
  Status LinkFile(const std::string& from, const std::string& to) override;
  std::size_t NameMax(const std::string& folder) override { return real_.NameMax(folder); }
  Status CreateFolder(const std::string& path) override;
  Status RenameFolder(const std::string& from, const std::string& to) override;
  Status RemoveFolder(const std::string& path) override;
  Result<std::uint16_t> GetAttributes(const std::string& path) override;
  Status SetAttributes(const std::string& path, std::uint16_t word) override;
  Result<RawAttributes> SaveRawAttributes(const std::string& path) override;
  Status RestoreRawAttributes(const std::string& path, const RawAttributes& raw) override;
  Result<std::vector<std::string>> ListFiles(const std::string& folder) override;
  Result<std::vector<std::string>> ListFolders(const std::string& folder) override;
  std::vector<Drive> Drives() override { return real_.Drives(); }
  std::string DriveOf(const std::string& path) override { return real_.DriveOf(path); }
  bool DriveReady(const std::string& mountPoint) override { return real_.DriveReady(mountPoint); }

 private:
  struct Rule {
    Op op;
    std::string suffix;
    int err;
    int fromCall = 0;  // failAfter: the op's call count from which calls fail; 0 = by suffix
  };

  // The errno the call must fail with, or 0; records the call either way.
  int intercept(Op op, const std::string& path, const std::string& path2 = "");
  // Records the outcome of the call last intercepted.
  void record(int error) { calls_.back().error = error; }
  template <typename T>
  T finish(T result) {
    record(result.code());
    return result;
  }

  FileServices& real_;
  std::vector<Rule> rules_;
  std::vector<Call> calls_;
};

}  // namespace quillon::testing
