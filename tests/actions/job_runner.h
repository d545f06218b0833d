#pragma once
// A whole job as the Job button runs it, on folders the test chose, and its undo from the
// journal on disk as the next start or quillon-cli does it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "action_fixture.h"
#include "actions/do_action.h"
#include "actions/job_journal.h"
#include "flow/job_bar.h"

namespace quillon::testing {

// Prepares `action` on every file of `work` (new name = prefix + old name) and runs it
// on these file services, as the Job button would.
inline void RunJob(FileServices& files, UserInterface& ui, const std::string& work,
                   const std::string& dest, const std::string& journal, const std::string& action,
                   bool overwrite, const std::string& prefix,
                   const std::function<void(Session&, UserInterface&)>& afterJob = {},
                   std::int16_t attribute = 0) {
  FakeEnvironment env;
  Session s(files, env);
  s.selection.Dir1Path = work;
  s.state.WorkFolder = work + "/";
  s.state.ActionDestFolder = s.state.DestFolder = dest + "/";
  s.state.ActionName = action;
  s.state.ActionIndex = static_cast<std::int16_t>(ActionIndexOf(action));
  s.state.OverwriteConfirmed = overwrite;
  s.state.AttributeIndex = attribute;
  s.actions.journalPath = journal;
  ReadFileList(s);
  s.selection.Selected.assign(s.selection.Files.size(), true);
  CountSelected(s);
  BuildSelectionRows(s);
  SplitSelectedNames(s);
  for (const std::string& name : s.selection.store.ComboFile1) {
    s.selection.List1.push_back(prefix + name);
  }
  s.state.JobReady = true;
  s.state.ActionBusy = true;
  DoAction(s, ui);
  if (afterJob) afterJob(s, ui);
}

// Undoes the journal at `path` in a fresh session, as the next start or quillon-cli would,
// and expects it marked used after (or, with Marked::No, left for another try). Returns
// whether it was marked.
enum class Marked { Yes, No };
inline bool UndoFromDisk(const std::string& path, Marked expected = Marked::Yes) {
  PosixFileServices files;
  FakeEnvironment env;
  FakeUi ui;
  Session s(files, env);
  auto onDisk = ReadJournal(path);
  EXPECT_TRUE(onDisk.ok()) << onDisk.status().error().Describe();
  if (!onDisk.ok()) return false;
  s.actions.journal = onDisk->journal;
  s.actions.journalPath = path;
  s.state.UndoAvailable = true;
  UndoClick(s, ui);
  const bool marked = ReadJournal(path)->state == JournalState::Used;
  EXPECT_EQ(marked, expected == Marked::Yes);
  return marked;
}

}  // namespace quillon::testing
