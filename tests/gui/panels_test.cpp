// The Options, Priority and Help panels and the side frames, used from the window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QTest>
#include <filesystem>

#include "flow/action_panel.h"
#include "flow/panel_dispatch.h"
#include "window_fixture.h"

namespace quillon::gui {
namespace {

class PanelsTest : public WindowTest {
 protected:
  PanelsTest() {
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
      dir.file(std::string("start/") + name, "x");
    dir.folder("dest");
    Start();
  }
  QString Text(const char* name) { return qobject_cast<QLabel*>(Find(name))->text(); }
  bool Shown(const char* name) { return Find(name)->isVisible(); }
  bool Enabled(const char* name) { return Find(name)->isEnabled(); }
  void ClickFile(int row) {
    auto* file1 = qobject_cast<QListView*>(Find("File1"));
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, {},
                      file1->visualRect(file1->model()->index(row, 0)).center());
  }
  void Choose(const char* combo, int index) {
    auto* box = qobject_cast<QComboBox*>(Find(combo));
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
  }
};

TEST_F(PanelsTest, OptionsOKDefaultAndResetGiveTheirSums) {
  struct Row {
    const char* name;
    std::vector<const char*> clicks;  // inside the open panel
    const char* close;                // the button that closes it
    std::int16_t code;
    bool resetShown;
  };
  const Row rows[] = {
      {"little_help_only", {"CheckHelpRigid"}, "ImageRigidityOK", 35, false},
      {"undo_warning_too", {"CheckUndoWarnRigid"}, "ImageRigidityOK", 163, false},
      {"remove_marks", {"OptionRemoveRigid1"}, "ImageRigidityOK", 167, true},
      {"cancel_keeps", {"OptionInsertRigid0"}, "ImageRigidityCancel", 167, true},
      {"default", {}, "ImageRigidityDefault", 3, false},
      {"ignore_insert", {"OptionInsertRigid0"}, "ImageRigidityOK", 2, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Click("ImageRigidity");
    ASSERT_TRUE(Shown("FrameRigidity"));
    EXPECT_FALSE(Enabled("ImageRigidityOK"));
    for (const char* control : row.clicks) Click(control);
    Click(row.close);
    EXPECT_FALSE(Shown("FrameRigidity"));
    EXPECT_EQ(session.options.OptionsCode, row.code);
    EXPECT_EQ(Shown("ImageClearRigidity"), row.resetShown);
  }
  // Reset keeps nothing but the two saved boxes, which are off now.
  Click("ImageClearRigidity");
  EXPECT_EQ(session.options.OptionsCode, 3);
  EXPECT_TRUE(session.options.InsertRigid);
}

TEST_F(PanelsTest, AllowingTheSystemFolderShowsItsCaptionInRed) {
  Click("ImageRigidity");
  Click("CheckAllowSystemRigid");
  const QColor red = Find("CheckAllowSystemRigid")->palette().color(QPalette::WindowText);
  EXPECT_EQ(red, QColor(Qt::red));
  EXPECT_TRUE(Enabled("ImageRigidityOK"));
  Click("ImageRigidityOK");
  EXPECT_TRUE(session.options.AllowSystemFolder);
}

TEST_F(PanelsTest, PriorityNeedsThreeDifferentEntriesAndDropsAnUnconfirmedChoice) {
  session.rename.criteria.InsertOn = session.rename.criteria.RemoveOn = true;
  session.rename.criteria.PriorityCount = 2;
  ClickFile(0);  // any refresh: the View frame offers Priority now
  ASSERT_TRUE(Enabled("ImageViewPriority"));
  Click("ImageViewPriority");
  ASSERT_TRUE(Shown("FramePriority"));

  Choose("ComboPriority1st", 2);  // Remove twice
  EXPECT_TRUE(Shown("LabelPriorityInfo3"));
  EXPECT_FALSE(Enabled("ImagePriorityOK"));
  Choose("ComboPriority3rd", 0);  // Remove, Replace, Insert
  EXPECT_FALSE(Shown("LabelPriorityInfo3"));
  EXPECT_TRUE(Shown("LabelPriorityInfo4"));
  ASSERT_TRUE(Enabled("ImagePriorityOK"));
  Click("ImagePriorityOK");
  EXPECT_EQ(session.rename.criteria.PriorityPref1, "Remove");
  EXPECT_TRUE(session.rename.criteria.PriorityCustom);
  EXPECT_FALSE(Enabled("ImagePriorityOK"));

  // A choice left without OK goes when the user does anything else.
  Choose("ComboPriority1st", 1);
  ClickFile(1);
  EXPECT_EQ(qobject_cast<QComboBox*>(Find("ComboPriority1st"))->currentText(),
            QStringLiteral("Remove"));

  Click("ImagePriorityDefault");
  EXPECT_EQ(session.rename.criteria.PriorityPref1, "Insert");
  EXPECT_FALSE(session.rename.criteria.PriorityCustom);
  Click("ImagePriorityHide");
  EXPECT_TRUE(Shown("FrameView"));
}

TEST_F(PanelsTest, SideFramesMakeRoomForAPanelAndComeBack) {
  Click("ImageViewInfo");
  ASSERT_TRUE(Shown("FrameInfo"));
  EXPECT_FALSE(Shown("FrameView"));
  Click("ImageHelp");
  ASSERT_TRUE(Shown("FrameHelp"));
  EXPECT_TRUE(Shown("FrameInfo"));  // the Little Help may stay beside a panel
  EXPECT_EQ(Text("LabelInfo4"), QStringLiteral("You must finish with Help to continue."));
  Click("ImageHelpAbout");
  EXPECT_TRUE(Shown("FrameAbout"));
  EXPECT_EQ(Text("LabelAboutVersion"), QStringLiteral("Version 1.02"));
  Click("ImageHelpAbout");
  EXPECT_FALSE(Shown("FrameAbout"));
  Click("ImageHelpCancel");
  EXPECT_FALSE(Shown("FrameHelp"));
  EXPECT_TRUE(Shown("FrameInfo"));

  Click("ImageInfoHide");
  EXPECT_TRUE(Shown("FrameView"));
  Click("ImageAction");  // any other side frame is put away, and the View frame returns
  EXPECT_FALSE(Shown("FrameInfo"));
  Click("ImageActionCancel");
  EXPECT_TRUE(Shown("FrameView"));
}

TEST_F(PanelsTest, APreparedJobCannotRunWhileAPanelIsOpen) {
  ClickFile(0);
  Click("ImageAction");
  Click("OptionAction7");
  Click("OptionAttribute2");  // ReadOnly
  Click("ImageActionOK");
  ASSERT_TRUE(Enabled("ImageJob"));
  Click("ImageAction");
  Click("OptionAction4");
  EXPECT_FALSE(Enabled("ImageJob"));
  EXPECT_FALSE(Enabled("ImageReject"));
  EXPECT_FALSE(Enabled("ImageUndo"));
  Click("ImageJob");
  const auto perms = std::filesystem::status(dir / "start/a.txt").permissions();
  EXPECT_NE(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none);
}

TEST_F(PanelsTest, CancellingTheChooserForgetsTheFolderItShowed) {
  Click("ImageAction");
  Click("OptionAction4");
  BrowseTo(dir / "dest");
  EXPECT_EQ(session.state.DestFolder, dir / "dest/");
  ClickInChooser("ImageActionMoveCancel");
  EXPECT_FALSE(Chooser()->isVisible());
  EXPECT_EQ(session.state.DestFolder, session.state.WorkFolder);
  EXPECT_TRUE(Find("FrameAction")->isVisible());
  Click("ImageActionCancel");
  EXPECT_EQ(session.state.DestFolder, session.state.WorkFolder);
  EXPECT_EQ(session.state.ActionDestFolder, session.state.WorkFolder);
}

TEST_F(PanelsTest, TheSystemFolderIsRefusedAsDestination) {
  Click("ImageAction");
  Click("OptionAction4");
  BrowseTo(dir / "usr");
  EXPECT_EQ(session.state.DestFolder, session.state.WorkFolder);
  ASSERT_FALSE(ui.autoAnswered().empty());
  EXPECT_EQ(ui.autoAnswered().back().text.substr(0, 40),
            "Working in System folder is not allowed.");
  ClickInChooser("ImageActionMoveCancel");
}

TEST_F(PanelsTest, SetAttributeWithoutAnAttributeStillTakesTheReviewMode) {
  // The confirmation of an action whose attribute is missing (OK stays disabled, but a
  // reset or a saved job confirms it all the same) keeps the Review Mode chosen with it.
  Click("ImageAction");
  Click("CheckActionMode");
  Click("OptionAction7");
  EXPECT_FALSE(Enabled("ImageActionOK"));
  ApplyPanel(session, ui);
  EXPECT_TRUE(session.state.ReviewMode);
  EXPECT_EQ(session.state.ActionName, "Rename");
  EXPECT_EQ(Text("LabelReviewMode"), QStringLiteral("Review Mode"));
}

TEST_F(PanelsTest, UndoCompleteIsShownOnce) {
  ClickFile(0);
  Click("ImageAction");
  Click("OptionAction4");
  BrowseTo(dir / "dest");
  ClickInChooser("ImageActionMoveOK");
  Click("ImagePreview");
  Click("ImageJob");
  ASSERT_TRUE(dir.exists("dest/a.txt"));
  Click("ImageUndo");
  EXPECT_EQ(Text("LabelReviewMode"), QStringLiteral("Undo Complete"));
  Click("ImageViewInfo");
  EXPECT_EQ(Text("LabelReviewMode"), QString());
}

}  // namespace
}  // namespace quillon::gui

namespace quillon::gui {
namespace {

class ChooserKeysTest : public WindowTest {};

// Enter in the box of a new folder's name renames it, and does nothing more: the button
// clicked before it (Create New Folder) is not pressed again.
TEST_F(ChooserKeysTest, EnterInTheRenameBoxOnlyRenames) {
  dir.folder("start/dest");
  Start();
  Click("ImageAction");
  Click("OptionAction4");  // Copy
  BrowseTo(dir / "start/dest");
  QWidget* chooser = Chooser();
  const auto find = [chooser](const char* name) {
    return chooser->findChild<QWidget*>(QString::fromLatin1(name));
  };
  auto* createNew = qobject_cast<QAbstractButton*>(find("ImageActionMoveCreateNew"));
  createNew->setFocus();
  QTest::mouseClick(createNew, Qt::LeftButton);
  QTest::keyClicks(find("TextActionMoveCreate"), QStringLiteral("made"));
  QTest::keyClick(find("TextActionMoveCreate"), Qt::Key_Return);
  ASSERT_TRUE(dir.exists("start/dest/made"));
  QTest::mouseClick(qobject_cast<QAbstractButton*>(find("ImageActionMoveRename")), Qt::LeftButton);
  auto* name = find("TextActionMoveNewName");
  ASSERT_TRUE(name->isVisible());
  name->setFocus();
  QTest::keyClicks(name, QStringLiteral("renamed"));
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_TRUE(dir.exists("start/dest/renamed"));
  EXPECT_FALSE(find("FrameActionMoveCreate")->isVisible());
  EXPECT_TRUE(find("Dir1")->isEnabled());
}

}  // namespace
}  // namespace quillon::gui
