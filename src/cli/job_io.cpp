#include "cli/job_io.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/posix_io.h"

namespace quillon::cli {
namespace {

std::string Size(std::size_t bytes) {
  const std::string exact = std::to_string(bytes) + " bytes";
  if (bytes == 0 || bytes % (std::size_t{1} << 20) != 0) return exact;
  return std::to_string(bytes >> 20) + " MiB (" + exact + ")";
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

Status WriteAll(int fd, const std::string& content, const std::string& path) {
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return LastError("write", path);
    }
    written += static_cast<std::size_t>(n);
  }
  return Status::Ok();
}

// A FIFO or a device takes the text as it is: there is no file to replace.
Status WriteInto(const std::string& path, const std::string& content) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return LastError("write", path);
  posix::Fd closer(fd);
  if (const Status written = WriteAll(fd, content, path); !written) return written;
  if (closer.close() != 0) return LastError("write", path);
  return Status::Ok();
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A temporary file beside `target`, renamed over it once complete; with the permission
// bits and owner of `old` when it replaces a file. Errors name `shown`.
Status ReplaceFile(const std::string& target, const std::string& shown, const std::string& content,
                   const struct stat* old) {
  std::string temp = FolderOf(target) + "/.quillon-write-XXXXXX";
  const int raw = ::mkstemp(temp.data());
  if (raw < 0) return LastError("write", shown);
  posix::Fd fd(raw);
  const auto fail = [&](const char* operation) {
    OsError error = LastError(operation, shown);
    ::unlink(temp.c_str());
    return Status(error);
  };
  if (old != nullptr && (old->st_uid != ::geteuid() || old->st_gid != ::getegid())) {
    // Only root may give a file away; a group of one's own will do otherwise.
    if (::fchown(raw, old->st_uid, old->st_gid) != 0 &&
        ::fchown(raw, static_cast<uid_t>(-1), old->st_gid) != 0) {
      // The file is the writer's own then, as an editor would leave it.
    }
  }
  // After the owner: a change of owner clears the set-id bits.
  const mode_t mode = old != nullptr ? (old->st_mode & 07777) : NewFileMode();
  if (::fchmod(raw, mode) != 0) return fail("write");
  if (const Status written = WriteAll(raw, content, shown); !written) {
    ::unlink(temp.c_str());
    return written;
  }
  if (::fsync(raw) != 0) return fail("write");
  if (fd.close() != 0) return fail("write");
  if (std::rename(temp.c_str(), target.c_str()) != 0) return fail("write");
  return Status::Ok();
}

}  // namespace

std::string JobFileName(const std::string& path) {
  return path == "-" ? "(standard input)" : path;
}

Result<std::string> ReadJobText(const std::string& path, std::size_t maxBytes) {
  const bool input = path == "-";
  const std::string name = JobFileName(path);
  // No O_NONBLOCK: a FIFO waits for its writer, as it does for cat.
  const int fd = input ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return LastError("open", name);
  posix::Fd closer(input ? -1 : fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0) return LastError("read", name);
  if (S_ISDIR(st.st_mode)) return OsError{EISDIR, "read", name};
  const auto tooLarge = [&] {
    return OsError{EFBIG, "read", name,
                   "larger than " + Size(maxBytes) + ", the most a job file may hold"};
  };
  // One byte past the limit shows that there is more; a regular file says its size.
  const std::size_t limit = maxBytes + 1;
  std::size_t room = std::size_t{64} << 10;
  if (S_ISREG(st.st_mode)) {
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) return tooLarge();
    room = static_cast<std::size_t>(st.st_size) + 1;
  }
  std::string text(std::min(room, limit), '\0');
  std::size_t filled = 0;
  for (;;) {
    if (filled == text.size()) {
      if (text.size() >= limit) break;
      text.resize(std::min(text.size() * 2, limit));
    }
    const ssize_t n = ::read(fd, text.data() + filled, text.size() - filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      // Standard input may have been left non-blocking by whoever passed it on.
      if (errno == EAGAIN || errno == EWOULDBLOCK) {
        struct pollfd wait {
          fd, POLLIN, 0
        };
        if (::poll(&wait, 1, -1) >= 0 || errno == EINTR) continue;
      }
      return LastError("read", name);
    }
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  if (filled > maxBytes) return tooLarge();
  text.resize(filled);
  return text;
}

Status WriteJobText(const std::string& path, const std::string& content) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return OsError{EISDIR, "write", path};
    if (!S_ISREG(st.st_mode)) return WriteInto(path, content);
    // Through every link to the file itself, so the new file takes its place.
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return LastError("write", path);
    const std::string target = real;
    std::free(real);
    return ReplaceFile(target, path, content, &st);
  }
  if (errno != ENOENT) return LastError("write", path);
  struct stat link {};
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    return OsError{ENOENT, "write", path, "not writing through a dangling symbolic link"};
  }
  return ReplaceFile(path, path, content, nullptr);
}

}  // namespace quillon::cli
