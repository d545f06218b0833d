#include "flow/main_buttons.h"

#include <gtest/gtest.h>

#include <set>

#include "flow/action_panel.h"
#include "flow/options_panel.h"
#include "flow/panel_dispatch.h"
#include "platform/environment.h"
#include "support/fake_ui.h"
#include "support/null_file_services.h"

namespace quillon {
namespace {

using testing::FakeUi;
using testing::NullFileServices;
using Names = std::set<std::string>;
using Clicks = void (*)(Session&, UserInterface&);

Names Visible(const View& v) {
  Names names;
  for (const auto& [name, control] : v) {
    if (control.visible.value_or(false)) names.insert(name);
  }
  return names;
}

// Tables build a fresh session per row.
class MainButtonsTableTest : public ::testing::Test {
 protected:
  NullFileServices files;
  PosixEnvironment env;
};

class MainButtonsTest : public MainButtonsTableTest {
 protected:
  MainButtonsTest() : s(files, env) {}
  FakeUi ui;
  Session s;
};

TEST_F(MainButtonsTableTest, TheSideAreaButtonsChooseTheSideFrame) {
  struct Row {
    const char* name;
    const char* before;
    Clicks clicks;
    std::string side, saved;
    std::vector<std::string> codes;
  } rows[] = {
      {"info_from_the_view_frame", "", ImageViewInfoClick, "InfoFrame", "", {"setButFrame"}},
      {"info_from_the_priority_frame",
       "PriorityFrame",
       ImageViewInfoClick,
       "InfoFrame",
       "PriorityFrame",
       {"setButFrame"}},
      {"priority_from_the_view_frame",
       "",
       ImageViewPriorityClick,
       "PriorityFrame",
       "",
       {"setButFrame"}},
      {"hide_info", "InfoFrame", ImageInfoHideClick, "", "", {"setButFrame"}},
      {"hide_priority", "PriorityFrame", ImagePriorityHideClick, "", "", {"setButFrame"}},
      {"about_opens", "", ImageHelpAboutClick, "AboutFrame", "", {"setButOnlyAbout"}},
      {"about_replaces_info",
       "InfoFrame",
       ImageHelpAboutClick,
       "AboutFrame",
       "",
       {"setButOnlyAbout"}},
      {"about_twice_hides_it_again",
       "",
       [](Session& s, UserInterface& ui) {
         ImageHelpAboutClick(s, ui);
         ImageHelpAboutClick(s, ui);
       },
       "",
       "",
       {"setButOnlyAbout", "setButOnlyAbout"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    FakeUi fresh;
    Session t(files, env);
    t.state.SideFrame = row.before;
    row.clicks(t, fresh);
    EXPECT_EQ(t.state.SideFrame, row.side);
    EXPECT_EQ(t.state.SavedSideFrame, row.saved);
    EXPECT_EQ(fresh.controlStates, row.codes);
  }
}

TEST_F(MainButtonsTableTest, ExactlyTheNamedSideFrameIsShown) {
  struct Row {
    const char* name;
    const char* side;
    Names visible;
  } rows[] = {
      {"view_frame", "", {"FrameView"}},
      {"info_frame", "InfoFrame", {"FrameInfo"}},
      {"priority_frame", "PriorityFrame", {"FramePriority"}},
      {"about_frame", "AboutFrame", {"FrameAbout"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session t(files, env);
    t.state.SideFrame = row.side;
    const View v = SideFramesView(t);
    EXPECT_EQ(Visible(v), row.visible);
    for (const char* frame : {"FrameView", "FrameInfo", "FramePriority", "FrameAbout"}) {
      EXPECT_TRUE(v.at(frame).visible.has_value()) << frame;
    }
  }
}

TEST_F(MainButtonsTest, TheAboutFrameShowsTheProgramNameAndVersion) {
  const View v = SideFramesView(s);
  EXPECT_EQ(v.at("LabelAboutName").text, s.state.ProductName);
  EXPECT_EQ(v.at("LabelAboutVersion").text, s.state.ProductVersion);
}

TEST_F(MainButtonsTableTest, TheWorkAreaShowsTheOpenPanelOrTheResultList) {
  struct Row {
    const char* name;
    bool panelOpen;
    const char* keyword;
    bool easyProcess;
    Names visible;
  } rows[] = {
      {"selection", true, "Selection", false, {"FrameSelection"}},
      {"action", true, "Action", false, {"FrameAction"}},
      {"options", true, "Options", false, {"FrameRigidity"}},
      {"help", true, "Help", false, {"FrameHelp"}},
      {"no_panel", false, "", false, {"List1"}},
      {"easy_process", false, "", true, {"FrameSingleProcess"}},
      {"panel_over_easy_process", true, "Action", true, {"FrameAction"}},
      // While OK is being applied the keyword is still set; the panel is gone.
      {"keyword_without_an_open_panel", false, "Options", false, {"List1"}},
      {"keyword_that_is_no_panel", true, "Priority", false, {"List1"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Session t(files, env);
    t.state.PanelOpen = row.panelOpen;
    t.state.PendingKeyword = row.keyword;
    t.state.EasyProcessOn = row.easyProcess;
    const View v = WorkAreaView(t);
    EXPECT_EQ(Visible(v), row.visible);
    for (const char* area : {"FrameSelection", "FrameAction", "FrameRigidity", "FrameHelp",
                             "FrameSingleProcess", "List1"}) {
      EXPECT_TRUE(v.at(area).visible.has_value()) << area;
    }
  }
}

TEST_F(MainButtonsTest, HelpOpensItsPanelAndCancelClosesIt) {
  ImageHelpClick(s, ui);
  EXPECT_TRUE(s.state.PanelOpen);
  EXPECT_TRUE(s.state.ResultShown);
  EXPECT_EQ(s.state.PendingKeyword, "Help");
  EXPECT_EQ(ui.panels, std::vector<std::string>{"setNullHelp"});
  EXPECT_EQ(ui.controlStates, std::vector<std::string>{"setButGlobal"});
  EXPECT_EQ(Visible(WorkAreaView(s)), Names{"FrameHelp"});
  EXPECT_EQ(s.help.LabelInfo4, "You must finish with Help to continue.");

  ImageHelpCancelClick(s, ui);
  EXPECT_FALSE(s.state.PanelOpen);
  EXPECT_FALSE(s.state.ResultShown);
  EXPECT_EQ(s.state.PendingKeyword, "");
  EXPECT_EQ(Visible(WorkAreaView(s)), Names{"List1"});
  EXPECT_EQ(s.help.LabelInfo4,
            "To process single file check the Easy Process Check Box to make it easy.");
}

TEST_F(MainButtonsTest, HelpIsRefusedWhileTheWorkAreaIsTaken) {
  s.state.ResultShown = true;
  ImageHelpClick(s, ui);
  EXPECT_FALSE(s.state.PanelOpen);
  EXPECT_EQ(s.state.PendingKeyword, "");
  EXPECT_TRUE(ui.panels.empty());
  EXPECT_TRUE(ui.controlStates.empty());
}

TEST_F(MainButtonsTest, GoodbyeWaitsForARunningJob) {
  EXPECT_TRUE(ImageGoodbyeClick(s));
  s.state.ActionBusy = true;
  EXPECT_FALSE(ImageGoodbyeClick(s));
}

// The user confirms `index` on the Action panel.
void ChooseAction(Session& s, UserInterface& ui, std::int16_t index) {
  ImageActionClick(s, ui);
  OnOptionActionClick(s, ui, index);
  ApplyPanel(s, ui);
}

TEST_F(MainButtonsTableTest, APanelKeepsTheInfoFrameAndPutsTheOthersAwayUntilItCloses) {
  struct Row {
    const char* name;
    const char* before;
    Clicks open;
    Clicks close;
    std::string during, after;
  } rows[] = {
      {"info_kept_beside_options", "InfoFrame", ImageRigidityClick, ImageRigidityCancelClick,
       "InfoFrame", "InfoFrame"},
      {"priority_back_after_options", "PriorityFrame", ImageRigidityClick, ImageRigidityCancelClick,
       "", "PriorityFrame"},
      {"about_back_after_help", "AboutFrame", ImageHelpClick, ImageHelpCancelClick, "",
       "AboutFrame"},
      {"view_frame_beside_help", "", ImageHelpClick, ImageHelpCancelClick, "", ""},
      {"info_kept_beside_help", "InfoFrame", ImageHelpClick, ImageHelpCancelClick, "InfoFrame",
       "InfoFrame"},
      {"priority_back_after_rename_and_copy", "PriorityFrame", ImageActionClick,
       [](Session& s, UserInterface& ui) {
         OnOptionActionClick(s, ui, 1);
         ApplyPanel(s, ui);
       },
       "", "PriorityFrame"},
      {"priority_dropped_after_copy", "PriorityFrame", ImageActionClick,
       [](Session& s, UserInterface& ui) {
         OnOptionActionClick(s, ui, 4);
         ApplyPanel(s, ui);
       },
       "", ""},
      {"priority_dropped_after_move", "PriorityFrame", ImageActionClick,
       [](Session& s, UserInterface& ui) {
         OnOptionActionClick(s, ui, 5);
         ApplyPanel(s, ui);
       },
       "", ""},
      {"about_back_after_copy", "AboutFrame", ImageActionClick,
       [](Session& s, UserInterface& ui) {
         OnOptionActionClick(s, ui, 4);
         ApplyPanel(s, ui);
       },
       "", "AboutFrame"},
      {"info_kept_after_move", "InfoFrame", ImageActionClick,
       [](Session& s, UserInterface& ui) {
         OnOptionActionClick(s, ui, 5);
         ApplyPanel(s, ui);
       },
       "InfoFrame", "InfoFrame"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    FakeUi fresh;
    Session t(files, env);
    t.state.WorkFolder = "/work/";
    t.state.DestFolder = "/dest/";
    t.state.SideFrame = row.before;
    row.open(t, fresh);
    ASSERT_TRUE(t.state.PanelOpen);
    EXPECT_EQ(t.state.SideFrame, row.during);
    EXPECT_EQ(Visible(SideFramesView(t)), Names{row.during.empty() ? "FrameView" : "FrameInfo"});
    row.close(t, fresh);
    ASSERT_FALSE(t.state.PanelOpen);
    EXPECT_FALSE(t.state.ResultShown);
    EXPECT_EQ(t.state.SideFrame, row.after);
    EXPECT_EQ(t.state.SavedSideFrame, "");
  }
}

TEST_F(MainButtonsTest, AnActionNoLongerRenamingDropsTheRememberedPriorityFrame) {
  s.state.WorkFolder = "/work/";
  s.state.DestFolder = "/dest/";
  s.state.SideFrame = "PriorityFrame";
  ChooseAction(s, ui, 4);
  EXPECT_EQ(s.state.SideFrame, "");
  // Back to renaming: the Priority frame is opened again only by its button.
  ChooseAction(s, ui, 0);
  EXPECT_EQ(s.state.SideFrame, "");
  ImageViewPriorityClick(s, ui);
  EXPECT_EQ(s.state.SideFrame, "PriorityFrame");
}

}  // namespace
}  // namespace quillon
