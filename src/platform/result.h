#pragma once
// Errors are values that carry the OS error; nothing in the core throws across layers.
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace quillon {

// A failed operation: the OS error number and what was being done.
struct OsError {
  int code = 0;           // errno value
  std::string operation;  // "rename", "copy", ...
  std::string path;       // the path the operation failed on
  // Said in place of the system's text for `code` where that would mislead ("it belongs
  // to another user" rather than "Operation not permitted").
  std::string reason = {};

  std::string Describe() const {
    std::string text =
        operation + " " + path + ": " + (reason.empty() ? std::strerror(code) : reason);
    return text;
  }
};

// Success or an OsError.
class Status {
 public:
  Status() = default;
  Status(OsError error) : error_(std::move(error)) {}  // NOLINT: implicit by design
  static Status Ok() { return Status(); }

  bool ok() const { return !error_.has_value(); }
  explicit operator bool() const { return ok(); }
  const OsError& error() const { return *error_; }
  int code() const { return error_ ? error_->code : 0; }

 private:
  std::optional<OsError> error_;
};

// A value or an OsError.
template <typename T>
class Result {
 public:
  Result(T value) : data_(std::move(value)) {}        // NOLINT: implicit by design
  Result(OsError error) : data_(std::move(error)) {}  // NOLINT: implicit by design

  bool ok() const { return std::holds_alternative<T>(data_); }
  explicit operator bool() const { return ok(); }
  const T& value() const& { return std::get<T>(data_); }
  T& value() & { return std::get<T>(data_); }
  T&& value() && { return std::get<T>(std::move(data_)); }
  const T& operator*() const& { return value(); }
  const T* operator->() const { return &value(); }
  const OsError& error() const { return std::get<OsError>(data_); }
  int code() const { return ok() ? 0 : error().code; }
  Status status() const { return ok() ? Status::Ok() : Status(error()); }

 private:
  std::variant<T, OsError> data_;
};

// The OsError for the current errno.
inline OsError LastError(std::string operation, std::string path) {
  return OsError{errno, std::move(operation), std::move(path)};
}

}  // namespace quillon
