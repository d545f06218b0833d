#pragma once
// FrameAction: the Action panel of the main window.
#include <QGroupBox>

#include "session/session.h"
#include "ui/user_interface.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quillon::gui {

class ActionFrame : public QGroupBox {
 public:
  ActionFrame(Session& session, UserInterface& ui, QWidget* parent);
  void Render();

 private:
  void ChooseDestination();

  Session& s_;
  UserInterface& ui_;
  QRadioButton* actions_[8] = {};
  QRadioButton* attributes_[6] = {};
  QGroupBox* frameAttribute_ = nullptr;
  QCheckBox* mode_ = nullptr;
  QCheckBox* overwrite_ = nullptr;
  QPushButton* browse_ = nullptr;
  QPushButton* ok_ = nullptr;
  QLabel* must_ = nullptr;
  QLabel* destination_ = nullptr;
};

}  // namespace quillon::gui
