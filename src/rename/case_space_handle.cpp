// The transforms that change every base name the same way: Case, Space and Handle.
#include "platform/text.h"
#include "rename/name_transforms.h"

namespace quillon {

CaseTransform::CaseTransform(const RenameCriteria& c) {
  if (c.CaseChange == "Upper Case") map_ = SimpleUpper;
  if (c.CaseChange == "Lower Case") map_ = SimpleLower;
  if (c.CaseScope == "FileName") scope_ = Scope::kFileName;
  if (c.CaseScope == "FirstLetter") scope_ = Scope::kFirstLetter;
  if (c.CaseScope == "FirstLetterOfWords") scope_ = Scope::kFirstLetterOfWords;
}

void CaseTransform::Apply(std::u32string& name) const {
  if (map_ == nullptr || name.empty()) return;  // "No Change"
  if (scope_ == Scope::kFileName) {
    for (char32_t& c : name) c = map_(c);
  } else if (scope_ == Scope::kFirstLetter) {
    name[0] = map_(name[0]);
  } else if (scope_ == Scope::kFirstLetterOfWords) {
    // A word starts at the first character and after every space; whatever character
    // comes there uses up the word's start, even when it has no case.
    bool wordStart = true;
    for (char32_t& c : name) {
      if (c == U' ') {
        wordStart = true;
      } else if (wordStart) {
        c = map_(c);
        wordStart = false;
      }
    }
  }
}

EveryInstanceTransform EveryInstanceTransform::Space(const RenameCriteria& c) {
  EveryInstanceTransform t;
  t.what_ = U" ";
  t.with_ = DecodeUtf8(c.SpaceWith);
  return t;
}

// The replacement comes from the saved mode; an unknown mode handles nothing.
EveryInstanceTransform EveryInstanceTransform::Handle(const RenameCriteria& c) {
  EveryInstanceTransform t;
  if (c.SavedHandleMode == kHandleChangeAsSpace) {
    t.with_ = U" ";
  } else if (c.SavedHandleMode == kHandleReplaceWith) {
    t.with_ = DecodeUtf8(c.HandleWith);
  } else if (c.SavedHandleMode != kHandleRemove) {
    return t;
  }
  t.what_ = DecodeUtf8(c.HandleThis);
  return t;
}

void EveryInstanceTransform::Apply(std::u32string& name, std::u32string& scratch) const {
  if (what_.empty()) return;
  std::size_t match = name.find(what_);
  if (match == std::u32string::npos) return;
  scratch.clear();
  std::size_t from = 0;
  const std::u32string_view view(name);
  while (match != std::u32string::npos) {
    scratch.append(view.substr(from, match - from));
    scratch.append(with_);
    from = match + what_.size();
    match = view.find(what_, from);
  }
  scratch.append(view.substr(from));
  name.assign(scratch);  // at most one allocation, when the name grows past its buffer
}

}  // namespace quillon
