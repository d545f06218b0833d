#include "gui/action_frame.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui/startup_windows.h"
#include "platform/posix_file_services.h"
#include "support/fake_environment.h"
#include "support/temp_dir.h"

namespace quillon::gui {
namespace {

using testing::FakeEnvironment;
using testing::TempDir;

class ActionFrameTest : public ::testing::Test {
 protected:
  ActionFrameTest() : session(files, env), ui(/*autoAnswer=*/true), windows(session, ui) {
    env.currentFolder = dir.folder("start");
    env.windowsFolder = dir.folder("usr");
    dir.folder("start/Quillon");
    EXPECT_EQ(Main(session, ui, windows), StartResult::Running);
    w = windows.window();
  }
  QWidget* Find(const char* name) { return w->findChild<QWidget*>(QString::fromLatin1(name)); }
  void Click(const char* name) {
    QCoreApplication::processEvents();  // lay out a panel that has just been shown
    auto* button = qobject_cast<QAbstractButton*>(Find(name));
    // Option buttons react on their mark and caption, at the left.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  QString Text(const char* name) { return qobject_cast<QLabel*>(Find(name))->text(); }

  TempDir dir;
  PosixFileServices files;
  FakeEnvironment env;
  Session session;
  QtUserInterface ui;
  QtStartupWindows windows;
  MainWindow* w = nullptr;
};

TEST_F(ActionFrameTest, ConfirmingDeleteChangesTheJobButtonAndTheStatus) {
  Click("ImageAction");
  ASSERT_TRUE(Find("FrameAction")->isVisible());
  EXPECT_FALSE(Find("ImageActionOK")->isEnabled());
  EXPECT_FALSE(Find("FrameAttribute")->isVisible());
  Click("OptionAction6");
  ASSERT_TRUE(Find("ImageActionOK")->isEnabled());
  Click("ImageActionOK");
  EXPECT_FALSE(Find("FrameAction")->isVisible());
  EXPECT_EQ(Text("LabelJob"), QStringLiteral("Delete"));
  EXPECT_EQ(Text("LabelPreview"), QStringLiteral("Finalize"));
  EXPECT_EQ(Text("LabelActionType"), QStringLiteral("Delete"));
  EXPECT_TRUE(Find("ImageClearAction")->isVisible());
}

TEST_F(ActionFrameTest, SetAttributeShowsTheAttributesAndWantsOne) {
  Click("ImageAction");
  Click("OptionAction7");
  EXPECT_TRUE(Find("FrameAttribute")->isVisible());
  EXPECT_FALSE(Find("ImageActionOK")->isEnabled());
  EXPECT_EQ(Text("LabelActionMust"), QStringLiteral("Must select an Attribute to set Attribute."));
  Click("OptionAttribute5");
  EXPECT_TRUE(Find("ImageActionOK")->isEnabled());
  Click("ImageActionOK");
  EXPECT_EQ(Text("LabelActionFolderName"), QStringLiteral("      New Attribute :: Archive"));
}

TEST_F(ActionFrameTest, CopyToTheWorkingFolderCannotBeConfirmed) {
  Click("ImageAction");
  Click("OptionAction4");
  EXPECT_FALSE(Find("ImageActionOK")->isEnabled());
  EXPECT_TRUE(Find("CheckActionOverwrite")->isVisible());
  EXPECT_TRUE(Find("ImageActionBrowse")->isEnabled());
  Click("ImageActionCancel");
  EXPECT_EQ(session.state.ActionName, "Rename");
  EXPECT_TRUE(Find("ImageAction")->isEnabled());
}

}  // namespace
}  // namespace quillon::gui
