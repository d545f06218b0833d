#pragma once
// The undo journal on disk, written ahead of the job: a header line, every row the job
// is about to process, then a line per block of rows saying which of them were done. A
// job killed half-way leaves a journal whose undo reverses exactly what was done; the
// rows of the block it was in are judged by the files themselves.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/durable_file.h"
#include "platform/result.h"
#include "session/session.h"

namespace quillon {

inline constexpr std::size_t kJournalBlock = 1024;
// The largest journal read back.
inline constexpr std::size_t kMaxJournalBytes = std::size_t{64} << 20;

// The journal's state word: "open" while the job runs, "complete" after it, "used" after
// its undo.
enum class JournalState { Open, Complete, Used };

// A journal read back from disk.
struct JournalOnDisk {
  UndoJournal journal;  // the rows done, or possibly done (see certain)
  JournalState state = JournalState::Open;
  // Per row of `journal`: false for a row of an interrupted block, which may or may not
  // have been done.
  std::vector<bool> certain;
  // Rows the job set out to process.
  std::size_t intended = 0;
};

// Writes the journal of the job that is about to run.
class JobJournal {
 public:
  explicit JobJournal(Session& s) : s_(s) {}
  // The previous journal's kept files go (it can no longer be undone), then the header
  // and every intent reach the disk before any file is touched.
  Status Begin(const UndoJournal& previousInMemory);
  // Row `index` of the store was done; for a copy, the copy as it was made.
  void RowDone(std::size_t index, const std::optional<FileIdentity>& copy = std::nullopt);
  // The done rows since the last flush, up to row `upto` (exclusive), to the file; with
  // Sync::Yes to the disk too, with Sync::WhenDue only when kSyncInterval has passed
  // since the journal last reached the disk. (An unsynced line survives a killed process,
  // not a power cut; rows it leaves unknown are judged by their files, as those of an
  // interrupted block are.) Every sync also waits for the file system to commit the
  // job's own changes so far, which on a journaling file system costs about as much as
  // a thousand renames: a sync per block would slow a big job by a sixth, so a block
  // line is synced at most once a second.
  enum class Sync { No, Yes, WhenDue };
  static constexpr std::chrono::milliseconds kSyncInterval{1000};
  Status Flush(std::size_t upto, Sync sync = Sync::Yes);
  // The job ended: the last rows and the state "complete".
  Status Finish(std::size_t upto);

 private:
  Session& s_;
  DurableFile file_;
  std::size_t flushedUpto_ = 0;
  std::chrono::steady_clock::time_point syncedAt_;
  std::vector<std::size_t> done_;
  std::vector<std::pair<std::size_t, FileIdentity>> copies_;
};

// Removes the files an older job kept aside for its undo; that job can no longer be
// undone once a new job replaces its journal.
void DropKeptFiles(Session& s, const UndoJournal& old);

// The lines of the journal.
std::string JournalHeaderLine(const UndoJournal& j, JournalState state, std::size_t rows,
                              std::size_t keptFiles);
void AppendIntentLine(std::string& out, const IntentRow& row);
// Byte offset of the state word in the header and its fixed width.
std::size_t JournalStateOffset();
std::string JournalStateWord(JournalState state);

// How many files the journal at `path` keeps aside, as its header says; nothing when
// there is no journal there, or its header does not say (a journal from an older
// version: read it whole).
std::optional<std::size_t> JournalKeptFiles(const std::string& path);
// Reads a journal written by JobJournal; an error names what is wrong.
Result<JournalOnDisk> ReadJournal(const std::string& path);
Result<JournalOnDisk> ParseJournal(const std::string& text);
// Patches the state word of the journal at `path`.
Status MarkJournal(const std::string& path, JournalState state);

}  // namespace quillon
