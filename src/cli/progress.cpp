#include "cli/progress.h"

#include <cstdio>

namespace quillon::cli {
namespace {

std::string Grouped(std::uint64_t number) {
  const std::string digits = std::to_string(number);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped.push_back(',');
    grouped.push_back(digits[i]);
  }
  return grouped;
}

std::string Bytes(std::uint64_t bytes) {
  const char* units[] = {"B", "KB", "MB", "GB", "TB"};
  double value = static_cast<double>(bytes);
  int unit = 0;
  while (value >= 1000 && unit < 4) {
    value /= 1000;
    ++unit;
  }
  char text[32];
  if (unit == 0) {
    std::snprintf(text, sizeof text, "%llu B", static_cast<unsigned long long>(bytes));
  } else {
    std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
  }
  return text;
}

}  // namespace

std::string ProgressLine(std::uint64_t done, std::uint64_t total,
                         std::optional<std::pair<std::uint64_t, std::uint64_t>> bytes) {
  std::string line = Grouped(done) + " of " + Grouped(total) + (total == 1 ? " file" : " files");
  if (bytes) line += ", " + Bytes(bytes->first) + " of " + Bytes(bytes->second);
  return line;
}

void TerminalProgress::SetRowBytes(std::vector<std::uint64_t> sizes) {
  prefixBytes_.assign(sizes.size() + 1, 0);
  for (std::size_t i = 0; i < sizes.size(); ++i) prefixBytes_[i + 1] = prefixBytes_[i] + sizes[i];
}

void TerminalProgress::Update(std::uint64_t done, std::uint64_t total) {
  if (!on_) return;
  const auto now = clock_();
  if (!last_) {
    last_ = now;
    return;
  }
  if (now - *last_ < std::chrono::milliseconds(100)) return;
  last_ = now;
  std::optional<std::pair<std::uint64_t, std::uint64_t>> bytes;
  if (!prefixBytes_.empty()) {
    const std::size_t i = std::min<std::size_t>(done, prefixBytes_.size() - 1);
    bytes = std::make_pair(prefixBytes_[i], prefixBytes_.back());
  }
  // Carriage return, the line, then erase what a longer line left to the right.
  out_ << '\r' << ProgressLine(done, total, bytes) << "\x1b[K" << std::flush;
  written_ = true;
}

void TerminalProgress::Finish() {
  if (!written_) return;
  out_ << "\r\x1b[K" << std::flush;
  written_ = false;
}

}  // namespace quillon::cli
