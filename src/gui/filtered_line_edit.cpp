#include "gui/filtered_line_edit.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace quillon::gui {

FilteredLineEdit::FilteredLineEdit(const QString& name, QWidget* parent) : QLineEdit(parent) {
  setObjectName(name);
}

void FilteredLineEdit::setTextQuietly(const QString& text) {
  if (text == this->text()) return;
  const QSignalBlocker blocker(this);
  setText(text);
  setCursorPosition(static_cast<int>(text.size()));
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
  if (!filter_) return QLineEdit::keyPressEvent(event);
  // The key as a character code; keys without one (arrows, Home) pass untouched.
  char32_t key = 0;
  const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
  if (shortcut) {
    // Select all, copy and paste stay available; pasted text goes through the change
    // handler's own checks.
  } else if (event->key() == Qt::Key_Backspace) {
    key = kKeyBackspace;
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    key = kKeyEnter;
  } else if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
    key = event->text().toUcs4().value(0);
  }
  if (key == 0) return QLineEdit::keyPressEvent(event);

  const KeyVerdict verdict = filter_(key);
  switch (verdict.action) {
    case KeyAction::Accept:
      return QLineEdit::keyPressEvent(event);
    case KeyAction::AcceptAs:
      insert(QString::fromUcs4(&verdict.replacement, 1));
      return;
    case KeyAction::PressOK:
      if (onPressOK) onPressOK();
      return;
    case KeyAction::Refuse:
      return;
  }
}

}  // namespace quillon::gui
