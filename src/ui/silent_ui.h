#pragma once
// The port of a run nobody watches (a trial of a job file, a benchmark): shows nothing,
// refreshes nothing, and answers every message with OK.
#include <string>

#include "ui/user_interface.h"

namespace quillon {

class SilentUi : public UserInterface {
 public:
  void SetControlState(const std::string&) override {}
  void OpenPanel(const std::string&) override {}
  MessageReply OpenMessageWindow(const MessageWindowContent&) override { return {}; }
  void RefreshFolderList() override {}
  void RefreshFileList() override {}
};

}  // namespace quillon
