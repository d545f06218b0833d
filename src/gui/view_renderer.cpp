#include "gui/view_renderer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>

#include "gui/caption_button.h"
#include "gui/icons.h"

namespace quillon::gui {
namespace {

void SetColour(QWidget* widget, QPalette::ColorRole role, std::uint32_t colour) {
  QPalette palette = widget->palette();
  if (colour == kDefaultColour) {
    palette.setColor(role, widget->style()->standardPalette().color(role));
  } else {
    palette.setColor(role, QColor::fromRgb(colour));
  }
  widget->setPalette(palette);
}

void SetText(QWidget* widget, const QString& text) {
  if (auto* caption = dynamic_cast<CaptionButton*>(widget)) {
    caption->setCaption(text);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    // A button's caption label: the button grows with it.
    if (auto* owner = dynamic_cast<CaptionButton*>(label->parentWidget())) {
      owner->setCaption(text);
    } else {
      label->setText(text);
    }
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(text);
  } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    if (box->text() != text) box->setText(text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(text);
  }
}

// An option group is a widget whose buttons are named after it with their index.
void SetIndex(QWidget* widget, int index) {
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setCurrentIndex(index);
    return;
  }
  const QString prefix = widget->objectName();
  for (auto* button : widget->findChildren<QAbstractButton*>()) {
    bool ok = false;
    const QString name = button->objectName();
    if (!name.startsWith(prefix)) continue;
    const int i = name.mid(prefix.size()).toInt(&ok);
    if (!ok) continue;
    const QSignalBlocker blocker(button);
    // An exclusive group cannot show "none chosen" by unchecking one button.
    button->setAutoExclusive(false);
    button->setChecked(i == index);
    button->setAutoExclusive(true);
  }
}

}  // namespace

QString DisplayText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

QWidget* ViewRenderer::Find(const QString& name) {
  auto found = cache_.constFind(name);
  if (found != cache_.constEnd() && !found.value().isNull()) return found.value();
  QWidget* widget = root_->objectName() == name ? root_ : root_->findChild<QWidget*>(name);
  if (widget != nullptr) cache_.insert(name, widget);
  return widget;
}

void ViewRenderer::Render(const View& view) {
  for (const auto& [name, control] : view) {
    QWidget* widget = Find(QString::fromStdString(name));
    if (widget == nullptr) continue;
    const QSignalBlocker blocker(widget);
    if (control.text) SetText(widget, DisplayText(*control.text));
    if (control.index) SetIndex(widget, *control.index);
    if (control.checked) {
      if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setChecked(*control.checked);
    }
    if (control.colour) {
      SetColour(widget, QPalette::WindowText, *control.colour);
      SetColour(widget, QPalette::ButtonText, *control.colour);
    }
    if (control.background) {
      SetColour(widget, QPalette::Base, *control.background);
      widget->setAutoFillBackground(*control.background != kDefaultColour);
    }
    if (control.face) {
      widget->setProperty("face", QString::fromStdString(*control.face));
      ApplyFace(widget);
    }
    if (control.enabled) widget->setEnabled(*control.enabled);
    if (control.visible) widget->setVisible(*control.visible);
  }
}

}  // namespace quillon::gui
