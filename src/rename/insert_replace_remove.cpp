// The positional criteria that the user orders by priority: Insert, Replace, Remove.
#include "platform/text.h"
#include "rename/name_transforms.h"

namespace quillon {
namespace {

// Whether the form reads the After fields (number or string) of its criterion.
bool IsAfterForm(Form form) {
  return form == Form::kAfterNumChars || form == Form::kAfterAString ||
         form == Form::kCharAfterNumChars || form == Form::kCharAfterAString;
}

bool IsInsertionForm(Form form) {
  return form == Form::kAfterNumChars || form == Form::kBeforeNumChars ||
         form == Form::kAfterAString || form == Form::kBeforeAString;
}

}  // namespace

PositionalTransform PositionalTransform::Insert(const RenameCriteria& c, const Options& o) {
  PositionalTransform t;
  t.form_ = FormOf(c.InsertPlace, "Insert");
  if (!IsInsertionForm(t.form_)) return t;
  t.kind_ = Kind::kInsert;
  const bool after = IsAfterForm(t.form_);
  t.n_ = after ? c.InsertAfterNum : c.InsertBeforeNum;
  t.anchor_ = DecodeUtf8(after ? c.InsertAfterString : c.InsertBeforeString);
  t.text_ = DecodeUtf8(c.InsertText);
  t.markNotPossible_ = o.InsertRigid;
  return t;
}

PositionalTransform PositionalTransform::Replace(const RenameCriteria& c, const Options& o) {
  PositionalTransform t;
  t.form_ = FormOf(c.ReplacePlace, "Replace");
  t.text_ = DecodeUtf8(c.ReplaceWith);
  if (t.form_ == Form::kFileName) {
    t.kind_ = Kind::kWholeName;
    return t;
  }
  if (t.form_ == Form::kNone) return t;
  if (t.form_ == Form::kPattern) {
    // A pattern the editor or the job file let through is valid; one that is not does
    // nothing rather than guess.
    t.pattern_ = PatternReplace::Compile(c.ReplacePattern, t.text_);
    if (t.pattern_) t.kind_ = Kind::kPattern;
    t.markNotPossible_ = o.ReplaceRigid;
    return t;
  }
  t.kind_ = Kind::kCut;
  const bool after = IsAfterForm(t.form_);
  t.n_ = after ? c.ReplaceAfterNum : c.ReplaceBeforeNum;
  t.count_ = c.ReplaceNumChars;
  t.anchor_ = DecodeUtf8(t.form_ == Form::kAString ? c.ReplaceString
                         : after                   ? c.ReplaceAfterString
                                                   : c.ReplaceBeforeString);
  // An anchor not found or a count beyond the name answers to the Replace flag; too
  // few characters for a Char form to the Char flag.
  t.markNotPossible_ = o.ReplaceRigid;
  t.markShortfall_ = o.CharReplaceRigid;
  return t;
}

PositionalTransform PositionalTransform::Remove(const RenameCriteria& c, const Options& o) {
  PositionalTransform t;
  t.form_ = FormOf(c.RemovePlace, "Remove");
  if (t.form_ == Form::kNone || t.form_ == Form::kFileName) return t;
  t.kind_ = Kind::kCut;
  const bool after = IsAfterForm(t.form_);
  t.n_ = after ? c.RemoveAfterNum : c.RemoveBeforeNum;
  t.count_ = c.RemoveNumChars;
  t.anchor_ = DecodeUtf8(t.form_ == Form::kAString ? c.RemoveString
                         : after                   ? c.RemoveAfterString
                                                   : c.RemoveBeforeString);
  // Every failure of a Char form answers to the Char flag; the All and String forms to
  // the Remove flag.
  t.markNotPossible_ = IsCharForm(t.form_) ? o.CharRemoveRigid : o.RemoveRigid;
  t.markShortfall_ = o.CharRemoveRigid;
  return t;
}

Outcome PositionalTransform::Apply(std::u32string& name) const {
  if (kind_ == Kind::kNone) return Outcome::kDone;
  if (kind_ == Kind::kWholeName) {
    name.assign(text_);
    return Outcome::kDone;
  }
  if (kind_ == Kind::kPattern) {
    // No match is "not possible", as a string not found is.
    return pattern_->Apply(name) || !markNotPossible_ ? Outcome::kDone : Outcome::kMark;
  }
  const Cut cut = kind_ == Kind::kInsert ? FindInsertionPoint(form_, name, n_, anchor_)
                                         : FindCut(form_, name, n_, count_, anchor_);
  switch (cut.fit) {
    case Fit::kFits:
      name.replace(cut.start, cut.length, text_);
      return Outcome::kDone;
    case Fit::kNotPossible:
      // Not marked: the name stays as it is.
      return markNotPossible_ ? Outcome::kMark : Outcome::kDone;
    case Fit::kShortfall:
      if (markShortfall_) return Outcome::kMark;
      name.replace(cut.start, cut.length, text_);
      return Outcome::kDone;
    case Fit::kNothingToDo:
      break;
  }
  return Outcome::kDone;
}

}  // namespace quillon
