// The renaming actions: in place, with a copy, copied then renamed, moved and renamed.
#include <cerrno>

#include "actions/do_action.h"
#include "actions/file_walk.h"

namespace quillon {
namespace {

// The prepared new name of row i, from the final list.
const std::string* ListedName(const Session& s, std::size_t i) {
  const std::vector<std::string>& list = s.selection.List1;
  return i < list.size() ? &list[i] : nullptr;
}

// The new name of row i as the store holds it.
std::string StoreName(const Session& s, std::size_t i) {
  const SelectionStore& store = s.selection.store;
  return store.ComboName[i] + store.ComboDot[i] + store.ComboExt[i];
}

}  // namespace

// Journals before renaming, so a failed rename is in the journal too; Undo then finds
// its new name missing and leaves the file alone. A name that stays as it is needs no
// rename. A file gone since the preview is skipped: the rename's ENOENT says so, with no
// look before each rename.
void DoRename(Session& s, UserInterface& ui) {
  const FolderHandle folder = s.files.OpenFolder(s.state.WorkFolder);
  WalkStoreRows(
      s, ui, folder, "Bug-Quillon-ActionDoRename", kProgressEvery,
      [&](std::size_t i, const std::string& oldName, const std::string& oldPath) {
        const std::string* newName = ListedName(s, i);
        if (newName == nullptr) return RefuseName("rename", oldName);
        if (!PlainName(*newName)) return RefuseName("rename", *newName);
        if (*newName == oldName) {
          if (!EntryExists(s, folder, oldName)) return Status(OsError{ENOENT, "rename", oldPath});
          JournalRow(s, oldName, *newName);
          return Status::Ok();
        }
        JournalRow(s, oldName, *newName);
        return s.files.RenameIn(folder, oldName, *newName);
      },
      MissingFiles::CallAnswers);
}

void DoRenameAndCopy(Session& s, UserInterface& ui) {
  const FolderHandle work = s.files.OpenFolder(s.state.WorkFolder);
  const FolderHandle dest = s.files.OpenFolder(s.state.ActionDestFolder);
  UndoJournal& j = s.actions.journal;
  WalkStoreRows(s, ui, work, "Bug-Quillon-ActionDoRenCopy", kProgressEveryCopy,
                [&](std::size_t i, const std::string& oldName, const std::string&) {
                  const std::string* newName = ListedName(s, i);
                  if (newName == nullptr) return RefuseName("rename", oldName);
                  if (!PlainName(*newName)) return RefuseName("rename", *newName);
                  JournalCopyRow(s, oldName, *newName, std::nullopt, "");
                  if (*newName != oldName) {
                    if (Status renamed = s.files.RenameIn(work, oldName, *newName); !renamed) {
                      return renamed;
                    }
                  }
                  KeptFile kept;
                  const auto copied =
                      CopyKeepingReplaced(s, i, work, *newName, dest, *newName, kept);
                  if (!copied) return copied.status();
                  j.ComboUndoCopy.back() = *copied;
                  j.ComboUndoKept.back() = kept.name;
                  j.ComboUndoBeside.back() = kept.identity;
                  return Status::Ok();
                });
}

// The source keeps its name; the copy takes the new one. A source gone since the preview
// is skipped on the copy's ENOENT.
void DoCopyAndRename(Session& s, UserInterface& ui) {
  const FolderHandle work = s.files.OpenFolder(s.state.WorkFolder);
  const FolderHandle dest = s.files.OpenFolder(s.state.ActionDestFolder);
  WalkStoreRows(
      s, ui, work, "Bug-Quillon-ActionDoCpyRename", kProgressEveryCopy,
      [&](std::size_t i, const std::string& oldName, const std::string&) {
        const std::string newName = StoreName(s, i);
        if (!PlainName(newName)) return RefuseName("copy", newName);
        KeptFile kept;
        const auto copied = CopyKeepingReplaced(s, i, work, oldName, dest, newName, kept);
        if (!copied) return copied.status();
        JournalCopyRow(s, oldName, newName, *copied, kept.name, kept.identity);
        return Status::Ok();
      },
      MissingFiles::CallAnswers);
}

// The rename operation: both folders must be on one file system.
void DoMoveAndRename(Session& s, UserInterface& ui) {
  const FolderHandle work = s.files.OpenFolder(s.state.WorkFolder);
  const FolderHandle dest = s.files.OpenFolder(s.state.ActionDestFolder);
  WalkStoreRows(s, ui, work, "Bug-Quillon-ActionDoMovRename", kProgressEvery,
                [&](std::size_t i, const std::string& oldName, const std::string&) {
                  const std::string newName = StoreName(s, i);
                  if (!PlainName(newName)) return RefuseName("rename", newName);
                  if (Status moved = s.files.RenameAt(work, oldName, dest, newName); !moved) {
                    return moved;
                  }
                  RowIds ids;
                  if (const auto there = s.files.IdentifyAt(dest, newName); there.ok()) {
                    ids.made = *there;
                  }
                  JournalKnownRow(s, oldName, newName, ids);
                  return Status::Ok();
                });
}

}  // namespace quillon
