// The attribute word: ReadOnly is the absence of write permission, Hidden/System/Archive
// are kept in user.DOSATTRIB in the forms Samba and Wine read and write; on a FAT file
// system the kernel serves, in the file's own attribute byte.
#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <utility>

#include "platform/posix_file_services.h"
#include "platform/posix_io.h"

namespace quillon {
namespace {

using namespace posix;

constexpr std::uint32_t kDosBits = kAttrHidden | kAttrSystem | kAttrArchive;
// Bits of the stored word we keep in step with the word; others (Samba's directory,
// offline, ...) are left as they are.
constexpr std::uint32_t kStoredBits = kAttrReadOnly | kDosBits;
constexpr unsigned kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

// A file to read or change: the path the calls take (the file itself, or a descriptor's
// /proc name) and the path an error names.
struct Target {
  const std::string& sys;
  const std::string& shown;
};

// The stored value, read. Absent covers a file system without user xattrs.
struct DosAttrib {
  enum class Form { Absent, Ascii, SambaBinary, Unknown } form = Form::Absent;
  std::uint32_t word = 0;
  std::string bytes;
};

// The value of a hex digit, -1 for any other character.
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::uint32_t ReadLe(const std::string& b, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int k = size - 1; k >= 0; --k) {
    value = (value << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(k)]);
  }
  return value;
}

void WriteLe32(std::string& b, std::size_t at, std::uint32_t value) {
  for (std::size_t k = 0; k < 4; ++k) b[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

// Samba 4's binary form (NDR xattr_DOSATTRIB, versions 3 to 5): an empty hex string, the
// version twice, then valid flags at byte 8 and the attribute word at byte 12.
constexpr std::size_t kSambaFlagsAt = 8;
constexpr std::size_t kSambaWordAt = 12;
constexpr std::uint32_t kSambaAttribValid = 1;

bool IsSambaBinary(const std::string& b) {
  if (b.size() < kSambaWordAt + 4 || b[0] != '\0') return false;
  const std::uint32_t version = ReadLe(b, 2, 2);
  return version >= 3 && version <= 5 && ReadLe(b, 4, 2) == version;
}

DosAttrib Decode(std::string bytes) {
  DosAttrib value;
  value.bytes = std::move(bytes);
  const std::string& b = value.bytes;
  value.form = DosAttrib::Form::Unknown;
  if (b.size() > 2 && b[0] == '0' && b[1] == 'x') {
    // Hex up to the first NUL (or the end); anything else in it makes it unknown.
    std::size_t end = b.find('\0');
    if (end == std::string::npos) end = b.size();
    if (end < 3 || end > 10) return value;
    std::uint32_t word = 0;
    for (std::size_t k = 2; k < end; ++k) {
      const int digit = HexValue(b[k]);
      if (digit < 0) return value;
      word = (word << 4) | static_cast<std::uint32_t>(digit);
    }
    value.word = word;
    value.form = DosAttrib::Form::Ascii;
  } else if (IsSambaBinary(b)) {
    value.form = DosAttrib::Form::SambaBinary;
    if (ReadLe(b, kSambaFlagsAt, 4) & kSambaAttribValid) value.word = ReadLe(b, kSambaWordAt, 4);
  }
  return value;
}

// The stored word after setting `word`: ReadOnly is mirrored so that Samba, which reads
// it from here, agrees with the mode; bits we do not manage are kept.
std::uint32_t StoredWord(const DosAttrib& old, std::uint32_t word) {
  return (old.word & ~kStoredBits) | (word & kStoredBits);
}

// The value holding `stored`: the ASCII form rewritten, the binary form patched in place.
// When no Hidden/System/Archive bit is left an existing value becomes "0x0" rather than
// being removed: what another program put there stays, only its bits change.
std::string Encode(const DosAttrib& old, std::uint32_t stored) {
  if (old.form == DosAttrib::Form::SambaBinary) {
    std::string bytes = old.bytes;
    WriteLe32(bytes, kSambaFlagsAt, ReadLe(bytes, kSambaFlagsAt, 4) | kSambaAttribValid);
    WriteLe32(bytes, kSambaWordAt, stored);
    return bytes;
  }
  char text[16];
  const int n = std::snprintf(text, sizeof text, "0x%x", stored);
  return std::string(text, static_cast<std::size_t>(n));
}

// On a FAT file system the kernel's driver serves (vfat, msdos), the attribute byte of the
// file's directory entry, whose bits are the word's own. Elsewhere nullopt.
std::optional<int> OpenOnFat(const Target& path) {
  struct statfs fs {};
  if (::statfs(path.sys.c_str(), &fs) != 0 || fs.f_type != MSDOS_SUPER_MAGIC) return std::nullopt;
  return ::open(path.sys.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
}

// The byte in the ASCII form of user.DOSATTRIB, so that the word, the saved attributes
// of the journal and their restoring take one path for both places.
Result<std::optional<std::string>> ReadFatAttributes(int fd, const Target& path,
                                                     const char* operation) {
  Fd file(fd);
  std::uint32_t bits = 0;
  if (file.get() < 0 || ::ioctl(file.get(), FAT_IOCTL_GET_ATTRIBUTES, &bits) != 0) {
    return LastError(operation, path.shown);
  }
  return std::optional<std::string>(Encode(DosAttrib{}, bits & kStoredBits));
}

Status WriteFatAttributes(int fd, const Target& path, const std::string& bytes,
                          const char* operation) {
  Fd file(fd);
  const DosAttrib value = Decode(bytes);
  if (value.form == DosAttrib::Form::Unknown) return OsError{EINVAL, operation, path.shown};
  std::uint32_t bits = 0;
  if (file.get() < 0 || ::ioctl(file.get(), FAT_IOCTL_GET_ATTRIBUTES, &bits) != 0) {
    return LastError(operation, path.shown);
  }
  // Bits the word does not manage (a directory's, the volume label's) stay.
  bits = (bits & ~kStoredBits) | (value.word & kStoredBits);
  if (::ioctl(file.get(), FAT_IOCTL_SET_ATTRIBUTES, &bits) != 0) {
    return LastError(operation, path.shown);
  }
  return Status::Ok();
}

// user.DOSATTRIB's exact bytes, nullopt when absent or not supported.
Result<std::optional<std::string>> ReadDosAttrib(const Target& path, const char* operation) {
  if (const std::optional<int> fat = OpenOnFat(path)) {
    return ReadFatAttributes(*fat, path, operation);
  }
  for (;;) {
    const ssize_t size = ::getxattr(path.sys.c_str(), kDosAttribName, nullptr, 0);
    if (size < 0) {
      if (errno == ENODATA || errno == ENOTSUP) return std::optional<std::string>();
      return LastError(operation, path.shown);
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    const ssize_t n = ::getxattr(path.sys.c_str(), kDosAttribName, bytes.data(), bytes.size());
    if (n >= 0) {
      bytes.resize(static_cast<std::size_t>(n));
      return std::optional<std::string>(std::move(bytes));
    }
    if (errno != ERANGE) return LastError(operation, path.shown);  // ERANGE: it grew, ask again
  }
}

Result<DosAttrib> ReadDecoded(const Target& path, const char* operation) {
  auto bytes = ReadDosAttrib(path, operation);
  if (!bytes.ok()) return bytes.error();
  if (!bytes->has_value()) return DosAttrib{};
  DosAttrib value = Decode(std::move(**bytes));
  if (value.form == DosAttrib::Form::Unknown) return OsError{EINVAL, operation, path.shown};
  return value;
}

Status WriteDosAttrib(const Target& path, const std::string& bytes, const char* operation) {
  if (const std::optional<int> fat = OpenOnFat(path)) {
    return WriteFatAttributes(*fat, path, bytes, operation);
  }
  if (::setxattr(path.sys.c_str(), kDosAttribName, bytes.data(), bytes.size(), 0) != 0) {
    return LastError(operation, path.shown);
  }
  return Status::Ok();
}

Status Chmod(const Target& path, unsigned mode, const char* operation) {
  if (::chmod(path.sys.c_str(), mode) != 0) return LastError(operation, path.shown);
  return Status::Ok();
}

Result<unsigned> ModeOf(const Target& path, const char* operation) {
  struct stat st {};
  if (!HasNoNul(path.sys)) return OsError{EINVAL, operation, path.shown};
  if (::stat(path.sys.c_str(), &st) != 0) return LastError(operation, path.shown);
  return static_cast<unsigned>(st.st_mode & 07777);
}

// Changes the mode and the xattr in the order that keeps both possible for an owner who
// is not root (user xattrs need write permission): the xattr while the file is writable.
// When the second step fails the first is taken back.
Status ApplyModeAndXattr(const Target& path, unsigned oldMode, unsigned newMode,
                         const std::optional<std::string>& oldBytes,
                         const std::optional<std::string>& newBytes, const char* operation) {
  auto writeXattr = [&](const std::optional<std::string>& bytes) -> Status {
    if (bytes.has_value()) return WriteDosAttrib(path, *bytes, operation);
    if (::removexattr(path.sys.c_str(), kDosAttribName) != 0 && errno != ENODATA &&
        errno != ENOTSUP) {
      return LastError(operation, path.shown);
    }
    return Status::Ok();
  };
  const bool xattrChanges = oldBytes != newBytes;
  if (!xattrChanges) return oldMode == newMode ? Status::Ok() : Chmod(path, newMode, operation);

  if ((oldMode & S_IWUSR) == 0) {
    // Open it up for the xattr, then settle on the new mode.
    if (Status s = Chmod(path, oldMode | S_IWUSR, operation); !s.ok()) return s;
    if (Status s = writeXattr(newBytes); !s.ok()) {
      ::chmod(path.sys.c_str(), oldMode);
      return s;
    }
    return Chmod(path, newMode, operation);
  }
  if (Status s = writeXattr(newBytes); !s.ok()) return s;
  if (oldMode == newMode) return Status::Ok();
  if (Status s = Chmod(path, newMode, operation); !s.ok()) {
    writeXattr(oldBytes);
    return s;
  }
  return Status::Ok();
}

Result<std::uint16_t> GetAttributesOf(const Target& path) {
  const Result<unsigned> mode = ModeOf(path, kOpGetAttributes);
  if (!mode.ok()) return mode.error();
  const Result<DosAttrib> dos = ReadDecoded(path, kOpGetAttributes);
  if (!dos.ok()) return dos.error();
  std::uint16_t word = static_cast<std::uint16_t>(dos->word & kDosBits);
  if ((*mode & kWriteBits) == 0) word |= kAttrReadOnly;
  return word;
}

Status SetAttributesOf(const Target& path, std::uint16_t word) {
  const Result<unsigned> mode = ModeOf(path, kOpSetAttributes);
  if (!mode.ok()) return mode.status();
  // An unknown stored value is never overwritten: the call fails before any change.
  const Result<DosAttrib> dos = ReadDecoded(path, kOpSetAttributes);
  if (!dos.ok()) return dos.status();

  // ReadOnly takes every write bit away; clearing it gives the owner write permission.
  unsigned newMode = *mode;
  const bool readOnly = (*mode & kWriteBits) == 0;
  if ((word & kAttrReadOnly) && !readOnly) newMode &= ~kWriteBits;
  if (!(word & kAttrReadOnly) && readOnly) newMode |= S_IWUSR;

  std::optional<std::string> oldBytes;
  std::optional<std::string> newBytes;
  const std::uint32_t stored = StoredWord(*dos, word);
  if (dos->form != DosAttrib::Form::Absent) {
    oldBytes = dos->bytes;
    newBytes = stored == dos->word ? dos->bytes : Encode(*dos, stored);
  } else if (word & kDosBits) {
    // Absent, or a file system that cannot hold it: then setxattr reports ENOTSUP.
    newBytes = Encode(*dos, stored);
  }
  if (Status applied =
          ApplyModeAndXattr(path, *mode, newMode, oldBytes, newBytes, kOpSetAttributes);
      !applied) {
    return applied;
  }
  // Some file systems take a change of mode without keeping it (exFAT through FUSE): a
  // ReadOnly that did not stick is no success.
  const Result<unsigned> now = ModeOf(path, kOpSetAttributes);
  if (now.ok() && ((*now & kWriteBits) == 0) != ((newMode & kWriteBits) == 0)) {
    return OsError{EOPNOTSUPP, kOpSetAttributes, path.shown,
                   "the file system cannot store this attribute"};
  }
  return Status::Ok();
}

Result<RawAttributes> SaveRawAttributesOf(const Target& path) {
  const Result<unsigned> mode = ModeOf(path, kOpSaveAttributes);
  if (!mode.ok()) return mode.error();
  auto bytes = ReadDosAttrib(path, kOpSaveAttributes);
  if (!bytes.ok()) return bytes.error();
  RawAttributes raw;
  raw.mode = *mode;
  raw.hasDosAttrib = bytes->has_value();
  if (raw.hasDosAttrib) raw.dosAttribBytes = **bytes;
  return raw;
}

Status RestoreRawAttributesOf(const Target& path, const RawAttributes& raw) {
  const Result<unsigned> mode = ModeOf(path, kOpRestoreAttributes);
  if (!mode.ok()) return mode.status();
  auto current = ReadDosAttrib(path, kOpRestoreAttributes);
  if (!current.ok()) return current.status();
  std::optional<std::string> wanted;
  if (raw.hasDosAttrib) wanted = raw.dosAttribBytes;
  return ApplyModeAndXattr(path, *mode, raw.mode & 07777, *current, wanted, kOpRestoreAttributes);
}

// The file `name` of the folder, never through a link: opened as a place only, it is
// read and changed through its descriptor's /proc name, which leads to that very file.
// Without /proc the name in the folder is used, once it is known not to be a link.
template <typename Call>
auto AtFile(const FolderHandle& folder, const std::string& name, const char* operation, Call call)
    -> decltype(call(std::declval<const Target&>())) {
  const std::string shown = folder.path() + name;
  if (!PlainName(name)) return OsError{EINVAL, operation, shown};
  if (folder.fd() < 0) return call(Target{shown, shown});
  Fd file(::openat(folder.fd(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
  if (file.get() < 0) return LastError(operation, shown);
  struct stat st {};
  if (::fstat(file.get(), &st) != 0) return LastError(operation, shown);
  // A link has no attributes of its own; setting them would change the file it points
  // to, which may lie anywhere.
  if (S_ISLNK(st.st_mode)) return OsError{ELOOP, operation, shown};
  const std::string self = "/proc/self/fd/" + std::to_string(file.get());
  if (::access(self.c_str(), F_OK) == 0) return call(Target{self, shown});
  return call(Target{shown, shown});
}

}  // namespace

Result<std::uint16_t> PosixFileServices::GetAttributes(const std::string& path) {
  return GetAttributesOf(Target{path, path});
}

Status PosixFileServices::SetAttributes(const std::string& path, std::uint16_t word) {
  return SetAttributesOf(Target{path, path}, word);
}

Result<RawAttributes> PosixFileServices::SaveRawAttributes(const std::string& path) {
  return SaveRawAttributesOf(Target{path, path});
}

Status PosixFileServices::RestoreRawAttributes(const std::string& path, const RawAttributes& raw) {
  return RestoreRawAttributesOf(Target{path, path}, raw);
}

Result<std::uint16_t> PosixFileServices::GetAttributesAt(const FolderHandle& folder,
                                                         const std::string& name) {
  return AtFile(folder, name, kOpGetAttributes,
                [](const Target& path) { return GetAttributesOf(path); });
}

Status PosixFileServices::SetAttributesAt(const FolderHandle& folder, const std::string& name,
                                          std::uint16_t word) {
  return AtFile(folder, name, kOpSetAttributes,
                [word](const Target& path) { return SetAttributesOf(path, word); });
}

Result<RawAttributes> PosixFileServices::SaveRawAttributesAt(const FolderHandle& folder,
                                                             const std::string& name) {
  return AtFile(folder, name, kOpSaveAttributes,
                [](const Target& path) { return SaveRawAttributesOf(path); });
}

Status PosixFileServices::RestoreRawAttributesAt(const FolderHandle& folder,
                                                 const std::string& name,
                                                 const RawAttributes& raw) {
  return AtFile(folder, name, kOpRestoreAttributes,
                [&raw](const Target& path) { return RestoreRawAttributesOf(path, raw); });
}

}  // namespace quillon
