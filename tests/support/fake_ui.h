#pragma once
// A scripted UserInterface: records every code and message, answers from a queue.
#include <deque>
#include <string>
#include <vector>

#include "ui/user_interface.h"

namespace quillon::testing {

class FakeUi : public UserInterface {
 public:
  void SetControlState(const std::string& code) override { controlStates.push_back(code); }
  void OpenPanel(const std::string& code) override { panels.push_back(code); }
  MessageReply OpenMessageWindow(const MessageWindowContent& content) override {
    messages.push_back(content);
    if (answers.empty()) return MessageReply{true, content.checkDoNotShow, ""};
    MessageReply reply = answers.front();
    answers.pop_front();
    return reply;
  }
  void RefreshFolderList() override { ++folderRefreshes; }
  void RefreshFileList() override { ++fileRefreshes; }

  // Answers for the next messages, oldest first; an empty queue answers OK.
  std::deque<MessageReply> answers;
  std::vector<std::string> controlStates;
  std::vector<std::string> panels;
  std::vector<MessageWindowContent> messages;
  int folderRefreshes = 0;
  int fileRefreshes = 0;
};

}  // namespace quillon::testing
