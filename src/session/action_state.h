#pragma once
// What the actions keep between Preview, Job and Undo: the conflict counters beside the
// engine's, and the undo journal of the last job.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_services.h"

namespace quillon {

// The last job, row by row in the order it processed the files. A plain record, so that
// a front end can store it and read it back.
struct UndoJournal {
  // Tells this job's journal from any other's, on disk and in memory.
  std::string jobId;
  std::string TextUndoAction;    // the job's ActionName
  std::string TextUndoWorkDir;   // the folder list's path (no trailing "/" except "/")
  std::string TextUndoMoveDir;   // the destination folder's path, likewise
  std::string TextUndoWorkPath;  // WorkFolder, with trailing "/"
  std::string TextUndoMovePath;  // DestFolder, with trailing "/"
  // The two folders themselves as the job found them: an undo works only in those.
  std::optional<FileIdentity> workFolderId;
  std::optional<FileIdentity> destFolderId;
  std::vector<std::string> ComboUndoOldName;
  std::vector<std::string> ComboUndoNewName;
  // "Set Attribute" only, same rows: the word before the job as decimal text, and the
  // exact mode and user.DOSATTRIB bytes (nullopt where they could not be read).
  std::vector<std::string> ComboUndoAttr;
  std::vector<std::optional<RawAttributes>> ComboUndoRawAttr;
  // The copying actions only (empty for the others), same rows: the copy as it was made
  // (nullopt where that is not known, after an interrupted job), and the hidden name in
  // the destination under which the file a copy replaced is kept ("" when none was).
  // "Move" and "Move And Rename" keep ComboUndoCopy too: the file as it stands in the
  // destination; "Set Attribute" the file it changed.
  std::vector<std::optional<FileIdentity>> ComboUndoCopy;
  std::vector<std::string> ComboUndoKept;
  // Same rows again: for a copying action the file kept aside, as it was set aside; for
  // a move across file systems, the source as it was copied (nullopt where unknown).
  std::vector<std::optional<FileIdentity>> ComboUndoBeside;

  void clear() { *this = UndoJournal{}; }
};

// One row of the journal as it is written before the job touches the file.
struct IntentRow {
  std::size_t index = 0;  // the store row
  std::string oldName;
  std::string newName;
  std::string attr;  // "Set Attribute": the word before, as decimal text
  std::optional<RawAttributes> raw;
  std::string kept;  // a copy that replaces a file keeps it under this name first
};

class JobJournal;

struct ActionState {
  // Conflict counters; ImpossibleTotal and the engine's four live in RenameState.
  std::int16_t ZeroLengthCount = 0;
  std::int16_t ConflictExisting = 0;
  std::int16_t ConflictNewName = 0;
  std::int16_t ConflictDestination = 0;
  // New names longer than the target file system takes.
  std::int16_t NameTooLongCount = 0;

  UndoJournal journal;
  // Where the journal lives on disk ("" keeps it in memory only), and the job's writer
  // and intents while a job runs.
  std::string journalPath;
  JobJournal* writer = nullptr;
  std::vector<IntentRow> intents;
  // The copies the last undo kept because they had changed since the job, and the files
  // such a copy had replaced, out of hiding beside it under these paths.
  std::vector<std::string> keptByUndo;
  std::vector<std::string> unhiddenByUndo;
  // Copies the last undo kept because the file they had replaced was no longer kept.
  std::vector<std::string> keptWithoutOriginal;
  // The last job or undo: how many rows it did, how many files it found gone, and the
  // system's answer that stopped it.
  std::size_t doneCount = 0;
  std::size_t missingCount = 0;
  std::optional<OsError> lastError;
  // The folder of another job whose journal the last job replaced while it could still
  // be undone ("" when none was).
  std::string replacedJobFolder;
  // The last undo stopped before it settled every row: its journal stays ready for a
  // second try.
  bool undoStopped = false;
  // Raised by an undo so that the status line says "Undo Complete" once.
  bool UndoJustDone = false;
  // Raised by a job that found some of its files gone, so that the status line says how
  // many were done and how many were not found, once.
  bool MissingJustCounted = false;
  // The last undo, per journal row: true where it reversed the row, false where it
  // skipped it or stopped before it.
  std::vector<bool> undoneRows;
};

}  // namespace quillon
