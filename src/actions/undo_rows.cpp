// The undo of each action, row by row, inside the job's folders opened at the undo's
// start. Renames and moves back never overwrite, so a file that has taken an old name
// since the job is never replaced; a file is moved or deleted only when it is the one
// the journal knows.
#include <cerrno>
#include <charconv>
#include <unordered_set>

#include "actions/file_walk.h"
#include "actions/pending_sources.h"
#include "actions/undo.h"
#include "platform/text.h"
#include "selection/folder_change.h"
#include "session/work_folder.h"

namespace quillon {
namespace {

// The job's two folders, opened once for the undo.
struct UndoFolders {
  explicit UndoFolders(Session& s)
      : work(s.files.OpenFolder(s.actions.journal.TextUndoWorkPath)),
        dest(s.files.OpenFolder(s.actions.journal.TextUndoMovePath)) {}
  FolderHandle work;
  FolderHandle dest;
};

// Whether the folders are those the job worked in. A folder put in the place of one
// (another folder, or a link to one) is not: the undo stops there, touching nothing, and
// can be tried again. A folder that is gone leaves its rows to be skipped.
bool JobFoldersStand(Session& s, UserInterface& ui, const UndoFolders& f, bool destination,
                     const char* tag) {
  const UndoJournal& j = s.actions.journal;
  const auto stands = [&](const FolderHandle& folder, const std::optional<FileIdentity>& known) {
    if (!known) return true;
    const Result<FileIdentity> now = s.files.IdentifyFolder(folder);
    if (!now.ok() || SameFile(*now, *known)) return true;
    s.actions.undoStopped = true;
    ReportFailure(
        s, ui, tag,
        OsError{ESTALE, "undo", folder.path(), "it is no longer the folder the job worked in"});
    return false;
  };
  return stands(f.work, j.workFolderId) && (!destination || stands(f.dest, j.destFolderId));
}

const std::optional<FileIdentity>* Recorded(const std::vector<std::optional<FileIdentity>>& ids,
                                            std::size_t i) {
  return i < ids.size() && ids[i] ? &ids[i] : nullptr;
}

// Whether the file `name` in `folder` is still the copy the job made: a copy changed
// since (or one whose making the journal cannot vouch for) is never deleted.
bool UnchangedCopy(Session& s, std::size_t i, const FolderHandle& folder, const std::string& name) {
  const auto* made = Recorded(s.actions.journal.ComboUndoCopy, i);
  if (made == nullptr) return false;
  const Result<FileIdentity> now = s.files.IdentifyAt(folder, name);
  return now.ok() && Unchanged(*now, **made);
}

// Whether the file the job moved to `name` may be moved back: it is the one the journal
// knows (written to since, perhaps), or the journal does not know it (a row of a block
// cut short), or it is not there at all.
bool MovedFileIsOurs(Session& s, std::size_t i, const FolderHandle& folder,
                     const std::string& name) {
  const auto* made = Recorded(s.actions.journal.ComboUndoCopy, i);
  if (made == nullptr) return true;
  const Result<FileIdentity> now = s.files.IdentifyAt(folder, name);
  return !now.ok() || SameFile(*now, **made);
}

// The kept file of row i, when it is still the file the job set aside.
bool KeptInPlace(Session& s, std::size_t i, const FolderHandle& dest) {
  const UndoJournal& j = s.actions.journal;
  if (i >= j.ComboUndoKept.size() || j.ComboUndoKept[i].empty()) return false;
  const Result<FileIdentity> now = s.files.IdentifyAt(dest, j.ComboUndoKept[i]);
  if (!now.ok() || !(now->regular || now->link)) return false;
  const auto* recorded = Recorded(j.ComboUndoBeside, i);
  return recorded == nullptr || SameFile(*now, **recorded);
}

bool HadKept(const Session& s, std::size_t i) {
  const UndoJournal& j = s.actions.journal;
  return i < j.ComboUndoKept.size() && !j.ComboUndoKept[i].empty();
}

// The file a copy replaced comes back to its name, once the copy is gone.
Status RestoreKept(Session& s, std::size_t i, const FolderHandle& dest, const std::string& copy) {
  if (!KeptInPlace(s, i, dest) || EntryExists(s, dest, copy)) return Status::Ok();
  return s.files.RenameAt(dest, s.actions.journal.ComboUndoKept[i], dest, copy);
}

// The file a kept copy had replaced cannot have its name back. Left hidden, it would go
// with the next job's clean-up of hidden files; it comes out beside the copy instead,
// under the copy's name and ".replaced" (a number added while that is taken), or, where
// the file system refuses such a name (too long), under its hidden name without the dot.
// Where even that fails it stays hidden, and the report says where.
void UnhideReplaced(Session& s, std::size_t i, const FolderHandle& dest, const std::string& copy) {
  UndoJournal& j = s.actions.journal;
  if (!KeptInPlace(s, i, dest)) return;
  const std::string hidden = j.ComboUndoKept[i];
  // No later clean-up of this journal's kept files may take it.
  j.ComboUndoKept[i].clear();
  const auto moveTo = [&](const std::string& name) {
    const Status moved = s.files.RenameAt(dest, hidden, dest, name);  // never over a name
    if (moved) s.actions.unhiddenByUndo.push_back(dest.path() + name);
    return moved;
  };
  for (int n = 0; n < 100; ++n) {
    const Status moved = moveTo(copy + ".replaced" + (n == 0 ? "" : "-" + std::to_string(n)));
    if (moved) return;
    if (moved.code() != EEXIST) break;
  }
  if (hidden.size() > 1 && hidden[0] == '.' && moveTo(hidden.substr(1))) return;
  s.actions.unhiddenByUndo.push_back(dest.path() + hidden);
}

// Deletes the copy of row i when it is unchanged and the file it replaced, if any, is
// still kept to take its place; otherwise the copy stays and is reported.
RowUndone DeleteCopy(Session& s, std::size_t i, const FolderHandle& dest, const std::string& copy) {
  if (!UnchangedCopy(s, i, dest, copy)) {
    s.actions.keptByUndo.push_back(dest.path() + copy);
    UnhideReplaced(s, i, dest, copy);
    return kRowSkipped;
  }
  if (HadKept(s, i) && !KeptInPlace(s, i, dest)) {
    // The copy is all that is left under that name: deleting it would lose it.
    s.actions.keptWithoutOriginal.push_back(dest.path() + copy);
    return kRowSkipped;
  }
  if (Status deleted = s.files.DeleteAt(dest, copy); !deleted) return Reversed(deleted);
  return Reversed(RestoreKept(s, i, dest, copy));
}

// A copy in the destination goes away when its source is back in place; otherwise it
// returns to the working folder under the source's name. A move, not a rename, so it
// works across file systems.
RowUndone TakeBackCopy(Session& s, std::size_t i, const UndoFolders& f, const std::string& oldName,
                       const std::string& newName) {
  if (!EntryExists(s, f.dest, newName)) {
    if (Status restored = RestoreKept(s, i, f.dest, newName); !restored) {
      return Reversed(restored);
    }
    return kRowSkipped;
  }
  if (EntryExists(s, f.work, oldName)) return DeleteCopy(s, i, f.dest, newName);
  if (!MovedFileIsOurs(s, i, f.dest, newName)) return kRowSkipped;
  const auto moved = s.files.MoveAt(f.dest, newName, f.work, oldName, SourceAfterCopy::Remove);
  if (!moved) return Reversed(moved.status());
  return Reversed(RestoreKept(s, i, f.dest, newName));
}

// A file a crash left under its step name, half-way through a rename on a file system
// without RENAME_NOREPLACE (or a change of case where case does not count), by the job
// or by an earlier undo, takes its old name back.
RowUndone FromStep(Session& s, const FolderHandle& jobFrom, const FolderHandle& undoFrom,
                   const FolderHandle& oldFolder, const std::string& oldName,
                   const std::string& newName) {
  const std::pair<const FolderHandle*, std::string> steps[] = {
      {&jobFrom, StepName(oldName, newName)}, {&undoFrom, StepName(newName, oldName)}};
  for (const auto& [folder, step] : steps) {
    if (EntryExists(s, *folder, step) && !EntryExists(s, oldFolder, oldName)) {
      return Reversed(s.files.RenameAt(*folder, step, oldFolder, oldName));
    }
  }
  return kRowSkipped;
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

// One move back. Both files present is a move across file systems cut short before its
// source went: the copy goes when it is unchanged and the source is the one copied.
RowUndone MoveBack(Session& s, std::size_t i, const FolderHandle& from, const std::string& name,
                   const FolderHandle& to, const std::string& oldName, PendingSources& pending) {
  const UndoJournal& j = s.actions.journal;
  if (!EntryExists(s, from, name) || !MovedFileIsOurs(s, i, from, name)) return kRowSkipped;
  if (EntryExists(s, to, oldName)) {
    const auto* source = Recorded(j.ComboUndoBeside, i);
    const Result<FileIdentity> left = s.files.IdentifyAt(to, oldName);
    if (source == nullptr || !left.ok() || !Unchanged(*left, **source) ||
        !UnchangedCopy(s, i, from, name)) {
      return kRowSkipped;
    }
    return Reversed(s.files.DeleteAt(from, name));
  }
  const auto moved = s.files.MoveAt(from, name, to, oldName, SourceAfterCopy::Keep);
  if (!moved) return Reversed(moved.status());
  if (moved->copied) pending.Add(name, moved->source);
  return true;
}

}  // namespace

// The rename back never replaces: EEXIST says the old name was taken since, ENOENT that
// the renamed file is gone. Either way the row is skipped, as a look first would decide.
void UndoRename(Session& s, UserInterface& ui) {
  const UndoFolders f(s);
  if (!JobFoldersStand(s, ui, f, false, "Bug-Quillon-ActionUndoRename")) return;
  // Where case does not count, a file that a job cut short never reached answers to its
  // new name too, when that differs only in case: the folder's own listing tells that it
  // still has its old name.
  std::unordered_set<std::string> listed;
  if (s.files.CaseBlind(f.work.path())) {
    if (auto names = s.files.ListFiles(f.work.path()); names.ok()) {
      listed.insert(names->begin(), names->end());
    }
  }
  WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoRename", kProgressEvery,
                  [&](std::size_t, const std::string& oldName, const std::string& newName) {
                    if (!listed.empty() && listed.count(oldName) > 0 &&
                        listed.count(newName) == 0 && ToUpper(oldName) == ToUpper(newName)) {
                      return RowUndone(kRowSkipped);
                    }
                    const Status renamed = s.files.RenameIn(f.work, newName, oldName);
                    if (!renamed && renamed.code() == ENOENT) {
                      return FromStep(s, f.work, f.work, f.work, oldName, newName);
                    }
                    if (!renamed && renamed.code() == EEXIST) return RowUndone(kRowSkipped);
                    return Reversed(renamed);
                  });
}

// The renamed file goes back and its copy is deleted; when the renamed file is gone,
// the copy takes its place. A row whose name did not change only had its copy made. The
// copy goes (and a file it replaced comes back) before the renamed file gets its name
// back: an undo cut short between the two leaves a row the next one finishes.
void UndoRenameAndCopy(Session& s, UserInterface& ui) {
  const UndoFolders f(s);
  if (!JobFoldersStand(s, ui, f, true, "Bug-Quillon-ActionUndoRenCopy")) return;
  WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoRenCopy", kProgressEveryCopy,
                  [&](std::size_t i, const std::string& oldName, const std::string& newName) {
                    if (oldName == newName) return TakeBackCopy(s, i, f, oldName, newName);
                    const bool oldThere = EntryExists(s, f.work, oldName);
                    const bool newThere = EntryExists(s, f.work, newName);
                    const bool copyThere = EntryExists(s, f.dest, newName);
                    if (oldThere && newThere)
                      return RowUndone(kRowSkipped);  // the old name was taken
                    if (oldThere && !copyThere && !KeptInPlace(s, i, f.dest))
                      return RowUndone(kRowSkipped);
                    if (oldThere || newThere) {
                      const RowUndone copy = copyThere
                                                 ? DeleteCopy(s, i, f.dest, newName)
                                                 : Reversed(RestoreKept(s, i, f.dest, newName));
                      if (!copy.ok() || oldThere) return copy;
                      if (Status renamed = s.files.RenameIn(f.work, newName, oldName); !renamed) {
                        return Reversed(renamed);
                      }
                      return copy.value() || !copyThere ? RowUndone(true) : copy;
                    }
                    if (copyThere) {
                      if (!MovedFileIsOurs(s, i, f.dest, newName)) return RowUndone(kRowSkipped);
                      const auto moved =
                          s.files.MoveAt(f.dest, newName, f.work, oldName, SourceAfterCopy::Remove);
                      if (!moved) return Reversed(moved.status());
                      return Reversed(RestoreKept(s, i, f.dest, newName));
                    }
                    return FromStep(s, f.work, f.work, f.work, oldName, newName);
                  });
}

void UndoCopyAndRename(Session& s, UserInterface& ui) {
  const UndoFolders f(s);
  if (!JobFoldersStand(s, ui, f, true, "Bug-Quillon-ActionUndoCpyRename")) return;
  WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoCpyRename", kProgressEveryCopy,
                  [&](std::size_t i, const std::string& oldName, const std::string& newName) {
                    return TakeBackCopy(s, i, f, oldName, newName);
                  });
}

void UndoCopy(Session& s, UserInterface& ui) {
  const UndoFolders f(s);
  if (!JobFoldersStand(s, ui, f, true, "Bug-Quillon-ActionUndoCopy")) return;
  WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoCopy", kProgressEveryCopy,
                  [&](std::size_t i, const std::string& oldName, const std::string& newName) {
                    return TakeBackCopy(s, i, f, oldName, newName);
                  });
}

void UndoMoveAndRename(Session& s, UserInterface& ui) {
  const UndoFolders f(s);
  if (!JobFoldersStand(s, ui, f, true, "Bug-Quillon-ActionUndoMovRename")) return;
  const bool completed =
      WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoMovRename", kProgressEvery,
                      [&](std::size_t i, const std::string& oldName, const std::string& newName) {
                        if (!EntryExists(s, f.dest, newName) && !EntryExists(s, f.work, oldName)) {
                          return FromStep(s, f.work, f.dest, f.work, oldName, newName);
                        }
                        if (!EntryExists(s, f.dest, newName) || EntryExists(s, f.work, oldName) ||
                            !MovedFileIsOurs(s, i, f.dest, newName)) {
                          return RowUndone(kRowSkipped);
                        }
                        return Reversed(s.files.RenameAt(f.dest, newName, f.work, oldName));
                      });
  if (completed) ReturnToJobFolder(s, ui);
}

// Across file systems the copies in the destination go only once the files are back on
// the disk in the working folder, a batch at a time.
void UndoMove(Session& s, UserInterface& ui) {
  const UndoFolders f(s);
  if (!JobFoldersStand(s, ui, f, true, "Bug-Quillon-ActionUndoMove")) return;
  PendingSources pending(s, f.dest, f.work);
  const bool walked =
      WalkJournalRows(s, ui, "Bug-Quillon-ActionUndoMove", kProgressEveryCopy,
                      [&](std::size_t i, const std::string& oldName, const std::string&) {
                        if (pending.Due()) {
                          if (Status settled = pending.Settle(); !settled) {
                            return RowUndone(settled.error());
                          }
                        }
                        return MoveBack(s, i, f.dest, oldName, f.work, oldName, pending);
                      });
  const Status settled = pending.Settle();
  if (walked && !settled) {
    s.actions.undoStopped = true;
    ReportFailure(s, ui, "Bug-Quillon-ActionUndoMove", settled.error());
  }
}

// The exact mode and stored bytes go back where the job kept them; otherwise the word.
void UndoSetAttribute(Session& s, UserInterface& ui) {
  const UndoJournal& j = s.actions.journal;
  const UndoFolders f(s);
  if (!JobFoldersStand(s, ui, f, false, "Bug-Quillon-ActionDoAttribute")) return;
  const FolderHandle& work = f.work;
  WalkJournalRows(
      s, ui, "Bug-Quillon-ActionDoAttribute", kProgressEvery,
      [&](std::size_t i, const std::string& oldName, const std::string&) {
        // Another file (or a link) now in the file's place is not the file the job
        // changed.
        const auto id = s.files.IdentifyAt(work, oldName);
        if (!id.ok() || !id->regular) return RowUndone(kRowSkipped);
        if (const auto* known = Recorded(j.ComboUndoCopy, i);
            known != nullptr && !SameFile(*id, **known)) {
          return RowUndone(kRowSkipped);
        }
        if (i < j.ComboUndoRawAttr.size() && j.ComboUndoRawAttr[i]) {
          return Reversed(s.files.RestoreRawAttributesAt(work, oldName, *j.ComboUndoRawAttr[i]));
        }
        const std::optional<std::uint16_t> word =
            ParseWord(i < j.ComboUndoAttr.size() ? j.ComboUndoAttr[i] : "");
        if (!word) return Reversed(RefuseName("set attributes", j.TextUndoWorkPath + oldName));
        return Reversed(s.files.SetAttributesAt(work, oldName, *word));
      });
}

}  // namespace quillon
