#include "gui/panel_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace quillon::gui {
namespace {

// Sees the keys that no control of the panel took for itself: a box that decides on
// Enter keeps deciding.
class PanelKeyFilter : public QObject {
 public:
  PanelKeyFilter(QWidget* panel, QAbstractButton* ok, QAbstractButton* cancel)
      : QObject(panel), ok_(ok), cancel_(cancel) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return Press(ok_);
    if (key == Qt::Key_Escape) return Press(cancel_);
    return false;
  }

 private:
  static bool Press(QAbstractButton* button) {
    if (button == nullptr || !button->isEnabled() || !button->isVisible()) return false;
    button->click();
    return true;
  }

  QPointer<QAbstractButton> ok_;
  QPointer<QAbstractButton> cancel_;
};

}  // namespace

void PanelKeys(QWidget* panel, QAbstractButton* ok, QAbstractButton* cancel) {
  panel->installEventFilter(new PanelKeyFilter(panel, ok, cancel));
}

}  // namespace quillon::gui
