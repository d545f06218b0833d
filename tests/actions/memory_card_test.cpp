// Jobs on memory cards: FAT32 and exFAT images mounted through FUSE, which is blind to
// case and has no RENAME_NOREPLACE, hard links, unnamed files or extended attributes.
// Every job is undone exactly, and no file is ever replaced.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>

#include "job_runner.h"
#include "platform/atomic_file.h"
#include "support/memory_card.h"

namespace quillon::testing {
namespace {

using Names = std::vector<std::string>;
using Contents = std::map<std::string, std::string>;

Contents Read(const std::string& folder) {
  Contents out;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const auto text = ReadWholeFile(entry.path().string(), 1 << 20);
    out[entry.path().filename().string()] = text.ok() ? *text : "?";
  }
  return out;
}

// Fifty camera files.
void CameraFiles(const std::string& folder) {
  for (int i = 1; i <= 50; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "IMG_%04d.JPG", i);
    ASSERT_TRUE(WriteFileAtomic(folder + "/" + name, std::string("photo ") + name).ok());
  }
}

// A job on every file of `work`, each new name given by `rename`, prepared as Preview
// leaves it; `preview` runs the conflict checks and says whether the job is ready.
struct CardJob {
  PosixFileServices files;
  FakeEnvironment env;
  FakeUi ui;
  Session s{files, env};

  CardJob(const std::string& work, const std::string& dest, const std::string& journal,
          const std::string& action, const std::function<std::string(const std::string&)>& rename) {
    s.selection.Dir1Path = work;
    s.state.WorkFolder = work + "/";
    s.state.ActionDestFolder = s.state.DestFolder = dest + "/";
    s.state.ActionName = action;
    s.state.ActionIndex = static_cast<std::int16_t>(ActionIndexOf(action));
    s.actions.journalPath = journal;
    ReadFileList(s);
    s.selection.Selected.assign(s.selection.Files.size(), true);
    CountSelected(s);
    BuildSelectionRows(s);
    SplitSelectedNames(s);
    SelectionStore& store = s.selection.store;
    for (std::size_t i = 0; i < store.size(); ++i) {
      const std::string name = rename(store.ComboFile1[i]);
      const std::size_t dot = name.rfind('.');
      store.ComboName[i] = name.substr(0, dot);
      store.ComboDot[i] = dot == std::string::npos ? "" : ".";
      store.ComboExt[i] = dot == std::string::npos ? "" : name.substr(dot + 1);
    }
    s.state.RenamePending = false;
    s.state.CheckPending = true;
  }
  bool Preview() {
    PreviewClick(s, ui);
    return s.state.JobReady;
  }
  void Run() {
    s.state.ActionBusy = true;
    DoAction(s, ui);
  }
};

std::string Lower(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

std::string Holiday(const std::string& name) {
  return "Holiday " + name.substr(4, 4) + ".jpg";
}

class MemoryCardTest : public ::testing::TestWithParam<MemoryCard::Kind> {};

// The classic job (IMG_0001.JPG -> img_0001.jpg) and new names, each undone exactly.
TEST_P(MemoryCardTest, FiftyCameraFilesAreRenamedAndUndoneExactly) {
  for (const auto& [label, rename] :
       std::vector<std::pair<const char*, std::function<std::string(const std::string&)>>>{
           {"case only", Lower}, {"new names", Holiday}}) {
    SCOPED_TRACE(label);
    MemoryCard card(GetParam());
    if (!card.mounted()) GTEST_SKIP() << card.name() << ": " << card.reason();
    TempDir state;
    CameraFiles(card.path());
    const Contents before = Read(card.path());
    CardJob job(card.path(), card.path(), state / "journal.json", "Rename", rename);
    ASSERT_TRUE(job.Preview());
    job.Run();
    ASSERT_TRUE(job.ui.messages.empty())
        << job.ui.messages.front().text
        << (job.s.actions.lastError ? job.s.actions.lastError->Describe() : "");
    const Contents after = Read(card.path());
    ASSERT_EQ(after.size(), 50u);
    EXPECT_EQ(after.begin()->first, rename("IMG_0001.JPG"));
    EXPECT_EQ(after.begin()->second, "photo IMG_0001.JPG");
    UndoFromDisk(state / "journal.json");
    EXPECT_EQ(Read(card.path()), before);
  }
}

// a.txt -> B.txt while b.txt is there, and two files whose new names differ in case
// only: on the card they are one name, so Preview reports them.
TEST_P(MemoryCardTest, NamesThatDifferOnlyInCaseAreConflictsAtPreview) {
  MemoryCard card(GetParam());
  if (!card.mounted()) GTEST_SKIP() << card.name() << ": " << card.reason();
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) {
    ASSERT_TRUE(WriteFileAtomic(card.path() + "/" + name, name).ok());
  }
  TempDir state;
  // b.txt keeps its name; c.txt and d.txt both become x.txt but for case.
  CardJob job(card.path(), card.path(), state / "journal.json", "Rename",
              [](const std::string& name) -> std::string {
                if (name == "a.txt") return "B.txt";
                if (name == "c.txt") return "x.txt";
                if (name == "d.txt") return "X.TXT";
                return name;
              });
  job.Preview();
  ASSERT_FALSE(job.ui.messages.empty());
  const std::string report = job.ui.messages.front().text;
  EXPECT_NE(report.find("Total 2 conflicting files found."), std::string::npos) << report;
}

// Copy and Move onto the card and off it, each undone exactly.
TEST_P(MemoryCardTest, CopyAndMoveOntoTheCardAndOffItAreUndoneExactly) {
  for (const char* action : {"Copy", "Move"}) {
    for (const bool onto : {true, false}) {
      SCOPED_TRACE(std::string(action) + (onto ? " onto the card" : " off the card"));
      MemoryCard card(GetParam());
      if (!card.mounted()) GTEST_SKIP() << card.name() << ": " << card.reason();
      TempDir disk;
      TempDir state;
      const std::string from = onto ? disk.path() : card.path();
      const std::string to = onto ? card.path() : disk.path();
      CameraFiles(from);
      const Contents before = Read(from);
      CardJob job(from, to, state / "journal.json", action, [](const std::string& n) { return n; });
      ASSERT_TRUE(job.Preview());
      job.Run();
      ASSERT_TRUE(job.ui.messages.empty())
          << job.ui.messages.front().text
          << (job.s.actions.lastError ? job.s.actions.lastError->Describe() : "");
      EXPECT_EQ(Read(to), before);
      UndoFromDisk(state / "journal.json");
      EXPECT_EQ(Read(from), before);
      const Contents left = Read(to);
      EXPECT_TRUE(left.empty()) << left.size() << " left, the first " << left.begin()->first;
    }
  }
}

// Set Attribute where the card cannot store the attribute: the file is named as a
// failure, never counted as done.
TEST_P(MemoryCardTest, AnAttributeTheCardCannotStoreIsAFailureNamingTheFile) {
  MemoryCard card(GetParam());
  if (!card.mounted()) GTEST_SKIP() << card.name() << ": " << card.reason();
  ASSERT_TRUE(WriteFileAtomic(card.path() + "/a.jpg", "a").ok());
  TempDir state;
  for (const std::int16_t attribute : {2 /* ReadOnly */, 3 /* Hidden */}) {
    SCOPED_TRACE(attribute);
    CardJob job(card.path(), card.path(), state / "journal.json", "Set Attribute",
                [](const std::string& n) { return n; });
    job.s.state.AttributeIndex = attribute;
    ASSERT_TRUE(job.Preview());
    job.Run();
    const auto word = job.files.GetAttributes(card.path() + "/a.jpg");
    const bool stored = word.ok() && (*word & (attribute == 2 ? kAttrReadOnly : kAttrHidden));
    if (stored) continue;  // this card keeps it after all
    EXPECT_EQ(job.s.actions.doneCount, 0u);
    ASSERT_TRUE(job.s.actions.lastError.has_value());
    EXPECT_NE(job.s.actions.lastError->path.find("a.jpg"), std::string::npos);
  }
}

// A job cut short between the two steps of a case-only rename (the file under its step
// name) is undone exactly from its journal.
TEST_P(MemoryCardTest, ARenameCutShortBetweenItsTwoStepsIsUndoneExactly) {
  MemoryCard card(GetParam());
  if (!card.mounted()) GTEST_SKIP() << card.name() << ": " << card.reason();
  TempDir state;
  CameraFiles(card.path());
  const Contents before = Read(card.path());
  CardJob job(card.path(), card.path(), state / "journal.json", "Rename", Lower);
  ASSERT_TRUE(job.Preview());
  job.Run();
  // As a crash would have left the tenth file: out of its old name, not yet in its new.
  const std::string step = StepName("IMG_0010.JPG", "img_0010.jpg");
  std::filesystem::rename(card.path() + "/img_0010.jpg", card.path() + "/" + step);
  UndoFromDisk(state / "journal.json");
  EXPECT_EQ(Read(card.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Cards, MemoryCardTest,
                         ::testing::Values(MemoryCard::Kind::Fat32, MemoryCard::Kind::Exfat),
                         [](const ::testing::TestParamInfo<MemoryCard::Kind>& card) {
                           return std::string(card.param == MemoryCard::Kind::Fat32 ? "Fat32"
                                                                                    : "Exfat");
                         });

}  // namespace
}  // namespace quillon::testing
