#pragma once
// FrameAction: the Action panel of the main window.
#include <QGroupBox>

#include "gui/view_renderer.h"
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon::gui {

class ActionFrame : public QGroupBox {
 public:
  ActionFrame(Session& session, UserInterface& ui, QWidget* parent);
  // Shows the panel's choice, notes and OK state.
  void Render();

 private:
  Session& s_;
  UserInterface& ui_;
  ViewRenderer renderer_;
};

}  // namespace quillon::gui
