// The rename engine with criteria and names taken from the input: it never crashes, and
// no new name can leave its folder (no "/" appears that was not typed as text).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "../tests/support/null_file_services.h"
#include "platform/environment.h"
#include "rename/engine.h"
#include "session/session.h"

namespace {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  template <std::size_t N>
  std::string Pick(const char* const (&options)[N]) {
    return options[Byte() % N];
  }
  std::string Text(std::size_t max) {
    const std::size_t n = Byte() % (max + 1);
    std::string out;
    for (std::size_t i = 0; i < n && at_ < size_; ++i) {
      const char c = static_cast<char>(Byte());
      if (c != '/' && c != '\0') out.push_back(c);
    }
    return out;
  }
  std::int16_t Small() { return static_cast<std::int16_t>(Byte() % 40); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

const char* const kInsert[] = {"", "InsertAfterNumChars", "InsertBeforeNumChars",
                               "InsertAfterAString", "InsertBeforeAString"};
const char* const kReplace[] = {"",
                                "ReplaceFileName",
                                "ReplaceAString",
                                "ReplaceAfterNumChars",
                                "ReplaceBeforeNumChars",
                                "ReplaceAfterAString",
                                "ReplaceBeforeAString",
                                "ReplaceCharAfterNumChars",
                                "ReplaceCharBeforeNumChars",
                                "ReplaceCharAfterAString",
                                "ReplaceCharBeforeAString",
                                "ReplacePattern"};
const char* const kRemove[] = {"",
                               "RemoveAString",
                               "RemoveAfterNumChars",
                               "RemoveBeforeNumChars",
                               "RemoveAfterAString",
                               "RemoveBeforeAString",
                               "RemoveCharAfterNumChars",
                               "RemoveCharBeforeNumChars",
                               "RemoveCharAfterAString",
                               "RemoveCharBeforeAString"};
const char* const kAuto[] = {"", "Number", "Capital Letter", "Small Letter"};
const char* const kAutoPlace[] = {"AutoAfterNumChars", "AutoBeforeNumChars", "AutoAfterAString",
                                  "AutoBeforeAString"};
const char* const kDate[] = {"", "DateAfterNumChars", "DateBeforeNumChars", "DateAfterAString",
                             "DateBeforeAString"};
const char* const kDateSource[] = {"Modified", "Taken, else Modified"};
const char* const kDateFormat[] = {
    "YYYY-MM-DD", "YYYYMMDD", "YYYY-MM-DD HH.MM.SS", "YYYYMMDD_HHMMSS", "YYYY-MM", "YYYY", "bogus"};

// Dates from the input, any 64-bit time (far past and future included); some files gone.
class DatedFiles : public quillon::testing::NullFileServices {
 public:
  std::int64_t modified = 0;
  std::int64_t taken = 0;
  quillon::Result<quillon::FileDates> DatesAt(const quillon::FolderHandle&, const std::string& name,
                                              bool wantTaken) override {
    if (name.size() % 5 == 4) return quillon::OsError{2, "read the date of", name};
    quillon::FileDates dates{modified, std::nullopt};
    if (wantTaken && name.size() % 2 == 0) dates.taken = taken;
    return dates;
  }
};

const char* const kScope[] = {"", "FileName", "FirstLetter", "FirstLetterOfWords"};
const char* const kChange[] = {"No Change", "Lower Case", "Upper Case"};
const char* const kPriority[] = {"Insert", "Replace", "Remove"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  DatedFiles files;
  quillon::PosixEnvironment env;
  quillon::Session s(files, env);
  quillon::RenameCriteria& c = s.rename.criteria;
  c.CaseScope = in.Pick(kScope);
  c.CaseOn = !c.CaseScope.empty();
  c.CaseChange = in.Pick(kChange);
  c.ExtText = in.Text(7);
  c.ExtOn = !c.ExtText.empty();
  c.SpaceOn = in.Byte() & 1;
  c.SpaceWith = in.Text(8);
  c.HandleThis = in.Text(4);
  c.HandleOn = !c.HandleThis.empty();
  c.HandleWith = in.Text(8);
  c.SavedHandleMode = static_cast<std::int16_t>(in.Byte() % 3);
  c.InsertPlace = in.Pick(kInsert);
  c.InsertOn = !c.InsertPlace.empty();
  c.InsertText = in.Text(8);
  c.InsertAfterNum = in.Small();
  c.InsertBeforeNum = in.Small();
  c.InsertAfterString = in.Text(3);
  c.InsertBeforeString = in.Text(3);
  c.ReplacePlace = in.Pick(kReplace);
  c.ReplaceOn = !c.ReplacePlace.empty();
  c.ReplaceWith = in.Text(8);
  c.ReplaceString = in.Text(3);
  c.ReplaceNumChars = in.Small();
  c.ReplaceAfterNum = in.Small();
  c.ReplaceBeforeNum = in.Small();
  c.ReplaceAfterString = in.Text(3);
  c.ReplaceBeforeString = in.Text(3);
  c.ReplacePattern = in.Text(6);  // valid or not: an invalid one changes nothing
  c.RemovePlace = in.Pick(kRemove);
  c.RemoveOn = !c.RemovePlace.empty();
  c.RemoveString = in.Text(3);
  c.RemoveNumChars = in.Small();
  c.RemoveAfterNum = in.Small();
  c.RemoveBeforeNum = in.Small();
  c.RemoveAfterString = in.Text(3);
  c.RemoveBeforeString = in.Text(3);
  c.AutoKind = in.Pick(kAuto);
  c.AutoOn = !c.AutoKind.empty();
  c.AutoPlace = in.Pick(kAutoPlace);
  c.AutoStartNumber = in.Byte() * 400;
  c.AutoZeroFill = static_cast<std::int16_t>(in.Byte() % 5);
  c.AutoStartLetters = c.AutoKind == "Small Letter" ? "ay" : "AY";
  c.AutoSmallLetters = c.AutoKind == "Small Letter";
  c.AutoAfterNum = in.Small();
  c.AutoBeforeNum = in.Small();
  c.AutoAfterString = in.Text(3);
  c.AutoBeforeString = in.Text(3);
  c.PriorityCount = static_cast<std::int16_t>((c.InsertOn ? 1 : 0) + (c.ReplaceOn ? 1 : 0) +
                                              (c.RemoveOn ? 1 : 0));
  c.PrioritySlot1 = in.Pick(kPriority);
  c.PrioritySlot2 = c.PrioritySlot1 == "Replace" ? "Insert" : "Replace";
  c.PrioritySlot3 =
      c.PrioritySlot1 == "Remove" || c.PrioritySlot2 == "Remove" ? "Insert" : "Remove";
  if (c.PrioritySlot1 == c.PrioritySlot3 || c.PrioritySlot2 == c.PrioritySlot3) {
    c.PrioritySlot1 = "Insert", c.PrioritySlot2 = "Replace", c.PrioritySlot3 = "Remove";
  }
  s.options.InsertRigid = in.Byte() & 1;
  s.options.RemoveRigid = in.Byte() & 1;

  quillon::SelectionStore& store = s.selection.store;
  const int rows = 1 + in.Byte() % 4;
  for (int i = 0; i < rows; ++i) {
    const std::string name = in.Text(12);
    const std::size_t dot = name.rfind('.');
    store.ComboFile1.push_back(name);
    store.ComboIndex.push_back(std::to_string(i));
    store.ComboName.push_back(name.substr(0, dot));
    store.ComboDot.push_back(dot == std::string::npos ? "" : ".");
    store.ComboExt.push_back(dot == std::string::npos ? "" : name.substr(dot + 1));
    store.ComboClearString.push_back(quillon::kStatusOk);
  }
  s.state.SelectedCount = static_cast<std::int16_t>(rows);
  // Date, read last so that the older inputs keep their meaning.
  c.DatePlace = in.Pick(kDate);
  c.DateOn = !c.DatePlace.empty();
  c.DateSource = in.Pick(kDateSource);
  c.DateFormat = in.Pick(kDateFormat);
  c.DateAfterNum = in.Small();
  c.DateBeforeNum = in.Small();
  c.DateAfterString = in.Text(3);
  c.DateBeforeString = in.Text(3);
  for (std::int64_t* time : {&files.modified, &files.taken}) {
    std::uint64_t bits = 0;
    for (int k = 0; k < 8; ++k) bits = (bits << 8) | in.Byte();
    *time = static_cast<std::int64_t>(bits);
  }
  quillon::RunRenameCriteria(s);
  for (std::size_t i = 0; i < store.size(); ++i) {
    if ((store.ComboName[i] + store.ComboExt[i]).find('/') != std::string::npos) __builtin_trap();
  }
  return 0;
}
