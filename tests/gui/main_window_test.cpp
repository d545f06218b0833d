#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "window_fixture.h"

namespace quillon::gui {
namespace {

class MainWindowTest : public WindowTest {
 protected:
  // Each test starts the program as on its first use.
  MainWindow& Start() { return WindowTest::Start(/*firstUse=*/true); }

  std::vector<std::string> File1Names(MainWindow& w) {
    auto* model = w.findChild<QListView*>(QStringLiteral("File1"))->model();
    std::vector<std::string> names;
    for (int row = 0; row < model->rowCount(); ++row) {
      names.push_back(model->data(model->index(row, 0)).toString().toStdString());
    }
    return names;
  }
};

TEST_F(MainWindowTest, ShowsEveryControlByName) {
  MainWindow& w = Start();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.objectName(), QStringLiteral("frmMain"));
  const char* names[] = {"Drive1",
                         "Dir1",
                         "File1",
                         "List1",
                         "ImageGoBack",
                         "ImageGoForward",
                         "ImageGoToStart",
                         "ImageSelection",
                         "ImageAction",
                         "ImageRenameCriteria",
                         "ImageRigidity",
                         "ImageHelp",
                         "ImageGoodbye",
                         "CheckEasyProcess",
                         "FrameJob",
                         "ImageResetAll",
                         "ImagePreview",
                         "LabelPreview",
                         "ImageJob",
                         "LabelJob",
                         "ImageReject",
                         "ImageUndo",
                         "FrameDirDisableInfo",
                         "LabelDirDisableInfo",
                         "FrameDisplaySelection",
                         "LabelSelectionType",
                         "LabelSelectionInfo",
                         "FrameDisplayAction",
                         "LabelReviewMode",
                         "LabelActionType",
                         "LabelActionFolderName",
                         "FrameInfo",
                         "LabelInfo1",
                         "LabelInfo4",
                         "FrameView",
                         "ImageViewInfo",
                         "ImageViewPriority"};
  for (const char* name : names) {
    SCOPED_TRACE(name);
    EXPECT_NE(w.findChild<QWidget*>(QString::fromLatin1(name)), nullptr);
  }
  EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("LabelJob"))->text(), QStringLiteral("Rename"));
  EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("ImageGoodbye"))->text().remove(u'&'),
            QStringLiteral("Goodbye"));
}

TEST_F(MainWindowTest, ListsTheWorkingFolderInNaturalOrder) {
  for (const char* name : {"b10.txt", "B2.txt", "a.txt", ".hidden", "c1.txt"}) {
    dir.file(std::string("start/") + name);
  }
  dir.folder("start/sub");
  MainWindow& w = Start();
  EXPECT_EQ(File1Names(w),
            (std::vector<std::string>{".hidden", "a.txt", "B2.txt", "b10.txt", "c1.txt"}));
}

TEST_F(MainWindowTest, ChoosingAFolderInDir1MakesItTheWorkingFolder) {
  dir.folder("start/sub");
  dir.file("start/sub/inside.txt");
  MainWindow& w = Start();
  auto* dir1 = w.findChild<QListWidget*>(QStringLiteral("Dir1"));
  QListWidgetItem* sub = nullptr;
  for (int row = 0; row < dir1->count(); ++row) {
    if (dir1->item(row)->text().trimmed() == QStringLiteral("sub")) sub = dir1->item(row);
  }
  ASSERT_NE(sub, nullptr);
  QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, dir1->visualItemRect(sub).center());
  EXPECT_EQ(session.state.WorkFolder, dir / "start/sub/");
  EXPECT_EQ(session.options.LastFolder, dir / "start/sub");
  EXPECT_EQ(File1Names(w), std::vector<std::string>{"inside.txt"});
  EXPECT_TRUE(w.findChild<QPushButton*>(QStringLiteral("ImageGoBack"))->isEnabled());
}

TEST_F(MainWindowTest, GoodbyeSavesTheSettings) {
  const std::string photos = dir.folder("photos");
  MainWindow& w = Start();
  session.options.MaxSelectLimit = 77;
  session.options.LastFolder = photos;
  QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("ImageGoodbye")), Qt::LeftButton);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(dir.read("start/Quillon/Set.Vostrel"),
            "\"77\"\r\n\"0\"\r\n\"0\"\r\n\"" + photos + "\"\r\n");
}

TEST_F(MainWindowTest, TheCloseBoxIsRefusedWhileAJobRuns) {
  MainWindow& w = Start();
  session.state.ActionBusy = true;
  EXPECT_FALSE(w.close());
  EXPECT_TRUE(w.isVisible());
  EXPECT_FALSE(dir.exists("start/Quillon/Set.Vostrel"));
  session.state.ActionBusy = false;
  EXPECT_TRUE(w.close());
  EXPECT_TRUE(dir.exists("start/Quillon/Set.Vostrel"));
}

}  // namespace
}  // namespace quillon::gui
