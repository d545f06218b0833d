// The actions that keep the names: copy, move, delete and set the attribute word. Each
// works inside the folders it opened at its start.
#include <array>
#include <cerrno>
#include <string>

#include "actions/do_action.h"
#include "actions/file_walk.h"
#include "actions/pending_sources.h"

namespace quillon {

std::optional<std::uint16_t> AttributeValue(std::int16_t attributeIndex) {
  static constexpr std::array<std::uint16_t, 6> kValues{0,           0,           kAttrReadOnly,
                                                        kAttrHidden, kAttrSystem, kAttrArchive};
  if (attributeIndex < 1 || attributeIndex > 5) return std::nullopt;
  return kValues[static_cast<std::size_t>(attributeIndex)];
}

// A file gone since the preview is skipped: opening it for the copy says so.
void DoCopy(Session& s, UserInterface& ui) {
  const FolderHandle work = s.files.OpenFolder(s.state.WorkFolder);
  const FolderHandle dest = s.files.OpenFolder(s.state.ActionDestFolder);
  WalkStoreRows(
      s, ui, work, "Bug-Quillon-ActionDoCopy", kProgressEveryCopy,
      [&](std::size_t i, const std::string& oldName, const std::string&) {
        KeptFile kept;
        const auto copied = CopyKeepingReplaced(s, i, work, oldName, dest, oldName, kept);
        if (!copied) return copied.status();
        JournalCopyRow(s, oldName, oldName, *copied, kept.name, kept.identity);
        return Status::Ok();
      },
      MissingFiles::CallAnswers);
}

// MoveFile never overwrites and works across file systems. There a source goes only
// once its copy is on the disk, a batch of files at a time.
void DoMove(Session& s, UserInterface& ui) {
  const FolderHandle work = s.files.OpenFolder(s.state.WorkFolder);
  const FolderHandle dest = s.files.OpenFolder(s.state.ActionDestFolder);
  PendingSources pending(s, work, dest);
  const bool walked = WalkStoreRows(
      s, ui, work, "Bug-Quillon-ActionDoMove", kProgressEveryCopy,
      [&](std::size_t, const std::string& oldName, const std::string&) {
        if (pending.Due()) {
          if (Status settled = pending.Settle(); !settled) return settled;
        }
        const auto moved = s.files.MoveAt(work, oldName, dest, oldName, SourceAfterCopy::Keep);
        if (!moved) return moved.status();
        RowIds ids;
        if (moved->copied) {
          ids.made = moved->made;
          ids.beside = moved->source;
          pending.Add(oldName, moved->source);
        } else if (const auto there = s.files.IdentifyAt(dest, oldName); there.ok()) {
          ids.made = *there;
        }
        JournalKnownRow(s, oldName, oldName, ids);
        return Status::Ok();
      });
  const Status settled = pending.Settle();
  if (walked && !settled) ReportFailure(s, ui, "Bug-Quillon-ActionDoMove", settled.error());
}

// Read-only files go too; nothing is journaled.
void DoDelete(Session& s, UserInterface& ui) {
  const FolderHandle work = s.files.OpenFolder(s.state.WorkFolder);
  WalkStoreRows(s, ui, work, "Bug-Quillon-ActionDoDelete", kProgressEvery,
                [&](std::size_t, const std::string& oldName, const std::string&) {
                  return s.files.DeleteAt(work, oldName);
                });
}

// Journals the word it replaced, as decimal text, and the exact raw attributes so that
// Undo can put back the mode and the stored bytes as they were. A link is refused: it
// has no attributes of its own, and setting them would change the file it points to.
void DoSetAttribute(Session& s, UserInterface& ui) {
  const std::optional<std::uint16_t> value = AttributeValue(s.state.AttributeIndex);
  if (!value) return;
  UndoJournal& j = s.actions.journal;
  const FolderHandle work = s.files.OpenFolder(s.state.WorkFolder);
  WalkStoreRows(s, ui, work, "Bug-Quillon-ActionDoAttribute", kProgressEvery,
                [&](std::size_t, const std::string& oldName, const std::string& oldPath) {
                  const auto id = s.files.IdentifyAt(work, oldName);
                  if (id.ok() && id->link) {
                    return Status(OsError{ELOOP, "set attributes (a link)", oldPath});
                  }
                  const Result<std::uint16_t> word = s.files.GetAttributesAt(work, oldName);
                  if (!word.ok()) return word.status();
                  Result<RawAttributes> raw = s.files.SaveRawAttributesAt(work, oldName);
                  if (Status set = s.files.SetAttributesAt(work, oldName, *value); !set.ok()) {
                    return set;
                  }
                  JournalKnownRow(s, oldName, oldName,
                                  RowIds{id.ok() ? std::optional(*id) : std::nullopt, {}});
                  j.ComboUndoAttr.push_back(std::to_string(*word));
                  j.ComboUndoRawAttr.push_back(raw.ok() ? std::optional(std::move(raw).value())
                                                        : std::nullopt);
                  return Status::Ok();
                });
}

}  // namespace quillon
