// The job bar on a real folder: Finalize, the Job, Cancel and Undo from the window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gui/startup_windows.h"
#include "platform/posix_file_services.h"
#include "support/fake_environment.h"
#include "support/temp_dir.h"
#include "ui/action_panel.h"

namespace quillon::gui {
namespace {

using testing::FakeEnvironment;
using testing::TempDir;

class JobBarTest : public ::testing::Test {
 protected:
  JobBarTest() : session(files, env), ui(/*autoAnswer=*/true), windows(session, ui) {
    env.currentFolder = dir.folder("start");
    env.windowsFolder = dir.folder("usr");
    dir.folder("start/Quillon");
    dir.folder("dest");
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
      dir.file(std::string("start/") + name, name);
    EXPECT_EQ(Main(session, ui, windows), StartResult::Running);
    w = windows.window();
  }
  QWidget* Find(const char* name) { return w->findChild<QWidget*>(QString::fromLatin1(name)); }
  void Click(const char* name) {
    QCoreApplication::processEvents();
    auto* button = qobject_cast<QAbstractButton*>(Find(name));
    ASSERT_TRUE(button->isEnabled()) << name;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  void ClickFile(int row) {
    auto* file1 = qobject_cast<QListView*>(Find("File1"));
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, {},
                      file1->visualRect(file1->model()->index(row, 0)).center());
  }
  void ChooseAction(const char* option) {
    Click("ImageAction");
    Click(option);
  }

  TempDir dir;
  PosixFileServices files;
  FakeEnvironment env;
  Session session;
  QtUserInterface ui;
  QtStartupWindows windows;
  MainWindow* w = nullptr;
};

TEST_F(JobBarTest, CopyIsFinalizedRunAndUndone) {
  ClickFile(0);
  ClickFile(2);
  ChooseAction("OptionAction4");
  SetDestinationFolder(session, ui, dir / "dest");
  Click("ImageActionOK");
  EXPECT_EQ(qobject_cast<QLabel*>(Find("LabelPreview"))->text(), QStringLiteral("Finalize"));
  Click("ImagePreview");
  ASSERT_TRUE(session.state.JobReady);
  EXPECT_EQ(qobject_cast<QListWidget*>(Find("List1"))->count(), 2);
  EXPECT_EQ(qobject_cast<QLabel*>(Find("LabelListFile"))->text(),
            QStringLiteral("Files to be Copied"));
  EXPECT_FALSE(Find("Dir1")->isEnabled());

  Click("ImageJob");
  EXPECT_EQ(dir.read("dest/a.txt"), "a.txt");
  EXPECT_EQ(dir.read("dest/c.txt"), "c.txt");
  EXPECT_FALSE(dir.exists("dest/b.txt"));
  EXPECT_FALSE(Find("ProgressJob")->isVisible());
  EXPECT_TRUE(Find("Dir1")->isEnabled());

  Click("ImageUndo");
  EXPECT_FALSE(dir.exists("dest/a.txt"));
  EXPECT_TRUE(dir.exists("start/a.txt"));
  EXPECT_EQ(qobject_cast<QLabel*>(Find("LabelReviewMode"))->text(),
            QStringLiteral("Undo Complete"));
  EXPECT_FALSE(Find("ImageUndo")->isEnabled());
}

TEST_F(JobBarTest, DeleteIsReadyAtOnceAndCancelDisarmsIt) {
  ClickFile(1);
  ChooseAction("OptionAction6");
  Click("ImageActionOK");
  ASSERT_TRUE(Find("ImageJob")->isEnabled());
  Click("ImageReject");
  EXPECT_EQ(session.state.ActionName, "Rename");
  EXPECT_FALSE(session.state.SelectionMade);
  EXPECT_TRUE(dir.exists("start/b.txt"));

  ClickFile(1);
  ChooseAction("OptionAction6");
  Click("ImageActionOK");
  Click("ImageJob");
  EXPECT_FALSE(dir.exists("start/b.txt"));
  EXPECT_TRUE(dir.exists("start/a.txt"));
  EXPECT_EQ(session.state.ActionName, "Rename");  // everything reset after a deletion
}

TEST_F(JobBarTest, ReviewModeRefusesTheJob) {
  ClickFile(0);
  ChooseAction("OptionAction6");
  QTest::mouseClick(qobject_cast<QAbstractButton*>(Find("CheckActionMode")), Qt::LeftButton, {},
                    QPoint(6, 6));
  Click("ImageActionOK");
  EXPECT_EQ(qobject_cast<QLabel*>(Find("LabelReviewMode"))->text(), QStringLiteral("Review Mode"));
  Click("ImageJob");
  EXPECT_TRUE(dir.exists("start/a.txt"));
  ASSERT_FALSE(ui.autoAnswered().empty());
  EXPECT_EQ(ui.autoAnswered().back().text.rfind("You are running the Program in Review Mode.", 0),
            0u);
}

}  // namespace
}  // namespace quillon::gui
