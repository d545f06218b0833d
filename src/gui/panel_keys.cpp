#include "gui/panel_keys.h"

#include <QAbstractButton>
#include <QShortcut>

namespace quillon::gui {

void PanelKeys(QWidget* panel, QAbstractButton* ok, QAbstractButton* cancel) {
  auto press = [](QAbstractButton* button) {
    if (button != nullptr && button->isEnabled() && button->isVisible()) button->click();
  };
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(key), panel);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, panel, [press, ok] { press(ok); });
  }
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), panel);
  escape->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(escape, &QShortcut::activated, panel, [press, cancel] { press(cancel); });
}

}  // namespace quillon::gui
