// The attribute word on real files: ReadOnly in the permission bits, the other bits in
// user.DOSATTRIB in Samba's and Wine's forms.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <cerrno>
#include <functional>

#include <gtest/gtest.h>

#include "platform/posix_file_services.h"
#include "support/disk_probe.h"
#include "support/scratch_mount.h"
#include "support/temp_dir.h"

namespace quillon {
namespace {

using testing::DosAttribOf;
using testing::ModeOf;
using testing::ScratchMount;
using testing::SetDosAttrib;
using testing::TempDir;

// The NDR blob Samba 4 writes: empty hex string, version, level, valid flags, attribute
// word, then the creation time.
std::string SambaBlob(std::uint16_t version, std::uint32_t flags, std::uint32_t word) {
  std::string b(24, '\0');
  b[2] = b[4] = static_cast<char>(version);
  for (int k = 0; k < 4; ++k) {
    b[8 + k] = static_cast<char>((flags >> (8 * k)) & 0xFF);
    b[12 + k] = static_cast<char>((word >> (8 * k)) & 0xFF);
  }
  for (int k = 16; k < 24; ++k) b[k] = static_cast<char>(0xA0 + k);  // creation time
  return b;
}

std::string WordName(std::uint16_t word) {
  std::string name;
  if (word & kAttrReadOnly) name += "R";
  if (word & kAttrHidden) name += "H";
  if (word & kAttrSystem) name += "S";
  if (word & kAttrArchive) name += "A";
  return name.empty() ? "none" : name;
}

TEST(Attributes, EveryWordRoundTripsFromEveryWord) {
  const std::uint16_t bits[] = {kAttrReadOnly, kAttrHidden, kAttrSystem, kAttrArchive};
  std::vector<std::uint16_t> words;
  for (unsigned set = 0; set < 16; ++set) {
    std::uint16_t word = 0;
    for (unsigned k = 0; k < 4; ++k) {
      if (set & (1u << k)) word |= bits[k];
    }
    words.push_back(word);
  }
  PosixFileServices fs;
  TempDir dir;
  for (const std::uint16_t from : words) {
    for (const std::uint16_t to : words) {
      SCOPED_TRACE(WordName(from) + "_to_" + WordName(to));
      const std::string path = dir.file("f");
      ::chmod(path.c_str(), 0644);
      ASSERT_TRUE(fs.SetAttributes(path, from).ok());
      ASSERT_TRUE(fs.SetAttributes(path, to).ok());
      const Result<std::uint16_t> got = fs.GetAttributes(path);
      ASSERT_TRUE(got.ok());
      EXPECT_EQ(*got, to);
      EXPECT_EQ((ModeOf(path) & 0222) == 0, (to & kAttrReadOnly) != 0);
      ::removexattr(path.c_str(), "user.DOSATTRIB");
    }
  }
}

TEST(Attributes, ReadOnlyTakesEveryWriteBitAndGivesTheOwnerWriteBack) {
  struct Row {
    const char* name;
    unsigned before;
    std::uint16_t word;
    int after;
  } rows[] = {
      {"set_on_world_writable", 0666, kAttrReadOnly, 0444},
      {"set_keeps_execute_bits", 0775, kAttrReadOnly, 0555},
      {"clear_gives_owner_write", 0444, 0, 0644},
      {"clear_on_no_access_at_all", 0000, kAttrHidden, 0200},
      {"clear_keeps_setgid", 02550, 0, 02750},
      {"group_writable_is_not_read_only", 0464, 0, 0464},
      {"set_when_already_read_only", 0400, kAttrReadOnly | kAttrArchive, 0400},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    const std::string path = dir.file("f");
    ::chmod(path.c_str(), row.before);
    ASSERT_TRUE(fs.SetAttributes(path, row.word).ok());
    EXPECT_EQ(ModeOf(path), row.after);
  }
}

TEST(Attributes, StoredValueTakesTheFormSambaAndWineRead) {
  struct Row {
    const char* name;
    std::optional<std::string> before;
    std::uint16_t word;
    std::optional<std::string> after;
  } rows[] = {
      {"hidden_on_a_new_file", std::nullopt, kAttrHidden, "0x2"},
      {"read_only_alone_creates_nothing", std::nullopt, kAttrReadOnly, std::nullopt},
      {"no_bits_creates_nothing", std::nullopt, 0, std::nullopt},
      {"all_bits_mirror_read_only_too", std::nullopt, 0x27, "0x27"},
      // An existing value is kept at "0x0" rather than removed.
      {"clearing_keeps_the_value_as_0x0", "0x22", 0, "0x0"},
      {"other_bits_of_the_word_stay", "0x120", kAttrHidden, "0x102"},
      {"nul_tail_is_rewritten", std::string("0x2\0junk", 8), kAttrSystem, "0x4"},
      {"unchanged_value_not_rewritten", "0x02", kAttrHidden, "0x02"},
      {"samba_patched_in_place", SambaBlob(5, 0x11, 0x120), kAttrHidden | kAttrSystem,
       SambaBlob(5, 0x11, 0x106)},
      {"samba_flag_set_when_patched", SambaBlob(3, 0x0, 0x20), kAttrHidden, SambaBlob(3, 0x1, 0x2)},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    const std::string path = dir.file("f");
    if (row.before) {
      ASSERT_TRUE(SetDosAttrib(path, *row.before));
    }
    ASSERT_TRUE(fs.SetAttributes(path, row.word).ok());
    EXPECT_EQ(DosAttribOf(path), row.after);
  }
}

TEST(Attributes, StoredFormsAreRead) {
  struct Row {
    const char* name;
    std::string stored;
    std::uint16_t word;
  } rows[] = {
      {"ascii_hidden", "0x2", kAttrHidden},
      {"ascii_capital_hex_other_bits_dropped", "0x2E", kAttrHidden | kAttrSystem | kAttrArchive},
      {"ascii_up_to_the_nul",
       std::string("0x20\0"
                   "0x2",
                   7),
       kAttrArchive},
      {"ascii_read_only_bit_comes_from_the_mode", "0x1", 0},
      {"samba_v5_archive", SambaBlob(5, 0x11, 0x20), kAttrArchive},
      {"samba_v4_hidden_system", SambaBlob(4, 0x1, 0x6), kAttrHidden | kAttrSystem},
      {"samba_attrib_not_valid", SambaBlob(5, 0x10, 0x6), 0},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    const std::string path = dir.file("f");
    ASSERT_TRUE(SetDosAttrib(path, row.stored));
    const Result<std::uint16_t> got = fs.GetAttributes(path);
    ASSERT_TRUE(got.ok());
    EXPECT_EQ(*got, row.word);
  }
}

TEST(Attributes, UnknownValueIsReportedAndNeverOverwritten) {
  const std::string rows[][2] = {
      {"text", "hidden"},
      {"bad_hex", "0xZZ"},
      {"no_digits", "0x"},
      {"too_many_digits", "0x123456789"},
      {"hex_then_text", "0x2 "},
      {"samba_unknown_version", SambaBlob(9, 0x1, 0x2)},
      {"short_binary", std::string("\0\0\5\0\5\0", 6)},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row[0]);
    TempDir dir;
    const std::string path = dir.file("f");
    ::chmod(path.c_str(), 0644);
    ASSERT_TRUE(SetDosAttrib(path, row[1]));
    EXPECT_EQ(fs.GetAttributes(path).code(), EINVAL);
    EXPECT_EQ(fs.SetAttributes(path, kAttrReadOnly | kAttrHidden).code(), EINVAL);
    EXPECT_EQ(DosAttribOf(path), std::optional<std::string>(row[1]));
    EXPECT_EQ(ModeOf(path), 0644);
  }
}

TEST(Attributes, WithoutUserXattrsSettingBitsFailsAndClearingWorks) {
  ScratchMount ramfs("ramfs", "mode=0755");
  if (!ramfs.mounted()) GTEST_SKIP() << ramfs.reason();
  const std::string path = ramfs / "f";
  ::close(::open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
  PosixFileServices fs;
  struct Row {
    const char* name;
    std::uint16_t word;
    int code;
    int mode;
  } rows[] = {
      {"hidden_fails", kAttrHidden, ENOTSUP, 0644},
      {"read_only_and_archive_fail_whole", kAttrReadOnly | kAttrArchive, ENOTSUP, 0644},
      {"read_only_alone_works", kAttrReadOnly, 0, 0444},
      {"clearing_works", 0, 0, 0644},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fs.SetAttributes(path, row.word).code(), row.code);
    EXPECT_EQ(ModeOf(path), row.mode);
    EXPECT_EQ(fs.GetAttributes(path).code(), 0);
  }
}

TEST(RawAttributes, RestoreGivesBackTheExactModeAndBytes) {
  struct Row {
    const char* name;
    unsigned mode;
    std::optional<std::string> stored;
  } rows[] = {
      {"no_xattr", 0640, std::nullopt},
      {"ascii", 0444, "0x22"},
      {"samba_binary", 0600, SambaBlob(5, 0x11, 0x20)},
      {"unknown_bytes_too", 0755, std::string("\xFF\x00weird", 7)},
      {"setuid_and_no_access", 04000, "0x0"},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    const std::string path = dir.file("f");
    if (row.stored) {
      ASSERT_TRUE(SetDosAttrib(path, *row.stored));
    }
    ::chmod(path.c_str(), row.mode);
    const Result<RawAttributes> saved = fs.SaveRawAttributes(path);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved->mode, row.mode);
    EXPECT_EQ(saved->hasDosAttrib, row.stored.has_value());

    // Change both, the way a job would, then undo.
    ::chmod(path.c_str(), 0777);
    SetDosAttrib(path, "0x7");
    ASSERT_TRUE(fs.RestoreRawAttributes(path, *saved).ok());
    EXPECT_EQ(ModeOf(path), static_cast<int>(row.mode));
    EXPECT_EQ(DosAttribOf(path), row.stored);
  }
}

// Runs fn in a child process as user nobody; returns its exit status (an errno, 0 = ok).
int AsNobody(const std::function<int()>& fn) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(255);
    ::_exit(fn());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 254;
}

// User xattrs need write permission on the file, even for its owner: the order of the
// chmod and the xattr write decides whether an owner who is not root succeeds.
TEST(Attributes, AnOwnerWhoIsNotRootChangesReadOnlyFilesBothWays) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  struct Row {
    const char* name;
    std::uint16_t from, to;
  } rows[] = {
      {"hidden_to_read_only_system", kAttrHidden, kAttrReadOnly | kAttrSystem},
      {"read_only_hidden_to_archive", kAttrReadOnly | kAttrHidden, kAttrArchive},
      {"read_only_to_read_only_hidden", kAttrReadOnly, kAttrReadOnly | kAttrHidden},
      {"read_only_hidden_to_none", kAttrReadOnly | kAttrHidden, 0},
  };
  PosixFileServices fs;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TempDir dir;
    ::chmod(dir.path().c_str(), 0755);
    const std::string path = dir.file("f");
    ::chmod(path.c_str(), 0644);
    ASSERT_TRUE(fs.SetAttributes(path, row.from).ok());
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    const Result<RawAttributes> saved = fs.SaveRawAttributes(path);
    ASSERT_TRUE(saved.ok());

    EXPECT_EQ(AsNobody([&] { return fs.SetAttributes(path, row.to).code(); }), 0);
    EXPECT_EQ(fs.GetAttributes(path).value(), row.to);
    EXPECT_EQ(AsNobody([&] { return fs.RestoreRawAttributes(path, *saved).code(); }), 0);
    EXPECT_EQ(fs.GetAttributes(path).value(), row.from);
  }
}

}  // namespace
}  // namespace quillon
