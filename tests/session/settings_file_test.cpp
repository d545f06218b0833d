#include "session/settings_file.h"

#include <gtest/gtest.h>

#include "platform/posix_file_services.h"
#include "support/fake_environment.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::FakeEnvironment;
using testing::TempDir;

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest() : session(files, env) { s().state.SettingsPath = dir / "Set.Vostrel"; }
  Session& s() { return session; }

  TempDir dir;
  PosixFileServices files;
  FakeEnvironment env;
  Session session;
};

struct LoadRow {
  const char* name;
  std::string content;
  std::int16_t limit;
  bool help;
  bool noUndoWarning;
  std::string lastFolder;
};

TEST_F(SettingsFileTest, LoadReadsEachRecordOrFallsBackToTheFailureValues) {
  const LoadRow rows[] = {
      {"written_by_save", "\"250\"\r\n\"1\"\r\n\"0\"\r\n\"/home/ann/photos\"\r\n", 250, true, false,
       "/home/ann/photos"},
      {"any_other_text_is_true", "\"100\"\r\n\"yes\"\r\n\"no\"\r\n\"\"\r\n", 100, true, true, ""},
      {"empty_first_field_is_100", "\"\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n", 100, false, false, ""},
      {"zero_means_no_limit", "\"0\"\r\n\"0\"\r\n\"1\"\r\n\"/x\"\r\n", 0, false, true, "/x"},
      {"negative_limit", "\"-5\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n", -5, false, false, ""},
      {"only_three_lines", "\"250\"\r\n\"1\"\r\n\"1\"\r\n", 100, false, false, ""},
      {"first_field_not_a_number", "\"abc\"\r\n\"1\"\r\n\"1\"\r\n\"/x\"\r\n", 100, false, false,
       ""},
      {"first_field_beyond_16_bits", "\"32768\"\r\n\"1\"\r\n\"1\"\r\n\"/x\"\r\n", 100, false, false,
       ""},
      {"extra_lines_ignored", "\"7\"\r\n\"0\"\r\n\"1\"\r\n\"/a\"\r\n\"junk\"\r\nmore\r\n", 7, false,
       true, "/a"},
      {"unix_line_ends", "\"7\"\n\"1\"\n\"0\"\n\"/a b\"\n", 7, true, false, "/a b"},
      {"unquoted_fields", "12\r\n1\r\n0\r\n/tmp/x\r\n", 12, true, false, "/tmp/x"},
      {"commas_split_fields", "\"12\",\"1\"\r\n\"0\",\"/p,q\"\r\n", 12, true, false, "/p,q"},
      {"empty_file", "", 100, false, false, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    s().options = Options{};
    s().options.ShowLittleHelp = true;  // must not survive a failed read
    s().options.NoUndoWarning = true;
    dir.file("Set.Vostrel", row.content);
    LoadSettings(s());
    EXPECT_EQ(s().options.MaxSelectLimit, row.limit);
    EXPECT_EQ(s().options.ShowLittleHelp, row.help);
    EXPECT_EQ(s().options.NoUndoWarning, row.noUndoWarning);
    EXPECT_EQ(s().options.LastFolder, row.lastFolder);
  }
}

TEST_F(SettingsFileTest, MissingFileGivesTheFailureValues) {
  s().options.MaxSelectLimit = 5;
  s().options.LastFolder = "/x";
  LoadSettings(s());
  EXPECT_EQ(s().options.MaxSelectLimit, 100);
  EXPECT_EQ(s().options.LastFolder, "");
}

TEST_F(SettingsFileTest, SaveWritesFourQuotedRecordsWithCrLf) {
  s().options.MaxSelectLimit = -3;
  s().options.ShowLittleHelp = true;
  s().options.NoUndoWarning = false;
  s().options.LastFolder = "/home/ann/caf\xC3\xA9";
  SaveSettings(s());
  EXPECT_EQ(dir.read("Set.Vostrel"), "\"-3\"\r\n\"1\"\r\n\"0\"\r\n\"/home/ann/caf\xC3\xA9\"\r\n");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"Set.Vostrel"});  // no temporary left
}

TEST_F(SettingsFileTest, SavedValuesReadBackUnchanged) {
  for (std::int16_t limit : {std::int16_t{-32768}, std::int16_t{0}, std::int16_t{32767}}) {
    s().options.MaxSelectLimit = limit;
    s().options.ShowLittleHelp = limit == 0;
    s().options.NoUndoWarning = limit != 0;
    s().options.LastFolder = "/with space/and,comma";
    SaveSettings(s());
    s().options = Options{};
    LoadSettings(s());
    EXPECT_EQ(s().options.MaxSelectLimit, limit);
    EXPECT_EQ(s().options.ShowLittleHelp, limit == 0);
    EXPECT_EQ(s().options.NoUndoWarning, limit != 0);
    EXPECT_EQ(s().options.LastFolder, "/with space/and,comma");
  }
}

TEST_F(SettingsFileTest, FolderWithAQuoteIsNotRememberedSoTheFileStillReadsBack) {
  s().options.MaxSelectLimit = 9;
  s().options.LastFolder = "/home/ann/\"quoted\"";
  SaveSettings(s());
  EXPECT_EQ(dir.read("Set.Vostrel"), "\"9\"\r\n\"0\"\r\n\"0\"\r\n\"\"\r\n");
  LoadSettings(s());
  EXPECT_EQ(s().options.MaxSelectLimit, 9);
}

TEST_F(SettingsFileTest, SaveReplacesTheOldFileWhole) {
  dir.file("Set.Vostrel", std::string(10000, 'x'));
  s().options.LastFolder = "/a";
  SaveSettings(s());
  EXPECT_EQ(dir.read("Set.Vostrel"), "\"100\"\r\n\"0\"\r\n\"0\"\r\n\"/a\"\r\n");
}

TEST_F(SettingsFileTest, SaveIntoAMissingDataFolderFailsQuietly) {
  s().state.SettingsPath = dir / "missing/Set.Vostrel";
  SaveSettings(s());
  EXPECT_FALSE(dir.exists("missing"));
}

}  // namespace
}  // namespace quillon
