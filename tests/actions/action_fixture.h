#pragma once
// A session over two real temporary folders, the working folder and the destination,
// with the real file services behind a fault injector and a scripted UI that also
// records progress reports.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "flow/job_bar.h"
#include "platform/posix_file_services.h"
#include "selection/file_selection.h"
#include "session/action_kinds.h"
#include "session/readiness.h"
#include "session/session.h"
#include "support/failing_file_services.h"
#include "support/fake_environment.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace quillon::testing {

class RecordingUi : public FakeUi {
 public:
  void ShowProgress(int done, int total) override { progress.emplace_back(done, total); }
  void SetControlState(const std::string& code) override {
    FakeUi::SetControlState(code);
    if (busy != nullptr) busyAtControlState.push_back(*busy);
  }
  std::vector<std::pair<int, int>> progress;
  // ActionBusy as each control-state code found it, once `busy` points at it.
  const bool* busy = nullptr;
  std::vector<bool> busyAtControlState;

  // The texts of the messages shown, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
  }
  // Whether some message shown so far contains `part`.
  bool showed(const std::string& part) const {
    for (const auto& m : messages) {
      if (m.text.find(part) != std::string::npos) return true;
    }
    return false;
  }
  MessageReply No() { return MessageReply{false, false, ""}; }
};

class ActionTest : public ::testing::Test {
 protected:
  ActionTest() : s(files, env) {
    s.selection.Dir1Path = work.path();
    s.state.WorkFolder = work.path() + "/";
    s.state.DestFolder = dest.path() + "/";
    s.state.ActionDestFolder = s.state.DestFolder;
  }

  // The action in effect, as the Action panel leaves it confirmed.
  void SetAction(const std::string& name, bool overwrite = false, std::int16_t attribute = 0) {
    const int index = ActionIndexOf(name);
    ASSERT_GE(index, 0) << name;
    s.state.ActionIndex = static_cast<std::int16_t>(index);
    s.state.ActionIndexPending = s.state.ActionIndex;
    s.state.ActionName = name;
    s.state.OverwriteConfirmed = overwrite;
    s.state.AttributeIndex = attribute;
  }

  // Reads the working folder and selects the named files, as clicks in the list would.
  void Select(const std::vector<std::string>& names) {
    ReadFileList(s);
    for (const std::string& name : names) {
      bool found = false;
      for (std::size_t i = 0; i < s.selection.Files.size(); ++i) {
        if (s.selection.Files[i] == name) {
          s.selection.Selected[i] = true;
          found = true;
        }
      }
      ASSERT_TRUE(found) << name;
    }
    CountSelected(s);
    BuildSelectionRows(s);
    if (s.state.ActionName == "Delete" || s.state.ActionName == "Set Attribute") {
      ShowSelectedNames(s);
    } else {
      SplitSelectedNames(s);
    }
    UpdateReadiness(s);
  }

  // Gives the selected rows these new names, as the engine would have computed them.
  void GiveNewNames(const std::vector<std::string>& newNames) {
    SelectionStore& store = s.selection.store;
    ASSERT_EQ(store.size(), newNames.size());
    for (std::size_t i = 0; i < newNames.size(); ++i) {
      const std::string& name = newNames[i];
      const std::size_t dot = name.rfind('.');
      store.ComboName[i] = dot == std::string::npos ? name : name.substr(0, dot);
      store.ComboDot[i] = dot == std::string::npos ? "" : ".";
      store.ComboExt[i] = dot == std::string::npos ? "" : name.substr(dot + 1);
    }
    s.state.RenamePending = false;
    s.state.CheckPending = true;
  }

  // A job prepared through Preview, which must find no conflict: the final names
  // listed, the Job ready. New names are given directly rather than by criteria.
  void PrepareJob(const std::vector<std::pair<std::string, std::string>>& renames) {
    std::vector<std::string> olds;
    std::vector<std::string> news;
    for (const auto& [from, to] : renames) {
      olds.push_back(from);
      news.push_back(to);
    }
    Select(olds);
    if (ActionRenames(s.state.ActionIndex)) GiveNewNames(news);
    if (s.state.CheckPending) PreviewClick(s, ui);
    if (s.state.JobReady) s.state.ResultShown = true;
    ASSERT_TRUE(s.state.JobReady);
    ui.messages.clear();
    ui.controlStates.clear();
    ui.progress.clear();
  }

  const UndoJournal& journal() const { return s.actions.journal; }

  PosixFileServices real;
  FailingFileServices files{real};
  FakeEnvironment env;
  RecordingUi ui;
  TempDir work;
  TempDir dest;
  Session s;
};

// The error report's text ends with the tag it carries.
// The report carries the tag on its last line before the reason, if there is one: the
// file and the system's answer.
inline bool EndsWithTag(const std::string& text, const std::string& tag) {
  const std::size_t reason = text.rfind("\r\n\r\n");
  const std::string head = reason != std::string::npos && text.find(tag) < reason
                               ? text.substr(0, reason)
                               : text;
  return head.size() >= tag.size() && head.compare(head.size() - tag.size(), tag.size(), tag) == 0;
}

}  // namespace quillon::testing
