// frmMessage: buttons per set, the optional controls, the way it closes, long texts.
#include "gui/message_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace quillon {
namespace {

template <typename T>
T* Control(QWidget& window, const char* name) {
  T* control = window.findChild<T*>(QString::fromUtf8(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

MessageWindowContent Content(std::string buttons, std::string input = "",
                             std::string text = "Some text.") {
  MessageWindowContent content;
  content.caption = "Quillon Message";
  content.head = "Buddy";
  content.text = std::move(text);
  content.buttons = std::move(buttons);
  content.input = std::move(input);
  return content;
}

TEST(MessageWindow, ButtonSetsGiveCaptionsAndEnabling) {
  struct Row {
    const char* buttons;
    const char* okCaption;
    const char* cancelCaption;
    bool okEnabled;
    bool cancelEnabled;
  };
  const Row rows[] = {
      {"OK", "OK", "Cancel", true, false},
      {"Cancel", "OK", "Cancel", false, true},
      {"OKCancel", "OK", "Cancel", true, true},
      {"YesNo", "Yes", "No", true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.buttons);
    frmMessage window;
    window.SetContent(Content(row.buttons));
    auto* ok = Control<QPushButton>(window, "ImageOK");
    auto* cancel = Control<QPushButton>(window, "ImageCancel");
    EXPECT_EQ(Control<QLabel>(window, "LabelOK")->text().toStdString(), row.okCaption);
    EXPECT_EQ(Control<QLabel>(window, "LabelCancel")->text().toStdString(), row.cancelCaption);
    EXPECT_EQ(ok->isEnabled(), row.okEnabled);
    EXPECT_EQ(cancel->isEnabled(), row.cancelEnabled);
  }
}

TEST(MessageWindow, ShowsCaptionHeadAndTextWithPlainLineBreaks) {
  frmMessage window;
  MessageWindowContent content = Content("OK", "", "First <b>line</b>.\r\n\r\nSecond.");
  content.caption = "Message For - Jan";
  content.head = "Jan";
  window.SetContent(content);
  EXPECT_EQ(window.objectName(), QStringLiteral("frmMessage"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Message For - Jan"));
  EXPECT_EQ(Control<QLabel>(window, "LabelHead")->text(), QStringLiteral("Jan"));
  auto* text = Control<QLabel>(window, "LabelMessage");
  EXPECT_EQ(text->text(), QStringLiteral("First <b>line</b>.\n\nSecond."));
  EXPECT_EQ(text->textFormat(), Qt::PlainText);
  EXPECT_FALSE(Control<QLabel>(window, "PictureMessage")->pixmap().isNull());
}

TEST(MessageWindow, InputDecidesWhichExtraControlShows) {
  struct Row {
    const char* input;
    bool textShown;
    bool checkShown;
  };
  const Row rows[] = {{"", false, false}, {"Input0", true, false}, {"InputCheck", false, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.input);
    frmMessage window;
    window.SetContent(Content("YesNo", row.input));
    EXPECT_EQ(Control<QLineEdit>(window, "TextInput0")->isVisibleTo(&window), row.textShown);
    auto* check = Control<QCheckBox>(window, "CheckDoNotShow");
    EXPECT_EQ(check->isVisibleTo(&window), row.checkShown);
    EXPECT_EQ(check->text(), QStringLiteral("Do not show this message again."));
  }
}

TEST(MessageWindow, CheckBoxStartsFromTheOptionAndIsReported) {
  frmMessage window;
  MessageWindowContent content = Content("YesNo", "InputCheck");
  content.checkDoNotShow = true;
  window.SetContent(content);
  auto* check = Control<QCheckBox>(window, "CheckDoNotShow");
  EXPECT_TRUE(check->isChecked());
  check->setChecked(false);
  QTest::mouseClick(Control<QPushButton>(window, "ImageCancel"), Qt::LeftButton);
  const MessageReply reply = window.Reply();
  EXPECT_FALSE(reply.ok);
  EXPECT_FALSE(reply.checkDoNotShow);
}

TEST(MessageWindow, OkWaitsForAnInputInTheCancelSet) {
  frmMessage window;
  window.SetContent(Content("Cancel", "Input0"));
  auto* input = Control<QLineEdit>(window, "TextInput0");
  auto* ok = Control<QPushButton>(window, "ImageOK");
  EXPECT_FALSE(ok->isEnabled());
  QTest::keyClicks(input, QStringLiteral("  "));
  EXPECT_FALSE(ok->isEnabled()) << "blanks are no name";
  QTest::keyClicks(input, QStringLiteral("Jan"));
  EXPECT_TRUE(ok->isEnabled());
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_TRUE(window.Reply().ok);
  EXPECT_EQ(window.Reply().input, "  Jan");
  input->clear();
  EXPECT_FALSE(ok->isEnabled());
}

TEST(MessageWindow, EscapeAndCloseBoxAnswerCancelOnlyWhereThereIsOne) {
  struct Row {
    const char* name;
    const char* buttons;
    bool useEscape;
    bool closes;
    bool ok;
  };
  const Row rows[] = {
      {"escape_ok_only_does_nothing", "OK", true, false, true},
      {"escape_yes_no_is_no", "YesNo", true, true, false},
      {"close_ok_only_is_ok", "OK", false, true, true},
      {"close_ok_cancel_is_cancel", "OKCancel", false, true, false},
      {"close_waiting_for_input_is_cancel", "Cancel", false, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    frmMessage window;
    window.SetContent(Content(row.buttons));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    if (row.useEscape) {
      QTest::keyClick(&window, Qt::Key_Escape);
    } else {
      window.close();
    }
    EXPECT_EQ(window.isVisible(), !row.closes);
    if (row.closes) {
      EXPECT_EQ(window.Reply().ok, row.ok);
    }
  }
}

TEST(MessageWindow, RunMessageWindowReturnsTheAnswerOfTheModalWindow) {
  QTimer::singleShot(0, [] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    modal->findChild<QCheckBox*>(QStringLiteral("CheckDoNotShow"))->setChecked(true);
    modal->findChild<QPushButton*>(QStringLiteral("ImageCancel"))->click();
  });
  const MessageReply reply = RunMessageWindow(Content("YesNo", "InputCheck"), nullptr);
  EXPECT_FALSE(reply.ok);
  EXPECT_TRUE(reply.checkDoNotShow);
}

std::string LongText(int paragraphs) {
  std::string text;
  for (int i = 0; i < paragraphs; ++i) {
    if (i > 0) text += "\r\n\r\n";
    text +=
        "Maximum file names in which Auto Letter can be inserted is limited, and this "
        "sentence goes on long enough to wrap over several lines of the window.";
  }
  return text;
}

TEST(MessageWindow, ALongTextShowsWhole) {
  frmMessage window;
  window.SetContent(Content("OK", "", LongText(6)));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* text = Control<QLabel>(window, "LabelMessage");
  auto* scroll = Control<QScrollArea>(window, "ScrollMessage");
  EXPECT_GE(text->height(), text->heightForWidth(text->width()));
  EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0) << "no scrolling needed for this text";
  EXPECT_LE(text->height(), scroll->viewport()->height());
  EXPECT_LE(window.height(), window.screen()->availableGeometry().height());
  EXPECT_LE(window.width(), window.screen()->availableGeometry().width());
}

TEST(MessageWindow, ATextTallerThanTheScreenScrollsButIsNotCut) {
  frmMessage window;
  window.SetContent(Content("OK", "", LongText(60)));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* text = Control<QLabel>(window, "LabelMessage");
  auto* scroll = Control<QScrollArea>(window, "ScrollMessage");
  EXPECT_LE(window.height(), window.screen()->availableGeometry().height());
  EXPECT_GE(text->height(), text->heightForWidth(text->width()));
  EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
  EXPECT_LE(text->width(), scroll->viewport()->width()) << "no text lies beside the view";
}

}  // namespace
}  // namespace quillon
