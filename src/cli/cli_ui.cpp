#include "cli/cli_ui.h"

namespace quillon::cli {

std::vector<std::pair<std::string, int>> Counters(const Session& s) {
  const RenameState& r = s.rename;
  const ActionState& a = s.actions;
  std::vector<std::pair<std::string, int>> counters{
      {"ImpossibleTotal", r.ImpossibleTotal},         {"ImpossibleInsert", r.ImpossibleInsert},
      {"ImpossibleReplace", r.ImpossibleReplace},     {"ImpossibleRemove", r.ImpossibleRemove},
      {"ImpossibleAuto", r.ImpossibleAuto},           {"ZeroLengthCount", a.ZeroLengthCount},
      {"ConflictExisting", a.ConflictExisting},       {"ConflictNewName", a.ConflictNewName},
      {"ConflictDestination", a.ConflictDestination}, {"NameTooLongCount", a.NameTooLongCount}};
  // Only with Date on, so that the output of a job without it is what it always was.
  if (r.criteria.DateOn)
    counters.insert(counters.begin() + 5, {"ImpossibleDate", r.ImpossibleDate});
  return counters;
}

MessageReply CliUi::OpenMessageWindow(const MessageWindowContent& content) {
  const std::string& key = s_.message.MessageKey;
  messages_.push_back({key, content.text});
  if (key == "MessageReadyFoundConflict") {
    reportShown = true;
    reportRows = s_.selection.store;
    reportText = content.text;
    reportCounters = Counters(s_);
    return MessageReply{unselectConflicts, false, ""};
  }
  return MessageReply{true, content.checkDoNotShow, ""};
}

const ShownMessage* CliUi::Find(const std::string& key) const {
  for (const ShownMessage& message : messages_) {
    if (message.key == key) return &message;
  }
  return nullptr;
}

const ShownMessage* CliUi::ErrorReport() const {
  for (const ShownMessage& message : messages_) {
    if (message.key.rfind("Bug-Quillon-", 0) == 0) return &message;
  }
  return nullptr;
}

}  // namespace quillon::cli
