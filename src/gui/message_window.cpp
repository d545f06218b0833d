// frmMessage, built by hand; the core decides what it shows and what an answer means.
#include "gui/message_window.h"

#include "gui/caption_button.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace quillon {
namespace {

// Core texts are UTF-8 joined with CR LF.
QString DisplayText(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A screen reader announces the message window as an alert, with its text.
QAccessibleInterface* AlertFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget != nullptr && widget->objectName() == QLatin1String("frmMessage")) {
    return new QAccessibleWidget(widget, QAccessible::AlertMessage);
  }
  return nullptr;
}

// Keys typed into the window that was active when a message opened must not answer it:
// a space or a letter is swallowed; Enter, Escape and clicks answer.
class TypedKeysFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Space || (!key->text().isEmpty() && key->text()[0].isPrint())) {
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

frmMessage::frmMessage(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmMessage"));
  setModal(true);

  // Picture, head line and text side by side.
  PictureMessage = new QLabel(this);
  PictureMessage->setObjectName(QStringLiteral("PictureMessage"));
  const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  PictureMessage->setPixmap(
      style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(iconSize));
  PictureMessage->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  LabelHead = new QLabel(this);
  LabelHead->setObjectName(QStringLiteral("LabelHead"));
  LabelHead->setTextFormat(Qt::PlainText);
  LabelHead->setWordWrap(true);
  QFont headFont = LabelHead->font();
  headFont.setBold(true);
  LabelHead->setFont(headFont);

  // The text scrolls only when it is taller than the screen allows.
  LabelMessage = new QLabel;
  LabelMessage->setObjectName(QStringLiteral("LabelMessage"));
  LabelMessage->setTextFormat(Qt::PlainText);
  LabelMessage->setWordWrap(true);
  LabelMessage->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  LabelMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
  ScrollMessage = new QScrollArea(this);
  ScrollMessage->setObjectName(QStringLiteral("ScrollMessage"));
  ScrollMessage->setFrameShape(QFrame::NoFrame);
  ScrollMessage->setWidgetResizable(true);
  ScrollMessage->setWidget(LabelMessage);

  auto* textColumn = new QVBoxLayout;
  textColumn->addWidget(LabelHead);
  textColumn->addWidget(ScrollMessage);
  auto* top = new QHBoxLayout;
  top->addWidget(PictureMessage, 0, Qt::AlignTop);
  top->addLayout(textColumn, 1);

  // The optional input and check box.
  TextInput0 = new QLineEdit(this);
  TextInput0->setObjectName(QStringLiteral("TextInput0"));
  CheckDoNotShow = new QCheckBox(QStringLiteral("Do not show this message again."), this);
  CheckDoNotShow->setObjectName(QStringLiteral("CheckDoNotShow"));

  // OK (Yes) and Cancel (No); the button text is the caption.
  ImageOK = new quillon::gui::CaptionButton(QStringLiteral("ImageOK"), QStringLiteral("LabelOK"),
                                            QStringLiteral("OK"), this);
  ImageCancel = new quillon::gui::CaptionButton(
      QStringLiteral("ImageCancel"), QStringLiteral("LabelCancel"), QStringLiteral("Cancel"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ImageOK);
  buttons->addWidget(ImageCancel);

  auto* root = new QVBoxLayout(this);
  root->setSizeConstraint(QLayout::SetFixedSize);
  root->addLayout(top);
  root->addWidget(TextInput0);
  root->addWidget(CheckDoNotShow);
  root->addLayout(buttons);

  static const bool alertInstalled = [] {
    QAccessible::installFactory(&AlertFactory);
    return true;
  }();
  (void)alertInstalled;
  auto* typed = new TypedKeysFilter(this);
  ImageOK->installEventFilter(typed);
  ImageCancel->installEventFilter(typed);
  CheckDoNotShow->installEventFilter(typed);

  connect(ImageOK, &QPushButton::clicked, this, &frmMessage::PressOK);
  connect(ImageCancel, &QPushButton::clicked, this, &frmMessage::PressCancel);
  connect(TextInput0, &QLineEdit::textChanged, this, &frmMessage::UpdateOKEnabled);

  SetContent(MessageWindowContent{});
}

void frmMessage::SetContent(const MessageWindowContent& content) {
  setWindowTitle(QString::fromStdString(content.caption));
  LabelHead->setText(QString::fromStdString(content.head));
  LabelMessage->setText(DisplayText(content.text));
  setAccessibleName(QString::fromStdString(content.head.empty() ? content.caption : content.head));
  setAccessibleDescription(DisplayText(content.text));
  TextInput0->setAccessibleName(QString::fromStdString(content.head));

  const bool yesNo = content.buttons == "YesNo";
  ImageOK->setCaption(yesNo ? QStringLiteral("Yes") : QStringLiteral("OK"));
  ImageCancel->setCaption(yesNo ? QStringLiteral("No") : QStringLiteral("Cancel"));
  needsInput_ = content.buttons == "Cancel";
  // A message that can only be acknowledged shows no Cancel at all.
  ImageCancel->setEnabled(content.buttons != "OK");
  ImageCancel->setVisible(content.buttons != "OK");
  const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  const auto icon = yesNo ? QStyle::SP_MessageBoxQuestion : QStyle::SP_MessageBoxInformation;
  PictureMessage->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(iconSize));
  ImageOK->setDefault(true);

  TextInput0->clear();
  TextInput0->setVisible(content.input == "Input0");
  CheckDoNotShow->setChecked(content.checkDoNotShow);
  CheckDoNotShow->setVisible(content.input == "InputCheck");
  UpdateOKEnabled();

  if (content.input == "Input0") {
    TextInput0->setFocus();
  } else if (ImageOK->isEnabled()) {
    ImageOK->setFocus();
  } else {
    ImageCancel->setFocus();
  }
  FitToText();
}

MessageReply frmMessage::Reply() const {
  return MessageReply{ok_, CheckDoNotShow->isChecked(), TextInput0->text().toStdString()};
}

void frmMessage::reject() {
  if (ImageCancel->isEnabled()) {
    PressCancel();
  } else if (ImageOK->isEnabled()) {
    PressOK();
  }
}

void frmMessage::keyPressEvent(QKeyEvent* event) {
  // Escape answers Cancel only where there is a Cancel.
  if (event->key() == Qt::Key_Escape && !ImageCancel->isEnabled()) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmMessage::PressOK() {
  ok_ = true;
  done(QDialog::Accepted);
}

void frmMessage::PressCancel() {
  ok_ = false;
  done(QDialog::Rejected);
}

void frmMessage::UpdateOKEnabled() {
  ImageOK->setEnabled(!needsInput_ || !TextInput0->text().trimmed().isEmpty());
}

// Sizes the text area so the whole text shows: a comfortable width, wider for a tall text,
// and a scroll bar only when it would still not fit the screen.
void frmMessage::FitToText() {
  const QRect screenArea = screen()->availableGeometry();
  const int maxWidth = std::max(200, screenArea.width() * 4 / 5);
  const int maxHeight = std::max(100, screenArea.height() * 2 / 3);
  const int charWidth = LabelMessage->fontMetrics().averageCharWidth();

  int width = std::min(charWidth * 60, maxWidth);
  int height = LabelMessage->heightForWidth(width);
  if (height > maxHeight) {
    width = std::min(charWidth * 100, maxWidth);
    height = LabelMessage->heightForWidth(width);
  }
  // A word longer than the line widens the window rather than being cut.
  const int longestWord = LabelMessage->minimumSizeHint().width();
  if (longestWord > width) {
    width = std::min(longestWord, maxWidth);
    height = LabelMessage->heightForWidth(width);
  }

  int scrollBar = 0;
  if (height > maxHeight) {
    scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ScrollMessage);
    height = maxHeight;
  }
  ScrollMessage->setFixedSize(width + scrollBar, std::max(height, 1));
  adjustSize();
}

MessageReply RunMessageWindow(const MessageWindowContent& content, QWidget* parent) {
  frmMessage window(parent);
  window.SetContent(content);
  window.exec();
  return window.Reply();
}

}  // namespace quillon
