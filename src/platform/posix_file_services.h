#pragma once
// The real file services on Linux. Renames never replace (renameat2 RENAME_NOREPLACE),
// copies go through a temporary file beside the target, the Hidden/System/Archive bits
// live in user.DOSATTRIB as Samba and Wine keep them, folders are read with readdir so
// that every name, UTF-8 or not, is listed exactly. Nothing throws: every failure is an
// OsError with the errno, the operation and the path ("from -> to" for two-path calls).
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_services.h"

namespace quillon {

class PosixFileServices : public FileServices {
 public:
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;

  Status Rename(const std::string& from, const std::string& to) override;
  FolderHandle OpenFolder(const std::string& folder) override;
  Status RenameIn(const FolderHandle& folder, const std::string& from,
                  const std::string& to) override;
  Result<FileIdentity> IdentifyAt(const FolderHandle& folder, const std::string& name) override;
  Result<FileIdentity> IdentifyFolder(const FolderHandle& folder) override;
  Result<FileDates> DatesAt(const FolderHandle& folder, const std::string& name,
                            bool taken) override;
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
  bool CaseBlind(const std::string& folder) override;
  Status MoveFile(const std::string& from, const std::string& to) override;
  Result<FileIdentity> CopyFile(const std::string& from, const std::string& to,
                                Overwrite overwrite) override;
  Status DeleteFile(const std::string& path) override;

  Result<FileIdentity> Identify(const std::string& path) override;
  Status LinkFile(const std::string& from, const std::string& to) override;
  std::size_t NameMax(const std::string& folder) override;
  Status CreateFolder(const std::string& path) override;
  Status RenameFolder(const std::string& from, const std::string& to) override;
  Status RemoveFolder(const std::string& path) override;

  Result<std::uint16_t> GetAttributes(const std::string& path) override;
  Status SetAttributes(const std::string& path, std::uint16_t word) override;
  Result<RawAttributes> SaveRawAttributes(const std::string& path) override;
  Status RestoreRawAttributes(const std::string& path, const RawAttributes& raw) override;

  Result<std::vector<std::string>> ListFiles(const std::string& folder) override;
  Result<std::vector<std::string>> ListFolders(const std::string& folder) override;

  std::vector<Drive> Drives() override;
  std::string DriveOf(const std::string& path) override;
  bool DriveReady(const std::string& mountPoint) override;
};

// The drives of a /proc/self/mountinfo text: pseudo and system file systems left out,
// mount points unescaped, each listed once (the last mount wins), sorted by mount point.
std::vector<Drive> ParseMountInfo(std::string_view mountinfo);

// The mount point of `drives` that holds the absolute `path` (longest match at a
// component boundary); "" when none does. The path is taken as written, not resolved.
std::string DriveOfPath(const std::vector<Drive>& drives, std::string_view path);

}  // namespace quillon
