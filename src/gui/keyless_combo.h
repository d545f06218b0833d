#pragma once
// A drop-down list that takes no typing: every key press is discarded, except Tab and
// the keys that open the list and move in it, so that it stays usable from the keyboard.
#include <QComboBox>
#include <QKeyEvent>

namespace quillon::gui {

class KeylessCombo : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_F4:
      case Qt::Key_Space:
        QComboBox::keyPressEvent(event);
        return;
      default:
        event->accept();
    }
  }
};

}  // namespace quillon::gui
