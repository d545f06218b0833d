// The job file written back in normal form: what the reader accepted, reordered and
// trimmed to what has an effect; and the window's job read back from its session.
#include "jobs/job_write.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "jobs/job_apply.h"
#include "jobs/job_file.h"
#include "jobs/job_open.h"
#include "platform/posix_file_services.h"
#include "support/fake_environment.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace quillon::jobs {
namespace {

using nlohmann::json;

std::string Normal(const std::string& text) {
  std::string error;
  const auto job = ParseJob(text, error);
  EXPECT_TRUE(job) << error;
  if (!job) return "";
  const auto written = WriteJob(*job, error);
  EXPECT_TRUE(written) << error;
  return written.value_or("");
}

// Compact JSON of a normal form, for short expectations (the order of keys is kept).
std::string Compact(const std::string& text) {
  return nlohmann::ordered_json::parse(text).dump();
}

struct NormalCase {
  const char* job;
  const char* normal;
};

TEST(WriteJob, KeepsOnlyWhatHasAnEffectInTheContractsOrder) {
  const NormalCase cases[] = {
      {R"({})", R"({})"},
      // Defaults are left out, sections and keys come in their order.
      {R"({"action": {"ActionName": "Rename", "OverwriteConfirmed": false},
           "options": {"InsertRigid": true, "RemoveRigid": true}})",
       R"({"options":{"RemoveRigid":true}})"},
      {R"({"criteria": {"InsertText": "X", "InsertAfterNum": 3,
                        "InsertPlace": "InsertAfterNumChars"}, "folder": "/p"})",
       R"({"folder":"/p","criteria":{"InsertPlace":"InsertAfterNumChars","InsertText":"X","InsertAfterNum":3}})"},
      // Keys of a place keyword that does not read them change nothing and are dropped.
      {R"({"criteria": {"InsertPlace": "InsertBeforeAString", "InsertText": "-",
                        "InsertAfterNum": 4, "InsertBeforeString": "IMG"}})",
       R"({"criteria":{"InsertPlace":"InsertBeforeAString","InsertText":"-","InsertBeforeString":"IMG"}})"},
      // Date: the source and format default, keys that change nothing are dropped.
      {R"({"criteria": {"DatePlace": "DateAfterNumChars"}})",
       R"({"criteria":{"DatePlace":"DateAfterNumChars","DateSource":"Modified","DateFormat":"YYYY-MM-DD"}})"},
      {R"({"criteria": {"DateFormat": "YYYY", "DateSource": "Modified", "AutoKind": "Number",
                        "AutoPlace": "AutoAfterNumChars", "AutoStartNumber": 1,
                        "DatePlace": "DateAfterAString", "DateAfterString": "IMG_",
                        "DateBeforeNum": 3}})",
       R"({"criteria":{"AutoKind":"Number","AutoPlace":"AutoAfterNumChars","AutoStartNumber":1,"DatePlace":"DateAfterAString","DateAfterString":"IMG_","DateSource":"Modified","DateFormat":"YYYY"}})"},
      {R"({"criteria": {"DateFormat": "YYYY"}})", R"({})"},
      {R"({"criteria": {"HandleThis": "-", "HandleMode": 1}})",
       R"({"criteria":{"HandleThis":"-","HandleMode":1}})"},
      {R"({"criteria": {"HandleThis": "-", "HandleMode": 2, "HandleWith": "_"}})",
       R"({"criteria":{"HandleThis":"-","HandleMode":2,"HandleWith":"_"}})"},
      {R"({"criteria": {"CaseScope": "FileName", "CaseChange": "No Change", "SpaceOn": true}})",
       R"({"criteria":{"CaseScope":"FileName","SpaceOn":true}})"},
      {R"({"criteria": {"AutoKind": "Small Letter", "AutoPlace": "AutoBeforeNumChars",
                        "AutoStartLetters": "AB", "AutoStartNumber": 4}})",
       R"({"criteria":{"AutoKind":"Small Letter","AutoPlace":"AutoBeforeNumChars","AutoStartLetters":"ab"}})"},
      {R"({"criteria": {"RemovePlace": "RemoveCharAfterNumChars", "RemoveNumChars": 2,
                        "RemoveAfterNum": 1, "Priority": ["Remove", "Insert", "Replace"]}})",
       R"({"criteria":{"RemovePlace":"RemoveCharAfterNumChars","RemoveNumChars":2,"RemoveAfterNum":1,"Priority":["Remove","Insert","Replace"]}})"},
      {R"({"selection": {"SelectionMode": "ByExtension", "SelectExtension": "jpg",
                         "MaxSelectLimit": 100, "SelectSkip": 2}})",
       R"({"selection":{"SelectionMode":"ByExtension","SelectSkip":2,"SelectExtension":"jpg"}})"},
      {R"({"selection": {"Files": ["b.txt", "a.txt"]}})",
       R"({"selection":{"Files":["b.txt","a.txt"]}})"},
      {R"({"action": {"ActionName": "Copy", "DestFolder": "/out", "AttributeIndex": 0}})",
       R"({"action":{"ActionName":"Copy","DestFolder":"/out"}})"},
      {R"({"action": {"ActionName": "Set Attribute", "AttributeIndex": 3}})",
       R"({"action":{"ActionName":"Set Attribute","AttributeIndex":3}})"},
  };
  for (const NormalCase& c : cases) {
    const std::string normal = Normal(c.job);
    EXPECT_EQ(Compact(normal), c.normal) << c.job;
    // The normal form is a fixed point.
    EXPECT_EQ(Normal(normal), normal) << c.job;
  }
}

TEST(WriteJob, RefusesANameThatIsNotUtf8AndNamesTheKey) {
  JobSpec job;
  job.Files = {"ok.txt", "caf\xe9.txt"};
  std::string error;
  EXPECT_FALSE(WriteJob(job, error));
  EXPECT_NE(error.find("selection.Files"), std::string::npos) << error;
}

// A session set up by a job gives that job back.
class JobFromSessionTest : public ::testing::Test {
 protected:
  JobFromSessionTest() {
    dir.folder("work");
    for (const char* name : {"IMG 1.jpg", "IMG 2.jpg", "b.txt", "c.jpg"}) {
      dir.file(std::string("work/") + name, "x");
    }
    dir.folder("out");
    env.currentFolder = dir.path();
  }
  std::string RoundTrip(json job) {
    job["folder"] = dir / "work";
    std::string error;
    const auto parsed = ParseJob(job.dump(), error);
    EXPECT_TRUE(parsed) << error;
    Session s(files, env);
    testing::FakeUi ui;
    EXPECT_TRUE(ApplyJob(s, ui, *parsed, error)) << error;
    const auto again = WriteJob(JobFromSession(s), error);
    EXPECT_EQ(again.value_or(""), WriteJob(*parsed, error).value_or("-"));
    return again.value_or("");
  }
  testing::TempDir dir;
  PosixFileServices files;
  testing::FakeEnvironment env;
};

TEST_F(JobFromSessionTest, GivesBackTheJobThatSetItUp) {
  RoundTrip(json::object());
  RoundTrip({{"selection", {{"Files", {"b.txt", "IMG 2.jpg"}}}},  // in list order
             {"criteria",
              {{"SpaceOn", true},
               {"SpaceWith", "_"},
               {"InsertPlace", "InsertAfterNumChars"},
               {"InsertText", "X"},
               {"InsertAfterNum", 3}}}});
  RoundTrip({{"selection", {{"SelectionMode", "ByExtension"}, {"SelectExtension", "jpg"}}},
             {"criteria",
              {{"AutoKind", "Number"},
               {"AutoPlace", "AutoBeforeNumChars"},
               {"AutoStartNumber", 7},
               {"AutoZeroFill", 2},
               {"ReplacePlace", "ReplaceAString"},
               {"ReplaceString", "IMG"},
               {"ReplaceWith", "Photo"},
               {"RemovePlace", "RemoveAString"},
               {"RemoveString", " "},
               {"Priority", {"Remove", "Replace", "Insert"}}}},
             {"options", {{"ReplaceRigid", false}, {"CharRemoveRigid", true}}}});
  RoundTrip({{"selection",
              {{"SelectionMode", "ByNumber"},
               {"SelectNumFiles", 2},
               {"SelectSkip", 1},
               {"MaxSelectLimit", 50}}},
             {"criteria", {{"CaseScope", "FirstLetterOfWords"}, {"CaseChange", "Upper Case"}}},
             {"action", {{"ActionName", "Copy And Rename"}, {"DestFolder", dir / "out" + "/"}}}});
  RoundTrip({{"selection", {{"SelectionMode", "All"}}},
             {"action", {{"ActionName", "Set Attribute"}, {"AttributeIndex", 2}}}});
  RoundTrip({{"criteria",
              {{"DatePlace", "DateAfterNumChars"},
               {"DateSource", "Taken, else Modified"},
               {"DateFormat", "YYYYMMDD_HHMMSS"}}}});
  RoundTrip({{"criteria",
              {{"InsertPlace", "InsertAfterNumChars"},
               {"InsertText", "_"},
               {"DatePlace", "DateBeforeNumChars"},
               {"DateBeforeNum", 4},
               {"DateSource", "Modified"},
               {"DateFormat", "YYYY-MM"}}}});
  RoundTrip({{"criteria",
              {{"DatePlace", "DateBeforeAString"},
               {"DateBeforeString", "IMG"},
               {"DateSource", "Modified"},
               {"DateFormat", "YYYY-MM-DD HH.MM.SS"}}}});
  RoundTrip({{"criteria",
              {{"ReplacePlace", "ReplacePattern"},
               {"ReplacePattern", "IMG_(\\d+)"},
               {"ReplaceWith", "Holiday $1"}}}});
}

// "Open Job..." on a window's session: a bad file changes nothing; a good one sets it up.
class OpenJobTest : public JobFromSessionTest {
 protected:
  OpenJobTest() : s(files, env) {
    s.state.WindowsFolderUpper = "/USR/";
    JobSpec start;
    start.folder = dir / "work";
    ApplyJob(s, ui, start, unused);
  }
  std::string Snapshot() {
    return s.selection.Dir1Path + "|" + WriteJob(JobFromSession(s), unused).value_or("");
  }
  std::string LastMessage() { return ui.messages.empty() ? "" : ui.messages.back().text; }
  Session s;
  testing::FakeUi ui;
  std::string unused;
};

TEST_F(OpenJobTest, AFileThatDoesNotValidateNamesTheKeyAndChangesNothing) {
  const NormalCase cases[] = {
      {R"({"criteria": {"InsertPlace": "Nowhere"}})", "criteria.InsertPlace"},
      {R"({"criteria": {"InsertPlace": "InsertAfterNumChars"}})", "criteria.InsertText"},
      {R"({"selection": {"Files": ["missing.txt"]}})", "selection.Files"},
      {R"({"folder": "/no/such/folder"})", "folder"},
      {R"({"folder": "/usr"})", "system folder"},
      {R"({"action": {"ActionName": "Copy", "DestFolder": "/no/such"}})", "action.DestFolder"},
      {R"([1, 2])", "must be a JSON object"},
      {R"({"criteria": {"ReplacePlace": "ReplacePattern", "ReplacePattern": "IMG_(\\d+",
                        "ReplaceWith": "x"}})",
       "criteria.ReplacePattern: is not a valid pattern: missing closing parenthesis at "
       "character 9"},
      {R"({"criteria": {"ReplacePlace": "ReplacePattern", "ReplacePattern": "a/b",
                        "ReplaceWith": "x"}})",
       "criteria.ReplacePattern: may not hold"},
      {R"({"criteria": {"ReplacePlace": "ReplacePattern", "ReplaceWith": "x"}})",
       "criteria.ReplacePattern: must not be empty"},
      {R"({"criteria": {"DatePlace": "DateAtNoon"}})", "criteria.DatePlace: must be one of"},
      {R"({"criteria": {"DatePlace": "DateAfterNumChars", "DateFormat": "DD.MM.YYYY"}})",
       "criteria.DateFormat: must be one of \"YYYY-MM-DD\""},
      {R"({"criteria": {"DatePlace": "DateAfterNumChars", "DateSource": "Taken"}})",
       "criteria.DateSource: must be one of \"Modified\", \"Taken, else Modified\""},
      {R"({"criteria": {"DatePlace": "DateAfterAString"}})", "criteria.DateAfterString: is needed"},
      {R"({"criteria": {"DatePlace": "DateBeforeNumChars", "DateBeforeNum": 100}})",
       "criteria.DateBeforeNum: must be 0 to 99"},
      {R"({"criteria": {"DatePlace": "DateAfterNumChars", "DateWhen": "now"}})",
       "criteria.DateWhen: unknown key"},
  };
  for (const NormalCase& c : cases) {
    const std::string before = Snapshot();
    dir.file("job.json", c.job);
    ui.messages.clear();
    EXPECT_FALSE(OpenJobFile(s, ui, dir / "job.json")) << c.job;
    EXPECT_NE(LastMessage().find(c.normal), std::string::npos) << LastMessage();
    EXPECT_EQ(Snapshot(), before) << c.job;
  }
  ui.messages.clear();
  EXPECT_FALSE(OpenJobFile(s, ui, dir / "none.json"));
  EXPECT_NE(LastMessage().find("can not be read"), std::string::npos) << LastMessage();
}

TEST_F(OpenJobTest, AGoodFileReplacesWhatTheWindowHadSet) {
  dir.file("first.json", R"({"selection": {"Files": ["b.txt"]},
                             "criteria": {"ExtText": "md", "SpaceOn": true}})");
  ASSERT_TRUE(OpenJobFile(s, ui, dir / "first.json")) << LastMessage();
  dir.folder("other");
  dir.file("other/x y.jpg");
  dir.file("second.json", R"({"folder": "other",
                              "selection": {"SelectionMode": "ByExtension", "SelectExtension": "jpg"},
                              "criteria": {"InsertPlace": "InsertAfterNumChars", "InsertText": "Z"}})");
  ASSERT_TRUE(OpenJobFile(s, ui, dir / "second.json")) << LastMessage();
  EXPECT_EQ(s.selection.Dir1Path, dir / "other");
  EXPECT_EQ(Compact(WriteJob(JobFromSession(s), unused).value_or("{}")),
            R"({"folder":")" + dir / "other" +
                R"(","selection":{"SelectionMode":"ByExtension","SelectExtension":"jpg"},)"
                R"("criteria":{"InsertPlace":"InsertAfterNumChars","InsertText":"Z"}})");
  EXPECT_TRUE(s.state.SelectionMade);
  EXPECT_TRUE(s.state.RenamePending);
}

TEST_F(OpenJobTest, SaveWritesTheNormalFormAndReportsAFolderItCannotWriteTo) {
  dir.file("job.json", R"({"selection": {"Files": ["c.jpg"]}, "criteria": {"ExtText": "png"}})");
  ASSERT_TRUE(OpenJobFile(s, ui, dir / "job.json"));
  ASSERT_TRUE(SaveJobFile(s, ui, dir / "saved.json"));
  EXPECT_EQ(Compact(dir.read("saved.json")),
            R"({"folder":")" + dir / "work" +
                R"(","selection":{"Files":["c.jpg"]},"criteria":{"ExtText":"png"}})");
  ui.messages.clear();
  EXPECT_FALSE(SaveJobFile(s, ui, dir / "no/such/saved.json"));
  EXPECT_NE(LastMessage().find("was not saved"), std::string::npos);
}

}  // namespace
}  // namespace quillon::jobs
