// quillon-cli end to end, on real temporary folders.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/temp_dir.h"

namespace quillon {
namespace {

using nlohmann::json;
using testing::TempDir;

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
  json parsed() const { return json::parse(out, nullptr, false); }
};

// Runs quillon-cli in `cwd` with the given arguments (already shell-safe).
CliResult RunCli(const std::string& cwd, const std::string& arguments) {
  const char* binary = std::getenv("QUILLON_CLI");
  EXPECT_NE(binary, nullptr) << "QUILLON_CLI is not set";
  const std::string command = "cd '" + cwd + "' && '" + std::string(binary ? binary : "") + "' " +
                              arguments + " 2>'" + cwd + "/.stderr'";
  CliResult result;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(cwd + "/.stderr");
  result.err.assign(std::istreambuf_iterator<char>(err), {});
  std::remove((cwd + "/.stderr").c_str());
  return result;
}

class CliTest : public ::testing::Test {
 protected:
  CliTest() {
    work = dir.folder("work");
    dest = dir.folder("dest");
  }
  // Writes the job file and runs a command on it.
  CliResult Job(const std::string& command, const json& job, const std::string& extra = "") {
    dir.file("job.json", job.dump());
    return RunCli(dir.path(), command + " job.json --json " + extra);
  }
  json RenameJob(const json& criteria) {
    return {{"folder", work},
            {"selection", {{"SelectionMode", "ByExtension"}, {"SelectExtension", "txt"}}},
            {"criteria", criteria}};
  }

  TempDir dir;
  std::string work, dest;
};

TEST_F(CliTest, VersionHelpAndUsage) {
  EXPECT_EQ(RunCli(dir.path(), "--version").status, 0);
  EXPECT_NE(RunCli(dir.path(), "--help").out.find("quillon-cli preview"), std::string::npos);
  EXPECT_EQ(RunCli(dir.path(), "").status, 2);
  EXPECT_EQ(RunCli(dir.path(), "frobnicate").status, 2);
  EXPECT_EQ(RunCli(dir.path(), "preview").status, 2);
  EXPECT_EQ(RunCli(dir.path(), "undo --unselect-conflicts").status, 2);
  EXPECT_EQ(RunCli(dir.path(), "undo --save-job x.json").status, 2);
  // Each command describes its own options and the exit codes.
  const std::pair<const char*, const char*> helps[] = {
      {"preview --help", "--save-job FILE"},
      {"run job.json --help", "--unselect-conflicts"},
      {"undo --help", "--journal FILE"},
  };
  for (const auto& [arguments, option] : helps) {
    const CliResult help = RunCli(dir.path(), arguments);
    EXPECT_EQ(help.status, 0) << arguments;
    EXPECT_NE(help.out.find(option), std::string::npos) << arguments;
    EXPECT_NE(help.out.find("Exit status"), std::string::npos) << arguments;
  }
}

TEST_F(CliTest, SaveJobWritesTheNormalFormOfTheJobRead) {
  dir.file("work/a b.txt");
  const json job = {{"action", {{"ActionName", "Rename"}}},
                    {"criteria", {{"SpaceWith", "_"}, {"SpaceOn", true}, {"InsertAfterNum", 0}}},
                    {"folder", work}};
  dir.file("job.json", job.dump());
  const CliResult result =
      RunCli(dir.path(), "preview job.json --folder /tmp --save-job tidy.json");
  EXPECT_EQ(result.status, 4) << result.out;  // nothing selected: the file is still written
  EXPECT_EQ(dir.read("tidy.json"), "{\n  \"folder\": \"" + work +
                                       "\",\n  \"criteria\": {\n    \"SpaceOn\": true,\n"
                                       "    \"SpaceWith\": \"_\"\n  }\n}\n");
  EXPECT_NE(result.err.find("InsertAfterNum"), std::string::npos);  // still warned about
  // The saved job previews as the original did.
  EXPECT_EQ(RunCli(dir.path(), "preview tidy.json").out,
            RunCli(dir.path(), "preview job.json").out);
  EXPECT_EQ(RunCli(dir.path(), "preview job.json --save-job no/such/tidy.json").status, 2);
}

TEST_F(CliTest, NoProgressIsWrittenWhenStandardErrorIsNoTerminal) {
  for (int i = 0; i < 300; ++i) dir.file("work/f" + std::to_string(i) + ".txt", "x");
  const CliResult result = Job("run", RenameJob({{"ExtText", "md"}}), "--journal j.json");
  ASSERT_EQ(result.status, 0) << result.out;
  EXPECT_EQ(result.err, "");
}

TEST_F(CliTest, ABadJobFileIsRefusedNamingTheKey) {
  dir.file("work/a.txt");
  struct Row {
    const char* name;
    std::string text;
    std::string key;  // must appear in the message
  } rows[] = {
      {"not_json", "{", "not valid JSON"},
      {"not_an_object", "[1]", "JSON object"},
      {"unknown_top_key", R"({"colour": 1})", "colour"},
      {"unknown_nested_key", R"({"criteria": {"InsertWhere": 1}})", "criteria.InsertWhere"},
      {"wrong_type", R"({"selection": {"SelectSkip": "two"}})", "selection.SelectSkip"},
      {"out_of_range", R"({"selection": {"MaxSelectLimit": 40000}})", "selection.MaxSelectLimit"},
      {"bad_keyword", R"({"criteria": {"InsertPlace": "Somewhere"}})", "criteria.InsertPlace"},
      {"bad_name_chars",
       R"({"criteria": {"InsertPlace": "InsertAfterNumChars", "InsertText": "a#b"}})",
       "criteria.InsertText"},
      {"extension_with_dot", R"({"criteria": {"ExtText": ".jpg"}})", "criteria.ExtText"},
      {"insert_without_text", R"({"criteria": {"InsertPlace": "InsertAfterNumChars"}})",
       "criteria.InsertText"},
      {"priority_not_a_permutation",
       R"({"criteria": {"Priority": ["Insert", "Insert", "Remove"]}})", "criteria.Priority"},
      {"missing_destination", R"({"action": {"ActionName": "Copy"}})", "action.DestFolder"},
      {"attribute_needed", R"({"action": {"ActionName": "Set Attribute"}})",
       "action.AttributeIndex"},
      {"missing_folder", R"({"folder": "/no/such/folder"})", "folder"},
      {"file_not_in_folder", R"({"selection": {"SelectionMode": "Manual", "Files": ["zzz.txt"]}})",
       "selection.Files"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    dir.file("job.json", row.text);
    const bool ownFolder = row.text.find("\"folder\"") != std::string::npos;
    const CliResult result = RunCli(
        dir.path(), "preview job.json --json" + (ownFolder ? "" : " --folder '" + work + "'"));
    EXPECT_EQ(result.status, 2);
    const json out = result.parsed();
    ASSERT_TRUE(out.contains("error")) << result.out;
    EXPECT_NE(out["error"]["message"].get<std::string>().find(row.key), std::string::npos)
        << out["error"]["message"];
  }
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"dest", "job.json", "work"}));
}

// What the criteria editor would call incomplete is a job-file error naming the key the
// criterion lacks; what it would accept runs.
TEST_F(CliTest, IncompleteCriteriaAreJobFileErrorsAsInTheEditor) {
  dir.file("work/abc.txt");
  struct Row {
    const char* name;
    json criteria;
    std::string missing;  // "" when complete
  } rows[] = {
      {"case_without_a_change", {{"CaseScope", "FileName"}}, "criteria.CaseChange"},
      {"case_complete", {{"CaseScope", "FileName"}, {"CaseChange", "Upper Case"}}, ""},
      {"insert_after_zero_chars_is_at_start",
       {{"InsertPlace", "InsertAfterNumChars"}, {"InsertText", "x"}},
       ""},
      {"insert_after_a_string_without_it",
       {{"InsertPlace", "InsertAfterAString"}, {"InsertText", "x"}},
       "criteria.InsertAfterString"},
      {"replace_without_a_text",
       {{"ReplacePlace", "ReplaceAString"}, {"ReplaceString", "a"}},
       "criteria.ReplaceWith"},
      {"replace_after_zero_chars",
       {{"ReplacePlace", "ReplaceAfterNumChars"}, {"ReplaceWith", "x"}},
       "criteria.ReplaceAfterNum"},
      {"replace_chars_without_a_count",
       {{"ReplacePlace", "ReplaceCharAfterNumChars"}, {"ReplaceWith", "x"}},
       "criteria.ReplaceNumChars"},
      {"remove_a_string_without_it", {{"RemovePlace", "RemoveAString"}}, "criteria.RemoveString"},
      {"remove_chars_from_the_end",
       {{"RemovePlace", "RemoveCharBeforeNumChars"}, {"RemoveNumChars", 1}},
       ""},
      {"handle_replace_without_a_text",
       {{"HandleThis", "-"}, {"HandleMode", 2}},
       "criteria.HandleWith"},
      {"auto_without_a_place",
       {{"AutoKind", "Number"}, {"AutoStartNumber", 1}},
       "criteria.AutoPlace"},
      {"auto_before_a_string_without_it",
       {{"AutoKind", "Number"}, {"AutoPlace", "AutoBeforeAString"}},
       "criteria.AutoBeforeString"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const CliResult result = Job("preview", RenameJob(row.criteria));
    if (row.missing.empty()) {
      EXPECT_EQ(result.status, 0) << result.out << result.err;
    } else {
      EXPECT_EQ(result.status, 2) << result.out;
      EXPECT_NE(result.parsed()["error"]["message"].get<std::string>().find(row.missing),
                std::string::npos)
          << result.out;
    }
  }
}

TEST_F(CliTest, AKeyWithoutEffectIsNamedInAWarningAndTheJobRuns) {
  dir.file("work/abcd.txt");
  const CliResult result = Job("run", RenameJob({{"InsertPlace", "InsertAfterNumChars"},
                                                 {"InsertText", "X"},
                                                 {"InsertBeforeNum", 2},
                                                 {"ReplaceNumChars", 3}}));
  EXPECT_EQ(result.status, 0) << result.out << result.err;
  EXPECT_NE(result.err.find("warning: job file: criteria.InsertBeforeNum: has no effect with "
                            "\"InsertAfterNumChars\""),
            std::string::npos)
      << result.err;
  EXPECT_NE(result.err.find("criteria.ReplaceNumChars: has no effect"), std::string::npos);
  EXPECT_TRUE(dir.exists("work/Xabcd.txt"));
}

TEST_F(CliTest, AJobFileThatIsNoRegularFileIsRefusedAtOnce) {
  ASSERT_EQ(::mkfifo((dir / "fifo.json").c_str(), 0600), 0);
  struct Row {
    const char* name;
    std::string path;
  } rows[] = {{"fifo", dir / "fifo.json"}, {"device", "/dev/zero"}, {"folder", work}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const CliResult result = RunCli(dir.path(), "preview '" + row.path + "' --json");
    EXPECT_EQ(result.status, 2) << result.out;
    EXPECT_NE(result.parsed()["error"]["message"].get<std::string>().find("regular file"),
              std::string::npos)
        << result.out;
  }
}

TEST_F(CliTest, AJournalThatCannotBeWrittenRefusesTheRunWithExitThree) {
  dir.file("work/a.txt");
  const CliResult result = Job("run", RenameJob({{"ExtText", "md"}}),
                               "--journal '" + dir.path() + "/missing/journal.json'");
  EXPECT_EQ(result.status, 3) << result.out;
  const json out = result.parsed();
  EXPECT_TRUE(out["journal"].is_null());
  EXPECT_NE(out["error"]["file"].get<std::string>().find("missing/journal.json"),
            std::string::npos);
  EXPECT_EQ(out["error"]["os_error"], "No such file or directory");
  EXPECT_TRUE(dir.exists("work/a.txt"));
  EXPECT_FALSE(dir.exists("work/a.md"));
}

// An edited copy stays; the file it had replaced comes back beside it.
TEST_F(CliTest, UndoKeepsACopyEditedSinceTheRun) {
  for (const bool replacing : {false, true}) {
    SCOPED_TRACE(replacing ? "the copy replaced a file" : "a new copy");
    dir.clear();
    work = dir.folder("work");
    dest = dir.folder("dest");
    dir.file("work/a.txt", "A");
    if (replacing) dir.file("dest/a.txt", "old");
    const json job = {
        {"folder", work},
        {"selection", {{"SelectionMode", "All"}}},
        {"action",
         {{"ActionName", "Copy"}, {"DestFolder", dest}, {"OverwriteConfirmed", replacing}}}};
    ASSERT_EQ(Job("run", job).status, 0);
    dir.file("dest/a.txt", "edited");
    const CliResult undone = RunCli(dir.path(), "undo --json");
    EXPECT_EQ(undone.status, 0) << undone.out;
    EXPECT_EQ(undone.parsed()["kept"].size(), 1u);
    EXPECT_EQ(dir.read("dest/a.txt"), "edited");
    if (replacing) {
      EXPECT_EQ(undone.parsed()["replaced"], json::array({dest + "/a.txt.replaced"}));
      EXPECT_EQ(dir.read("dest/a.txt.replaced"), "old");
    } else {
      EXPECT_EQ(undone.parsed()["replaced"], json::array());
    }
  }
}

TEST_F(CliTest, PreviewListsTheNewNamesAndTouchesNothing) {
  dir.file("work/IMG 1.txt");
  dir.file("work/IMG 2.txt");
  dir.file("work/keep.jpg");
  const CliResult result =
      Job("preview", RenameJob({{"SpaceOn", true}, {"SpaceWith", "_"}, {"ExtText", "md"}}));
  ASSERT_EQ(result.status, 0) << result.out;
  const json out = result.parsed();
  EXPECT_EQ(out["command"], "preview");
  EXPECT_EQ(out["action"], "Rename");
  EXPECT_EQ(out["folder"], work + "/");
  ASSERT_EQ(out["rows"].size(), 2u);
  EXPECT_EQ(out["rows"][0],
            (json{{"index", 0}, {"old", "IMG 1.txt"}, {"new", "IMG_1.md"}, {"status", "OK"}}));
  EXPECT_EQ(out["report"], "");
  EXPECT_EQ(out["jobReady"], true);
  EXPECT_TRUE(dir.exists("work/IMG 1.txt"));
  EXPECT_FALSE(dir.exists("work/IMG_1.md"));
}

// The program carries its own character tables: letters beyond ASCII change case and
// start words as in the core's own tests.
TEST_F(CliTest, LettersBeyondAsciiChangeCase) {
  dir.file("work/élan ÿvonne-ßtraße.txt");
  dir.file("work/ÀÖ ΣΊΣΥΦΟΣ.txt");
  const struct {
    const char* scope;
    const char* change;
    std::vector<std::string> names;
  } rows[] = {
      {"FirstLetterOfWords", "Upper Case", {"Élan Ÿvonne-ßtraße.txt", "ÀÖ ΣΊΣΥΦΟΣ.txt"}},
      {"FileName", "Lower Case", {"élan ÿvonne-ßtraße.txt", "àö σίσυφοσ.txt"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.change);
    const CliResult result =
        Job("preview", RenameJob({{"CaseScope", row.scope}, {"CaseChange", row.change}}));
    ASSERT_EQ(result.status, 0) << result.out;
    const json out = result.parsed();
    ASSERT_EQ(out["rows"].size(), row.names.size());
    std::vector<std::string> names;
    for (const json& r : out["rows"]) names.push_back(r["new"]);
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected = row.names;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
  }
}

TEST_F(CliTest, PreviewReportsConflictsWithExitOne) {
  dir.file("work/a.txt");
  dir.file("work/b.txt");
  const CliResult result = Job("preview", RenameJob({{"ReplacePlace", "ReplaceAString"},
                                                     {"ReplaceString", "b"},
                                                     {"ReplaceWith", "a"}}));
  EXPECT_EQ(result.status, 1) << result.out;
  // a.txt keeps its name and b.txt would take it: a.txt is marked for the shared new
  // name, and b.txt because a.txt, left out by the report's OK, still holds it.
  const json out = result.parsed();
  EXPECT_EQ(out["counters"]["ConflictNewName"], 1);
  EXPECT_EQ(out["counters"]["ConflictExisting"], 1);
  EXPECT_EQ(out["counters"]["ImpossibleTotal"], 2);
  EXPECT_EQ(out["rows"][0]["status"], "#$#");
  EXPECT_EQ(out["rows"][1]["status"], "#$#");
  EXPECT_EQ(out["report"].get<std::string>().rfind("Total 2 conflicting files found.\r\n\r\n", 0),
            0u);
  EXPECT_EQ(out["jobReady"], false);
}

TEST_F(CliTest, RunThenUndoRestoresEveryName) {
  dir.file("work/one.txt", "1");
  dir.file("work/two.txt", "2");
  const json job = RenameJob({{"InsertPlace", "InsertBeforeNumChars"}, {"InsertText", "-x"}});
  const CliResult run = Job("run", job, "--journal '" + (dir / "j.json") + "'");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.parsed()["done"].size(), 2u);
  EXPECT_EQ(run.parsed()["error"], nullptr);
  EXPECT_EQ(dir.read("work/one-x.txt"), "1");
  EXPECT_FALSE(dir.exists("work/one.txt"));

  const CliResult undo = RunCli(dir.path(), "undo --json --journal '" + (dir / "j.json") + "'");
  ASSERT_EQ(undo.status, 0) << undo.out;
  EXPECT_EQ(undo.parsed()["undone"].size(), 2u);
  EXPECT_EQ(dir.read("work/one.txt"), "1");
  EXPECT_EQ(dir.read("work/two.txt"), "2");

  const CliResult again = RunCli(dir.path(), "undo --json --journal '" + (dir / "j.json") + "'");
  EXPECT_EQ(again.status, 4);
  EXPECT_EQ(again.parsed()["refused"]["key"], "MessageNothingToUndo");
}

// A deletion cannot be undone: its journal reads as valid and undo refuses with the
// system's message.
TEST_F(CliTest, UndoAfterADeleteFindsNothingToUndo) {
  dir.file("work/a.txt");
  const json job = {{"folder", work},
                    {"selection", {{"SelectionMode", "ByExtension"}, {"SelectExtension", "txt"}}},
                    {"action", {{"ActionName", "Delete"}}}};
  const CliResult run = Job("run", job);
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_FALSE(dir.exists("work/a.txt"));
  const CliResult undo = RunCli(dir.path(), "undo --json");
  EXPECT_EQ(undo.status, 4) << undo.out << undo.err;
  EXPECT_EQ(undo.parsed()["refused"]["key"], "MessageNothingToUndo");
}

// A relative folder is the one in the folder the run started from: the journal keeps it
// absolute, so an undo started elsewhere renames the same files back.
TEST_F(CliTest, ARelativeFolderIsJournaledAbsolute) {
  dir.file("work/a.txt", "A");
  dir.file("dest/a.txt", "not this one");
  const std::string journal = "--journal '" + (dir / "j.json") + "'";
  const CliResult run = Job("run", RenameJob({{"ExtText", "log"}}), "--folder work " + journal);
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.parsed()["folder"], work + "/");
  EXPECT_TRUE(dir.exists("work/a.log"));
  const CliResult undo = RunCli(dest, "undo --json " + journal);
  ASSERT_EQ(undo.status, 0) << undo.out << undo.err;
  EXPECT_EQ(dir.read("work/a.txt"), "A");
  EXPECT_EQ(dir.read("dest/a.txt"), "not this one");
}

// A run on another folder that replaces a journal whose job could still be undone says
// so; a run after an undo, or on the same folder, does not.
TEST_F(CliTest, ReplacingAnotherFoldersUndoableJobIsWarnedOf) {
  dir.file("work/a.txt");
  dir.file("dest/b.txt");
  const std::string journal = "--journal '" + (dir / "j.json") + "'";
  ASSERT_EQ(Job("run", RenameJob({{"ExtText", "log"}}), journal).status, 0);
  json other = RenameJob({{"ExtText", "log"}});
  other["folder"] = dest;
  const CliResult second = Job("run", other, journal);
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_NE(second.err.find("can no longer be undone"), std::string::npos) << second.err;
  EXPECT_NE(second.err.find(work), std::string::npos) << second.err;
  ASSERT_EQ(RunCli(dir.path(), "undo " + journal).status, 0);
  const CliResult third = Job("run", RenameJob({{"ExtText", "md"}}), journal);
  EXPECT_EQ(third.err.find("can no longer be undone"), std::string::npos) << third.err;
}

TEST_F(CliTest, TheDefaultJournalLivesInTheDataFolder) {
  dir.file("work/a.txt");
  ASSERT_EQ(Job("run", RenameJob({{"ExtText", "log"}})).status, 0);
  EXPECT_TRUE(dir.exists("Quillon/journal.json"));
  EXPECT_EQ(RunCli(dir.path(), "undo").status, 0);
  EXPECT_TRUE(dir.exists("work/a.txt"));
}

TEST_F(CliTest, RunWithConflictsTouchesNothingUnlessAskedToUnselect) {
  dir.file("work/a.txt");
  dir.file("work/b.txt");
  dir.file("work/c.txt");
  // a.txt and b.txt both become a.md: the first of them is marked.
  json job = RenameJob({{"ReplacePlace", "ReplaceAString"},
                        {"ReplaceString", "b"},
                        {"ReplaceWith", "a"},
                        {"ExtText", "md"}});
  job["options"] = {{"ReplaceRigid", false}};
  EXPECT_EQ(Job("run", job).status, 1);
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"dest", "job.json", "work"}));
  const CliResult run = Job("run", job, "--unselect-conflicts");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(dir.exists("work/a.txt"));  // the marked file stayed as it was
  EXPECT_TRUE(dir.exists("work/a.md"));
  EXPECT_TRUE(dir.exists("work/c.md"));
  EXPECT_FALSE(dir.exists("work/b.txt"));
}

TEST_F(CliTest, RefusalsExitWithFour) {
  dir.file("work/a.txt");
  dir.file("work/b.txt");
  struct Row {
    const char* name;
    json job;
    std::string key;
  } rows[] = {
      {"nothing_selected",
       {{"folder", work},
        {"selection", {{"SelectionMode", "ByExtension"}, {"SelectExtension", "png"}}},
        {"criteria", {{"ExtText", "x"}}}},
       "MessageNoFileSelected"},
      {"no_criterion", RenameJob(json::object()), "MessageNoRenameCriteria"},
      {"replace_whole_name_for_many",
       RenameJob({{"ReplacePlace", "ReplaceFileName"}, {"ReplaceWith", "new"}}),
       "MessageReplaceMultiName"},
      {"auto_letters_run_out",
       RenameJob({{"AutoKind", "Capital Letter"},
                  {"AutoPlace", "AutoAfterNumChars"},
                  {"AutoStartLetters", "Z"}}),
       "MessageAutoLetterImpossible"},
      {"copy_into_the_same_folder",
       {{"folder", work},
        {"selection", {{"SelectionMode", "All"}}},
        {"action", {{"ActionName", "Copy"}, {"DestFolder", work}}}},
       "MessageSourceDestSame"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const CliResult result = Job("run", row.job);
    EXPECT_EQ(result.status, 4) << result.out;
    EXPECT_EQ(result.parsed()["refused"]["key"], row.key);
  }
  EXPECT_TRUE(dir.exists("work/a.txt"));
  EXPECT_TRUE(dir.exists("work/b.txt"));
}

TEST_F(CliTest, AutoLettersNameEachFile) {
  dir.file("work/a.txt");
  dir.file("work/b.txt");
  const CliResult run = Job("run", RenameJob({{"AutoKind", "Small Letter"},
                                              {"AutoPlace", "AutoAfterNumChars"},
                                              {"AutoStartLetters", "Y"}}));
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(dir.exists("work/ya.txt"));
  EXPECT_TRUE(dir.exists("work/zb.txt"));
}

TEST_F(CliTest, AFailedOperationExitsWithThreeAndTheJournalUndoesWhatWasDone) {
  dir.file("work/a.txt");
  dir.file("work/c.txt");
  dir.folder("work/c.md");  // a folder in the way: not in the file list, so no conflict
  const CliResult run = Job("run", RenameJob({{"ExtText", "md"}}));
  ASSERT_EQ(run.status, 3) << run.out;
  EXPECT_EQ(run.parsed()["error"]["tag"], "Bug-Quillon-ActionDoRename");
  EXPECT_TRUE(dir.exists("work/a.md"));
  EXPECT_EQ(RunCli(dir.path(), "undo").status, 0);
  EXPECT_TRUE(dir.exists("work/a.txt"));
  EXPECT_TRUE(dir.exists("work/c.txt"));
}

TEST_F(CliTest, CopyAndMoveToADestination) {
  dir.file("work/a.txt", "A");
  dir.file("work/b.txt", "B");
  const json copy = {{"folder", work},
                     {"selection", {{"SelectionMode", "Manual"}, {"Files", {"a.txt"}}}},
                     {"action", {{"ActionName", "Copy"}, {"DestFolder", dest}}}};
  ASSERT_EQ(Job("run", copy).status, 0);
  EXPECT_EQ(dir.read("dest/a.txt"), "A");
  EXPECT_EQ(dir.read("work/a.txt"), "A");
  // A second copy conflicts with the first unless overwriting is confirmed.
  EXPECT_EQ(Job("run", copy).status, 1);
  json overwrite = copy;
  overwrite["action"]["OverwriteConfirmed"] = true;
  EXPECT_EQ(Job("run", overwrite).status, 0);
}

// The JSON rows are written as text: every name a file system allows comes out as a
// string that reads back as the name (bytes that are not UTF-8 as U+FFFD).
TEST_F(CliTest, JsonRowsCarryEveryKindOfName) {
  const std::pair<std::string, std::string> names[] = {
      {"quote\".txt", "quote\".txt"},         {"back\\slash.txt", "back\\slash.txt"},
      {"new\nline.txt", "new\nline.txt"},     {"tab\t\x01.txt", "tab\t\x01.txt"},
      {"caf\xc3\xa9.txt", "caf\xc3\xa9.txt"}, {"bad\xff.txt", "bad\xef\xbf\xbd.txt"},
  };
  for (const auto& [name, shown] : names) dir.file("work/" + name, "x");
  const CliResult preview = Job("preview", RenameJob({{"ExtText", "md"}}));
  ASSERT_EQ(preview.status, 0) << preview.out;
  const json out = preview.parsed();
  ASSERT_FALSE(out.is_discarded()) << preview.out;
  std::vector<std::string> shownOld;
  for (const json& row : out["rows"]) shownOld.push_back(row["old"]);
  for (const auto& [name, shown] : names) {
    EXPECT_NE(std::find(shownOld.begin(), shownOld.end(), shown), shownOld.end()) << shown;
  }
  const CliResult run = Job("run", RenameJob({{"ExtText", "md"}}), "--journal j.json");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.parsed()["done"].size(), std::size(names));
  const CliResult undo = RunCli(dir.path(), "undo --journal j.json --json");
  ASSERT_EQ(undo.status, 0) << undo.out;
  EXPECT_EQ(undo.parsed()["undone"].size(), std::size(names));
  EXPECT_EQ(undo.parsed()["skipped"], json::array());
}

}  // namespace
}  // namespace quillon
