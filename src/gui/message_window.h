#pragma once
// frmMessage: the modal message window. It shows a head line, a text, up to two buttons,
// an optional one-line input and an optional "Do not show this message again." box, and
// reports how it was closed.
#include <QDialog>

#include "ui/user_interface.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace quillon::gui {
class CaptionButton;
}

namespace quillon {

class frmMessage : public QDialog {
  Q_OBJECT

 public:
  explicit frmMessage(QWidget* parent = nullptr);

  // Fills every control for a message and sizes the window to its text.
  void SetContent(const MessageWindowContent& content);
  // How the window was closed; valid once it has closed.
  MessageReply Reply() const;

 public Q_SLOTS:
  // The close box: Cancel when Cancel is enabled, else OK.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PressOK();
  void PressCancel();
  void UpdateOKEnabled();
  void FitToText();

  QLabel* PictureMessage = nullptr;
  QLabel* LabelHead = nullptr;
  QScrollArea* ScrollMessage = nullptr;
  QLabel* LabelMessage = nullptr;
  QLineEdit* TextInput0 = nullptr;
  QCheckBox* CheckDoNotShow = nullptr;
  // The buttons carry their captions LabelOK and LabelCancel.
  quillon::gui::CaptionButton* ImageOK = nullptr;
  quillon::gui::CaptionButton* ImageCancel = nullptr;

  bool needsInput_ = false;  // "Cancel" set: OK waits for an acceptable input
  bool ok_ = true;
};

// Shows the message window modally over parent and returns the answer.
MessageReply RunMessageWindow(const MessageWindowContent& content, QWidget* parent);

}  // namespace quillon
