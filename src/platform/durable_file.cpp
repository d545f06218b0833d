#include "platform/durable_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace quillon {
namespace {

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// The new name in a folder is on disk only once the folder is synced too.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

DurableFile::~DurableFile() {
  Close();
}

void DurableFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

Status DurableFile::Create(const std::string& path, const std::string& first,
                           const std::string& second) {
  Close();
  path_ = path;
  std::string temp = FolderOf(path) + "/.quillon-write-XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return LastError("create", path);
  auto fail = [&](const char* operation) {
    const OsError error = LastError(operation, path);
    ::close(fd);
    ::unlink(temp.c_str());
    return Status(error);
  };
  ::fchmod(fd, 0600);
  if (!WriteAll(fd, first.data(), first.size()) || !WriteAll(fd, second.data(), second.size()))
    return fail("write");
  if (::fsync(fd) != 0) return fail("sync");
  if (std::rename(temp.c_str(), path.c_str()) != 0) return fail("rename");
  SyncFolder(FolderOf(path));
  fd_ = fd;
  end_ = first.size() + second.size();
  return Status::Ok();
}

Status DurableFile::OpenExisting(const std::string& path) {
  Close();
  path_ = path;
  fd_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd_ < 0) return LastError("open", path);
  const off_t end = ::lseek(fd_, 0, SEEK_END);
  if (end < 0) {
    const OsError error = LastError("open", path);
    Close();
    return error;
  }
  end_ = static_cast<std::uint64_t>(end);
  return Status::Ok();
}

Status DurableFile::Append(const std::string& text) {
  if (fd_ < 0) return OsError{EBADF, "write", path_};
  if (!WriteAll(fd_, text.data(), text.size())) {
    const OsError error = LastError("write", path_);
    const auto end = static_cast<off_t>(end_);
    if (::ftruncate(fd_, end) != 0 || ::lseek(fd_, end, SEEK_SET) != end) Close();
    return error;
  }
  end_ += text.size();
  return Status::Ok();
}

Status DurableFile::Sync() {
  if (fd_ < 0) return OsError{EBADF, "sync", path_};
  if (::fdatasync(fd_) != 0) return LastError("sync", path_);
  return Status::Ok();
}

Status DurableFile::PatchAt(std::uint64_t offset, const std::string& bytes, Then then) {
  if (fd_ < 0) return OsError{EBADF, "write", path_};
  const ssize_t n = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
  if (n != static_cast<ssize_t>(bytes.size())) return LastError("write", path_);
  return then == Then::Sync ? Sync() : Status::Ok();
}

}  // namespace quillon
