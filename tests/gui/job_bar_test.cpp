// The job bar on a real folder: Finalize, the Job, Cancel and Undo from the window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "flow/action_panel.h"
#include "window_fixture.h"

namespace quillon::gui {
namespace {

class JobBarTest : public WindowTest {
 protected:
  JobBarTest() {
    dir.folder("dest");
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
      dir.file(std::string("start/") + name, name);
    Start();
  }
  void ClickEnabled(const char* name) {
    ASSERT_TRUE(Find(name)->isEnabled()) << name;
    Click(name);
  }
  void ClickFile(int row) {
    auto* file1 = qobject_cast<QListView*>(Find("File1"));
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, {},
                      file1->visualRect(file1->model()->index(row, 0)).center());
  }
  void ChooseAction(const char* option) {
    ClickEnabled("ImageAction");
    ClickEnabled(option);
  }
};

TEST_F(JobBarTest, CopyIsFinalizedRunAndUndone) {
  ClickFile(0);
  ClickFile(2);
  ChooseAction("OptionAction4");
  BrowseTo(dir / "dest");
  ClickInChooser("ImageActionMoveOK");
  EXPECT_FALSE(Chooser()->isVisible());
  EXPECT_EQ(qobject_cast<QLabel*>(Find("LabelPreview"))->text(), QStringLiteral("Finalize"));
  ClickEnabled("ImagePreview");
  ASSERT_TRUE(session.state.JobReady);
  EXPECT_EQ(qobject_cast<QListView*>(Find("List1"))->model()->rowCount(), 2);
  EXPECT_EQ(qobject_cast<QLabel*>(Find("LabelListFile"))->text(),
            QStringLiteral("Files to be Copied"));
  EXPECT_FALSE(Find("Dir1")->isEnabled());

  ClickEnabled("ImageJob");
  EXPECT_EQ(dir.read("dest/a.txt"), "a.txt");
  EXPECT_EQ(dir.read("dest/c.txt"), "c.txt");
  EXPECT_FALSE(dir.exists("dest/b.txt"));
  EXPECT_FALSE(Find("ProgressJob")->isVisible());
  EXPECT_TRUE(Find("Dir1")->isEnabled());

  ClickEnabled("ImageUndo");
  EXPECT_FALSE(dir.exists("dest/a.txt"));
  EXPECT_TRUE(dir.exists("start/a.txt"));
  EXPECT_EQ(qobject_cast<QLabel*>(Find("LabelReviewMode"))->text(),
            QStringLiteral("Undo Complete"));
  EXPECT_FALSE(Find("ImageUndo")->isEnabled());
}

TEST_F(JobBarTest, DeleteIsReadyAtOnceAndCancelDisarmsIt) {
  ClickFile(1);
  ChooseAction("OptionAction6");
  ClickEnabled("ImageActionOK");
  ASSERT_TRUE(Find("ImageJob")->isEnabled());
  ClickEnabled("ImageReject");
  EXPECT_EQ(session.state.ActionName, "Rename");
  EXPECT_FALSE(session.state.SelectionMade);
  EXPECT_TRUE(dir.exists("start/b.txt"));

  ClickFile(1);
  ChooseAction("OptionAction6");
  ClickEnabled("ImageActionOK");
  ClickEnabled("ImageJob");
  EXPECT_FALSE(dir.exists("start/b.txt"));
  EXPECT_TRUE(dir.exists("start/a.txt"));
  EXPECT_EQ(session.state.ActionName, "Rename");  // everything reset after a deletion
}

TEST_F(JobBarTest, ReviewModeRefusesTheJob) {
  ClickFile(0);
  ChooseAction("OptionAction6");
  QTest::mouseClick(qobject_cast<QAbstractButton*>(Find("CheckActionMode")), Qt::LeftButton, {},
                    QPoint(6, 6));
  ClickEnabled("ImageActionOK");
  EXPECT_EQ(qobject_cast<QLabel*>(Find("LabelReviewMode"))->text(), QStringLiteral("Review Mode"));
  ClickEnabled("ImageJob");
  EXPECT_TRUE(dir.exists("start/a.txt"));
  ASSERT_FALSE(ui.autoAnswered().empty());
  EXPECT_EQ(ui.autoAnswered().back().text.rfind("You are running the Program in Review Mode.", 0),
            0u);
}

}  // namespace
}  // namespace quillon::gui
