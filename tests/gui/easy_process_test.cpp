// Easy Process from the window: one file picked and renamed from the keyboard.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "window_fixture.h"

namespace quillon::gui {
namespace {

class EasyProcessTest : public WindowTest {
 protected:
  EasyProcessTest() {
    for (const char* name : {"a.txt", "b.txt"}) dir.file(std::string("start/") + name, name);
    Start();
  }
  void Pick(int row) {
    auto* file2 = qobject_cast<QListView*>(Find("File2"));
    ASSERT_TRUE(file2->isVisible());
    QTest::mouseClick(file2->viewport(), Qt::LeftButton, {},
                      file2->visualRect(file2->model()->index(row, 0)).center());
  }
};

TEST_F(EasyProcessTest, OneFileIsRenamedFromTheKeyboard) {
  Find("CheckEasyProcess")->setFocus();
  QTest::keyClick(Find("CheckEasyProcess"), Qt::Key_Space);
  ASSERT_TRUE(session.state.EasyProcessOn);
  EXPECT_TRUE(Find("FrameSingleProcess")->isVisible());
  EXPECT_FALSE(Find("File1")->isVisible());
  EXPECT_FALSE(Find("FrameJob")->isVisible());
  // File2 takes the keyboard: Down moves to the second file, Space picks it.
  auto* file2 = qobject_cast<QListView*>(Find("File2"));
  file2->setFocus();
  file2->setCurrentIndex(file2->model()->index(0, 0));
  QTest::keyClick(file2, Qt::Key_Down);
  QTest::keyClick(file2, Qt::Key_Space);
  auto* name = qobject_cast<QLineEdit*>(Find("TextSingleProcessName"));
  ASSERT_EQ(windows.window()->focusWidget(), name);
  EXPECT_EQ(name->selectedText(), QStringLiteral("b"));
  EXPECT_FALSE(Find("buttonSingleProcess")->isEnabled());
  QTest::keyClicks(name, QStringLiteral("c d"));  // the space is refused
  EXPECT_EQ(name->text(), QStringLiteral("cd"));
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_TRUE(dir.exists("start/cd.txt"));
  EXPECT_FALSE(dir.exists("start/b.txt"));
  EXPECT_EQ(session.easy.SingleFileIndex, -1);
}

TEST_F(EasyProcessTest, AConflictingNameIsRefused) {
  Click("CheckEasyProcess");
  Pick(1);  // b.txt
  auto* name = qobject_cast<QLineEdit*>(Find("TextSingleProcessName"));
  QTest::keyClicks(name, QStringLiteral("a"));
  Click("buttonSingleProcess");
  EXPECT_TRUE(dir.exists("start/b.txt"));
  ASSERT_FALSE(ui.autoAnswered().empty());
  EXPECT_EQ(ui.autoAnswered().back().text.substr(0, 35), "Your set new name is conflicting wi");
}

}  // namespace
}  // namespace quillon::gui
