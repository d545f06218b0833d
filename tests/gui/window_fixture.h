#pragma once
// A main window started offscreen over a real temporary start folder, with messages
// answered OK and recorded.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QTest>

#include "actions/destination_chooser.h"
#include "gui/destination_chooser_window.h"
#include "gui/startup_windows.h"
#include "platform/posix_file_services.h"
#include "support/fake_environment.h"
#include "support/temp_dir.h"

namespace quillon::gui {

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : session(files, env), ui(/*autoAnswer=*/true), windows(session, ui) {
    env.currentFolder = dir.folder("start");
    env.windowsFolder = dir.folder("usr");
  }

  // Runs the start-up; the data folder is made first unless this is to be the first use.
  MainWindow& Start(bool firstUse = false) {
    if (!firstUse) dir.folder("start/Quillon");
    EXPECT_EQ(Main(session, ui, windows), StartResult::Running);
    return *windows.window();
  }
  QWidget* Find(const char* name) {
    return windows.window()->findChild<QWidget*>(QString::fromLatin1(name));
  }
  // Clicks a button where its caption is, after the layout of a just-shown panel.
  void Click(const char* name) {
    QCoreApplication::processEvents();
    auto* button = qobject_cast<QAbstractButton*>(Find(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }

  // frmMove, a window of its own.
  QWidget* Chooser() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == QLatin1String("frmMove")) return top;
    }
    return nullptr;
  }
  // Set Destination on the open Action panel, and the chooser's folder list on `folder`.
  void BrowseTo(const std::string& folder) {
    Click("ImageActionBrowse");
    ASSERT_NE(Chooser(), nullptr);
    ASSERT_TRUE(Chooser()->isVisible());
    ChooserDir1Change(session, ui, folder);
    static_cast<DestinationChooserWindow*>(Chooser())->Render();
  }
  void ClickInChooser(const char* name) {
    auto* button = Chooser()->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
  }

  testing::TempDir dir;
  PosixFileServices files;
  testing::FakeEnvironment env;
  Session session;
  QtUserInterface ui;
  QtStartupWindows windows;
};

}  // namespace quillon::gui
