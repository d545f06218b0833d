#pragma once
// Conflict detection before a job: the checks due for the action, the report, and what
// OK and Cancel of the report do.
#include <string>
#include <vector>

#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// Which checks an action needs, in the order they run.
struct DueChecks {
  bool zeroLength = false;
  bool existingNames = false;
  bool newNames = false;
  bool destination = false;
};
DueChecks ChecksFor(const std::string& actionName, bool overwriteConfirmed);

// How a run of FindConflicts ended.
enum class ConflictOutcome {
  NotRun,      // CheckPending was false
  Ready,       // nothing found: the final names are listed and the Job is ready
  Unselected,  // the report's OK unselected the marked files
  Cancelled,   // the report's Cancel threw the computed names away
};

// Runs the checks due for ActionName when CheckPending is set, then shows the report
// (OK unselects the marked files, Cancel reverts to the selected names) or lists the
// final names.
ConflictOutcome FindConflicts(Session& s, UserInterface& ui);

// The new name of every store row; for "Copy" and "Move" the current name.
std::vector<std::string> NewNames(const Session& s);

// The checks. Each marks a row it finds with "#$#" (ImpossibleTotal rises once per row)
// and raises its own counter for every finding.
void CheckZeroLength(Session& s, UserInterface& ui);
// A new name longer than the file system of its folder takes could never be given.
void CheckNameLength(Session& s, const std::vector<std::string>& newNames);
void CheckExistingNames(Session& s, const std::vector<std::string>& newNames);
// A new name another selected file still holds when the job reaches the row.
void CheckSelectedNamesInTheWay(Session& s, const std::vector<std::string>& newNames);
void CheckNewNames(Session& s, UserInterface& ui, const std::vector<std::string>& newNames);
void CheckDestination(Session& s, UserInterface& ui, const std::vector<std::string>& newNames);
// The same checks where a folder's file system does not count case: the names of that
// folder compared with their case folded.
void CheckFoldedNames(Session& s, UserInterface& ui, const DueChecks& due,
                      const std::vector<std::string>& newNames, bool blindWork, bool blindDest);
void CheckDestinationFolded(Session& s, UserInterface& ui,
                            const std::vector<std::string>& foldedNames);

// Marks store row i; ImpossibleTotal rises when it was not marked yet.
void MarkRow(Session& s, std::size_t i);
// The nine counters of a preview back to 0.
void ZeroConflictCounters(Session& s);

// The report's text.
std::string ConflictReport(const Session& s);
// OK of the report: the marked files leave the selection, the rest is ready.
void UnselectConflicting(Session& s, UserInterface& ui);
// Cancel of the report: computed names and marks are thrown away, the selection stays.
void RevertToSelectedNames(Session& s);
// The final names (NewNames of the store) into List1; the Job is ready.
void ShowFinalNames(Session& s, std::vector<std::string> finalNames);

}  // namespace quillon
