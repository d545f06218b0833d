#pragma once
// Leaving the criteria editor with OK: which ticked criteria are incomplete, the report
// that asks the user, and the unticking of what stays incomplete.
#include <string>
#include <vector>

#include "session/session.h"
#include "ui/messages.h"
#include "ui/user_interface.h"

namespace quillon {

// Completeness of each criterion, read from the editor values: true when the criterion,
// ticked, can be built into the record. One reader per criterion, in the check's order.
bool CaseComplete(const Session& s);
bool ExtComplete(const Session& s);
bool SpaceComplete(const Session& s);
bool HandleComplete(const Session& s);
bool InsertComplete(const Session& s);
bool ReplaceComplete(const Session& s);
bool RemoveComplete(const Session& s);
bool AutoComplete(const Session& s);

// The report's text for the names of the incomplete criteria, in check order.
std::string IncompleteReport(const std::vector<std::string>& names);

// Resets the unticked criteria, flags the incomplete ticked ones and asks the user with
// "MessageReadyIncompleteRen" when there are any. Returns the answer's code:
// "CriteriaSetAgain" when the user chose to complete them, else "".
std::string CheckCriteriaComplete(Session& s, UserInterface& ui);
// Unticks every criterion the last check flagged.
void UnselectIncomplete(Session& s, UserInterface& ui);

// Replace of whole names goes off (after "MessageReplaceMultiName"): only the Replace
// step of "RenameSet", then the summary.
void DropReplaceFileName(Session& s, UserInterface& ui);

}  // namespace quillon
