#include "gui/startup_windows.h"

namespace quillon::gui {

void QtStartupWindows::LoadWindows() {
  window_ = std::make_unique<MainWindow>(s_, ui_);
  ui_.AttachMainWindow(window_.get());
}

void QtStartupWindows::ShowMainWindow() {
  window_->RenderFolderList();
  window_->RenderFileList();
  window_->PlaceOnScreen();
  window_->show();
}

}  // namespace quillon::gui
