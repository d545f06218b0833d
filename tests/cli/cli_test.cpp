// quillon-cli end to end, on real temporary folders.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/photo_file.h"
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

// Runs quillon-cli in `cwd` with the given arguments (already shell-safe, redirections
// allowed). `input`, when given, is shell text put before the program, such as
// "cat job.json |"; without it standard input is empty.
// Runs quillon-cli in `cwd`, with a home of its own there (.home) and no other place
// for its data set: the journal goes to .home/.local/state/Quillon unless the arguments
// or `environment` (NAME=VALUE words) say otherwise.
CliResult RunCli(const std::string& cwd, const std::string& arguments,
                 const std::string& input = "", const std::string& environment = "") {
  const char* binary = std::getenv("QUILLON_CLI");
  EXPECT_NE(binary, nullptr) << "QUILLON_CLI is not set";
  const std::string program =
      "env -u XDG_CONFIG_HOME -u XDG_STATE_HOME -u QUILLON_DATA_FOLDER HOME='" + cwd + "/.home' " +
      environment + " '" + std::string(binary ? binary : "") + "'";
  const std::string command = "cd '" + cwd + "' && { " +
                              (input.empty() ? program + " </dev/null" : input + " " + program) +
                              " " + arguments + "; } 2>'" + cwd + "/.stderr'";
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

// Options are read as GNU tools read them: anywhere, in either form, up to "--"; what
// is wrong is said on standard error, with nothing on standard output.
TEST_F(CliTest, ArgumentsAreReadAsGnuToolsReadThem) {
  dir.file("work/a.txt");
  const std::string other = dir.folder("other");
  dir.file("other/b.txt");
  const std::string job = RenameJob({{"ExtText", "md"}}).dump();
  dir.file("job.json", job);
  dir.file("--json", job);  // a job file that looks like an option
  const std::string inOther = "\"folder\": \"" + other + "/\"";
  struct Row {
    const char* name;
    std::string arguments;
    int status;
    std::string out;  // found in standard output; "" when it must be empty
    std::string err;  // how standard error starts; "" when it must be empty
  } rows[] = {
      {"separate_value", "preview job.json --folder other --json", 0, inOther, ""},
      {"equals_form", "preview job.json --folder=other --json", 0, inOther, ""},
      {"options_before_the_command", "--json --folder other preview job.json", 0, inOther, ""},
      {"option_between_command_and_job_file", "preview --folder=other job.json", 0, "b.txt -> b.md",
       ""},
      {"option_after_job_file", "preview job.json --json", 0, "\"old\": \"a.txt\"", ""},
      {"unique_prefix_of_an_option", "preview job.json --fold other", 0, "b.txt -> b.md", ""},
      {"double_dash_ends_options", "preview -- --json", 0, "a.txt -> a.md", ""},
      {"short_help", "-h", 0, "usage:", ""},
      {"long_help", "--help", 0, "usage:", ""},
      {"short_version", "-V", 0, std::string("quillon-cli ") + QUILLON_VERSION + "\n", ""},
      {"long_version", "--version", 0, std::string("quillon-cli ") + QUILLON_VERSION + "\n", ""},
      {"command_help_after_job_file", "run job.json --help", 0, "--unselect-conflicts", ""},
      {"short_help_before_the_command", "-h undo", 0, "usage: quillon-cli undo", ""},
      {"missing_argument", "preview job.json --folder", 2, "",
       "quillon-cli: option '--folder' requires an argument\n"},
      {"unknown_option", "preview job.json --colour", 2, "",
       "quillon-cli: unrecognized option '--colour'\n"},
      {"unknown_short_option", "preview -x job.json", 2, "",
       "quillon-cli: invalid option -- 'x'\n"},
      {"value_for_a_flag", "preview job.json --json=yes", 2, "",
       "quillon-cli: option '--json' doesn't allow an argument\n"},
      {"option_of_another_command", "undo --save-job x.json", 2, "",
       "quillon-cli: option '--save-job' is not an option of undo\n"},
      {"option_of_another_command_before_it", "--unselect-conflicts preview job.json", 2, "",
       "quillon-cli: option '--unselect-conflicts' is not an option of preview\n"},
      {"missing_command", "", 2, "", "quillon-cli: missing command\n"},
      {"unknown_command", "frobnicate", 2, "", "quillon-cli: unknown command 'frobnicate'\n"},
      {"job_file_taken_for_the_command", "job.json preview", 2, "",
       "quillon-cli: unknown command 'job.json'\n"},
      {"missing_job_file", "preview --json", 2, "", "quillon-cli: preview needs a job file\n"},
      {"second_job_file", "preview job.json job.json", 2, "",
       "quillon-cli: unexpected argument 'job.json'\n"},
      {"undo_takes_no_job_file", "undo job.json", 2, "",
       "quillon-cli: unexpected argument 'job.json'\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const CliResult result = RunCli(dir.path(), row.arguments);
    EXPECT_EQ(result.status, row.status) << result.err;
    if (row.out.empty()) {
      EXPECT_EQ(result.out, "");
    } else {
      EXPECT_NE(result.out.find(row.out), std::string::npos) << result.out;
    }
    if (row.err.empty()) {
      EXPECT_EQ(result.err, "");
    } else {
      EXPECT_EQ(result.err.rfind(row.err, 0), 0u) << result.err;
      EXPECT_NE(result.err.find("usage:"), std::string::npos) << result.err;
    }
  }
  EXPECT_TRUE(dir.exists("work/a.txt"));
  EXPECT_FALSE(dir.exists("x.json"));
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

// As other tools in a pipeline: "-" and /dev/stdin read standard input, a FIFO or a
// device is read as it comes, and no more than the cap and one byte is ever taken.
TEST_F(CliTest, TheJobIsReadFromStandardInputPipesAndDevices) {
  dir.file("work/a.txt");
  dir.file("job.json", RenameJob({{"ExtText", "md"}}).dump());
  ASSERT_EQ(::mkfifo((dir / "fifo.json").c_str(), 0600), 0);
  const std::string tooLarge = "quillon-cli: (standard input): larger than 64 MiB (67108864 bytes)";
  struct Row {
    const char* name;
    std::string input;
    std::string arguments;
    int status;
    std::string out;  // all of standard output
    std::string err;  // how standard error starts ("" when it must be empty)
  } rows[] = {
      {"dash_redirected", "", "preview - < job.json", 0, "a.txt -> a.md\n", ""},
      {"dash_from_a_pipe", "cat job.json |", "preview -", 0, "a.txt -> a.md\n", ""},
      {"dash_after_the_options", "cat job.json |", "preview --folder work -- -", 0,
       "a.txt -> a.md\n", ""},
      {"dev_stdin_redirected", "", "preview /dev/stdin < job.json", 0, "a.txt -> a.md\n", ""},
      {"dev_stdin_from_a_pipe", "cat job.json |", "preview /dev/stdin", 0, "a.txt -> a.md\n", ""},
      {"fifo_with_a_writer", "timeout 20 sh -c 'cat job.json > fifo.json' &", "preview fifo.json",
       0, "a.txt -> a.md\n", ""},
      {"empty_input", "", "preview -", 2, "", "quillon-cli: (standard input):1:1: not valid JSON"},
      {"too_large_from_a_pipe", "head -c 67108865 /dev/zero |", "preview -", 2, "", tooLarge},
      {"at_the_cap_is_read", "head -c 67108864 /dev/zero |", "preview -", 2, "",
       "quillon-cli: (standard input):1:1: not valid JSON"},
      {"endless_device", "", "preview /dev/zero", 2, "",
       "quillon-cli: /dev/zero: larger than 64 MiB (67108864 bytes)"},
      {"folder", "", "preview work", 2, "", "quillon-cli: work: " + std::string(strerror(EISDIR))},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const CliResult result = RunCli(dir.path(), row.arguments, row.input);
    EXPECT_EQ(result.status, row.status) << result.err;
    EXPECT_EQ(result.out, row.out);
    if (row.err.empty()) {
      EXPECT_EQ(result.err, "");
    } else {
      EXPECT_EQ(result.err.rfind(row.err, 0), 0u) << result.err;
    }
  }
  EXPECT_TRUE(dir.exists("work/a.txt"));
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

// Camera names by a pattern with a group: a name without a match is "not possible" by
// default, left as it is without the Replace flag; undo puts every name back.
TEST_F(CliTest, APatternWithGroupsRenamesAndIsUndone) {
  for (const char* name : {"IMG_0001.JPG", "IMG_0002.JPG", "notes.txt"}) {
    dir.file("work/" + std::string(name));
  }
  json job = RenameJob({{"ReplacePlace", "ReplacePattern"},
                        {"ReplacePattern", "^IMG_(\\d+)$"},
                        {"ReplaceWith", "Holiday $1"}});
  job["selection"] = {{"SelectionMode", "All"}};
  EXPECT_EQ(Job("preview", job).status, 1);
  job["options"] = {{"ReplaceRigid", false}};
  const CliResult run = Job("run", job, "--journal j.json");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const auto names = [this] {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(work)) {
      found.push_back(entry.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  };
  EXPECT_EQ(names(),
            (std::vector<std::string>{"Holiday 0001.JPG", "Holiday 0002.JPG", "notes.txt"}));
  ASSERT_EQ(RunCli(dir.path(), "undo --journal j.json").status, 0);
  EXPECT_EQ(names(), (std::vector<std::string>{"IMG_0001.JPG", "IMG_0002.JPG", "notes.txt"}));
}

// Camera files named by the date they were taken, a file without EXIF by its
// modification time, in the time zone the program runs in; undo puts the names back.
TEST_F(CliTest, PhotosAreNamedByTheDateTakenAndUndone) {
  testing::WritePhoto(dir / "work/IMG_0001.JPG", "2024:07:14 09:30:05");
  testing::WritePhoto(dir / "work/IMG_0002.JPG", "2024:07:14 09:31:00");
  testing::WritePhoto(dir / "work/IMG_0003.JPG", nullptr);
  const struct timespec modified[2] = {{0, UTIME_OMIT}, {1'700'000'000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "work/IMG_0003.JPG").c_str(), modified, 0), 0);
  json job = RenameJob({{"DatePlace", "DateAfterNumChars"},
                        {"DateSource", "Taken, else Modified"},
                        {"DateFormat", "YYYYMMDD_HHMMSS"},
                        {"ReplacePlace", "ReplaceAString"},
                        {"ReplaceString", "IMG_"},
                        {"ReplaceWith", "_"}});
  job["selection"] = {{"SelectionMode", "All"}};
  dir.file("job.json", job.dump());
  const CliResult preview = RunCli(dir.path(), "preview job.json --json", "", "TZ=UTC");
  ASSERT_EQ(preview.status, 0) << preview.out << preview.err;
  const json out = preview.parsed();
  EXPECT_EQ(out["rows"][0]["new"], "20240714_093005_0001.JPG");
  EXPECT_EQ(out["rows"][1]["new"], "20240714_093100_0002.JPG");
  EXPECT_EQ(out["rows"][2]["new"], "20231114_221320_0003.JPG");
  EXPECT_EQ(out["counters"]["ImpossibleDate"], 0);

  // Nine hours east (a zone given by rule, no zone files needed): another modification
  // time, and the camera's clock as it was.
  const CliResult tokyo = RunCli(dir.path(), "run job.json --journal j.json", "", "TZ=JST-9");
  ASSERT_EQ(tokyo.status, 0) << tokyo.out << tokyo.err;
  for (const char* name :
       {"20240714_093005_0001.JPG", "20240714_093100_0002.JPG", "20231115_071320_0003.JPG"}) {
    EXPECT_TRUE(std::filesystem::exists(dir / "work/" + std::string(name))) << name;
  }
  ASSERT_EQ(RunCli(dir.path(), "undo --journal j.json").status, 0);
  for (const char* name : {"IMG_0001.JPG", "IMG_0002.JPG", "IMG_0003.JPG"}) {
    EXPECT_TRUE(std::filesystem::exists(dir / "work/" + std::string(name))) << name;
  }
}

// With Date off the counters are those a job always had.
TEST_F(CliTest, TheDateCounterAppearsOnlyWithDateOn) {
  dir.file("work/a.txt");
  const json off =
      Job("preview", RenameJob({{"InsertPlace", "InsertAfterNumChars"}, {"InsertText", "x"}}))
          .parsed();
  EXPECT_FALSE(off["counters"].contains("ImpossibleDate"));
  const CliResult on =
      Job("preview", RenameJob({{"DatePlace", "DateAfterAString"}, {"DateAfterString", "zz"}}));
  EXPECT_EQ(on.status, 1);
  EXPECT_EQ(on.parsed()["counters"]["ImpossibleDate"], 1);
  EXPECT_NE(on.parsed()["report"].get<std::string>().find(
                "Number of selection for which Date is not possible is : 1"),
            std::string::npos);
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

// The journal lives in the user's state folder, where the window keeps it too, or where
// --data-folder or QUILLON_DATA_FOLDER say; never in the folder the run starts in.
TEST_F(CliTest, TheDefaultJournalLivesInTheStateFolder) {
  struct Row {
    const char* name;
    std::string arguments;
    std::string environment;
    std::string journal;  // relative to the test's folder
  };
  const Row rows[] = {
      {"home_default", "", "", ".home/.local/state/Quillon/journal.json"},
      {"xdg_state_home", "", "XDG_STATE_HOME='" + dir / "state" + "'",
       "state/Quillon/journal.json"},
      {"relative_xdg_is_ignored", "", "XDG_STATE_HOME=state",
       ".home/.local/state/Quillon/journal.json"},
      {"data_folder_option", "--data-folder '" + dir / "mine" + "'", "", "mine/journal.json"},
      {"data_folder_variable", "", "QUILLON_DATA_FOLDER='" + dir / "theirs" + "'",
       "theirs/journal.json"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    dir.file("work/a.txt");
    dir.file("job.json", RenameJob({{"ExtText", "log"}}).dump());
    const CliResult run = RunCli(dir.path(), "run job.json " + row.arguments, "", row.environment);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(dir.exists(row.journal));
    EXPECT_FALSE(dir.exists("Quillon"));
    const CliResult undo = RunCli(dir.path(), "undo " + row.arguments, "", row.environment);
    EXPECT_EQ(undo.status, 0) << undo.err;
    EXPECT_TRUE(dir.exists("work/a.txt"));
  }
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

// Errors, refusals and failed file operations go to standard error, one line each,
// naming the file where there is one; standard output holds the rows and results, or
// with --json the one object that still carries the error or the refusal.
TEST_F(CliTest, StandardOutputCarriesOnlyRowsAndResults) {
  struct Row {
    const char* name;
    std::function<void()> setUp;
    std::string arguments;
    int status;
    std::string out;     // all of standard output
    std::string err;     // all of standard error
    const char* member;  // what the JSON object holds instead
  } rows[] = {
      {"unreadable_job_file", [] {}, "preview nothing.json", 2, "",
       "quillon-cli: nothing.json: " + std::string(strerror(ENOENT)) + "\n", "error"},
      {"job_file_error", [&] { dir.file("job.json", R"({"colour": 1})"); }, "preview job.json", 2,
       "", "quillon-cli: job.json: colour: unknown key\n", "error"},
      {"refusal", [&] { dir.file("job.json", RenameJob(json::object()).dump()); },
       "preview job.json", 4, "",
       "quillon-cli: Rename Criteria is not set. Set Rename criteria or set right Action to "
       "continue. (MessageNoRenameCriteria)\n",
       "refused"},
      {"conflicts_stop_the_run",
       [&] {
         dir.file("work/b.txt");
         dir.file("job.json", RenameJob({{"ReplacePlace", "ReplaceAString"},
                                         {"ReplaceString", "b"},
                                         {"ReplaceWith", "a"}})
                                  .dump());
       },
       "run job.json", 1, "", "quillon-cli: Conflicts found: nothing was done.\n", "report"},
      {"failed_file_operation",
       [&] {
         dir.file("work/c.txt");
         dir.folder("work/c.md");  // in the way, and no conflict: not in the file list
         dir.file("job.json", RenameJob({{"ExtText", "md"}}).dump());
       },
       "run job.json", 3, "a.txt -> a.md\nc.txt -> c.md\n1 file done.\n",
       "quillon-cli: " + work + "/c.txt -> " + work + "/c.md: " + strerror(EEXIST) +
           " (Bug-Quillon-ActionDoRename)\n",
       "error"},
      {"nothing_to_undo", [] {}, "undo --journal none.json", 4, "",
       "quillon-cli: There is no Action to Undo: no journal at " + dir.path() +
           "/none.json. (MessageNothingToUndo)\n",
       "refused"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    dir.clear();
    work = dir.folder("work");
    dir.file("work/a.txt");
    row.setUp();
    const CliResult asJson = RunCli(dir.path(), row.arguments + " --json");
    EXPECT_EQ(asJson.status, row.status);
    const json object = asJson.parsed();
    ASSERT_TRUE(object.is_object()) << asJson.out;
    EXPECT_TRUE(object.contains(row.member)) << asJson.out;
    EXPECT_EQ(asJson.err, row.err);
    if (row.status == 3) {
      ASSERT_EQ(RunCli(dir.path(), "undo").status, 0);
    }

    const CliResult plain = RunCli(dir.path(), row.arguments);
    EXPECT_EQ(plain.status, row.status);
    if (row.status == 1) {
      // The conflict report is the preview's result: it stays with the rows.
      EXPECT_EQ(plain.out.rfind("a.txt -> a.txt  #$#\nb.txt -> a.txt  #$#\nTotal 2", 0), 0u)
          << plain.out;
    } else {
      EXPECT_EQ(plain.out, row.out);
    }
    EXPECT_EQ(plain.err, row.err);
    EXPECT_EQ(plain.err.find("report it"), std::string::npos);
  }
}

// A folder that refuses writes is reported as the system's refusal, not as a fault of
// the program. Root writes through chmod, so it needs a folder that refuses even root.
TEST_F(CliTest, AFolderThatRefusesWritesIsReportedAsSuch) {
  dir.file("work/a.txt");
  std::string target = dest;
  int refusal = EACCES;
  if (::geteuid() == 0) {
    target.clear();
    for (const char* folder : {"/sys/kernel", "/sys", "/proc/sys"}) {
      const std::string probe = std::string(folder) + "/quillon-probe";
      const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
      if (fd >= 0) {
        ::close(fd);
        ::unlink(probe.c_str());
        continue;
      }
      if (errno == EACCES || errno == EPERM || errno == EROFS) {
        target = folder;
        refusal = errno;
        break;
      }
    }
    if (target.empty()) {
      GTEST_SKIP() << "running as root, where chmod does not stop writes, and none of "
                      "/sys/kernel, /sys, /proc/sys refuses a new file here";
    }
  } else {
    ASSERT_EQ(::chmod(dest.c_str(), 0555), 0);
  }
  const json job = {{"folder", work},
                    {"selection", {{"SelectionMode", "All"}}},
                    {"action", {{"ActionName", "Copy"}, {"DestFolder", target}}}};
  dir.file("job.json", job.dump());
  const CliResult result = RunCli(dir.path(), "run job.json --journal j.json");
  ::chmod(dest.c_str(), 0755);
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.out, "a.txt -> a.txt\n0 files done.\n");
  EXPECT_EQ(result.err, "quillon-cli: " + work + "/a.txt -> " + target +
                            "/a.txt: " + strerror(refusal) + " (Bug-Quillon-ActionDoCopy)\n");
}

TEST_F(CliTest, AJsonSyntaxErrorNamesItsLineAndColumn) {
  struct Row {
    const char* name;
    std::string text;
    std::size_t line, column;
  } rows[] = {
      {"trailing_comma", "{\n  \"folder\": \"x\",\n}", 3, 1},
      {"cut_short", "{\n  \"criteria\": {", 2, 16},
      {"columns_count_characters_not_bytes", "{\"\xc3\xa9t\xc3\xa9\": tru}", 1, 12},
      {"line_break_inside_a_string", "{\"folder\": \"a\nb\"}", 1, 14},
      {"empty", "", 1, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    dir.file("job.json", row.text);
    const CliResult result = RunCli(dir.path(), "preview job.json --json");
    EXPECT_EQ(result.status, 2);
    const json error = result.parsed()["error"];
    EXPECT_EQ(error["line"], row.line) << result.out;
    EXPECT_EQ(error["column"], row.column) << result.out;
    const std::string at = "job.json:" + std::to_string(row.line) + ":" +
                           std::to_string(row.column) + ": not valid JSON: ";
    EXPECT_EQ(result.err.rfind("quillon-cli: " + at, 0), 0u) << result.err;
  }
}

TEST_F(CliTest, EveryJsonObjectSaysItsSchema) {
  dir.file("work/a.txt");
  dir.file("job.json", RenameJob({{"ExtText", "md"}}).dump());
  dir.file("bad.json", "{");
  const char* commands[] = {"preview job.json", "preview bad.json", "run job.json", "undo", "undo"};
  for (const char* command : commands) {
    SCOPED_TRACE(command);
    const CliResult result = RunCli(dir.path(), std::string(command) + " --json");
    EXPECT_EQ(result.parsed()["schema"], 1) << result.out;
  }
}

// Beside the readable form of a name that is not UTF-8 (U+FFFD for its bad bytes), the
// bytes themselves, for a script to find the file by.
TEST_F(CliTest, ANameThatIsNotUtf8ComesWithItsBytes) {
  const std::string folder = dir.folder("w\xff");
  dir.file("w\xff/a\xff.txt");
  dir.file("w\xff/ok.txt");
  json job = RenameJob({{"ExtText", "md"}});
  job.erase("folder");  // a JSON text cannot hold it: it is given by --folder
  dir.file("job.json", job.dump());
  const json oldBytes = {97, 255, 46, 116, 120, 116};
  const json newBytes = {97, 255, 46, 109, 100};
  const std::string here = "--folder '" + folder + "' --json";

  const json preview = RunCli(dir.path(), "preview job.json " + here).parsed();
  ASSERT_EQ(preview["rows"].size(), 2u) << preview;
  EXPECT_EQ(preview["rows"][0]["old"], "a\xef\xbf\xbd.txt");
  EXPECT_EQ(preview["rows"][0]["old_bytes"], oldBytes);
  EXPECT_EQ(preview["rows"][0]["new_bytes"], newBytes);
  EXPECT_FALSE(preview["rows"][1].contains("old_bytes"));  // only where it is needed
  EXPECT_FALSE(preview["rows"][1].contains("new_bytes"));
  json folderBytes = json::array();
  for (const char c : folder + "/") folderBytes.push_back(static_cast<unsigned char>(c));
  EXPECT_EQ(preview["folder_bytes"], folderBytes);

  const json run = RunCli(dir.path(), "run job.json --journal j.json " + here).parsed();
  ASSERT_EQ(run["done"].size(), 2u) << run;
  EXPECT_EQ(run["done"][0]["old_bytes"], oldBytes);
  EXPECT_EQ(run["done"][0]["new_bytes"], newBytes);
  EXPECT_TRUE(dir.exists("w\xff/a\xff.md"));

  const json undo = RunCli(dir.path(), "undo --journal j.json --json").parsed();
  ASSERT_EQ(undo["undone"].size(), 2u) << undo;
  EXPECT_EQ(undo["undone"][0]["old_bytes"], oldBytes);
  EXPECT_TRUE(dir.exists("w\xff/a\xff.txt"));
}

// --save-job replaces the file's content, not what the file is: its permission bits
// stay, and a link stays a link to the file that gets the job.
TEST_F(CliTest, SaveJobKeepsTheFileItReplaces) {
  dir.file("work/a.txt");
  dir.file("job.json", RenameJob({{"ExtText", "md"}}).dump());
  const std::string normal = RunCli(dir.path(), "preview job.json --save-job normal.json").err;
  ASSERT_EQ(normal, "");
  const std::string saved = dir.read("normal.json");
  const auto mode = [&](const std::string& name) {
    struct stat st {};
    return ::stat((dir / name).c_str(), &st) == 0 ? (st.st_mode & 07777) : 0u;
  };
  const mode_t mask = ::umask(0);
  ::umask(mask);
  struct Row {
    const char* name;
    std::function<void()> setUp;
    std::string saveTo;
    std::string written;  // the file that must then hold the job
    unsigned mode;
  } rows[] = {
      {"keeps_mode_600",
       [&] {
         dir.file("tidy.json", "old");
         ::chmod((dir / "tidy.json").c_str(), 0600);
       },
       "tidy.json", "tidy.json", 0600},
      {"writes_through_a_symlink",
       [&] {
         dir.folder("real");
         dir.file("real/job.json", "old");
         ::chmod((dir / "real/job.json").c_str(), 0640);
         ASSERT_EQ(::symlink("real/job.json", (dir / "link.json").c_str()), 0);
       },
       "link.json", "real/job.json", 0640},
      {"new_file_follows_the_umask", [] {}, "new.json", "new.json", 0666 & ~mask},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    row.setUp();
    const CliResult result = RunCli(dir.path(), "preview job.json --save-job " + row.saveTo);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(dir.read(row.written), saved);
    EXPECT_EQ(mode(row.written), row.mode);
  }
  struct stat link {};
  ASSERT_EQ(::lstat((dir / "link.json").c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));

  // A link to nothing is not written through, nor replaced.
  ASSERT_EQ(::symlink("nowhere.json", (dir / "dangling.json").c_str()), 0);
  const CliResult dangling = RunCli(dir.path(), "preview job.json --save-job dangling.json");
  EXPECT_EQ(dangling.status, 2);
  EXPECT_EQ(dangling.err.rfind("quillon-cli: dangling.json: cannot save the job: ", 0), 0u)
      << dangling.err;
  ASSERT_EQ(::lstat((dir / "dangling.json").c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  EXPECT_FALSE(dir.exists("nowhere.json"));
}

}  // namespace
}  // namespace quillon
