#pragma once
// A button whose face carries a separate caption label, so both the button and its
// caption can be found and changed by name.
#include <QLabel>
#include <QPushButton>

namespace quillon::gui {

class CaptionButton : public QPushButton {
 public:
  CaptionButton(const QString& name, const QString& labelName, const QString& caption,
                QWidget* parent = nullptr);
  QLabel* label() const { return label_; }
  void setCaption(const QString& caption) { label_->setText(caption); }

 private:
  QLabel* label_;
};

// A plain button named after its control.
QPushButton* NamedButton(const QString& name, const QString& caption, QWidget* parent);
// A label named after its control.
QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent);

}  // namespace quillon::gui
