#include "actions/file_walk.h"

#include <cerrno>
#include <limits>

#include "ui/messages.h"

namespace quillon {
namespace {

int Clamp(std::size_t n) {
  return n > static_cast<std::size_t>(std::numeric_limits<int>::max())
             ? std::numeric_limits<int>::max()
             : static_cast<int>(n);
}

}  // namespace

bool PlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

Status RefuseName(const std::string& operation, const std::string& name) {
  return OsError{EINVAL, operation, name};
}

void ReportFailure(Session& s, UserInterface& ui, const char* tag) {
  s.message.MessageKey = tag;
  ShowErrorReport(s, ui);
}

void JournalRow(Session& s, const std::string& oldName, const std::string& newName) {
  UndoJournal& j = s.actions.journal;
  j.ComboUndoOldName.push_back(oldName);
  j.ComboUndoNewName.push_back(newName);
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
