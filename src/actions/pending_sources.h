#pragma once
// The sources of moves across file systems wait here until their copies are on the disk:
// one sync of the destination's file system per batch, then the sources go. A power cut
// at any moment leaves each file whole in at least one of the two places.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_services.h"
#include "session/session.h"

namespace quillon {

class PendingSources {
 public:
  // A batch is synced once it holds this many files or bytes.
  static constexpr std::size_t kBatchFiles = 256;
  static constexpr std::uint64_t kBatchBytes = std::uint64_t{256} << 20;

  // Sources in `from` whose copies were made in `to`.
  PendingSources(Session& s, const FolderHandle& from, const FolderHandle& to)
      : s_(s), from_(from), to_(to) {}

  // The source `name`, as it was when copied, waits for its copy to reach the disk.
  void Add(const std::string& name, const FileIdentity& source);
  // Whether the batch should be settled before the next file.
  bool Due() const { return names_.size() >= kBatchFiles || bytes_ >= kBatchBytes; }
  // Syncs the destination's file system, then removes each source that is still the
  // file that was copied. A source changed since stays, and is the failure returned;
  // the others go all the same.
  Status Settle();

 private:
  Session& s_;
  const FolderHandle& from_;
  const FolderHandle& to_;
  std::vector<std::string> names_;
  std::vector<FileIdentity> sources_;
  std::uint64_t bytes_ = 0;
};

}  // namespace quillon
