#pragma once
// The criteria in force as lines on the main window, the ones that are on in the on
// colour, and how many are on.
#include "session/session.h"
#include "ui/view.h"

namespace quillon {

// Writes s.rename.summary and CriteriaSetCount from the record.
void BuildCriteriaSummary(Session& s);
// HandleThis as the summary shows it: "Char-Dot" for ".", and so on.
std::string HandleDisplayForm(const std::string& handleThis);
// The eleven LabelCri* labels with their texts and colours.
View CriteriaSummaryView(const Session& s);

}  // namespace quillon
