#pragma once
// The walk every job and undo procedure makes: one row at a time, progress reported
// through the port, the first failure ending the walk with the procedure's error report.
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "actions/job_intents.h"
#include "actions/job_journal.h"
#include "platform/result.h"
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// How often a walk reports progress: renames and attribute changes are quick, a copy
// may take long, so copying procedures report every file.
inline constexpr std::size_t kProgressEvery = 64;
inline constexpr std::size_t kProgressEveryCopy = 1;

// A name that is not a PlainName would leave the folder or fail half-way, so it is
// refused up front; this is the refusal, as a failed operation would report it.
Status RefuseName(const std::string& operation, const std::string& name);

// Shows the error report with the procedure's tag, and the file and the system's reason
// when there is one (kept in lastError for the command line).
void ReportFailure(Session& s, UserInterface& ui, const char* tag,
                   const std::optional<OsError>& error = std::nullopt);

// Whether a directory entry of that path, or of that name in the folder, is a file or a
// link (a link is not followed, so a renamed link counts as itself).
bool EntryExists(Session& s, const std::string& path);
bool EntryExists(Session& s, const FolderHandle& folder, const std::string& name);

// Appends one row to the journal: the name before and after the job. The lists of
// copies and kept names hold rows only for an action that copies.
void JournalRow(Session& s, const std::string& oldName, const std::string& newName);
// The same for a row whose files the journal knows: the file as it stands after the step
// (moved, or its attributes set), and for a move across file systems the source as it
// was copied.
void JournalKnownRow(Session& s, const std::string& oldName, const std::string& newName,
                     const RowIds& ids);
// Room for `more` rows in the journal, so that a long walk does not regrow its lists.
void ReserveJournalRows(Session& s, std::size_t more);
// Takes back the rows journaled from row `from` on.
void DropJournalRowsFrom(Session& s, std::size_t from);
// The same for a copy: the copy as it was made (nullopt until it is), the name the file
// it replaced is kept under ("" for none), and that file as it was set aside.
void JournalCopyRow(Session& s, const std::string& oldName, const std::string& newName,
                    const std::optional<FileIdentity>& copy, const std::string& kept,
                    const std::optional<FileIdentity>& keptId = std::nullopt);
// A file a copy replaces, kept aside for the undo.
struct KeptFile {
  std::string name;  // "" when none was
  std::optional<FileIdentity> identity;
};
// Copies `fromName` of `from` to `toName` of `to` for store row i without ever
// destroying a file: a file already there (when overwriting is confirmed) is first
// renamed aside under the row's kept name, and put back when the copy fails; the copy
// that replaces it is on the disk before it takes the name. `kept` receives what was set
// aside. Returns the copy as made.
Result<FileIdentity> CopyKeepingReplaced(Session& s, std::size_t i, const FolderHandle& from,
                                         const std::string& fromName, const FolderHandle& to,
                                         const std::string& toName, KeptFile& kept);
// The intent of store row i, or nullptr outside a job.
const IntentRow* IntentOf(const Session& s, std::size_t i);

// Reports (0, total) at once, then every `every` rows, and (total, total) when the walk
// ends, also when it ends early.
class Progress {
 public:
  Progress(UserInterface& ui, std::size_t total, std::size_t every);
  void Done(std::size_t done);
  void Finish();

 private:
  UserInterface& ui_;
  int total_;
  std::size_t every_;
};

// How a walk learns that a row's file has gone: by looking before each step, or from the
// step's own call, which fails with ENOENT for a missing file (a rename in place, a copy);
// the walk then looks once to be sure, and the row the step journaled is taken back.
enum class MissingFiles { LookFirst, CallAnswers };

// Runs step(i, old, oldPath) for every store row whose file still exists in the working
// folder (opened as `work` at the job's start); missing files are skipped and counted.
// The first failing step ends the walk with the error report carrying `tag`. Returns
// false when it ended so.
template <typename Step>
bool WalkStoreRows(Session& s, UserInterface& ui, const FolderHandle& work, const char* tag,
                   std::size_t every, Step step, MissingFiles missing = MissingFiles::LookFirst) {
  const SelectionStore& store = s.selection.store;
  UndoJournal& journal = s.actions.journal;
  JobJournal* writer = s.actions.writer;
  const std::size_t rows = store.size();
  const bool copying = Copies(s.state.ActionName);
  const bool moving = Moves(s.state.ActionName);
  Progress progress(ui, rows, every);
  s.actions.doneCount = 0;
  s.actions.missingCount = 0;
  ReserveJournalRows(s, rows);
  std::string oldPath;
  // What the journal on disk learns of a done row: its files where the step noted them.
  const auto idsOf = [&journal](bool noted) {
    RowIds ids;
    if (noted) {
      ids.made = journal.ComboUndoCopy.back();
      if (journal.ComboUndoBeside.size() == journal.ComboUndoCopy.size()) {
        ids.beside = journal.ComboUndoBeside.back();
      }
    }
    return ids;
  };
  for (std::size_t i = 0; i < rows; ++i) {
    const std::string& oldName = store.ComboFile1[i];
    oldPath.assign(s.state.WorkFolder).append(oldName);
    const bool present = missing == MissingFiles::CallAnswers || EntryExists(s, work, oldName);
    if (present) {
      const std::size_t journaled = journal.ComboUndoOldName.size();
      const Status done = step(i, oldName, oldPath);
      // ENOENT may also name another path of the step (a destination folder gone): only
      // a source that is really gone is skipped.
      const bool vanished = !done.ok() && missing == MissingFiles::CallAnswers &&
                            done.code() == ENOENT && !EntryExists(s, work, oldName);
      const bool rowJournaled = journal.ComboUndoOldName.size() > journaled;
      const bool noted =
          rowJournaled && journal.ComboUndoCopy.size() == journal.ComboUndoOldName.size();
      if (vanished) {
        DropJournalRowsFrom(s, journaled);
        ++s.actions.missingCount;
      } else if (!done.ok()) {
        if (writer != nullptr) {
          // A step that journals first may fail half-way (a rename and copy whose copy
          // failed after the rename): its row stays in the journal on disk, as in memory,
          // for undo to judge by the files.
          if (rowJournaled) writer->RowDone(i, idsOf(noted));
          (void)writer->Flush(i + 1);
        }
        progress.Finish();
        ReportFailure(s, ui, tag, done.error());
        return false;
      } else {
        ++s.actions.doneCount;
        if (writer != nullptr) {
          writer->RowDone(i, idsOf(noted));
          // A copy is known by its identity only once that is written: each one is, a
          // move's copy across file systems (known by its source) too.
          if (noted && ((copying && journal.ComboUndoCopy.back()) ||
                        (moving && journal.ComboUndoBeside.back()))) {
            (void)writer->Flush(i + 1, JobJournal::Sync::No);
          }
        }
      }
    } else {
      ++s.actions.missingCount;
    }
    if (writer != nullptr && (i + 1) % kJournalBlock == 0) {
      if (Status flushed = writer->Flush(i + 1, JobJournal::Sync::WhenDue); !flushed) {
        progress.Finish();
        ReportFailure(s, ui, tag, flushed.error());
        return false;
      }
    }
    progress.Done(i + 1);
  }
  progress.Finish();
  return true;
}

// What an undo step did with its row: true when it reversed it, false when it skipped
// it, or the failure.
using RowUndone = Result<bool>;
inline constexpr bool kRowSkipped = false;
inline RowUndone Reversed(const Status& done) {
  return done.ok() ? RowUndone(true) : RowUndone(done.error());
}

// Runs step(i, old, new) for every journal row, last to first, names checked to be
// plain, and notes in undoneRows which rows it reversed. The first failing step ends
// the walk with the error report carrying `tag`. Last to first because a job's rows may
// hang together: when one file took the name another had just left, the other can only
// get its name back once the first has given it up.
template <typename Step>
bool WalkJournalRows(Session& s, UserInterface& ui, const char* tag, std::size_t every, Step step) {
  const UndoJournal& j = s.actions.journal;
  const std::size_t rows = std::min(j.ComboUndoOldName.size(), j.ComboUndoNewName.size());
  std::vector<bool>& undone = s.actions.undoneRows;
  undone.assign(rows, false);
  Progress progress(ui, rows, every);
  for (std::size_t walked = 0; walked < rows; ++walked) {
    const std::size_t i = rows - 1 - walked;
    const std::string& oldName = j.ComboUndoOldName[i];
    const std::string& newName = j.ComboUndoNewName[i];
    const RowUndone done = !PlainName(oldName)   ? RowUndone(RefuseName("undo", oldName).error())
                           : !PlainName(newName) ? RowUndone(RefuseName("undo", newName).error())
                                                 : step(i, oldName, newName);
    if (!done.ok()) {
      progress.Finish();
      s.actions.undoStopped = true;
      ReportFailure(s, ui, tag, done.error());
      return false;
    }
    undone[i] = *done;
    progress.Done(walked + 1);
  }
  progress.Finish();
  return true;
}

}  // namespace quillon
