#include "support/failing_file_services.h"

#include <algorithm>
#include <cerrno>

namespace quillon::testing {
namespace {

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

const char* OpName(Op op) {
  switch (op) {
    case Op::FileExists:
      return "file exists";
    case Op::FolderExists:
      return "folder exists";
    case Op::Rename:
      return "rename";
    case Op::MoveFile:
      return "move";
    case Op::CopyFile:
      return "copy";
    case Op::DeleteFile:
      return "delete";
    case Op::Identify:
      return "identify";
    case Op::LinkFile:
      return "link";
    case Op::CreateFolder:
      return "create folder";
    case Op::RenameFolder:
      return "rename folder";
    case Op::RemoveFolder:
      return "remove folder";
    case Op::GetAttributes:
      return "get attributes";
    case Op::SetAttributes:
      return "set attributes";
    case Op::SaveRawAttributes:
      return "save attributes";
    case Op::RestoreRawAttributes:
      return "restore attributes";
    case Op::ListFiles:
      return "list files";
    case Op::ListFolders:
      return "list folders";
    case Op::SyncFileSystem:
      return "sync";
  }
  return "?";
}

void FailingFileServices::fail(Op op, std::string pathSuffix, int err) {
  rules_.push_back(Rule{op, std::move(pathSuffix), err, 0});
}

void FailingFileServices::failAfter(Op op, int n, int err) {
  rules_.push_back(Rule{op, "", err, count(op) + std::max(n, 1)});
}

void FailingFileServices::clearFailures() {
  rules_.clear();
}

int FailingFileServices::count(Op op) const {
  return static_cast<int>(
      std::count_if(calls_.begin(), calls_.end(), [op](const Call& c) { return c.op == op; }));
}

int FailingFileServices::intercept(Op op, const std::string& path, const std::string& path2) {
  calls_.push_back(Call{op, path, path2, 0});
  const int number = count(op);
  for (const Rule& rule : rules_) {
    if (rule.op != op) continue;
    const bool hit = rule.fromCall > 0 ? number >= rule.fromCall
                                       : EndsWith(path, rule.suffix) ||
                                             (!path2.empty() && EndsWith(path2, rule.suffix));
    if (hit) {
      record(rule.err);
      return rule.err;
    }
  }
  return 0;
}

bool FailingFileServices::FileExists(const std::string& path) {
  if (intercept(Op::FileExists, path) != 0) return false;
  const bool exists = real_.FileExists(path);
  record(exists ? 0 : ENOENT);
  return exists;
}

bool FailingFileServices::FolderExists(const std::string& path) {
  if (intercept(Op::FolderExists, path) != 0) return false;
  const bool exists = real_.FolderExists(path);
  record(exists ? 0 : ENOENT);
  return exists;
}

Status FailingFileServices::Rename(const std::string& from, const std::string& to) {
  if (int err = intercept(Op::Rename, from, to))
    return OsError{err, OpName(Op::Rename), from + " -> " + to};
  return finish(real_.Rename(from, to));
}

Status FailingFileServices::RenameIn(const FolderHandle& folder, const std::string& from,
                                     const std::string& to) {
  const std::string fromPath = folder.path() + from;
  const std::string toPath = folder.path() + to;
  if (int err = intercept(Op::Rename, fromPath, toPath))
    return OsError{err, OpName(Op::Rename), fromPath + " -> " + toPath};
  return finish(real_.RenameIn(folder, from, to));
}

Result<FileIdentity> FailingFileServices::IdentifyAt(const FolderHandle& folder,
                                                     const std::string& name) {
  const std::string path = folder.path() + name;
  if (int err = intercept(Op::Identify, path)) return OsError{err, OpName(Op::Identify), path};
  return finish(real_.IdentifyAt(folder, name));
}

Result<FileIdentity> FailingFileServices::IdentifyFolder(const FolderHandle& folder) {
  if (int err = intercept(Op::Identify, folder.path()))
    return OsError{err, OpName(Op::Identify), folder.path()};
  return finish(real_.IdentifyFolder(folder));
}

Status FailingFileServices::RenameAt(const FolderHandle& from, const std::string& fromName,
                                     const FolderHandle& to, const std::string& toName) {
  const std::string fromPath = from.path() + fromName;
  const std::string toPath = to.path() + toName;
  if (int err = intercept(Op::Rename, fromPath, toPath))
    return OsError{err, OpName(Op::Rename), fromPath + " -> " + toPath};
  return finish(real_.RenameAt(from, fromName, to, toName));
}

Result<MoveOutcome> FailingFileServices::MoveAt(const FolderHandle& from,
                                                const std::string& fromName, const FolderHandle& to,
                                                const std::string& toName, SourceAfterCopy after) {
  const std::string fromPath = from.path() + fromName;
  const std::string toPath = to.path() + toName;
  if (int err = intercept(Op::MoveFile, fromPath, toPath))
    return OsError{err, OpName(Op::MoveFile), fromPath + " -> " + toPath};
  return finish(real_.MoveAt(from, fromName, to, toName, after));
}

Result<FileIdentity> FailingFileServices::CopyAt(const FolderHandle& from,
                                                 const std::string& fromName,
                                                 const FolderHandle& to, const std::string& toName,
                                                 Overwrite overwrite, Durability durability) {
  const std::string fromPath = from.path() + fromName;
  const std::string toPath = to.path() + toName;
  if (int err = intercept(Op::CopyFile, fromPath, toPath))
    return OsError{err, OpName(Op::CopyFile), fromPath + " -> " + toPath};
  return finish(real_.CopyAt(from, fromName, to, toName, overwrite, durability));
}

Status FailingFileServices::DeleteAt(const FolderHandle& folder, const std::string& name) {
  const std::string path = folder.path() + name;
  if (int err = intercept(Op::DeleteFile, path)) return OsError{err, OpName(Op::DeleteFile), path};
  return finish(real_.DeleteAt(folder, name));
}

Result<std::uint16_t> FailingFileServices::GetAttributesAt(const FolderHandle& folder,
                                                           const std::string& name) {
  const std::string path = folder.path() + name;
  if (int err = intercept(Op::GetAttributes, path))
    return OsError{err, OpName(Op::GetAttributes), path};
  return finish(real_.GetAttributesAt(folder, name));
}

Status FailingFileServices::SetAttributesAt(const FolderHandle& folder, const std::string& name,
                                            std::uint16_t word) {
  const std::string path = folder.path() + name;
  if (int err = intercept(Op::SetAttributes, path))
    return OsError{err, OpName(Op::SetAttributes), path};
  return finish(real_.SetAttributesAt(folder, name, word));
}

Result<RawAttributes> FailingFileServices::SaveRawAttributesAt(const FolderHandle& folder,
                                                               const std::string& name) {
  const std::string path = folder.path() + name;
  if (int err = intercept(Op::SaveRawAttributes, path))
    return OsError{err, OpName(Op::SaveRawAttributes), path};
  return finish(real_.SaveRawAttributesAt(folder, name));
}

Status FailingFileServices::RestoreRawAttributesAt(const FolderHandle& folder,
                                                   const std::string& name,
                                                   const RawAttributes& raw) {
  const std::string path = folder.path() + name;
  if (int err = intercept(Op::RestoreRawAttributes, path))
    return OsError{err, OpName(Op::RestoreRawAttributes), path};
  return finish(real_.RestoreRawAttributesAt(folder, name, raw));
}

Status FailingFileServices::SyncFileSystem(const FolderHandle& folder) {
  if (int err = intercept(Op::SyncFileSystem, folder.path()))
    return OsError{err, OpName(Op::SyncFileSystem), folder.path()};
  return finish(real_.SyncFileSystem(folder));
}

Status FailingFileServices::MoveFile(const std::string& from, const std::string& to) {
  if (int err = intercept(Op::MoveFile, from, to))
    return OsError{err, OpName(Op::MoveFile), from + " -> " + to};
  return finish(real_.MoveFile(from, to));
}

Result<FileIdentity> FailingFileServices::CopyFile(const std::string& from, const std::string& to,
                                                   Overwrite overwrite) {
  if (int err = intercept(Op::CopyFile, from, to))
    return OsError{err, OpName(Op::CopyFile), from + " -> " + to};
  return finish(real_.CopyFile(from, to, overwrite));
}

Status FailingFileServices::DeleteFile(const std::string& path) {
  if (int err = intercept(Op::DeleteFile, path)) return OsError{err, OpName(Op::DeleteFile), path};
  return finish(real_.DeleteFile(path));
}

Result<FileIdentity> FailingFileServices::Identify(const std::string& path) {
  if (int err = intercept(Op::Identify, path)) return OsError{err, OpName(Op::Identify), path};
  Result<FileIdentity> id = real_.Identify(path);
  record(id.ok() ? 0 : id.status().code());
  return id;
}

Status FailingFileServices::LinkFile(const std::string& from, const std::string& to) {
  if (int err = intercept(Op::LinkFile, from, to))
    return OsError{err, OpName(Op::LinkFile), from + " -> " + to};
  return finish(real_.LinkFile(from, to));
}

Status FailingFileServices::CreateFolder(const std::string& path) {
  if (int err = intercept(Op::CreateFolder, path))
    return OsError{err, OpName(Op::CreateFolder), path};
  return finish(real_.CreateFolder(path));
}

Status FailingFileServices::RenameFolder(const std::string& from, const std::string& to) {
  if (int err = intercept(Op::RenameFolder, from, to)) {
    return OsError{err, OpName(Op::RenameFolder), from + " -> " + to};
  }
  return finish(real_.RenameFolder(from, to));
}

Status FailingFileServices::RemoveFolder(const std::string& path) {
  if (int err = intercept(Op::RemoveFolder, path))
    return OsError{err, OpName(Op::RemoveFolder), path};
  return finish(real_.RemoveFolder(path));
}

Result<std::uint16_t> FailingFileServices::GetAttributes(const std::string& path) {
  if (int err = intercept(Op::GetAttributes, path))
    return OsError{err, OpName(Op::GetAttributes), path};
  return finish(real_.GetAttributes(path));
}

Status FailingFileServices::SetAttributes(const std::string& path, std::uint16_t word) {
  if (int err = intercept(Op::SetAttributes, path))
    return OsError{err, OpName(Op::SetAttributes), path};
  return finish(real_.SetAttributes(path, word));
}

Result<RawAttributes> FailingFileServices::SaveRawAttributes(const std::string& path) {
  if (int err = intercept(Op::SaveRawAttributes, path)) {
    return OsError{err, OpName(Op::SaveRawAttributes), path};
  }
  return finish(real_.SaveRawAttributes(path));
}

Status FailingFileServices::RestoreRawAttributes(const std::string& path,
                                                 const RawAttributes& raw) {
  if (int err = intercept(Op::RestoreRawAttributes, path)) {
    return OsError{err, OpName(Op::RestoreRawAttributes), path};
  }
  return finish(real_.RestoreRawAttributes(path, raw));
}

Result<std::vector<std::string>> FailingFileServices::ListFiles(const std::string& folder) {
  if (int err = intercept(Op::ListFiles, folder))
    return OsError{err, OpName(Op::ListFiles), folder};
  return finish(real_.ListFiles(folder));
}

Result<std::vector<std::string>> FailingFileServices::ListFolders(const std::string& folder) {
  if (int err = intercept(Op::ListFolders, folder))
    return OsError{err, OpName(Op::ListFolders), folder};
  return finish(real_.ListFolders(folder));
}

}  // namespace quillon::testing
