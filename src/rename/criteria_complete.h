#pragma once
// Leaving the criteria editor with OK: which ticked criteria are incomplete, the report
// that asks the user, and the unticking of what stays incomplete.
#include <string>
#include <vector>

#include "session/session.h"
#include "ui/messages.h"
#include "ui/user_interface.h"

namespace quillon {

// Completeness of each criterion, read from the editor values. Each reader returns the
// record key of the first value the ticked criterion still lacks ("InsertText",
// "ReplaceAfterNum" ...), or nullptr when the criterion can be built. One reader per
// criterion, in the check's order; the job-file reader names the same keys.
const char* CaseMissing(const Session& s);
const char* ExtMissing(const Session& s);
const char* SpaceMissing(const Session& s);
const char* HandleMissing(const Session& s);
const char* InsertMissing(const Session& s);
const char* ReplaceMissing(const Session& s);
const char* RemoveMissing(const Session& s);
const char* AutoMissing(const Session& s);
const char* DateMissing(const Session& s);

inline bool CaseComplete(const Session& s) {
  return CaseMissing(s) == nullptr;
}
inline bool ExtComplete(const Session& s) {
  return ExtMissing(s) == nullptr;
}
inline bool SpaceComplete(const Session& s) {
  return SpaceMissing(s) == nullptr;
}
inline bool HandleComplete(const Session& s) {
  return HandleMissing(s) == nullptr;
}
inline bool InsertComplete(const Session& s) {
  return InsertMissing(s) == nullptr;
}
inline bool ReplaceComplete(const Session& s) {
  return ReplaceMissing(s) == nullptr;
}
inline bool RemoveComplete(const Session& s) {
  return RemoveMissing(s) == nullptr;
}
inline bool AutoComplete(const Session& s) {
  return AutoMissing(s) == nullptr;
}
inline bool DateComplete(const Session& s) {
  return DateMissing(s) == nullptr;
}

// The first ticked criterion that is incomplete: its report name and the key it lacks;
// both nullptr when every ticked criterion is complete.
struct Incomplete {
  const char* reportName = nullptr;
  const char* missingKey = nullptr;
};
Incomplete FirstIncomplete(const Session& s);

// The report's text for the names of the incomplete criteria, in check order.
std::string IncompleteReport(const std::vector<std::string>& names);

// Resets the unticked criteria, flags the incomplete ticked ones and asks the user with
// "MessageReadyIncompleteRen" when there are any. Returns the answer's code:
// "CriteriaSetAgain" when the user chose to complete them, else "".
std::string CheckCriteriaComplete(Session& s, UserInterface& ui);
// Unticks every criterion the last check flagged.
void UnselectIncomplete(Session& s, UserInterface& ui);
// Unticks every ticked criterion that is incomplete now, as OK leaves them when the user
// does not complete them; returns their report names, in check order.
std::vector<std::string> DropIncomplete(Session& s, UserInterface& ui);

// Replace of whole names goes off (after "MessageReplaceMultiName"): only the Replace
// step of "RenameSet", then the summary.
void DropReplaceFileName(Session& s, UserInterface& ui);

}  // namespace quillon
