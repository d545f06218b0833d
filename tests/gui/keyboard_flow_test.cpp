// A whole rename with the keyboard alone: files picked in the file list with the arrows
// and Space, criteria set in the editor, OK, Preview, the job, and Ctrl+Z.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <QAbstractButton>
#include <QApplication>
#include <QListView>
#include <QTest>
#include <functional>

#include "gui/main_window.h"
#include "window_fixture.h"

namespace quillon::gui {
namespace {

class KeyboardFlowTest : public WindowTest {
 protected:
  // Presses Tab until `name` has the keyboard; false when it never gets it.
  bool TabTo(const char* name) {
    for (int presses = 0; presses < 200; ++presses) {
      QWidget* focus = QApplication::focusWidget();
      if (focus != nullptr && focus->objectName() == QLatin1String(name)) return true;
      QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), Qt::Key_Tab);
    }
    return false;
  }
  // A mnemonic clicks its button a moment after the key, as a click would look.
  static bool WaitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 2000);
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();
  }
};

TEST_F(KeyboardFlowTest, ARenameDoneAndUndoneWithTheKeyboardAlone) {
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) dir.file(std::string("start/") + name, "x");
  MainWindow& w = Start();
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

  // The second and third files: the list's keyboard starts on the first.
  ASSERT_TRUE(TabTo("File1"));
  Key(Qt::Key_Home);
  Key(Qt::Key_Down);
  Key(Qt::Key_Space);
  Key(Qt::Key_Down);
  Key(Qt::Key_Space);
  EXPECT_EQ(session.state.SelectedCount, 2);

  // Rename Criteria by its mnemonic; a new extension.
  Key(Qt::Key_C, Qt::AltModifier);
  QWidget* editor = w.findChild<QWidget*>(QStringLiteral("frmRen"));
  ASSERT_TRUE(WaitFor([editor] { return editor->isVisible(); }));
  QApplication::setActiveWindow(editor);
  ASSERT_TRUE(TabTo("CheckExt"));
  Key(Qt::Key_Space);
  ASSERT_TRUE(TabTo("TextExt"));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("md"));
  ASSERT_TRUE(TabTo("ImageOK"));
  Key(Qt::Key_Space);
  ASSERT_FALSE(editor->isVisible());
  QApplication::setActiveWindow(&w);

  // Preview, the job, and its undo.
  Key(Qt::Key_P, Qt::AltModifier);
  ASSERT_TRUE(WaitFor([this] { return Find("ImageJob")->isEnabled(); }));
  Key(Qt::Key_R, Qt::AltModifier);
  ASSERT_TRUE(WaitFor([this] { return dir.exists("start/b.md"); }));
  EXPECT_TRUE(dir.exists("start/c.md"));
  EXPECT_TRUE(dir.exists("start/a.txt"));
  Key(Qt::Key_Z, Qt::ControlModifier);
  ASSERT_TRUE(WaitFor([this] { return dir.exists("start/b.txt"); }));
  EXPECT_TRUE(dir.exists("start/c.txt"));
  EXPECT_FALSE(dir.exists("start/b.md"));
}

// The Date block from the keyboard: tick, place and format by the arrows.
TEST_F(KeyboardFlowTest, TheDateOfEachFileIsSetWithTheKeyboardAlone) {
  const struct timespec modified[2] = {{0, UTIME_OMIT}, {1'719'835'200, 0}};  // July 2024
  for (const char* name : {"a.txt", "b.txt"}) {
    dir.file(std::string("start/") + name, "x");
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "start/" + std::string(name)).c_str(), modified, 0), 0);
  }
  MainWindow& w = Start();
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  ASSERT_TRUE(TabTo("File1"));
  Key(Qt::Key_Home);
  Key(Qt::Key_Space);
  Key(Qt::Key_Down);
  Key(Qt::Key_Space);
  ASSERT_EQ(session.state.SelectedCount, 2);

  Key(Qt::Key_C, Qt::AltModifier);
  QWidget* editor = w.findChild<QWidget*>(QStringLiteral("frmRen"));
  ASSERT_TRUE(WaitFor([editor] { return editor->isVisible(); }));
  QApplication::setActiveWindow(editor);
  ASSERT_TRUE(TabTo("CheckDate"));
  Key(Qt::Key_Space);
  ASSERT_TRUE(TabTo("ComboDatePlace"));
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);  // "At end of file names"
  ASSERT_TRUE(TabTo("ComboDateFormat"));
  for (int k = 0; k < 5; ++k) Key(Qt::Key_Down);  // "YYYY"
  EXPECT_EQ(session.rename.OptDatePlace, 2);
  EXPECT_EQ(session.rename.OptDateFormat, 5);
  ASSERT_TRUE(TabTo("ImageOK"));
  Key(Qt::Key_Space);
  ASSERT_FALSE(editor->isVisible());
  QApplication::setActiveWindow(&w);

  Key(Qt::Key_P, Qt::AltModifier);
  ASSERT_TRUE(WaitFor([this] { return Find("ImageJob")->isEnabled(); }));
  Key(Qt::Key_R, Qt::AltModifier);
  ASSERT_TRUE(WaitFor([this] { return dir.exists("start/a2024.txt"); }));
  EXPECT_TRUE(dir.exists("start/b2024.txt"));
}

}  // namespace
}  // namespace quillon::gui
