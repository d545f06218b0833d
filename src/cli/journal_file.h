#pragma once
// The undo journal on disk, so that a later run can undo the last one. Written
// atomically; an undo marks it used.
#include <optional>
#include <string>

#include "session/action_state.h"

namespace quillon::cli {

struct JournalFile {
  UndoJournal journal;
  bool used = false;
};

std::string JournalToJson(const JournalFile& file);
// The journal of a JSON text, or nullopt with the reason in error.
std::optional<JournalFile> JournalFromJson(const std::string& text, std::string& error);

}  // namespace quillon::cli
