// The path forms behind the calls by handle, for file services that have no handles.
#include "platform/file_services.h"

#include <cerrno>

namespace quillon {

Result<MoveOutcome> FileServices::MoveAt(const FolderHandle& from, const std::string& fromName,
                                         const FolderHandle& to, const std::string& toName,
                                         SourceAfterCopy after) {
  const std::string source = from.path() + fromName;
  const std::string target = to.path() + toName;
  if (after == SourceAfterCopy::Remove) {
    if (Status moved = MoveFile(source, target); !moved) return moved.error();
    return MoveOutcome{};
  }
  const Status renamed = Rename(source, target);
  if (renamed) return MoveOutcome{};
  if (renamed.code() != EXDEV) return renamed.error();
  const Result<FileIdentity> before = Identify(source);
  if (!before) return before.error();
  const Result<FileIdentity> made = CopyFile(source, target, Overwrite::No);
  if (!made) return made.error();
  return MoveOutcome{true, *made, *before};
}

}  // namespace quillon
