#include "actions/file_walk.h"

#include <algorithm>
#include <cerrno>
#include <limits>

#include "actions/job_intents.h"
#include "ui/messages.h"

namespace quillon {
namespace {

int Clamp(std::size_t n) {
  return n > static_cast<std::size_t>(std::numeric_limits<int>::max())
             ? std::numeric_limits<int>::max()
             : static_cast<int>(n);
}

}  // namespace

Status RefuseName(const std::string& operation, const std::string& name) {
  return OsError{EINVAL, operation, name};
}

void ReportFailure(Session& s, UserInterface& ui, const char* tag,
                   const std::optional<OsError>& error) {
  s.actions.lastError = error;
  s.message.MessageKey = tag;
  ShowErrorReport(s, ui, error ? error->Describe() : "");
}

bool EntryExists(Session& s, const std::string& path) {
  const Result<FileIdentity> id = s.files.Identify(path);
  return id.ok() && (id->regular || id->link);
}

bool EntryExists(Session& s, const FolderHandle& folder, const std::string& name) {
  const Result<FileIdentity> id = s.files.IdentifyAt(folder, name);
  return id.ok() && (id->regular || id->link);
}

void JournalRow(Session& s, const std::string& oldName, const std::string& newName) {
  UndoJournal& j = s.actions.journal;
  j.ComboUndoOldName.push_back(oldName);
  j.ComboUndoNewName.push_back(newName);
}

void JournalKnownRow(Session& s, const std::string& oldName, const std::string& newName,
                     const RowIds& ids) {
  JournalRow(s, oldName, newName);
  UndoJournal& j = s.actions.journal;
  j.ComboUndoCopy.push_back(ids.made);
  j.ComboUndoBeside.push_back(ids.beside);
}

void ReserveJournalRows(Session& s, std::size_t more) {
  UndoJournal& j = s.actions.journal;
  const std::size_t rows = j.ComboUndoOldName.size() + more;
  j.ComboUndoOldName.reserve(rows);
  j.ComboUndoNewName.reserve(rows);
  if (KnowsFiles(s.state.ActionName)) {
    j.ComboUndoCopy.reserve(rows);
    j.ComboUndoBeside.reserve(rows);
  }
  if (Copies(s.state.ActionName)) j.ComboUndoKept.reserve(rows);
}

void DropJournalRowsFrom(Session& s, std::size_t from) {
  UndoJournal& j = s.actions.journal;
  j.ComboUndoOldName.resize(std::min(from, j.ComboUndoOldName.size()));
  j.ComboUndoNewName.resize(std::min(from, j.ComboUndoNewName.size()));
  j.ComboUndoCopy.resize(std::min(from, j.ComboUndoCopy.size()));
  j.ComboUndoKept.resize(std::min(from, j.ComboUndoKept.size()));
  j.ComboUndoBeside.resize(std::min(from, j.ComboUndoBeside.size()));
}

void JournalCopyRow(Session& s, const std::string& oldName, const std::string& newName,
                    const std::optional<FileIdentity>& copy, const std::string& kept,
                    const std::optional<FileIdentity>& keptId) {
  JournalRow(s, oldName, newName);
  UndoJournal& j = s.actions.journal;
  j.ComboUndoCopy.push_back(copy);
  j.ComboUndoKept.push_back(kept);
  j.ComboUndoBeside.push_back(keptId);
}

Result<FileIdentity> CopyKeepingReplaced(Session& s, std::size_t i, const FolderHandle& from,
                                         const std::string& fromName, const FolderHandle& to,
                                         const std::string& toName, KeptFile& kept) {
  kept = KeptFile{};
  const IntentRow* intent = IntentOf(s, i);
  const bool overwrite = s.state.OverwriteConfirmed;
  if (!overwrite || intent == nullptr || intent->kept.empty()) {
    // Outside a job's journal a confirmed overwrite replaces; inside it nothing is
    // replaced that the journal has not set aside.
    const bool replace = overwrite && intent == nullptr;
    return s.files.CopyAt(from, fromName, to, toName, replace ? Overwrite::Yes : Overwrite::No,
                          replace ? Durability::Synced : Durability::Cached);
  }
  // What stands at the name now is set aside, known by its identity; a folder is not.
  const Result<FileIdentity> existing = s.files.IdentifyAt(to, toName);
  bool setAside = false;
  if (existing.ok()) {
    if (!existing->regular && !existing->link) {
      return OsError{EISDIR, "copy", to.path() + toName};
    }
    const Status moved = s.files.RenameAt(to, toName, to, intent->kept);
    if (!moved && moved.code() != ENOENT) return moved.error();
    setAside = moved.ok();
  }
  // The copy that takes the place of a file is on the disk before it takes the name.
  Result<FileIdentity> copied = s.files.CopyAt(from, fromName, to, toName, Overwrite::No,
                                               setAside ? Durability::Synced : Durability::Cached);
  if (!copied) {
    if (setAside) (void)s.files.RenameAt(to, intent->kept, to, toName);
    return copied;
  }
  if (setAside) kept = KeptFile{intent->kept, *existing};
  return copied;
}

const IntentRow* IntentOf(const Session& s, std::size_t i) {
  const auto& intents = s.actions.intents;
  if (i < intents.size() && intents[i].index == i) return &intents[i];
  return nullptr;
}

Progress::Progress(UserInterface& ui, std::size_t total, std::size_t every)
    : ui_(ui), total_(Clamp(total)), every_(every == 0 ? 1 : every) {
  ui_.ShowProgress(0, total_);
}

void Progress::Done(std::size_t done) {
  if (done % every_ == 0) ui_.ShowProgress(Clamp(done), total_);
}

void Progress::Finish() {
  ui_.ShowProgress(total_, total_);
}

}  // namespace quillon
