// The actions that keep the names: copy, move, delete and set the attribute word.
#include <array>
#include <cerrno>
#include <string>

#include "actions/do_action.h"
#include "actions/file_walk.h"

namespace quillon {

std::optional<std::uint16_t> AttributeValue(std::int16_t attributeIndex) {
  static constexpr std::array<std::uint16_t, 6> kValues{0,           0,           kAttrReadOnly,
                                                        kAttrHidden, kAttrSystem, kAttrArchive};
  if (attributeIndex < 1 || attributeIndex > 5) return std::nullopt;
  return kValues[static_cast<std::size_t>(attributeIndex)];
}

// A file gone since the preview is skipped: opening it for the copy says so.
void DoCopy(Session& s, UserInterface& ui) {
  const std::string& dest = s.state.ActionDestFolder;
  WalkStoreRows(
      s, ui, "Bug-Quillon-ActionDoCopy", kProgressEveryCopy,
      [&](std::size_t i, const std::string& oldName, const std::string& oldPath) {
        std::string kept;
        const std::string copy = dest + oldName;
        const auto copied = CopyKeepingReplaced(s, i, oldPath, copy, kept);
        if (!copied) return copied.status();
        JournalCopyRow(s, oldName, oldName, *copied, kept);
        return Status::Ok();
      },
      MissingFiles::CallAnswers);
}

// MoveFile never overwrites and works across file systems.
void DoMove(Session& s, UserInterface& ui) {
  const std::string& dest = s.state.ActionDestFolder;
  WalkStoreRows(s, ui, "Bug-Quillon-ActionDoMove", kProgressEveryCopy,
                [&](std::size_t, const std::string& oldName, const std::string& oldPath) {
                  if (Status moved = s.files.MoveFile(oldPath, dest + oldName); !moved.ok()) {
                    return moved;
                  }
                  JournalRow(s, oldName, oldName);
                  return Status::Ok();
                });
}

// Read-only files go too; nothing is journaled.
void DoDelete(Session& s, UserInterface& ui) {
  WalkStoreRows(s, ui, "Bug-Quillon-ActionDoDelete", kProgressEvery,
                [&](std::size_t, const std::string&, const std::string& oldPath) {
                  return s.files.DeleteFile(oldPath);
                });
}

// Journals the word it replaced, as decimal text, and the exact raw attributes so that
// Undo can put back the mode and the stored bytes as they were.
void DoSetAttribute(Session& s, UserInterface& ui) {
  const std::optional<std::uint16_t> value = AttributeValue(s.state.AttributeIndex);
  if (!value) return;
  UndoJournal& j = s.actions.journal;
  WalkStoreRows(s, ui, "Bug-Quillon-ActionDoAttribute", kProgressEvery,
                [&](std::size_t, const std::string& oldName, const std::string& oldPath) {
                  // A link has no attributes of its own; setting them would change the
                  // file it points to, which may lie anywhere.
                  if (const auto id = s.files.Identify(oldPath); id.ok() && id->link) {
                    return Status(OsError{ELOOP, "set attributes (a link)", oldPath});
                  }
                  const Result<std::uint16_t> word = s.files.GetAttributes(oldPath);
                  if (!word.ok()) return word.status();
                  Result<RawAttributes> raw = s.files.SaveRawAttributes(oldPath);
                  if (Status set = s.files.SetAttributes(oldPath, *value); !set.ok()) return set;
                  JournalRow(s, oldName, oldName);
                  j.ComboUndoAttr.push_back(std::to_string(*word));
                  j.ComboUndoRawAttr.push_back(raw.ok() ? std::optional(std::move(raw).value())
                                                        : std::nullopt);
                  return Status::Ok();
                });
}

}  // namespace quillon
