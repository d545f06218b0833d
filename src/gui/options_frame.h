#pragma once
// FrameRigidity: the Options panel of the main window.
#include <QGroupBox>

#include "gui/view_renderer.h"
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon::gui {

class OptionsFrame : public QGroupBox {
 public:
  OptionsFrame(Session& session, UserInterface& ui, QWidget* parent);
  void Render();

 private:
  QWidget* Group(RigidityRow row, const char* frame, const char* name, const char* label,
                 const char* ignore, const char* mark);

  Session& s_;
  UserInterface& ui_;
  ViewRenderer renderer_;
};

}  // namespace quillon::gui
