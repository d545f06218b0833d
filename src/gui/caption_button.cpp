#include "gui/caption_button.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QStyle>
#include <algorithm>

namespace quillon::gui {

CaptionButton::CaptionButton(const QString& name, const QString& labelName, const QString& caption,
                             QWidget* parent)
    : QPushButton(parent), label_(new QLabel(caption, this)) {
  setObjectName(name);
  label_->setObjectName(labelName);
  label_->setAlignment(Qt::AlignCenter);
  label_->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(8, 2, 8, 2);
  layout->addWidget(label_);
  setMinimumHeight(label_->sizeHint().height() + 12);
  FitCaption();
}

void CaptionButton::setCaption(const QString& caption) {
  label_->setText(caption);
  FitCaption();
}

void CaptionButton::FitCaption() {
  const int icon = iconLabel_ == nullptr
                       ? 0
                       : style()->pixelMetric(QStyle::PM_ButtonIconSize, nullptr, this) + 8;
  setMinimumWidth(label_->sizeHint().width() + icon + 24);
}

void CaptionButton::setCaptionIcon(const QIcon& icon) {
  captionIcon_ = icon;
  if (iconLabel_ == nullptr) {
    iconLabel_ = new QLabel(this);
    iconLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    static_cast<QHBoxLayout*>(layout())->insertWidget(0, iconLabel_);
  }
  ShowIcon();
  FitCaption();
}

QSize CaptionButton::sizeHint() const {
  return {minimumWidth(), std::max(minimumHeight(), QPushButton::sizeHint().height())};
}

void CaptionButton::ShowIcon() {
  if (iconLabel_ == nullptr) return;
  const int side = style()->pixelMetric(QStyle::PM_ButtonIconSize, nullptr, this);
  iconLabel_->setPixmap(
      captionIcon_.pixmap(side, side, isEnabled() ? QIcon::Normal : QIcon::Disabled));
}

void CaptionButton::changeEvent(QEvent* event) {
  QPushButton::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) ShowIcon();
}

QPushButton* NamedButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

QWidget* ButtonRow(QWidget* panel, QHBoxLayout* buttons) {
  auto* row = new QWidget(panel);
  row->setObjectName(panel->objectName() + QStringLiteral("Buttons"));
  buttons->setContentsMargins(0, 0, 0, 0);
  row->setLayout(buttons);
  return row;
}

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace quillon::gui
