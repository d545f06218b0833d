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

void JournalRow(Session& s, const std::string& oldName, const std::string& newName) {
  UndoJournal& j = s.actions.journal;
  j.ComboUndoOldName.push_back(oldName);
  j.ComboUndoNewName.push_back(newName);
}

void ReserveJournalRows(Session& s, std::size_t more) {
  UndoJournal& j = s.actions.journal;
  const std::size_t rows = j.ComboUndoOldName.size() + more;
  j.ComboUndoOldName.reserve(rows);
  j.ComboUndoNewName.reserve(rows);
  if (Copies(s.state.ActionName)) {
    j.ComboUndoCopy.reserve(rows);
    j.ComboUndoKept.reserve(rows);
  }
}

void DropJournalRowsFrom(Session& s, std::size_t from) {
  UndoJournal& j = s.actions.journal;
  j.ComboUndoOldName.resize(std::min(from, j.ComboUndoOldName.size()));
  j.ComboUndoNewName.resize(std::min(from, j.ComboUndoNewName.size()));
  j.ComboUndoCopy.resize(std::min(from, j.ComboUndoCopy.size()));
  j.ComboUndoKept.resize(std::min(from, j.ComboUndoKept.size()));
}

void JournalCopyRow(Session& s, const std::string& oldName, const std::string& newName,
                    const std::optional<FileIdentity>& copy, const std::string& kept) {
  JournalRow(s, oldName, newName);
  UndoJournal& j = s.actions.journal;
  j.ComboUndoCopy.push_back(copy);
  j.ComboUndoKept.push_back(kept);
}

Result<FileIdentity> CopyKeepingReplaced(Session& s, std::size_t i, const std::string& from,
                                         const std::string& to, std::string& kept) {
  kept.clear();
  const IntentRow* intent = IntentOf(s, i);
  const bool overwrite = s.state.OverwriteConfirmed;
  if (!overwrite || intent == nullptr || intent->kept.empty()) {
    // Outside a job's journal a confirmed overwrite replaces; inside it nothing is
    // replaced that the journal has not set aside.
    const bool replace = overwrite && intent == nullptr;
    return s.files.CopyFile(from, to, replace ? Overwrite::Yes : Overwrite::No);
  }
  const std::string folder = to.substr(0, to.rfind('/') + 1);
  const std::string aside = folder + intent->kept;
  const Status moved = s.files.Rename(to, aside);
  if (!moved && moved.code() != ENOENT) return moved.error();
  Result<FileIdentity> copied = s.files.CopyFile(from, to, Overwrite::No);
  if (!copied) {
    if (moved) (void)s.files.Rename(aside, to);
    return copied;
  }
  if (moved) kept = intent->kept;
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
