#include "gui/view_renderer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "gui/caption_button.h"
#include "gui/icons.h"

namespace quillon::gui {
namespace {

// WCAG's relative luminance and contrast ratio.
double Luminance(const QColor& c) {
  const auto channel = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The nearest shade of `wanted`, mixed toward `toward`, that keeps a contrast of 4.5:1
// against `partner`.
QColor Shade(const QColor& wanted, const QColor& partner, const QColor& toward) {
  QColor shade = wanted;
  for (int step = 1; step <= 20 && Contrast(shade, partner) < 4.5; ++step) {
    const double k = step / 20.0;
    shade = QColor::fromRgbF(static_cast<float>(wanted.redF() * (1 - k) + toward.redF() * k),
                             static_cast<float>(wanted.greenF() * (1 - k) + toward.greenF() * k),
                             static_cast<float>(wanted.blueF() * (1 - k) + toward.blueF() * k));
  }
  return shade;
}

// The colours a control takes from the core: its text colour and its background. On a
// light palette they are the system's own, exactly; on a dark one the nearest shades
// that keep a contrast of 4.5:1 (lighter text, darker backgrounds, and the text of a
// disabled list light enough to read on its grey). A control with neither follows the
// palette as every other widget does, also when the palette changes.
void ApplyColours(QWidget* widget) {
  const auto text = widget->property("quillonColour");
  const auto base = widget->property("quillonBackground");
  if (!text.isValid() && !base.isValid()) {
    widget->setPalette(QPalette());
    widget->setAutoFillBackground(false);
    return;
  }
  const QPalette inherited = widget->parentWidget() != nullptr ? widget->parentWidget()->palette()
                                                               : QApplication::palette();
  const bool dark = Luminance(inherited.color(QPalette::Active, QPalette::Window)) < 0.5;
  QPalette palette = inherited;
  const QColor readableText = inherited.color(QPalette::Active, QPalette::Text);
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    if (text.isValid()) {
      QColor shade = QColor::fromRgb(text.toUInt());
      if (dark) shade = Shade(shade, inherited.color(group, QPalette::Window), Qt::white);
      palette.setColor(group, QPalette::WindowText, shade);
      palette.setColor(group, QPalette::ButtonText, shade);
    }
    if (base.isValid()) {
      QColor shade = QColor::fromRgb(base.toUInt());
      if (dark) {
        shade = Shade(shade, readableText, Qt::black);
        palette.setColor(group, QPalette::Text,
                         Shade(inherited.color(group, QPalette::Text), shade, Qt::white));
      }
      palette.setColor(group, QPalette::Base, shade);
    }
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(base.isValid());
}

void SetColour(QWidget* widget, const char* property, std::uint32_t colour) {
  widget->setProperty(property, colour == kDefaultColour ? QVariant() : QVariant(colour));
  ApplyColours(widget);
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
  // A panel's OK and Cancel may have moved out of it, below its scroll area: they are
  // still in its window.
  if (widget == nullptr && root_->window() != root_) {
    widget = root_->window()->findChild<QWidget*>(name);
  }
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
    if (control.colour) SetColour(widget, "quillonColour", *control.colour);
    if (control.background) SetColour(widget, "quillonBackground", *control.background);
    if (control.face) {
      widget->setProperty("face", QString::fromStdString(*control.face));
      ApplyFace(widget);
    }
    if (control.enabled) widget->setEnabled(*control.enabled);
    if (control.visible) widget->setVisible(*control.visible);
  }
}

}  // namespace quillon::gui
