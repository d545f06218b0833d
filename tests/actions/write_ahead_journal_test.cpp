// The journal written ahead of the job: a job killed half-way is undone exactly, an older
// journal is never replayed over a newer job, and a journal that cannot be written
// refuses the job.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "action_fixture.h"
#include "actions/do_action.h"
#include "actions/job_journal.h"
#include "flow/job_bar.h"
#include "job_runner.h"
#include "platform/atomic_file.h"
#include "support/stepped_file_services.h"

namespace quillon::testing {
namespace {

using Names = std::vector<std::string>;

// Real file services that kill the process at the n-th call that changes the disk, as a
// power cut or kill -9 would.
class KillingFileServices : public SteppedFileServices {
 public:
  explicit KillingFileServices(int killAt) : killAt_(killAt) {}
  std::optional<OsError> Step(const char*, const std::string&) override {
    if (++calls_ == killAt_) ::raise(SIGKILL);
    return std::nullopt;
  }

 private:
  int killAt_;
  int calls_ = 0;
};

std::vector<std::string> ListOf(const std::string& folder) {
  PosixFileServices files;
  return *files.ListFiles(folder);
}

// RunJob in a child process killed at the n-th operation. Returns whether it was killed.
bool RunKilled(const std::string& work, const std::string& dest, const std::string& journal,
               const std::string& action, bool overwrite, const std::string& prefix, int killAt) {
  const pid_t child = ::fork();
  if (child == 0) {
    KillingFileServices files(killAt);
    FakeUi ui;
    RunJob(files, ui, work, dest, journal, action, overwrite, prefix);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// The jobs whose every failure and kill point the tests below try. For an overwrite the
// destination holds files of the new names, which the job replaces.
struct JobCase {
  const char* action;
  bool overwrite;
};
constexpr JobCase kJobCases[] = {
    {"Rename", false},         {"Rename And Copy", false},
    {"Rename And Copy", true}, {"Copy And Rename", false},
    {"Copy And Rename", true}, {"Move And Rename", false},
    {"Copy", false},           {"Copy", true},
    {"Move", false},
};

class WriteAheadTest : public ::testing::Test {
 protected:
  void Files(int count, const char* content = "x") {
    for (int i = 0; i < count; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "f%04d.txt", i);
      dir.file(std::string("work/") + name, content);
      originals.push_back(name);
    }
  }
  // Fresh folders of three files for `job`; returns the prefix of the new names.
  std::string Prepare(const JobCase& job) {
    originals.clear();
    dir.clear();
    work = dir.folder("work");
    dest = dir.folder("dest");
    Files(3, "new");
    const std::string prefix =
        std::string(job.action).find("Rename") != std::string::npos ? "g" : "";
    for (const std::string& name : originals) {
      if (job.overwrite) dir.file("dest/" + prefix + name, "old");
    }
    return prefix;
  }
  TempDir dir;
  std::string work = dir.folder("work");
  std::string dest = dir.folder("dest");
  std::string journal = dir / "journal.json";
  std::vector<std::string> originals;
};

// Also when the lines saying which blocks were done never reached the disk (they are
// synced at most once a second, so a power cut may take them), or the last one was cut
// short: the rows are then judged by their files.
TEST_F(WriteAheadTest, AKilledRenameIsUndoneExactly) {
  enum class Tail { kKept, kLost, kTorn };
  for (const Tail tail : {Tail::kKept, Tail::kLost, Tail::kTorn}) {
    SCOPED_TRACE(tail == Tail::kKept   ? "done lines kept"
                 : tail == Tail::kLost ? "done lines lost"
                                       : "last line torn");
    originals.clear();
    dir.clear();
    work = dir.folder("work");
    dest = dir.folder("dest");
    Files(2500);
    ASSERT_TRUE(RunKilled(work, dest, journal, "Rename", false, "g", 1500));
    const auto halfway = ListOf(work);
    EXPECT_EQ(std::count_if(halfway.begin(), halfway.end(),
                            [](const std::string& n) { return n[0] == 'g'; }),
              1499);
    std::string text = dir.read("journal.json");
    ASSERT_NE(text.find("{\"upto\":1024,"), std::string::npos);
    if (tail == Tail::kLost) text.erase(text.find("{\"upto\":"));
    if (tail == Tail::kTorn) text += "{\"upto\":2048,\"done\":[[10";
    dir.file("journal.json", text);
    const auto onDisk = ReadJournal(journal);
    ASSERT_TRUE(onDisk.ok()) << onDisk.status().error().Describe();
    EXPECT_EQ(onDisk->state, JournalState::Open);
    EXPECT_EQ(onDisk->intended, 2500u);
    // Every row may have been reached; only the first block's are known to have been.
    EXPECT_EQ(onDisk->journal.ComboUndoOldName.size(), 2500u);
    EXPECT_EQ(std::count(onDisk->certain.begin(), onDisk->certain.end(), true),
              tail == Tail::kLost ? 0 : 1024);
    UndoFromDisk(journal);
    EXPECT_EQ(ListOf(work), originals);
  }
}

// Files can grow no further than `bytes` (as on a full disk); RLIM_INFINITY frees them.
void LimitFileSize(rlim_t bytes) {
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

// The disk fills at the n-th rename: the journal can grow no further.
class FillingFileServices : public SteppedFileServices {
 public:
  FillingFileServices(int fillAt, std::string journal)
      : fillAt_(fillAt), journal_(std::move(journal)) {}
  std::optional<OsError> Step(const char*, const std::string&) override {
    if (++calls_ == fillAt_) {
      struct stat st {};
      ::stat(journal_.c_str(), &st);
      LimitFileSize(static_cast<rlim_t>(st.st_size));
    }
    return std::nullopt;
  }

 private:
  int fillAt_;
  std::string journal_;
  int calls_ = 0;
};

// Room comes back when the failure is reported, before the job writes its last line.
class FreeingUi : public FakeUi {
 public:
  MessageReply OpenMessageWindow(const MessageWindowContent& content) override {
    LimitFileSize(RLIM_INFINITY);
    return FakeUi::OpenMessageWindow(content);
  }
};

// A block line the full disk refused is not lost: its rows go into the job's last line,
// and undo reverses every rename that was done.
TEST_F(WriteAheadTest, ABlockLineAFullDiskRefusedIsWrittenWithTheLastOne) {
  Files(3000);
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    FillingFileServices files(1500, journal);
    FreeingUi ui;
    RunJob(files, ui, work, dest, journal, "Rename", false, "g");
    ::_exit(ui.messages.size() == 1 ? 0 : 1);  // the failure was reported
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0);
  const auto renamed = ListOf(work);
  EXPECT_EQ(std::count_if(renamed.begin(), renamed.end(),
                          [](const std::string& n) { return n[0] == 'g'; }),
            2048);  // the walk stopped at the refused line
  const auto onDisk = ReadJournal(journal);
  ASSERT_TRUE(onDisk.ok()) << onDisk.status().error().Describe();
  EXPECT_EQ(onDisk->journal.ComboUndoOldName.size(), 2048u);
  UndoFromDisk(journal);
  EXPECT_EQ(ListOf(work), originals);
}

TEST_F(WriteAheadTest, AnOlderJournalIsNeverReplayedOverANewerInterruptedJob) {
  Files(3);
  // Job A runs to its end, job B is killed before it renames anything.
  ASSERT_FALSE(RunKilled(work, dest, journal, "Rename", false, "a", 1000));
  ASSERT_TRUE(RunKilled(work, dest, journal, "Rename", false, "b", 1));
  const auto onDisk = ReadJournal(journal);
  ASSERT_TRUE(onDisk.ok());
  EXPECT_EQ(onDisk->journal.ComboUndoNewName.front().substr(0, 2), "ba");
  UndoFromDisk(journal);
  // Job A's names stay: only job B could be undone, and it had done nothing.
  EXPECT_EQ(ListOf(work), (std::vector<std::string>{"af0000.txt", "af0001.txt", "af0002.txt"}));
}

TEST_F(WriteAheadTest, AKilledCopyThatOverwritesPutsTheReplacedFilesBack) {
  Files(6, "new");
  for (int i = 0; i < 6; ++i) dir.file("dest/" + originals[static_cast<std::size_t>(i)], "old");
  ASSERT_TRUE(RunKilled(work, dest, journal, "Copy", true, "", 4));
  UndoFromDisk(journal);
  EXPECT_EQ(ListOf(dest), originals);
  for (const std::string& name : originals) EXPECT_EQ(dir.read("dest/" + name), "old") << name;
  EXPECT_EQ(ListOf(work), originals);
}

// Real file services whose n-th change is refused, as a folder without write permission
// refuses it.
class RefusingFileServices : public SteppedFileServices {
 public:
  explicit RefusingFileServices(int refuseAt) : refuseAt_(refuseAt) {}
  void Disarm() { refuseAt_ = 0; }
  std::optional<OsError> Step(const char* operation, const std::string& path) override {
    if (++calls_ == refuseAt_) return OsError{EACCES, operation, path};
    return std::nullopt;
  }

 private:
  int refuseAt_;
  int calls_ = 0;
};

// Every name of `folder` with its content, hidden files included.
std::vector<std::pair<std::string, std::string>> Contents(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const std::string& name : ListOf(folder)) {
    const auto text = ReadWholeFile(folder + "/" + name, 1 << 20);
    out.emplace_back(name, text.ok() ? *text : "?");
  }
  return out;
}

// Whatever operation of a job fails, both its undo from the window's journal in memory
// and its undo from the journal on disk (quillon-cli, the next start) put every file back.
TEST_F(WriteAheadTest, WhereverAJobFailsBothUndosPutEveryFileBack) {
  for (const JobCase& row : kJobCases) {
    for (int refuseAt = 1; refuseAt <= 7; ++refuseAt) {
      SCOPED_TRACE(std::string(row.action) + (row.overwrite ? " over files" : "") + ", operation " +
                   std::to_string(refuseAt) + " refused");
      for (const bool inMemory : {true, false}) {
        SCOPED_TRACE(inMemory ? "undo in memory" : "undo from disk");
        const std::string prefix = Prepare(row);
        const auto workBefore = Contents(work);
        const auto destBefore = Contents(dest);
        RefusingFileServices files(refuseAt);
        FakeUi ui;
        RunJob(files, ui, work, dest, journal, row.action, row.overwrite, prefix,
               [&](Session& s, UserInterface& u) {
                 if (!inMemory) return;
                 files.Disarm();
                 UndoClick(s, u);
               });
        if (!inMemory) UndoFromDisk(journal);
        EXPECT_EQ(Contents(work), workBefore);
        EXPECT_EQ(Contents(dest), destBefore);
      }
    }
  }
}

// The same when the job is killed at its n-th operation instead (the undo is from the
// journal on disk, as after a restart).
TEST_F(WriteAheadTest, WhereverAJobIsKilledItsUndoPutsEveryFileBack) {
  for (const JobCase& row : kJobCases) {
    for (int killAt = 1; killAt <= 7; ++killAt) {
      SCOPED_TRACE(std::string(row.action) + (row.overwrite ? " over files" : "") +
                   ", killed at operation " + std::to_string(killAt));
      const std::string prefix = Prepare(row);
      const auto workBefore = Contents(work);
      const auto destBefore = Contents(dest);
      (void)RunKilled(work, dest, journal, row.action, row.overwrite, prefix, killAt);
      UndoFromDisk(journal);
      EXPECT_EQ(Contents(work), workBefore);
      EXPECT_EQ(Contents(dest), destBefore);
    }
  }
}

// An undo killed at any of its steps (a copy deleted before its replaced file is back, a
// file moved back half-way) leaves a journal whose next undo finishes the work exactly.
TEST_F(WriteAheadTest, AnUndoKilledAtAnyStepIsFinishedByTheNextOne) {
  for (const JobCase& row : kJobCases) {
    for (int killAt = 1; killAt <= 6; ++killAt) {
      SCOPED_TRACE(std::string(row.action) + (row.overwrite ? " over files" : "") +
                   ", undo killed at operation " + std::to_string(killAt));
      const std::string prefix = Prepare(row);
      const auto workBefore = Contents(work);
      const auto destBefore = Contents(dest);
      PosixFileServices files;
      FakeUi ui;
      RunJob(files, ui, work, dest, journal, row.action, row.overwrite, prefix);
      const pid_t child = ::fork();
      if (child == 0) {
        KillingFileServices killing(killAt);
        FakeEnvironment env;
        FakeUi childUi;
        Session s(killing, env);
        auto onDisk = ReadJournal(journal);
        if (!onDisk.ok()) ::_exit(1);
        s.actions.journal = onDisk->journal;
        s.actions.journalPath = journal;
        s.state.UndoAvailable = true;
        UndoClick(s, childUi);
        ::_exit(0);
      }
      ::waitpid(child, nullptr, 0);
      if (ReadJournal(journal)->state != JournalState::Used) UndoFromDisk(journal);
      EXPECT_EQ(Contents(work), workBefore);
      EXPECT_EQ(Contents(dest), destBefore);
    }
  }
}

class JournalJobTest : public ActionTest {};

TEST_F(JournalJobTest, AJournalThatCannotBeWrittenRefusesTheJob) {
  work.file("a.txt");
  s.actions.journalPath = work.path() + "/no/such/folder/journal.json";
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  EXPECT_EQ(work.names(), (Names{"a.txt"}));
  ASSERT_TRUE(s.actions.lastError.has_value());
  EXPECT_NE(s.actions.lastError->path.find("journal.json"), std::string::npos);
  EXPECT_TRUE(ui.showed("Bug-Quillon-ActionAStartDo"));
  EXPECT_FALSE(s.state.UndoAvailable);
}

// Yes to "an earlier job can be undone; go on?", then a job that cannot start: nothing
// was done, so the earlier job can still be undone.
TEST_F(JournalJobTest, AJobThatCannotStartKeepsTheEarlierUndo) {
  work.file("a.txt");
  work.file("c.txt");
  TempDir data;
  s.actions.journalPath = data / "journal.json";
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  ASSERT_TRUE(s.state.UndoAvailable);
  s.actions.journalPath = work.path() + "/no/such/folder/journal.json";
  PrepareJob({{"c.txt", "d.txt"}});
  JobClick(s, ui);
  EXPECT_TRUE(ui.showed("Bug-Quillon-ActionAStartDo"));
  EXPECT_EQ(work.names(), (Names{"b.txt", "c.txt"}));
  EXPECT_TRUE(s.state.UndoAvailable);
  s.actions.journalPath = data / "journal.json";
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), (Names{"a.txt", "c.txt"}));
}

TEST_F(JournalJobTest, UndoKeepsACopyEditedAfterTheJob) {
  work.file("a.txt", "A");
  work.file("b.txt", "B");
  SetAction("Copy");
  PrepareJob({{"a.txt", "a.txt"}, {"b.txt", "b.txt"}});
  JobClick(s, ui);
  dest.file("a.txt", "edited by hand");
  UndoClick(s, ui);
  EXPECT_EQ(dest.names(), (Names{"a.txt"}));
  EXPECT_EQ(dest.read("a.txt"), "edited by hand");
  EXPECT_EQ(s.actions.keptByUndo, (Names{dest.path() + "/a.txt"}));
  EXPECT_TRUE(ui.showed("1 copy was changed after the job and kept"));
}

TEST_F(JournalJobTest, UndoOfAnOverwritingCopyBringsTheReplacedFileBack) {
  work.file("a.txt", "new");
  dest.file("a.txt", "old");
  SetAction("Copy", /*overwrite=*/true);
  PrepareJob({{"a.txt", "a.txt"}});
  JobClick(s, ui);
  EXPECT_EQ(dest.read("a.txt"), "new");
  ASSERT_EQ(dest.names().size(), 2u);  // the replaced file, kept aside
  UndoClick(s, ui);
  EXPECT_EQ(dest.names(), (Names{"a.txt"}));
  EXPECT_EQ(dest.read("a.txt"), "old");
}

// A copy edited since the job stays; the file it had replaced cannot have its name back
// and comes out of hiding beside it, where no later job's clean-up reaches it.
TEST_F(JournalJobTest, TheFileAnEditedCopyReplacedComesBackBesideIt) {
  const std::string longName = std::string(245, 'n') + ".txt";  // no room for ".replaced"
  const struct {
    const char* name;
    std::string file;
    bool nameTaken;
    std::string beside;  // "" for the hidden name without its dot
  } rows[] = {
      {"free", "a.txt", false, "a.txt.replaced"},
      {"taken", "a.txt", true, "a.txt.replaced-1"},
      {"too_long", longName, false, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    work.clear();
    dest.clear();
    work.file(row.file, "new");
    dest.file(row.file, "old");
    if (row.nameTaken) dest.file(row.file + ".replaced", "someone else's");
    SetAction("Copy", /*overwrite=*/true);
    PrepareJob({{row.file, row.file}});
    JobClick(s, ui);
    dest.file(row.file, "edited by hand");
    UndoClick(s, ui);
    EXPECT_EQ(dest.read(row.file), "edited by hand");
    std::string beside = row.beside;
    if (beside.empty()) {
      for (const std::string& name : dest.names()) {
        if (name.rfind("quillon-kept-", 0) == 0) beside = name;
      }
    }
    ASSERT_FALSE(beside.empty());
    EXPECT_EQ(dest.read(beside), "old");
    EXPECT_EQ(s.actions.unhiddenByUndo, (Names{dest.path() + "/" + beside}));
    EXPECT_TRUE(ui.showed("1 file they had replaced is back beside them"));
    // The next job replaces the journal and clears what the last one hid: nothing is left
    // to clear, and the replaced file stays.
    SetAction("Rename");
    s.options.NoUndoWarning = true;
    work.file("b.txt", "b");
    PrepareJob({{"b.txt", "c.txt"}});
    JobClick(s, ui);
    EXPECT_EQ(dest.read(beside), "old");
    if (row.nameTaken) {
      EXPECT_EQ(dest.read(row.file + ".replaced"), "someone else's");
    }
  }
}

TEST_F(JournalJobTest, TheNextJobDropsTheFilesThePreviousOneKeptAside) {
  work.file("a.txt", "new");
  dest.file("a.txt", "old");
  SetAction("Copy", true);
  PrepareJob({{"a.txt", "a.txt"}});
  JobClick(s, ui);
  ASSERT_EQ(dest.names().size(), 2u);
  SetAction("Copy", true);
  s.options.NoUndoWarning = true;
  PrepareJob({{"a.txt", "a.txt"}});
  JobClick(s, ui);
  EXPECT_EQ(dest.names().size(), 2u);  // this job's own kept file only
}

// With the journal on disk the previous job's kept files are found through its header's
// count, and in a journal whose header has no count (an older one) by reading it whole.
TEST_F(JournalJobTest, TheNextJobFindsTheKeptFilesOfTheJournalOnDisk) {
  for (const bool olderHeader : {false, true}) {
    SCOPED_TRACE(olderHeader ? "header without a count" : "header with a count");
    work.clear();
    dest.clear();
    work.file("a.txt", "new");
    dest.file("a.txt", "old");
    TempDir data;
    s.actions.journalPath = data / "journal.json";
    s.state.UndoAvailable = false;
    SetAction("Copy", true);
    PrepareJob({{"a.txt", "a.txt"}});
    JobClick(s, ui);
    ASSERT_EQ(dest.names().size(), 2u);
    EXPECT_EQ(JournalKeptFiles(s.actions.journalPath), 1u);
    if (olderHeader) {
      std::string text = data.read("journal.json");
      const std::size_t at = text.find(",\"keptFiles\":1");
      ASSERT_NE(at, std::string::npos);
      data.file("journal.json", text.erase(at, std::strlen(",\"keptFiles\":1")));
      EXPECT_EQ(JournalKeptFiles(s.actions.journalPath), std::nullopt);
    }
    s.actions.journal = UndoJournal{};  // the window restarted: only the disk knows
    SetAction("Copy", true);
    s.options.NoUndoWarning = true;
    PrepareJob({{"a.txt", "a.txt"}});
    JobClick(s, ui);
    EXPECT_EQ(dest.names().size(), 2u);  // this job's own kept file only
    SetAction("Rename");
    PrepareJob({{"a.txt", "b.txt"}});
    JobClick(s, ui);
    EXPECT_EQ(dest.names(), Names{"a.txt"});
    EXPECT_EQ(JournalKeptFiles(s.actions.journalPath), 0u);
  }
}

// The rows a job writes ahead are made one at a time when the job does not keep them: an
// attribute job's rows still carry the exact modes, which an undo from the disk restores.
TEST_F(JournalJobTest, AnAttributeJobUndoneFromItsJournalOnDiskRestoresTheModes) {
  work.file("a.txt");
  work.file("b.txt");
  ASSERT_EQ(::chmod((work / "a.txt").c_str(), 0640), 0);
  ASSERT_EQ(::chmod((work / "b.txt").c_str(), 0604), 0);
  TempDir data;
  s.actions.journalPath = data / "journal.json";
  SetAction("Set Attribute", false, 2);  // ReadOnly
  PrepareJob({{"a.txt", "a.txt"}, {"b.txt", "b.txt"}});
  JobClick(s, ui);
  struct stat st {};
  ASSERT_EQ(::stat((work / "a.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0222, 0u);
  const auto onDisk = ReadJournal(s.actions.journalPath);
  ASSERT_TRUE(onDisk.ok());
  EXPECT_EQ(onDisk->intended, 2u);
  EXPECT_EQ(onDisk->journal.ComboUndoOldName, (Names{"a.txt", "b.txt"}));
  UndoFromDisk(s.actions.journalPath);
  ASSERT_EQ(::stat((work / "a.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  ASSERT_EQ(::stat((work / "b.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
}

TEST_F(JournalJobTest, ARenamedLinkIsUndone) {
  work.file("target.txt", "t");
  ASSERT_EQ(::symlink("target.txt", (work / "link").c_str()), 0);
  SetAction("Rename");
  PrepareJob({{"link", "renamed"}});
  JobClick(s, ui);
  EXPECT_EQ(work.names(), (Names{"renamed", "target.txt"}));
  UndoClick(s, ui);
  EXPECT_EQ(work.names(), (Names{"link", "target.txt"}));
}

TEST_F(JournalJobTest, SetAttributeRefusesALinkAndTouchesNoFileBehindIt) {
  TempDir outside;
  outside.file("secret.txt", "s");
  ASSERT_EQ(::symlink((outside / "secret.txt").c_str(), (work / "link").c_str()), 0);
  struct stat before {};
  ASSERT_EQ(::stat((outside / "secret.txt").c_str(), &before), 0);
  SetAction("Set Attribute", false, 2);  // ReadOnly
  PrepareJob({{"link", "link"}});
  JobClick(s, ui);
  struct stat after {};
  ASSERT_EQ(::stat((outside / "secret.txt").c_str(), &after), 0);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_TRUE(ui.showed("Bug-Quillon-ActionDoAttribute"));
  EXPECT_TRUE(ui.showed((work / "link").c_str()));
}

TEST_F(JournalJobTest, ReportsNameTheFileAndTheSystemsReason) {
  work.file("a.txt");
  files.fail(Op::Rename, "a.txt", EACCES);
  SetAction("Rename");
  PrepareJob({{"a.txt", "b.txt"}});
  JobClick(s, ui);
  EXPECT_TRUE(ui.showed("Permission denied"));
  EXPECT_TRUE(ui.showed(work.path() + "/a.txt"));
  EXPECT_EQ(s.actions.doneCount, 0u);
}

TEST_F(JournalJobTest, ANameTooLongForTheFileSystemIsMarkedAtPreview) {
  work.file("a.txt");
  SetAction("Rename");
  Select({"a.txt"});
  GiveNewNames({std::string(86 * 3, 'x') + ".txt"});  // 262 bytes
  ui.answers.push_back(ui.No());
  PreviewClick(s, ui);
  EXPECT_FALSE(s.state.JobReady);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(
      ui.messages[0].text.find("Number of new name longer than the file system allows is : 1"),
      std::string::npos);
  EXPECT_EQ(work.names(), (Names{"a.txt"}));
}

}  // namespace
}  // namespace quillon::testing
