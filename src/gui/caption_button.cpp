#include "gui/caption_button.h"

#include <QHBoxLayout>

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
  setMinimumWidth(label_->sizeHint().width() + 24);
}

QPushButton* NamedButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace quillon::gui
