// The undo of each action, row by row. Renames and moves back never overwrite, so a file
// that has taken an old name since the job is never replaced.
#include <cerrno>
#include <charconv>

#include "actions/file_walk.h"
#include "actions/undo.h"
#include "selection/folder_change.h"
#include "session/work_folder.h"

namespace quillon {
namespace {

const std::string& WorkPath(const Session& s) {
  return s.actions.journal.TextUndoWorkPath;
}
const std::string& DestPath(const Session& s) {
  return s.actions.journal.TextUndoMovePath;
}

// Whether the file at `path` is still the copy the job made: a copy changed since (or one
// whose making the journal cannot vouch for) is never deleted.
bool UnchangedCopy(Session& s, std::size_t i, const std::string& path) {
  const UndoJournal& j = s.actions.journal;
  if (i >= j.ComboUndoCopy.size() || !j.ComboUndoCopy[i]) return false;
  const Result<FileIdentity> now = s.files.Identify(path);
  const FileIdentity& made = *j.ComboUndoCopy[i];
  return now.ok() && now->device == made.device && now->inode == made.inode &&
         now->size == made.size && now->mtimeNs == made.mtimeNs;
}

// The file a copy replaced comes back to its name, once the copy is gone.
Status RestoreKept(Session& s, std::size_t i, const std::string& copy) {
  const UndoJournal& j = s.actions.journal;
  if (i >= j.ComboUndoKept.size() || j.ComboUndoKept[i].empty()) return Status::Ok();
  const std::string kept = DestPath(s) + j.ComboUndoKept[i];
  if (!EntryExists(s, kept) || EntryExists(s, copy)) return Status::Ok();
  return s.files.Rename(kept, copy);
}

// The file a kept copy had replaced cannot have its name back. Left hidden, it would go
// with the next job's clean-up of hidden files; it comes out beside the copy instead,
// under the copy's name and ".replaced" (a number added while that is taken), or, where
// the file system refuses such a name (too long), under its hidden name without the dot.
// Where even that fails it stays hidden, and the report says where.
void UnhideReplaced(Session& s, std::size_t i, const std::string& copy) {
  UndoJournal& j = s.actions.journal;
  if (i >= j.ComboUndoKept.size() || j.ComboUndoKept[i].empty()) return;
  const std::string hidden = j.ComboUndoKept[i];
  const std::string kept = DestPath(s) + hidden;
  if (!EntryExists(s, kept)) return;
  // No later clean-up of this journal's kept files may take it.
  j.ComboUndoKept[i].clear();
  const auto moveTo = [&](const std::string& name) {
    const Status moved = s.files.Rename(kept, name);  // never over an existing name
    if (moved) s.actions.unhiddenByUndo.push_back(name);
    return moved;
  };
  for (int n = 0; n < 100; ++n) {
    const Status moved = moveTo(copy + ".replaced" + (n == 0 ? "" : "-" + std::to_string(n)));
    if (moved) return;
    if (moved.code() != EEXIST) break;
  }
  if (hidden.size() > 1 && hidden[0] == '.' && moveTo(DestPath(s) + hidden.substr(1))) return;
  s.actions.unhiddenByUndo.push_back(kept);
}

// Deletes the copy of row i when it is unchanged; a changed copy stays and is reported.
RowUndone DeleteCopy(Session& s, std::size_t i, const std::string& copy) {
  if (!UnchangedCopy(s, i, copy)) {
    s.actions.keptByUndo.push_back(copy);
    UnhideReplaced(s, i, copy);
    return kRowSkipped;
  }
  if (Status deleted = s.files.DeleteFile(copy); !deleted) return Reversed(deleted);
  return Reversed(RestoreKept(s, i, copy));
}

// A copy in the destination goes away when its source is back in place; otherwise it
// returns to the working folder under the source's name. A move, not a rename, so it
// works across file systems.
RowUndone TakeBackCopy(Session& s, std::size_t i, const std::string& oldName,
                       const std::string& newName) {
  const std::string copy = DestPath(s) + newName;
  if (!EntryExists(s, copy)) {
    if (Status restored = RestoreKept(s, i, copy); !restored) return Reversed(restored);
    return kRowSkipped;
  }
  if (EntryExists(s, WorkPath(s) + oldName)) return DeleteCopy(s, i, copy);
  if (Status moved = s.files.MoveFile(copy, WorkPath(s) + oldName); !moved) return Reversed(moved);
  return Reversed(RestoreKept(s, i, copy));
}

// The folder list shows the job's working folder again.
void ReturnToJobFolder(Session& s, UserInterface& ui) {
  const std::string& folder = s.actions.journal.TextUndoWorkDir;
  if (folder == s.selection.Dir1Path || !PointFolderList(s, folder)) return;
  ui.RefreshFolderList();
  FolderChanged(s, ui);
}

// The attribute word a journal row kept, as decimal text.
std::optional<std::uint16_t> ParseWord(const std::string& text) {
  unsigned word = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, word);
  if (text.empty() || error != std::errc() || stop != end || word > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(word);
}

}  // namespace

// The rename back never replaces: EEXIST says the old name was taken since, ENOENT that
// the renamed file is gone. Either way the row is skipped, as a look first would decide.
void UndoRename(Session& s, UserInterface& ui) {
  const FolderHandle folder = s.files.OpenFolder(WorkPath(s));
  WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoRename", kProgressEvery,
                  [&](std::size_t, const std::string& oldName, const std::string& newName) {
                    const Status renamed = s.files.RenameIn(folder, newName, oldName);
                    if (!renamed && (renamed.code() == EEXIST || renamed.code() == ENOENT)) {
                      return RowUndone(kRowSkipped);
                    }
                    return Reversed(renamed);
                  });
}

// The renamed file goes back and its copy is deleted; when the renamed file is gone,
// the copy takes its place. A row whose name did not change only had its copy made.
void UndoRenameAndCopy(Session& s, UserInterface& ui) {
  WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoRenCopy", kProgressEveryCopy,
                  [&](std::size_t i, const std::string& oldName, const std::string& newName) {
                    if (oldName == newName) return TakeBackCopy(s, i, oldName, newName);
                    const std::string oldPath = WorkPath(s) + oldName;
                    const std::string newPath = WorkPath(s) + newName;
                    const std::string copy = DestPath(s) + newName;
                    if (EntryExists(s, oldPath)) return RowUndone(kRowSkipped);
                    if (EntryExists(s, newPath)) {
                      if (Status renamed = s.files.Rename(newPath, oldPath); !renamed.ok()) {
                        return Reversed(renamed);
                      }
                      if (EntryExists(s, copy)) return DeleteCopy(s, i, copy);
                      return Reversed(RestoreKept(s, i, copy));
                    }
                    if (EntryExists(s, copy)) {
                      if (Status moved = s.files.MoveFile(copy, oldPath); !moved) {
                        return Reversed(moved);
                      }
                      return Reversed(RestoreKept(s, i, copy));
                    }
                    return RowUndone(kRowSkipped);
                  });
}

void UndoCopyAndRename(Session& s, UserInterface& ui) {
  WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoCpyRename", kProgressEveryCopy,
                  [&](std::size_t i, const std::string& oldName, const std::string& newName) {
                    return TakeBackCopy(s, i, oldName, newName);
                  });
}

void UndoCopy(Session& s, UserInterface& ui) {
  WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoCopy", kProgressEveryCopy,
                  [&](std::size_t i, const std::string& oldName, const std::string& newName) {
                    return TakeBackCopy(s, i, oldName, newName);
                  });
}

void UndoMoveAndRename(Session& s, UserInterface& ui) {
  const bool completed =
      WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoMovRename", kProgressEvery,
                      [&](std::size_t, const std::string& oldName, const std::string& newName) {
                        const std::string moved = DestPath(s) + newName;
                        const std::string oldPath = WorkPath(s) + oldName;
                        if (!EntryExists(s, moved) || EntryExists(s, oldPath)) {
                          return RowUndone(kRowSkipped);
                        }
                        return Reversed(s.files.Rename(moved, oldPath));
                      });
  if (completed) ReturnToJobFolder(s, ui);
}

void UndoMove(Session& s, UserInterface& ui) {
  WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoMove", kProgressEveryCopy,
                  [&](std::size_t, const std::string& oldName, const std::string&) {
                    const std::string moved = DestPath(s) + oldName;
                    const std::string oldPath = WorkPath(s) + oldName;
                    if (!EntryExists(s, moved) || EntryExists(s, oldPath)) {
                      return RowUndone(kRowSkipped);
                    }
                    return Reversed(s.files.MoveFile(moved, oldPath));
                  });
}

// The exact mode and stored bytes go back where the job kept them; otherwise the word.
void UndoSetAttribute(Session& s, UserInterface& ui) {
  const UndoJournal& j = s.actions.journal;
  WalkJournalRows(s, ui, "Bug-Quillon-ActionDoAttribute", kProgressEvery,
                  [&](std::size_t i, const std::string& oldName, const std::string&) {
                    const std::string path = WorkPath(s) + oldName;
                    if (!EntryExists(s, path)) return RowUndone(kRowSkipped);
                    if (i < j.ComboUndoRawAttr.size() && j.ComboUndoRawAttr[i]) {
                      return Reversed(s.files.RestoreRawAttributes(path, *j.ComboUndoRawAttr[i]));
                    }
                    const std::optional<std::uint16_t> word =
                        ParseWord(i < j.ComboUndoAttr.size() ? j.ComboUndoAttr[i] : "");
                    if (!word) return Reversed(RefuseName("set attributes", path));
                    return Reversed(s.files.SetAttributes(path, *word));
                  });
}

}  // namespace quillon
