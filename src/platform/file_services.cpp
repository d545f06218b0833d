// The path forms behind the calls by handle, for file services that have no handles.
#include "platform/file_services.h"

#include <cerrno>

#include "platform/photo_date.h"

namespace quillon {

std::string StepName(std::string_view from, std::string_view to) {
  // FNV-1a over both names: short enough for any file system's names.
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  const auto mix = [&hash](std::string_view bytes) {
    for (const char c : bytes) {
      hash ^= static_cast<unsigned char>(c);
      hash *= 0x100000001b3ULL;
    }
  };
  mix(from);
  mix(std::string_view("/", 1));
  mix(to);
  static const char* digits = "0123456789abcdef";
  std::string name = ".quillon-step-";
  for (int shift = 60; shift >= 0; shift -= 4) name.push_back(digits[(hash >> shift) & 15]);
  return name;
}

Result<MoveOutcome> FileServices::MoveAt(const FolderHandle& from, const std::string& fromName,
                                         const FolderHandle& to, const std::string& toName,
                                         SourceAfterCopy after) {
  const std::string source = from.path() + fromName;
  const std::string target = to.path() + toName;
  if (after == SourceAfterCopy::Remove) {
    if (Status moved = MoveFile(source, target); !moved) return moved.error();
    return MoveOutcome{};
  }
  const Status renamed = Rename(source, target);
  if (renamed) return MoveOutcome{};
  if (renamed.code() != EXDEV) return renamed.error();
  const Result<FileIdentity> before = Identify(source);
  if (!before) return before.error();
  const Result<FileIdentity> made = CopyFile(source, target, Overwrite::No);
  if (!made) return made.error();
  return MoveOutcome{true, *made, *before};
}

Result<FileDates> FileServices::DatesAt(const FolderHandle& folder, const std::string& name,
                                        bool taken) {
  const std::string path = folder.path() + name;
  const Result<FileIdentity> id = Identify(path);
  if (!id) return id.error();
  // Whole seconds, rounded down also before 1970.
  const std::int64_t ns = id->mtimeNs;
  FileDates dates{ns / 1'000'000'000 - (ns % 1'000'000'000 < 0 ? 1 : 0), std::nullopt};
  if (taken && (id->regular || id->link)) dates.taken = PhotoTakenTime(path);
  return dates;
}

}  // namespace quillon
