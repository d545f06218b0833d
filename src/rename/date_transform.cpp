#include "rename/date_transform.h"

#include "platform/text.h"
#include "rename/date_stamp.h"

namespace quillon {

DateTransform::DateTransform(const RenameCriteria& c) {
  if (!c.DateOn || !IsDateFormat(c.DateFormat)) return;
  const Form form = FormOf(c.DatePlace, "Date");
  const bool after = form == Form::kAfterNumChars || form == Form::kAfterAString;
  if (!after && form != Form::kBeforeNumChars && form != Form::kBeforeAString) return;
  form_ = form;
  n_ = after ? c.DateAfterNum : c.DateBeforeNum;
  anchor_ = DecodeUtf8(after ? c.DateAfterString : c.DateBeforeString);
  format_ = c.DateFormat;
  taken_ = c.DateSource == "Taken, else Modified";
}

Cut DateTransform::Place(std::u32string_view name) const {
  return FindInsertionPoint(form_, name, n_, anchor_);
}

Outcome DateTransform::Apply(std::u32string& name, const Cut& cut, std::int64_t seconds) const {
  const std::string text = FormatDate(seconds, format_);
  if (text.empty()) return Outcome::kMark;
  name.insert(cut.start, DecodeUtf8(text));
  return Outcome::kDone;
}

}  // namespace quillon
