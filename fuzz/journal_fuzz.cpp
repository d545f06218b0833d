// The journal reader takes any bytes without crashing; what it accepts has one new name
// per old name.
#include <cstddef>
#include <cstdint>
#include <string>

#include "actions/job_journal.h"
#include "platform/json_lite.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  (void)quillon::json::Parse(text);
  const auto journal = quillon::ParseJournal(text);
  if (journal.ok()) {
    const quillon::UndoJournal& j = journal->journal;
    if (j.ComboUndoOldName.size() != j.ComboUndoNewName.size() ||
        journal->certain.size() != j.ComboUndoOldName.size()) {
      __builtin_trap();
    }
  }
  return 0;
}
