#include "gui/action_frame.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "window_fixture.h"

namespace quillon::gui {
namespace {

class ActionFrameTest : public WindowTest {
 protected:
  ActionFrameTest() { Start(); }
  QString Text(const char* name) { return qobject_cast<QLabel*>(Find(name))->text(); }
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
