#pragma once
// The Qt side of start-up: builds the main window and shows it.
#include <memory>

#include "flow/startup.h"
#include "gui/main_window.h"
#include "gui/qt_user_interface.h"

namespace quillon::gui {

class QtStartupWindows : public StartupWindows {
 public:
  QtStartupWindows(Session& s, QtUserInterface& ui) : s_(s), ui_(ui) {}
  void LoadWindows() override;
  void ShowMainWindow() override;
  MainWindow* window() const { return window_.get(); }

 private:
  Session& s_;
  QtUserInterface& ui_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace quillon::gui
