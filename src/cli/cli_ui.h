#pragma once
// The core's port without a window: messages are recorded and answered as the command
// asks, and the conflict report's rows and counters are kept as they were shown.
#include <string>
#include <vector>

#include "cli/progress.h"
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon::cli {

struct ShownMessage {
  std::string key;
  std::string text;
};

// The counters of a preview by name, in the order of the report.
std::vector<std::pair<std::string, int>> Counters(const Session& s);

class CliUi : public UserInterface {
 public:
  explicit CliUi(Session& s) : s_(s) {}

  // Whether the conflict report's OK (unselect the marked files) is pressed.
  bool unselectConflicts = false;

  void SetControlState(const std::string&) override {}
  void OpenPanel(const std::string&) override {}
  MessageReply OpenMessageWindow(const MessageWindowContent& content) override;
  void RefreshFolderList() override {}
  void RefreshFileList() override {}
  bool ShowsFileList() const override { return false; }
  void ShowProgress(int done, int total) override {
    if (progress != nullptr) progress->Update(done, total);
  }

  // Where a long job's progress goes, if anywhere.
  TerminalProgress* progress = nullptr;

  const std::vector<ShownMessage>& messages() const { return messages_; }
  // The first message shown with one of these keys, or nullptr.
  const ShownMessage* Find(const std::string& key) const;
  // The error report, when one was shown.
  const ShownMessage* ErrorReport() const;

  // The store and counters as the conflict report showed them.
  bool reportShown = false;
  SelectionStore reportRows;
  std::string reportText;
  // The nine counters in the order of the report, as it showed them.
  std::vector<std::pair<std::string, int>> reportCounters;

 private:
  Session& s_;
  std::vector<ShownMessage> messages_;
};

}  // namespace quillon::cli
