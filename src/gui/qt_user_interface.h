#pragma once
// The core's port, answered by the Qt windows.
#include <QWidget>
#include <vector>

#include "ui/user_interface.h"

namespace quillon::gui {

class MainWindow;

class QtUserInterface : public UserInterface {
 public:
  // With autoAnswer, messages are written to standard error and answered OK instead
  // of waiting for a person (the self-test).
  explicit QtUserInterface(bool autoAnswer = false) : autoAnswer_(autoAnswer) {}
  void AttachMainWindow(MainWindow* window) { window_ = window; }

  void SetControlState(const std::string& code) override;
  void OpenPanel(const std::string& code) override;
  MessageReply OpenMessageWindow(const MessageWindowContent& content) override;
  void RefreshFolderList() override;
  void RefreshFileList() override;
  void ShowProgress(int done, int total) override;
  void ShowCriteriaEditor(bool shown) override;

  // Answers for the next messages answered without a window (true for OK or Yes),
  // oldest first; when none are left they are answered OK.
  void ScriptAnswers(std::vector<bool> answers) { scripted_ = std::move(answers); }
  // The messages answered without a window, oldest first.
  const std::vector<MessageWindowContent>& autoAnswered() const { return autoAnswered_; }

 private:
  std::vector<MessageWindowContent> autoAnswered_;
  std::vector<bool> scripted_;
  bool autoAnswer_;
  MainWindow* window_ = nullptr;
};

}  // namespace quillon::gui
