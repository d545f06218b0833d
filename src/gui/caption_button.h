#pragma once
// A button whose face carries a separate caption label, so both the button and its
// caption can be found and changed by name.
#include <QIcon>
#include <QLabel>
#include <QPushButton>

class QHBoxLayout;

namespace quillon::gui {

class CaptionButton : public QPushButton {
 public:
  CaptionButton(const QString& name, const QString& labelName, const QString& caption,
                QWidget* parent = nullptr);
  QLabel* label() const { return label_; }
  // Changes the caption; the button grows to show it whole.
  void setCaption(const QString& caption);
  // A picture before the caption.
  void setCaptionIcon(const QIcon& icon);
  // What a screen reader says for the button, in place of its caption (a Reset button
  // says what it resets).
  void setSpokenName(const QString& name);
  // From now on Alt and the first letter of the caption that is not among `taken` press
  // the button, whatever the caption becomes; the tool tip says which.
  void setMnemonicAvoiding(const QString& taken);
  // Wide enough for the caption (and its picture).
  QSize sizeHint() const override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ShowIcon();
  void FitCaption();
  void ChooseMnemonic();

  QLabel* label_;
  QLabel* iconLabel_ = nullptr;
  QIcon captionIcon_;
  QString taken_;
  QString spoken_;
  bool mnemonic_ = false;
};

// A plain button named after its control.
QPushButton* NamedButton(const QString& name, const QString& caption, QWidget* parent);
// A label named after its control.
QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent);
// A panel's row of OK, Cancel and the like, as a widget of its own (named after the
// panel with "Buttons"), so that the window can keep it in sight below a panel that
// scrolls.
QWidget* ButtonRow(QWidget* panel, QHBoxLayout* buttons);

}  // namespace quillon::gui
