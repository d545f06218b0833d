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

// Date for one file at a time: its place in the name, then the file's dates. The folder
// is opened only when Date is on; kept out of the loop's way when it is off.
class DateStep {
 public:
  DateStep(Session& s, UserInterface* ui) : s_(s), ui_(ui), date_(s.rename.criteria) {
    if (date_.active()) folder_.emplace(s.files.OpenFolder(s.state.WorkFolder));
  }
  bool on() const { return folder_.has_value(); }

  // Puts row i's date into `name`; kMark when its place is not there, the file is gone or
  // unreadable, or its time has no form in the format.
  [[gnu::noinline]] Outcome Apply(std::u32string& name, std::size_t i) {
    const SelectionStore& store = s_.selection.store;
    if (i >= store.ComboFile1.size()) return Outcome::kMark;  // no file to take it from
    // The file is read only once its place is found: once per file per run.
    const Cut cut = date_.Place(name);
    if (cut.fit == Fit::kNotPossible) return Outcome::kMark;
    if (cut.fit != Fit::kFits) return Outcome::kDone;
    const Result<FileDates> dates =
        s_.files.DatesAt(*folder_, store.ComboFile1[i], date_.wantsTaken());
    // Reading thousands of photos from a slow card takes a while: the window paints.
    if (ui_ != nullptr && ++read_ % kReadsPerProgress == 0) {
      ui_->ShowProgress(static_cast<int>(i), static_cast<int>(store.size()));
    }
    if (!dates) return Outcome::kMark;
    return date_.Apply(name, cut, dates->taken.value_or(dates->modified));
  }

  void Finish(std::size_t count) {
    if (ui_ != nullptr && read_ >= kReadsPerProgress) {
      ui_->ShowProgress(static_cast<int>(count), static_cast<int>(count));
    }
  }

 private:
  static constexpr std::size_t kReadsPerProgress = 64;
  Session& s_;
  UserInterface* ui_;
  const DateTransform date_;
  std::optional<FolderHandle> folder_;
  std::size_t read_ = 0;
};

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
  // Date comes right after Auto.
  DateStep dates(s, ui);

  // The four lists are parallel; a short one limits the run rather than overrunning.
  const std::size_t count = std::min({store.ComboName.size(), store.ComboDot.size(),
                                      store.ComboExt.size(), store.ComboClearString.size()});
  // Only the extension criterion on: the base names stay as they are, bytes and all.
  const bool baseChanges = c.CaseOn || c.SpaceOn || c.HandleOn || c.AutoOn || dates.on() ||
                           std::any_of(slots.begin(), slots.end(),
                                       [](const Slot& slot) { return slot.transform.active(); });
  std::u32string name;
  std::u32string scratch;
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
    if (dates.on() && !marked && dates.Apply(name, i) == Outcome::kMark) {
      mark(s.rename.ImpossibleDate);
    }

    std::string& out = store.ComboName[i];
    out.clear();
    for (char32_t ch : name) AppendUtf8(out, ch);
  }
  dates.Finish(count);
  s.state.RenamePending = false;
  s.state.CheckPending = true;
}

}  // namespace quillon
