#include "gui/qt_user_interface.h"

#include <cstdio>

#include "gui/main_window.h"
#include "gui/message_window.h"

namespace quillon::gui {

void QtUserInterface::SetControlState(const std::string& code) {
  if (window_ != nullptr) window_->RenderControlState(code);
}

void QtUserInterface::OpenPanel(const std::string& code) {
  if (window_ != nullptr) window_->RenderPanel(code);
}

MessageReply QtUserInterface::OpenMessageWindow(const MessageWindowContent& content) {
  if (autoAnswer_) {
    autoAnswered_.push_back(content);
    std::fprintf(stderr, "%s\n%s\n", content.head.c_str(), content.text.c_str());
    bool ok = true;
    if (!scripted_.empty()) {
      ok = scripted_.front();
      scripted_.erase(scripted_.begin());
    }
    return MessageReply{ok, content.checkDoNotShow, ""};
  }
  return RunMessageWindow(content, window_ != nullptr && window_->isVisible() ? window_ : nullptr);
}

void QtUserInterface::RefreshFolderList() {
  if (window_ != nullptr) window_->RenderFolderList();
}

void QtUserInterface::ShowProgress(int done, int total) {
  if (window_ != nullptr) window_->RenderProgress(done, total);
}

void QtUserInterface::ShowCriteriaEditor(bool shown) {
  if (window_ != nullptr) window_->ShowCriteriaEditor(shown);
}

void QtUserInterface::RefreshFileList() {
  if (window_ != nullptr) window_->RenderFileList();
}

}  // namespace quillon::gui
