#pragma once
// Date: puts a file's date, in the chosen format, at its place in the name.
#include <cstdint>
#include <string>

#include "rename/cuts.h"
#include "rename/name_transforms.h"
#include "session/rename_state.h"

namespace quillon {

class DateTransform {
 public:
  explicit DateTransform(const RenameCriteria& c);

  // Whether its place names a form: without one it changes no name.
  bool active() const { return form_ != Form::kNone; }
  // Whether the photo's date taken is wanted (else the modification time alone).
  bool wantsTaken() const { return taken_; }
  // Where the date goes in `name`; asked before the date is read, so that a file whose
  // name has no such place costs no read.
  Cut Place(std::u32string_view name) const;
  // Puts the date at the place `cut` found; kMark when the time has no form in the
  // format (a year outside 1000 to 9999).
  Outcome Apply(std::u32string& name, const Cut& cut, std::int64_t seconds) const;

 private:
  Form form_ = Form::kNone;
  int n_ = 0;
  std::u32string anchor_;
  std::string format_;
  bool taken_ = false;
};

}  // namespace quillon
