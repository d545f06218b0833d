// One journal, one writer, trusted only when it is the user's own: jobs that share a
// journal never take each other's files, a planted or edited journal touches nothing
// outside the job's folders, and a folder swapped for a link mid-job changes nothing
// outside the folder the job was prepared in.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "job_runner.h"
#include "platform/atomic_file.h"
#include "platform/private_place.h"
#include "support/disk_probe.h"
#include "support/scratch_mount.h"
#include "support/stepped_file_services.h"

namespace quillon::testing {
namespace {

using Names = std::vector<std::string>;

// Every name of `folder` with its content, hidden files included.
std::vector<std::pair<std::string, std::string>> Contents(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const auto text = ReadWholeFile(entry.path().string(), 1 << 20);
    out.emplace_back(entry.path().filename().string(), text.ok() ? *text : "?");
  }
  std::sort(out.begin(), out.end());
  return out;
}

// The names in a folder, sorted by bytes.
Names NamesIn(const std::string& folder) {
  Names out;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    out.push_back(entry.path().filename().string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

class JournalIntegrityTest : public ActionTest {
 protected:
  JournalIntegrityTest() { s.actions.journalPath = state / "journal.json"; }
  std::string Journal() const { return state / "journal.json"; }
  TempDir state;
};

// A copy over files sets them aside for its undo; a second job on the same journal then
// replaces that journal, and with it the first job's right to them. The first job's undo
// from the window's memory keeps the copies (they are all that is left) and leaves the
// second job's journal alone, so that job can still be undone.
TEST_F(JournalIntegrityTest, ASecondJobOnTheJournalNeverEmptiesTheFirstJobsDestination) {
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
    work.file(name, "new");
    dest.file(name, "old");
  }
  SetAction("Copy", true);
  PrepareJob({{"a.txt", "a.txt"}, {"b.txt", "b.txt"}, {"c.txt", "c.txt"}});
  JobClick(s, ui);
  ASSERT_EQ(dest.names().size(), 6u);

  TempDir otherWork;
  TempDir otherDest;
  otherWork.file("x.txt", "x");
  FakeUi otherUi;
  PosixFileServices otherFiles;
  RunJob(otherFiles, otherUi, otherWork.path(), otherDest.path(), Journal(), "Rename", false, "g");
  ASSERT_EQ(otherWork.names(), Names{"gx.txt"});

  UndoClick(s, ui);
  EXPECT_EQ(dest.names(), (Names{"a.txt", "b.txt", "c.txt"}));
  EXPECT_EQ(dest.read("a.txt"), "new");
  EXPECT_EQ(s.actions.keptWithoutOriginal.size(), 3u);
  EXPECT_TRUE(ui.showed("no longer there to take its place"));
  EXPECT_FALSE(ui.showed("Undo Complete"));
  const auto onDisk = ReadJournal(Journal());
  ASSERT_TRUE(onDisk.ok());
  EXPECT_EQ(onDisk->state, JournalState::Complete);
  UndoFromDisk(Journal());
  EXPECT_EQ(otherWork.names(), Names{"x.txt"});
}

// Names and folders in a journal are checked before anything is done with them.
TEST(JournalCheckTest, AJournalWhoseNamesLeaveItsFoldersIsRefused) {
  const std::string header =
      R"({"journal":"quillon","version":1,"state":"complete","job":"j","TextUndoAction":"ACTION",)"
      R"("TextUndoWorkDir":"/w","TextUndoMoveDir":"/d","TextUndoWorkPath":"WORK",)"
      R"("TextUndoMovePath":"/d/","rows":1,"keptFiles":0})"
      "\n";
  struct Row {
    const char* name;
    const char* action;
    const char* work;
    const char* line;
    bool valid;
  };
  const Row rows[] = {
      {"plain_rename", "Rename", "/w/", R"({"i":0,"old":"a","new":"b"})", true},
      {"kept_of_our_own", "Copy", "/w/",
       R"({"i":0,"old":"a","new":"a","kept":".quillon-kept-1f3a-0"})", true},
      {"kept_outside", "Copy", "/w/",
       R"({"i":0,"old":"a","new":"a","kept":"../victim/precious.txt"})", false},
      {"kept_not_ours", "Copy", "/w/", R"({"i":0,"old":"a","new":"a","kept":"thesis.odt"})", false},
      {"old_with_slash", "Rename", "/w/", R"({"i":0,"old":"../../etc/x","new":"b"})", false},
      {"new_dot_dot", "Move", "/w/", R"({"i":0,"old":"a","new":".."})", false},
      {"relative_folder", "Rename", "w/", R"({"i":0,"old":"a","new":"b"})", false},
      {"folder_with_dot_dot", "Rename", "/w/../x/", R"({"i":0,"old":"a","new":"b"})", false},
      {"unknown_action", "Shred", "/w/", R"({"i":0,"old":"a","new":"b"})", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::string text = header;
    text.replace(text.find("ACTION"), 6, row.action);
    text.replace(text.find("WORK"), 4, row.work);
    text += std::string(row.line) + "\n";
    EXPECT_EQ(ParseJournal(text).ok(), row.valid);
  }
}

// A planted row naming a file outside the folders makes the next job refuse nothing and
// delete nothing: the journal is not read.
TEST_F(JournalIntegrityTest, APlantedKeptRowDeletesNothing) {
  TempDir victim;
  victim.file("precious.txt", "mine");
  const std::string planted =
      R"({"journal":"quillon","version":1,"state":"complete","TextUndoAction":"Copy",)"
      R"("TextUndoWorkDir":"/","TextUndoMoveDir":")" +
      dest.path() + R"(","TextUndoWorkPath":"/","TextUndoMovePath":")" + dest.path() +
      R"(/","rows":1,"keptFiles":1})" + "\n" + R"({"i":0,"old":"a","new":"a","kept":"../)" +
      victim.path().substr(victim.path().rfind('/') + 1) + R"(/precious.txt"})" + "\n";
  state.file("journal.json", planted);
  ::chmod(Journal().c_str(), 0600);
  work.file("a.txt");
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  EXPECT_EQ(work.names(), Names{"b.txt"});
  EXPECT_EQ(victim.read("precious.txt"), "mine");
}

// Another user's journal, or a folder others can write to, is refused with the reason;
// nothing of it is read or done. (Root gives the files away; without root, skipped.)
TEST_F(JournalIntegrityTest, AJournalOrFolderThatIsNotTheUsersOwnIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a file to another user";
  constexpr uid_t kOther = 4242;
  struct Row {
    const char* name;
    std::function<void()> plant;
    const char* reason;
  };
  const Row rows[] = {
      {"journal_of_another_user",
       [&] {
         state.file("journal.json", "{}\n");
         ASSERT_EQ(::chown(Journal().c_str(), kOther, kOther), 0);
       },
       "it belongs to another user"},
      {"journal_others_can_write",
       [&] {
         state.file("journal.json", "{}\n");
         ASSERT_EQ(::chmod(Journal().c_str(), 0666), 0);
       },
       "other users can write to it"},
      {"folder_of_another_user",
       [&] { ASSERT_EQ(::chown(state.path().c_str(), kOther, kOther), 0); },
       "it belongs to another user"},
      {"folder_others_can_write", [&] { ASSERT_EQ(::chmod(state.path().c_str(), 0777), 0); },
       "other users can write to it"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    state.clear();
    ASSERT_EQ(::chown(state.path().c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(state.path().c_str(), 0700), 0);
    work.clear();
    work.file("a.txt");
    row.plant();
    SetAction("Rename");
    s.state.UndoAvailable = false;
    PrepareJob({{"a.txt", "b.txt"}});
    ui.messages.clear();
    JobClick(s, ui);
    EXPECT_EQ(work.names(), Names{"a.txt"});
    ASSERT_TRUE(s.actions.lastError.has_value());
    EXPECT_NE(s.actions.lastError->Describe().find(row.reason), std::string::npos)
        << s.actions.lastError->Describe();
    EXPECT_FALSE(ReadJournal(Journal()).ok());
  }
  ::chown(state.path().c_str(), 0, 0);
  ::chmod(state.path().c_str(), 0700);
}

// While one job holds the journal, another waits a moment, then is refused naming the
// journal; an undo too. Nothing is touched.
TEST_F(JournalIntegrityTest, ASecondJobWhileOneRunsIsRefusedNamingTheJournal) {
  work.file("a.txt");
  auto taken = LockJournal(Journal());
  ASSERT_TRUE(taken.ok());
  FileLock held = std::move(taken).value();
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  EXPECT_EQ(work.names(), Names{"a.txt"});
  ASSERT_TRUE(s.actions.lastError.has_value());
  EXPECT_NE(s.actions.lastError->Describe().find("journal.json"), std::string::npos);
  EXPECT_NE(s.actions.lastError->Describe().find("another job is using it"), std::string::npos);
  held.Release();
  JobClick(s, ui);
  EXPECT_EQ(work.names(), Names{"b.txt"});
  held = std::move(LockJournal(Journal())).value();
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), Names{"b.txt"});
  EXPECT_TRUE(s.state.UndoAvailable);
  held.Release();
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), Names{"a.txt"});
}

// Two runs at once on one journal, in two processes: every file is accounted for, and
// the journal's undo reverses exactly the job it belongs to.
TEST(JournalStressTest, TwoJobsAtOnceOnOneJournalEachStayWhole) {
  TempDir dir;
  const std::string journal = dir / "journal.json";
  const std::string folders[2] = {dir.folder("one"), dir.folder("two")};
  for (const std::string& folder : folders) {
    for (int i = 0; i < 1500; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "f%04d.txt", i);
      ASSERT_TRUE(WriteFileAtomic(folder + "/" + name, name).ok());
    }
  }
  pid_t children[2];
  for (int k = 0; k < 2; ++k) {
    children[k] = ::fork();
    if (children[k] == 0) {
      PosixFileServices files;
      FakeUi ui;
      RunJob(files, ui, folders[k], dir.path(), journal, "Rename", false, k == 0 ? "a" : "b");
      ::_exit(0);
    }
  }
  for (const pid_t child : children) ::waitpid(child, nullptr, 0);
  // Each folder was renamed whole or not at all; at least one was.
  int renamed = 0;
  for (int k = 0; k < 2; ++k) {
    const auto names = NamesIn(folders[k]);
    ASSERT_EQ(names.size(), 1500u);
    const auto prefixed = std::count_if(names.begin(), names.end(), [&](const std::string& n) {
      return n[0] == (k == 0 ? 'a' : 'b');
    });
    EXPECT_TRUE(prefixed == 0 || prefixed == 1500) << folders[k] << ": " << prefixed;
    renamed += prefixed == 1500 ? 1 : 0;
  }
  ASSERT_GE(renamed, 1);
  const auto onDisk = ReadJournal(journal);
  ASSERT_TRUE(onDisk.ok()) << onDisk.status().error().Describe();
  const std::string owner = onDisk->journal.TextUndoWorkDir;
  const auto otherBefore = NamesIn(owner == folders[0] ? folders[1] : folders[0]);
  UndoFromDisk(journal);
  for (const std::string& folder : folders) {
    const auto names = NamesIn(folder);
    if (folder == owner) {
      EXPECT_EQ(names.front(), "f0000.txt");
      EXPECT_EQ(names.back(), "f1499.txt");
    } else {
      EXPECT_EQ(names, otherBefore);
    }
  }
}

// A job in the window and a run of the command line on the same journal: each undo
// reverses exactly its own job, the window's from its memory.
TEST_F(JournalIntegrityTest, AWindowJobAndACommandLineJobEachUndoTheirOwn) {
  work.file("a.txt", "A");
  SetAction("Rename");
  PrepareJob({{"a.txt", "w.txt"}});
  JobClick(s, ui);
  TempDir other;
  other.file("b.txt", "B");
  const pid_t child = ::fork();
  if (child == 0) {
    PosixFileServices childFiles;
    FakeUi childUi;
    RunJob(childFiles, childUi, other.path(), other.path(), Journal(), "Rename", false, "c");
    ::_exit(0);
  }
  ::waitpid(child, nullptr, 0);
  ASSERT_EQ(other.names(), Names{"cb.txt"});
  UndoFromDisk(Journal());
  EXPECT_EQ(other.names(), Names{"b.txt"});
  EXPECT_EQ(work.names(), Names{"w.txt"});
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), Names{"a.txt"});
  EXPECT_EQ(other.names(), Names{"b.txt"});
}

// A journal reached through a link is followed: its undo marks the journal itself used,
// and a second undo finds nothing to do.
TEST_F(JournalIntegrityTest, AJournalReachedThroughALinkIsMarkedUsed) {
  work.file("a.txt");
  const std::string link = state / "link.json";
  ASSERT_EQ(::symlink("journal.json", link.c_str()), 0);
  s.actions.journalPath = link;
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  UndoFromDisk(link);
  EXPECT_EQ(work.names(), Names{"a.txt"});
  EXPECT_EQ(ReadJournal(Journal())->state, JournalState::Used);
}

// Files that vanished between the preview and the job are counted, not done.
TEST_F(JournalIntegrityTest, FilesGoneBeforeTheJobAreCounted) {
  work.file("a.txt");
  work.file("b.txt");
  SetAction("Move");
  PrepareJob({{"a.txt", "a.txt"}, {"b.txt", "b.txt"}});
  ASSERT_EQ(::unlink((work / "a.txt").c_str()), 0);
  JobClick(s, ui);
  EXPECT_EQ(s.actions.doneCount, 1u);
  EXPECT_EQ(s.actions.missingCount, 1u);
  EXPECT_EQ(dest.names(), Names{"b.txt"});
}

// The working folder is swapped for a link to another folder after the job's first
// file: the job goes on in the folder it opened, and the other folder is not touched,
// neither by the job nor by its undo.
class SwappingFileServices : public SteppedFileServices {
 public:
  SwappingFileServices(std::string work, std::string elsewhere)
      : work_(std::move(work)), elsewhere_(std::move(elsewhere)) {}
  std::optional<OsError> Step(const char*, const std::string&) override {
    if (++calls_ == 2) {
      std::filesystem::rename(work_, work_ + ".real");
      std::filesystem::create_directory_symlink(elsewhere_, work_);
    }
    return std::nullopt;
  }

 private:
  std::string work_;
  std::string elsewhere_;
  int calls_ = 0;
};

TEST(FolderSwapTest, AFolderSwappedForALinkMidJobChangesNothingOutsideIt) {
  struct Row {
    const char* action;
    std::int16_t attribute;
  };
  for (const Row& row : {Row{"Move", 0}, Row{"Copy", 0}, Row{"Set Attribute", 2}, Row{"Delete", 0},
                         Row{"Rename And Copy", 0}}) {
    SCOPED_TRACE(row.action);
    TempDir dir;
    const std::string work = dir.folder("work");
    const std::string dest = dir.folder("dest");
    const std::string other = dir.folder("other");
    for (int i = 0; i < 5; ++i) {
      const std::string name = "f" + std::to_string(i) + ".txt";
      dir.file("work/" + name, "mine");
      dir.file("other/" + name, "theirs");
      ::chmod((other + "/" + name).c_str(), 0600);
    }
    const auto otherBefore = Contents(other);
    SwappingFileServices files(work, other);
    FakeUi ui;
    FakeEnvironment env;
    RunJob(files, ui, work, dest, dir / "journal.json", row.action, false, "n", {}, row.attribute);
    EXPECT_EQ(Contents(other), otherBefore);
    for (const auto& [name, content] : Contents(other)) {
      EXPECT_EQ(ModeOf(other + "/" + name), 0600) << name;
    }
    // The undo finds a link where its folder was, and stops before touching anything.
    if (std::string(row.action) != "Delete") {
      EXPECT_FALSE(UndoFromDisk(dir / "journal.json", Marked::No));
    }
    EXPECT_EQ(Contents(other), otherBefore);
    for (const auto& [name, content] : Contents(other)) {
      EXPECT_EQ(ModeOf(other + "/" + name), 0600) << name;
    }
  }
}

// A move to another file system killed at each of its steps, the removal of the sources
// once their copies are on the disk included, is undone exactly from its journal.
TEST(CrossDeviceKillTest, AMoveKilledAtAnyStepIsUndoneExactly) {
  ScratchMount target("tmpfs", "size=4m");
  if (!target.mounted()) GTEST_SKIP() << target.reason();
  for (int killAt = 1; killAt <= 7; ++killAt) {
    SCOPED_TRACE("killed at step " + std::to_string(killAt));
    TempDir dir;
    const std::string work = dir.folder("work");
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
      dir.file(std::string("work/") + name, name);
    const auto before = Contents(work);
    const pid_t child = ::fork();
    if (child == 0) {
      struct Killing : SteppedFileServices {
        int at = 0;
        int calls = 0;
        std::optional<OsError> Step(const char*, const std::string&) override {
          if (++calls == at) ::raise(SIGKILL);
          return std::nullopt;
        }
      } files;
      files.at = killAt;
      FakeUi ui;
      RunJob(files, ui, work, target.path(), dir / "journal.json", "Move", false, "");
      ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    UndoFromDisk(dir / "journal.json");
    EXPECT_EQ(Contents(work), before);
    EXPECT_TRUE(Contents(target.path()).empty());
  }
}

}  // namespace
}  // namespace quillon::testing
