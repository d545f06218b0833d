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
  setAccessibleName(caption);
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
  setAccessibleName(spoken_.isEmpty() ? caption : spoken_);
  FitCaption();
  ChooseMnemonic();
}

void CaptionButton::setSpokenName(const QString& name) {
  spoken_ = name;
  setAccessibleName(name);
}

void CaptionButton::setMnemonicAvoiding(const QString& taken) {
  taken_ = taken.toLower();
  mnemonic_ = true;
  ChooseMnemonic();
}

void CaptionButton::ChooseMnemonic() {
  if (!mnemonic_) return;
  const QString caption = label_->text();
  for (const QChar c : caption) {
    const QChar letter = c.toLower();
    if (letter < QLatin1Char('a') || letter > QLatin1Char('z') || taken_.contains(letter)) {
      continue;
    }
    const auto key = static_cast<Qt::Key>(Qt::Key_A + (letter.unicode() - 'a'));
    setShortcut(QKeySequence(Qt::ALT | key));
    setToolTip(QStringLiteral("%1 (Alt+%2)").arg(caption, letter.toUpper()));
    return;
  }
  setShortcut(QKeySequence());
  setToolTip(caption);
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
