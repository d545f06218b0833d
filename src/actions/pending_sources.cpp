#include "actions/pending_sources.h"

#include <cerrno>

namespace quillon {

void PendingSources::Add(const std::string& name, const FileIdentity& source) {
  names_.push_back(name);
  sources_.push_back(source);
  bytes_ += source.size;
}

Status PendingSources::Settle() {
  if (names_.empty()) return Status::Ok();
  Status first = s_.files.SyncFileSystem(to_);
  if (first.ok()) {
    for (std::size_t k = 0; k < names_.size(); ++k) {
      const Result<FileIdentity> now = s_.files.IdentifyAt(from_, names_[k]);
      Status removed;
      if (!now.ok() && now.code() == ENOENT) {
        continue;  // gone already: nothing is left to remove
      } else if (!now.ok()) {
        removed = now.status();
      } else if (!Unchanged(*now, sources_[k])) {
        removed = OsError{EBUSY, "move", from_.path() + names_[k],
                          "it changed while it was being moved; both copies are kept"};
      } else {
        removed = s_.files.DeleteAt(from_, names_[k]);
      }
      if (!removed.ok() && first.ok()) first = removed;
    }
  }
  // Where the sync failed, no source goes: each file stays whole where it was.
  names_.clear();
  sources_.clear();
  bytes_ = 0;
  return first;
}

}  // namespace quillon
