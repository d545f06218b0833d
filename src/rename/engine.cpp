#include "rename/engine.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/text.h"
#include "rename/auto_number.h"
#include "rename/date_transform.h"
#include "rename/name_transforms.h"

namespace quillon {
namespace {

// A priority slot: its transform and the counter of the files it marks.
struct Slot {
  PositionalTransform transform;
  std::int16_t RenameState::*counter;
};

std::vector<Slot> PrioritySlots(const RenameCriteria& c, const Options& o) {
  std::vector<Slot> slots;
  const std::string* names[] = {&c.PrioritySlot1, &c.PrioritySlot2, &c.PrioritySlot3};
  const int count = std::clamp<int>(c.PriorityCount, 0, 3);
  for (int k = 0; k < count; ++k) {
    const std::string& name = *names[k];
    if (name == "Insert") {
      slots.push_back({PositionalTransform::Insert(c, o), &RenameState::ImpossibleInsert});
    } else if (name == "Replace") {
      slots.push_back({PositionalTransform::Replace(c, o), &RenameState::ImpossibleReplace});
    } else if (name == "Remove") {
      slots.push_back({PositionalTransform::Remove(c, o), &RenameState::ImpossibleRemove});
    }
  }
  return slots;
}

}  // namespace

// Each file goes through every criterion before the next file does. No criterion looks
// at another file's name, and Auto takes its values in file order either way, so the
// names are exactly those of running each criterion over all files in turn; one name
// is decoded, changed in place and encoded back while it is in cache.
void RunRenameCriteria(Session& s, UserInterface* ui) {
  const RenameCriteria& c = s.rename.criteria;
  SelectionStore& store = s.selection.store;
  const CaseTransform caseTransform(c);
  const auto space = EveryInstanceTransform::Space(c);
  const auto handle = EveryInstanceTransform::Handle(c);
  const std::vector<Slot> slots = PrioritySlots(c, s.options);
  // Auto always comes after Insert, Replace and Remove.
  AutoTransform autoTransform(c);
  // Date comes right after Auto; the folder is opened only when it is on.
  const DateTransform date(c);
  const std::optional<FolderHandle> folder =
      date.active() ? std::optional<FolderHandle>(s.files.OpenFolder(s.state.WorkFolder))
                    : std::nullopt;

  // The four lists are parallel; a short one limits the run rather than overrunning.
  const std::size_t count = std::min({store.ComboName.size(), store.ComboDot.size(),
                                      store.ComboExt.size(), store.ComboClearString.size()});
  // Only the extension criterion on: the base names stay as they are, bytes and all.
  const bool baseChanges = c.CaseOn || c.SpaceOn || c.HandleOn || c.AutoOn || date.active() ||
                           std::any_of(slots.begin(), slots.end(),
                                       [](const Slot& slot) { return slot.transform.active(); });
  std::u32string name;
  std::u32string scratch;
  constexpr std::size_t kDatesPerProgress = 64;
  std::size_t datesRead = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (c.ExtOn) {
      store.ComboExt[i] = c.ExtText;
      // A name without a dot gets one, or the extension would run into the base name.
      if (store.ComboDot[i].empty()) store.ComboDot[i].assign(1, '.');
    }
    if (!baseChanges) continue;
    bool marked = store.ComboClearString[i] == kMarker;
    const auto mark = [&](std::int16_t& counter) {
      ++counter;
      ++s.rename.ImpossibleTotal;
      store.ComboClearString[i] = kMarker;
      marked = true;
    };
    DecodeUtf8Into(store.ComboName[i], name);

    if (c.CaseOn) caseTransform.Apply(name);
    if (c.SpaceOn) space.Apply(name, scratch);
    if (c.HandleOn) handle.Apply(name, scratch);
    for (const Slot& slot : slots) {
      if (marked && !slot.transform.rewritesMarked()) continue;
      if (slot.transform.Apply(name) == Outcome::kMark) mark(s.rename.*slot.counter);
    }
    if (c.AutoOn && !marked && !autoTransform.exhausted()) {
      if (autoTransform.Apply(name) == Outcome::kMark) mark(s.rename.ImpossibleAuto);
    }
    if (folder && i >= store.ComboFile1.size()) {
      mark(s.rename.ImpossibleDate);  // no file to take a date from
    } else if (folder && !marked) {
      // The file's dates are read only once its place is found: once per file per run.
      const Cut cut = date.Place(name);
      if (cut.fit == Fit::kNotPossible) {
        mark(s.rename.ImpossibleDate);
      } else if (cut.fit == Fit::kFits) {
        const Result<FileDates> dates =
            s.files.DatesAt(*folder, store.ComboFile1[i], date.wantsTaken());
        // A file gone or unreadable has no date to give.
        if (!dates ||
            date.Apply(name, cut, dates->taken.value_or(dates->modified)) == Outcome::kMark) {
          mark(s.rename.ImpossibleDate);
        }
        // Reading thousands of photos from a slow card takes a while: the window paints.
        if (ui != nullptr && ++datesRead % kDatesPerProgress == 0) {
          ui->ShowProgress(static_cast<int>(i), static_cast<int>(count));
        }
      }
    }

    std::string& out = store.ComboName[i];
    out.clear();
    for (char32_t ch : name) AppendUtf8(out, ch);
  }
  if (ui != nullptr && datesRead >= kDatesPerProgress) {
    ui->ShowProgress(static_cast<int>(count), static_cast<int>(count));
  }
  s.state.RenamePending = false;
  s.state.CheckPending = true;
}

}  // namespace quillon
