#pragma once
// The criteria record with all eight criteria on, shared by the engine and preview
// benchmarks.
#include "session/rename_state.h"

namespace quillon::bench {

inline RenameCriteria AllCriteriaOn() {
  RenameCriteria c;
  c.ExtOn = true;
  c.ExtText = "jpeg";
  c.CaseOn = true;
  c.CaseScope = "FirstLetterOfWords";
  c.CaseChange = "Upper Case";
  c.SpaceOn = true;
  c.SpaceWith = "_";
  c.HandleOn = true;
  c.HandleThis = "-";
  c.HandleWith = "_";  // a text the editor takes, so that a job file can say the same
  c.SavedHandleMode = kHandleReplaceWith;
  c.InsertOn = true;
  c.InsertPlace = "InsertAfterNumChars";
  c.InsertText = "x";
  c.InsertAfterNum = 3;
  c.ReplaceOn = true;
  c.ReplacePlace = "ReplaceAString";
  c.ReplaceWith = "Photo";
  c.ReplaceString = "IMG";
  c.RemoveOn = true;
  c.RemovePlace = "RemoveCharBeforeNumChars";
  c.RemoveNumChars = 2;
  c.RemoveBeforeNum = 1;
  c.AutoOn = true;
  c.AutoKind = "Number";
  c.AutoPlace = "AutoBeforeNumChars";
  c.AutoStartNumber = 1;
  c.AutoZeroFill = 2;
  c.PriorityCount = 3;
  c.PrioritySlot1 = "Remove";
  c.PrioritySlot2 = "Insert";
  c.PrioritySlot3 = "Replace";
  return c;
}

}  // namespace quillon::bench
