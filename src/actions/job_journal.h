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
#include "platform/file_lock.h"
#include "platform/result.h"
#include "session/session.h"

namespace quillon {

inline constexpr std::size_t kJournalBlock = 1024;
// The largest journal read back.
inline constexpr std::size_t kMaxJournalBytes = std::size_t{64} << 20;
// How long a job or undo waits for another that holds the journal.
inline constexpr std::chrono::milliseconds kJournalLockWait{2000};

// What a done row leaves to know its files by: the file the job made or moved (for a
// copying or moving action), and the file beside it (the one a copy replaced, kept
// aside; or the source a move across file systems copied).
struct RowIds {
  std::optional<FileIdentity> made;
  std::optional<FileIdentity> beside;
};

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

// What a journal's first line says of it.
struct JournalHeader {
  JournalState state = JournalState::Open;
  std::string jobId;
  std::string action;
  std::string workDir;
  std::optional<std::size_t> keptFiles;  // unknown in a journal from an older version
};

// Writes the journal of the job that is about to run, holding its lock from Begin to
// Finish: no other job or undo writes it meanwhile.
class JobJournal {
 public:
  explicit JobJournal(Session& s) : s_(s) {}
  // Takes the journal's lock; the previous journal's kept files go (it can no longer be
  // undone), then the header and every intent reach the disk before any file is touched.
  Status Begin();
  // Row `index` of the store was done, and what its files are now.
  void RowDone(std::size_t index, const RowIds& ids = {});
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
  // The journal Begin replaced while its job could still be undone, if it did.
  const std::optional<JournalHeader>& replaced() const { return replaced_; }

 private:
  Session& s_;
  DurableFile file_;
  std::size_t flushedUpto_ = 0;
  std::chrono::steady_clock::time_point syncedAt_;
  std::vector<std::size_t> done_;
  std::vector<std::pair<std::size_t, RowIds>> ids_;
  bool rowsJournaled_ = true;
  std::optional<JournalHeader> replaced_;
  FileLock lock_;
};

// A fresh job id.
std::string NewJobId();

// Where the journal named `path` is: absolute, a link to it followed. Its folder and,
// when it exists, the journal itself must be the user's own; otherwise the error says
// why it is not trusted.
Result<std::string> TrustedJournalPath(const std::string& path);
// The lock of the journal at `path` (a file beside it), waited for kJournalLockWait.
Result<FileLock> LockJournal(const std::string& path);

// Whether `name` is one the program gives a file it keeps aside.
bool KeptNamePattern(const std::string& name);

// Removes the files an older job kept aside for its undo; that job can no longer be
// undone once a new job replaces its journal. Only a file of the program's own name in
// that job's destination, the user's own and still as the job set it aside, goes.
void DropKeptFiles(Session& s, const UndoJournal& old);

// The lines of the journal.
std::string JournalHeaderLine(const UndoJournal& j, JournalState state, std::size_t rows,
                              std::size_t keptFiles);
void AppendIntentLine(std::string& out, const IntentRow& row);
// Byte offset of the state word in the header and its fixed width.
std::size_t JournalStateOffset();
std::string JournalStateWord(JournalState state);

// The header of the journal at `path`; nothing when there is none, or none of ours.
std::optional<JournalHeader> ReadJournalHeader(const std::string& path);
// How many files the journal at `path` keeps aside, as its header says; nothing when
// there is no journal there, or its header does not say (a journal from an older
// version: read it whole).
std::optional<std::size_t> JournalKeptFiles(const std::string& path);
// Reads a journal written by JobJournal, when it is trusted; an error names what is
// wrong. Every folder in it must be absolute, every name a plain name and every kept
// name of the program's own pattern.
Result<JournalOnDisk> ReadJournal(const std::string& path);
Result<JournalOnDisk> ParseJournal(const std::string& text);
// Patches the state word of the journal at `path` when it is job `jobId`'s; false (and
// nothing written) when it belongs to another job.
Result<bool> MarkJournal(const std::string& path, JournalState state, const std::string& jobId);

}  // namespace quillon
