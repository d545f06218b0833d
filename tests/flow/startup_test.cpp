#include "flow/startup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>

#include "platform/posix_file_services.h"
#include "session/settings_file.h"
#include "support/fake_environment.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::FakeEnvironment;
using testing::FakeUi;
using testing::TempDir;

// Records what the front end was asked to do, and the order.
struct RecordingWindows : StartupWindows {
  void LoadWindows() override { calls.push_back("load"); }
  void ShowMainWindow() override { calls.push_back("show"); }
  std::vector<std::string> calls;
};

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    env.currentFolder = dir.folder("start");
    env.windowsFolder = dir.folder("usr");
  }

  // One run of the program, ended by an orderly close.
  StartResult Run(Session& s, FakeUi& ui) {
    const StartResult result = Main(s, ui, windows);
    if (result == StartResult::Running) UnloadMainWindow(s);
    return result;
  }

  TempDir dir;
  PosixFileServices files;
  FakeEnvironment env;
  RecordingWindows windows;
};

TEST_F(StartupTest, RefusesSmallScreensAndStartsInsideTheSystemFolder) {
  struct Row {
    const char* name;
    long width, height;
    std::string start;    // relative to the temporary folder
    std::string system;   // relative to the temporary folder ("" = unknown)
    const char* refusal;  // nullptr = starts
  } rows[] = {
      {"exact_minimum_passes", 11500, 8500, "start", "usr", nullptr},
      {"one_twip_narrower", 11499, 8500, "start", "usr", "MessageSmallScreen"},
      {"one_twip_lower", 11500, 8499, "start", "usr", "MessageSmallScreen"},
      {"inside_system_folder", 12000, 9000, "usr/lib", "usr", "MessageProgInSystem"},
      {"system_folder_itself", 12000, 9000, "usr", "usr", "MessageProgInSystem"},
      {"case_blind", 12000, 9000, "USR/lib", "usr", "MessageProgInSystem"},
      {"prefix_needs_separator", 12000, 9000, "usrx", "usr", nullptr},
      {"unknown_system_folder", 12000, 9000, "start", "", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir rowDir;
    env.screen = {row.width, row.height};
    env.currentFolder = rowDir.folder(row.start);
    env.windowsFolder = row.system.empty() ? "" : rowDir.folder(row.system);
    FakeUi ui;
    Session s(files, env);
    windows.calls.clear();
    const StartResult result = Main(s, ui, windows);
    if (row.refusal == nullptr) {
      EXPECT_EQ(result, StartResult::Running);
      EXPECT_EQ(windows.calls, (std::vector<std::string>{"load", "show"}));
    } else {
      EXPECT_EQ(result, StartResult::Ended);
      EXPECT_TRUE(windows.calls.empty());
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].buttons, "OK");
      EXPECT_FALSE(rowDir.exists(row.start + "/Quillon"));  // nothing created or saved
    }
  }
}

TEST_F(StartupTest, FirstUseCreatesTheDataFolderAndIntroducesReviewModeOnce) {
  dir.folder("start");
  {
    FakeUi ui;
    Session s(files, env);
    ASSERT_EQ(Run(s, ui), StartResult::Running);
    EXPECT_TRUE(dir.exists("start/Quillon"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Review Mode"), std::string::npos);
    EXPECT_FALSE(s.state.FirstUse);
    EXPECT_EQ(s.state.SideFrame, "InfoFrame");
  }
  FakeUi ui;
  Session s(files, env);
  ASSERT_EQ(Run(s, ui), StartResult::Running);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(s.state.SideFrame, "");
}

TEST_F(StartupTest, ADataFolderThatCannotBeCreatedStillStarts) {
  dir.file("start/Quillon", "a file where the data folder should be");
  FakeUi ui;
  Session s(files, env);
  ASSERT_EQ(Run(s, ui), StartResult::Running);
  EXPECT_EQ(ui.messages.size(), 1u);  // the first-use message
  EXPECT_EQ(dir.read("start/Quillon"), "a file where the data folder should be");
}

TEST_F(StartupTest, RemembersItsFourValuesBetweenRuns) {
  const std::string photos = dir.folder("photos");
  {
    FakeUi ui;
    Session s(files, env);
    ASSERT_EQ(Main(s, ui, windows), StartResult::Running);
    s.options.MaxSelectLimit = 42;
    s.options.ShowLittleHelp = true;
    s.options.NoUndoWarning = true;
    s.options.LastFolder = photos;
    UnloadMainWindow(s);
  }
  FakeUi ui;
  Session s(files, env);
  ASSERT_EQ(Main(s, ui, windows), StartResult::Running);
  EXPECT_EQ(s.options.MaxSelectLimit, 42);
  EXPECT_TRUE(s.options.ShowLittleHelp);
  EXPECT_TRUE(s.options.NoUndoWarning);
  EXPECT_EQ(s.state.WorkFolder, photos + "/");
  EXPECT_EQ(s.state.DestFolder, photos + "/");
  EXPECT_EQ(s.options.OptionsCode, 3 + 32 + 128);
  EXPECT_EQ(s.state.SideFrame, "InfoFrame");
  EXPECT_EQ(s.state.FolderHistory, (std::vector<std::string>{env.currentFolder, photos}));
  EXPECT_EQ(s.state.FolderHistoryPos, 1);
}

TEST_F(StartupTest, AVanishedLastFolderLeavesTheStartFolder) {
  dir.folder("start/Quillon");
  dir.file("start/Quillon/Set.Vostrel",
           "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"" + (dir / "gone") + "\"\r\n");
  FakeUi ui;
  Session s(files, env);
  ASSERT_EQ(Main(s, ui, windows), StartResult::Running);
  EXPECT_EQ(s.state.WorkFolder, env.currentFolder + "/");
  EXPECT_TRUE(ui.messages.empty());
}

// `quillon FOLDER`: the folder (or a file's folder, or a relative name) is opened as if
// chosen in the folder list; one that cannot be opened leaves the start folder, with a
// message; the system folder is refused as the folder list refuses it.
TEST_F(StartupTest, AFolderNamedOnTheCommandLineIsOpened) {
  dir.folder("start/Quillon");
  dir.folder("photos");
  dir.file("photos/a.jpg");
  dir.folder("start/sub");
  struct Case {
    std::string argument;
    std::string folder;
    bool message;
  } cases[] = {
      {dir / "photos", dir / "photos/", false}, {dir / "photos/a.jpg", dir / "photos/", false},
      {"sub", dir / "start/sub/", false},       {dir / "gone", dir / "start/", true},
      {dir / "usr", dir / "start/", true},
  };
  for (const Case& c : cases) {
    FakeUi ui;
    Session s(files, env);
    s.state.FolderToOpen = c.argument;
    ASSERT_EQ(Main(s, ui, windows), StartResult::Running);
    EXPECT_EQ(s.state.WorkFolder, c.folder) << c.argument;
    EXPECT_EQ(!ui.messages.empty(), c.message) << c.argument;
    if (c.folder == dir / "photos/") {
      EXPECT_EQ(s.selection.Files.size(), 1u);
    }
    EXPECT_EQ(s.state.DestFolder, s.state.WorkFolder) << c.argument;
  }
}

TEST_F(StartupTest, TheStartFolderIsNeverRemembered) {
  FakeUi ui;
  Session s(files, env);
  ASSERT_EQ(Run(s, ui), StartResult::Running);
  EXPECT_EQ(dir.read("start/Quillon/Set.Vostrel"), "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
}

TEST_F(StartupTest, CloseIsRefusedWhileAJobRuns) {
  FakeUi ui;
  Session s(files, env);
  ASSERT_EQ(Main(s, ui, windows), StartResult::Running);
  EXPECT_TRUE(QueryClose(s));
  s.state.ActionBusy = true;
  EXPECT_FALSE(QueryClose(s));
}

TEST_F(StartupTest, InitialModesStartFromTheDefaults) {
  FakeUi ui;
  Session s(files, env);
  s.state.ActionName = "Copy";
  s.state.ActionIndex = 4;
  s.options.InsertRigid = false;
  s.options.NoUndoWarning = true;
  InitialModes(s);
  EXPECT_EQ(s.state.ActionName, "Rename");
  EXPECT_EQ(s.state.ActionIndex, 0);
  EXPECT_EQ(s.state.SelectionMode, "Manual");
  EXPECT_TRUE(s.options.InsertRigid);
  EXPECT_EQ(s.options.OptionsCode, 131);
  EXPECT_EQ(s.options.OptionsCodePending, 131);
  EXPECT_EQ(s.selection.SavedSelectionNum, 9);
}

// Rows of the block a killed job was in may or may not have been done: the question
// counts only what the journal settled as reached.
TEST(InterruptedJobTextTest, CountsOnlyTheRowsTheJournalSettled) {
  struct Row {
    const char* name;
    std::size_t sure, unsure;
    const char* reach;
  } rows[] = {
      {"all_settled", 3, 0, "It had reached 3 files in /w/."},
      {"one_settled", 1, 0, "It had reached 1 file in /w/."},
      {"none_settled", 0, 300, "It may have reached up to 300 files in /w/."},
      {"one_unsettled", 0, 1, "It may have reached up to 1 file in /w/."},
      {"some_settled", 76, 224, "It had reached 76 files, and may have reached up to 300, in /w/."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    JournalOnDisk onDisk;
    onDisk.journal.TextUndoAction = "Copy";
    onDisk.journal.TextUndoWorkDir = "/w/";
    for (std::size_t k = 0; k < row.sure + row.unsure; ++k) {
      onDisk.journal.ComboUndoOldName.push_back(std::to_string(k));
      onDisk.journal.ComboUndoNewName.push_back(std::to_string(k));
      onDisk.certain.push_back(k < row.sure);
    }
    std::string expected = "The last job (Copy) was interrupted before it ended. ";
    expected.append(row.reach).append("\r\n\r\nDo you want to undo what it did?");
    EXPECT_EQ(InterruptedJobText(onDisk), expected);
  }
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

// With a home, the settings live in the user's configuration folder and the journal in
// the state folder, whatever folder the program starts in; --data-folder (or
// QUILLON_DATA_FOLDER) names one folder for both.
class DataPlacesTest : public StartupTest {
 protected:
  DataPlacesTest() { env.variables["HOME"] = dir.folder("home"); }
};

TEST_F(DataPlacesTest, SettingsAndJournalLiveInTheUsersFolders) {
  struct Row {
    const char* name;
    std::map<std::string, std::string> variables;
    std::string chosen;    // --data-folder, relative to the test's folder
    std::string settings;  // where Set.Vostrel goes
    std::string journal;
  };
  const Row rows[] = {
      {"home_defaults",
       {},
       "",
       "home/.config/Quillon/Set.Vostrel",
       "home/.local/state/Quillon/journal.json"},
      {"xdg_variables",
       {{"XDG_CONFIG_HOME", dir / "cfg"}, {"XDG_STATE_HOME", dir / "st"}},
       "",
       "cfg/Quillon/Set.Vostrel",
       "st/Quillon/journal.json"},
      {"data_folder_option", {}, "mine", "mine/Set.Vostrel", "mine/journal.json"},
      {"data_folder_variable",
       {{"QUILLON_DATA_FOLDER", dir / "theirs"}},
       "",
       "theirs/Set.Vostrel",
       "theirs/journal.json"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    env.variables = row.variables;
    env.variables["HOME"] = dir / "home";
    FakeUi ui;
    Session s(files, env);
    if (!row.chosen.empty()) s.state.DataFolderChosen = dir / row.chosen;
    ASSERT_EQ(Run(s, ui), StartResult::Running);
    EXPECT_TRUE(dir.exists(row.settings));
    EXPECT_EQ(s.actions.journalPath, dir / row.journal);
    EXPECT_FALSE(dir.exists("start/Quillon"));
  }
}

// The first-use message appears once per user, wherever the program starts.
TEST_F(DataPlacesTest, TheFirstUseMessageAppearsOncePerUser) {
  for (const bool first : {true, false}) {
    env.currentFolder = dir.folder(first ? "one" : "two");
    FakeUi ui;
    Session s(files, env);
    ASSERT_EQ(Run(s, ui), StartResult::Running);
    EXPECT_EQ(ui.messages.size(), first ? 1u : 0u);
  }
}

// Settings an earlier version kept in the start folder are read once, while the new
// place has none; then the new place wins.
TEST_F(DataPlacesTest, AnEarlierSettingsFileInTheStartFolderIsReadOnce) {
  dir.folder("start/Quillon");
  dir.file("start/Quillon/Set.Vostrel", "\"42\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
  {
    FakeUi ui;
    Session s(files, env);
    ASSERT_EQ(Run(s, ui), StartResult::Running);
    EXPECT_EQ(s.options.MaxSelectLimit, 42);
    EXPECT_TRUE(ui.messages.empty());  // no first use: the user has used it before
  }
  EXPECT_EQ(dir.read("home/.config/Quillon/Set.Vostrel"), "\"42\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
  dir.file("home/.config/Quillon/Set.Vostrel", "\"7\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
  FakeUi ui;
  Session s(files, env);
  ASSERT_EQ(Run(s, ui), StartResult::Running);
  EXPECT_EQ(s.options.MaxSelectLimit, 7);
}

// A start folder the user cannot write no longer stops every job: nothing is kept there.
TEST_F(DataPlacesTest, AStartFolderThatCannotBeWrittenRunsAJob) {
  dir.file("start/a.txt");
  ::chmod((dir / "start").c_str(), 0555);
  FakeUi ui;
  Session s(files, env);
  ASSERT_EQ(Main(s, ui, windows), StartResult::Running);
  ASSERT_FALSE(s.actions.journalPath.empty());
  ::chmod((dir / "start").c_str(), 0755);
  EXPECT_FALSE(dir.exists("start/Quillon"));
  EXPECT_EQ(s.actions.journalPath, dir / "home/.local/state/Quillon/journal.json");
}

}  // namespace
}  // namespace quillon
