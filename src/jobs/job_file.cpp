#include "jobs/job_file.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "platform/text.h"
#include "rename/date_stamp.h"
#include "rename/name_chars.h"
#include "rename/pattern_replace.h"
#include "session/action_kinds.h"

namespace quillon::jobs {
namespace {

using nlohmann::json;

// Reads one object of the job, remembering the first error. Every key read is noted,
// so that the keys left over can be named as unknown.
class Section {
 public:
  Section(const json& object, std::string name, std::string& error,
          std::vector<std::string>& warnings)
      : object_(object), name_(std::move(name)), error_(error), warnings_(warnings) {}

  bool Has(const char* key) const { return object_.contains(key); }
  std::string Key(const std::string& key) const { return name_.empty() ? key : name_ + "." + key; }

  bool Fail(const std::string& key, const std::string& message) {
    if (error_.empty()) error_ = "job file: " + Key(key) + ": " + message;
    return false;
  }
  // A valid key that changes nothing where it stands: named, not refused.
  bool Warn(const std::string& key, const std::string& message) {
    warnings_.push_back("job file: " + Key(key) + ": " + message);
    return true;
  }

  bool String(const char* key, std::string& out) {
    seen_.push_back(key);
    if (!Has(key)) return true;
    if (!object_[key].is_string()) return Fail(key, "must be a string");
    out = object_[key].get<std::string>();
    return true;
  }
  bool String(const char* key, std::optional<std::string>& out) {
    std::string value;
    if (Has(key) && String(key, value)) out = value;
    seen_.push_back(key);
    return error_.empty();
  }
  bool Bool(const char* key, bool& out) {
    seen_.push_back(key);
    if (!Has(key)) return true;
    if (!object_[key].is_boolean()) return Fail(key, "must be true or false");
    out = object_[key].get<bool>();
    return true;
  }
  template <typename T>
  bool Int(const char* key, T& out, long min, long max) {
    seen_.push_back(key);
    if (!Has(key)) return true;
    const json& value = object_[key];
    if (!value.is_number_integer()) return Fail(key, "must be a whole number");
    const long number = value.get<long>();
    if (number < min || number > max) {
      return Fail(key, "must be " + std::to_string(min) + " to " + std::to_string(max));
    }
    out = static_cast<T>(number);
    return true;
  }
  bool OneOf(const char* key, std::string& out, const std::vector<std::string>& allowed) {
    std::string value;
    if (!String(key, value) || !Has(key)) return error_.empty();
    for (const std::string& candidate : allowed) {
      if (value == candidate) {
        out = value;
        return true;
      }
    }
    std::string list;
    for (const std::string& candidate : allowed)
      list += (list.empty() ? "\"" : ", \"") + candidate + "\"";
    return Fail(key, "must be one of " + list);
  }
  // A key read elsewhere.
  void Known(const char* key) { seen_.push_back(key); }
  // Names the first key that no reader asked for.
  bool NoUnknownKeys() {
    for (auto it = object_.begin(); it != object_.end(); ++it) {
      if (std::find(seen_.begin(), seen_.end(), it.key()) == seen_.end()) {
        return Fail(it.key(), "unknown key");
      }
    }
    return true;
  }

 private:
  const json& object_;
  std::string name_;
  std::string& error_;
  std::vector<std::string>& warnings_;
  std::vector<std::string> seen_;
};

const std::vector<std::string> kInsertPlaces{"InsertAfterNumChars", "InsertBeforeNumChars",
                                             "InsertAfterAString", "InsertBeforeAString"};
const std::vector<std::string> kReplacePlaces{"ReplaceFileName",
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
const std::vector<std::string> kRemovePlaces{"RemoveAString",
                                             "RemoveAfterNumChars",
                                             "RemoveBeforeNumChars",
                                             "RemoveAfterAString",
                                             "RemoveBeforeAString",
                                             "RemoveCharAfterNumChars",
                                             "RemoveCharBeforeNumChars",
                                             "RemoveCharAfterAString",
                                             "RemoveCharBeforeAString"};
const std::vector<std::string> kAutoPlaces{"AutoAfterNumChars", "AutoBeforeNumChars",
                                           "AutoAfterAString", "AutoBeforeAString"};

const std::vector<std::string> kDatePlaces{"DateAfterNumChars", "DateBeforeNumChars",
                                           "DateAfterAString", "DateBeforeAString"};

bool EndsWith(const std::string& text, const char* ending) {
  const std::string_view end(ending);
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}
bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

// The anchor keys a place keyword uses: "Num" or "String" after "After" or "Before", and
// the count of characters for the "Char" keywords.
struct Anchors {
  bool afterNum = false, beforeNum = false, afterString = false, beforeString = false;
  bool numChars = false, string = false;
};
Anchors AnchorsOf(const std::string& place) {
  Anchors a;
  const bool after = Contains(place, "After");
  const bool byNumber = EndsWith(place, "NumChars");
  const bool byString = EndsWith(place, "AfterAString") || EndsWith(place, "BeforeAString");
  a.afterNum = after && byNumber;
  a.beforeNum = !after && byNumber;
  a.afterString = after && byString;
  a.beforeString = !after && byString;
  a.numChars = Contains(place, "CharAfter") || Contains(place, "CharBefore");
  a.string = place == "ReplaceAString" || place == "RemoveAString";
  return a;
}

// A text that goes into new names: the criteria editor's characters, at most `max`.
bool NameText(Section& c, const char* key, const std::string& text, std::size_t max) {
  if (!AllNewNameChars(text, /*spaceAllowed=*/true)) {
    return c.Fail(key, "may hold only letters, digits, spaces, \"$\", \"-\" and \"_\"");
  }
  if (max > 0 && CodePointCount(text) > max) {
    return c.Fail(key, "may be at most " + std::to_string(max) + " characters long");
  }
  return true;
}

// Reads one positional criterion's anchors. A key its keyword does not use is checked
// for its type and range, named in a warning, and left out.
bool ReadAnchors(Section& c, const char* prefix, const std::string& place, std::int16_t& afterNum,
                 std::int16_t& beforeNum, std::string& afterString, std::string& beforeString) {
  const Anchors used = place.empty() ? Anchors{} : AnchorsOf(place);
  const std::string p(prefix);
  const std::string keys[] = {p + "AfterNum", p + "BeforeNum", p + "AfterString",
                              p + "BeforeString"};
  const bool isUsed[] = {used.afterNum, used.beforeNum, used.afterString, used.beforeString};
  std::int16_t unusedNumber = 0;
  std::string unusedString;
  std::int16_t* numbers[] = {&afterNum, &beforeNum};
  std::string* strings[] = {&afterString, &beforeString};
  for (int i = 0; i < 4; ++i) {
    const char* key = keys[i].c_str();
    const bool ok = i < 2 ? c.Int(key, isUsed[i] ? *numbers[i] : unusedNumber, 0, 99)
                          : c.String(key, isUsed[i] ? *strings[i - 2] : unusedString);
    if (!ok) return false;
    if (c.Has(key) && !isUsed[i]) {
      c.Warn(key, place.empty() ? "has no effect without " + c.Key(p + "Place")
                                : "has no effect with \"" + place + "\"");
    }
  }
  return true;
}

// A key that belongs to a criterion that is off, or to another keyword: it has no effect.
bool Orphan(Section& c, const char* key, const std::string& needs) {
  return c.Has(key) ? c.Warn(key, "has no effect without " + needs) : true;
}

bool ReadCriteria(Section& c, JobSpec& job) {
  RenameCriteria& r = job.criteria;
  // Case.
  if (!c.OneOf("CaseScope", r.CaseScope, {"FileName", "FirstLetter", "FirstLetterOfWords"}) ||
      !c.OneOf("CaseChange", r.CaseChange, {"No Change", "Lower Case", "Upper Case"})) {
    return false;
  }
  r.CaseOn = !r.CaseScope.empty();
  if (!r.CaseOn && !Orphan(c, "CaseChange", c.Key("CaseScope"))) return false;
  if (r.CaseOn && r.CaseChange.empty()) r.CaseChange = "No Change";
  // Extension.
  if (!c.String("ExtText", r.ExtText)) return false;
  if (!r.ExtText.empty() && !AllExtensionChars(r.ExtText)) {
    return c.Fail("ExtText", "may hold only letters and digits, without the dot");
  }
  if (CodePointCount(r.ExtText) > 7) return c.Fail("ExtText", "may be at most 7 characters long");
  r.ExtOn = !r.ExtText.empty();
  // Space.
  if (!c.Bool("SpaceOn", r.SpaceOn) || !c.String("SpaceWith", r.SpaceWith)) return false;
  if (!r.SpaceOn && !Orphan(c, "SpaceWith", c.Key("SpaceOn"))) return false;
  if (!NameText(c, "SpaceWith", r.SpaceWith, 8)) return false;
  // Handle.
  std::int16_t handleMode = 0;
  if (!c.String("HandleThis", r.HandleThis) || !c.Int("HandleMode", handleMode, 0, 2) ||
      !c.String("HandleWith", r.HandleWith)) {
    return false;
  }
  r.HandleOn = !r.HandleThis.empty();
  if (!r.HandleOn && (!Orphan(c, "HandleMode", c.Key("HandleThis")) ||
                      !Orphan(c, "HandleWith", c.Key("HandleThis")))) {
    return false;
  }
  if (c.Has("HandleWith") && handleMode != kHandleReplaceWith) {
    c.Warn("HandleWith", "has no effect without HandleMode 2");
    r.HandleWith.clear();
  }
  if (!NameText(c, "HandleWith", r.HandleWith, 8)) return false;
  if (r.HandleOn) {
    r.SavedHandleMode = handleMode;
    if (handleMode == kHandleChangeAsSpace) r.HandleWith = " ";
  }
  // Insert.
  if (!c.OneOf("InsertPlace", r.InsertPlace, kInsertPlaces) ||
      !c.String("InsertText", r.InsertText) ||
      !ReadAnchors(c, "Insert", r.InsertPlace, r.InsertAfterNum, r.InsertBeforeNum,
                   r.InsertAfterString, r.InsertBeforeString)) {
    return false;
  }
  r.InsertOn = !r.InsertPlace.empty();
  if (!r.InsertOn && !Orphan(c, "InsertText", c.Key("InsertPlace"))) return false;
  if (!NameText(c, "InsertText", r.InsertText, 0)) return false;
  // Replace.
  if (!c.OneOf("ReplacePlace", r.ReplacePlace, kReplacePlaces) ||
      !c.String("ReplaceWith", r.ReplaceWith) ||
      !ReadAnchors(c, "Replace", r.ReplacePlace, r.ReplaceAfterNum, r.ReplaceBeforeNum,
                   r.ReplaceAfterString, r.ReplaceBeforeString)) {
    return false;
  }
  r.ReplaceOn = !r.ReplacePlace.empty();
  const Anchors replace = AnchorsOf(r.ReplacePlace);
  if ((!r.ReplaceOn && !Orphan(c, "ReplaceWith", c.Key("ReplacePlace"))) ||
      (!replace.string && !Orphan(c, "ReplaceString", "ReplacePlace \"ReplaceAString\"")) ||
      (!replace.numChars &&
       !Orphan(c, "ReplaceNumChars", "one of the ReplacePlace keywords \"ReplaceChar...\"")) ||
      (r.ReplacePlace != "ReplacePattern" &&
       !Orphan(c, "ReplacePattern", "ReplacePlace \"ReplacePattern\""))) {
    return false;
  }
  std::string pattern;
  if (!c.String("ReplacePattern", pattern)) return false;
  if (r.ReplacePlace == "ReplacePattern") {
    r.ReplacePattern = pattern;
    if (r.ReplacePattern.empty()) return c.Fail("ReplacePattern", "must not be empty");
    if (r.ReplacePattern.find('/') != std::string::npos ||
        r.ReplacePattern.find('\0') != std::string::npos) {
      return c.Fail("ReplacePattern", "may not hold \"/\" or the NUL character");
    }
    if (const std::string error = PatternError(r.ReplacePattern); !error.empty()) {
      return c.Fail("ReplacePattern", "is not a valid pattern: " + error);
    }
  }
  if (!c.String("ReplaceString", r.ReplaceString) ||
      !c.Int("ReplaceNumChars", r.ReplaceNumChars, 0, 99) ||
      !NameText(c, "ReplaceWith", r.ReplaceWith, 0)) {
    return false;
  }
  // Remove.
  if (!c.OneOf("RemovePlace", r.RemovePlace, kRemovePlaces) ||
      !ReadAnchors(c, "Remove", r.RemovePlace, r.RemoveAfterNum, r.RemoveBeforeNum,
                   r.RemoveAfterString, r.RemoveBeforeString)) {
    return false;
  }
  r.RemoveOn = !r.RemovePlace.empty();
  const Anchors remove = AnchorsOf(r.RemovePlace);
  if ((!remove.string && !Orphan(c, "RemoveString", "RemovePlace \"RemoveAString\"")) ||
      (!remove.numChars &&
       !Orphan(c, "RemoveNumChars", "one of the RemovePlace keywords \"RemoveChar...\""))) {
    return false;
  }
  if (!c.String("RemoveString", r.RemoveString) ||
      !c.Int("RemoveNumChars", r.RemoveNumChars, 0, 99)) {
    return false;
  }
  // Auto.
  if (!c.OneOf("AutoKind", r.AutoKind, {"Number", "Capital Letter", "Small Letter"}) ||
      !c.OneOf("AutoPlace", r.AutoPlace, kAutoPlaces) ||
      !ReadAnchors(c, "Auto", r.AutoPlace, r.AutoAfterNum, r.AutoBeforeNum, r.AutoAfterString,
                   r.AutoBeforeString) ||
      !c.Int("AutoStartNumber", r.AutoStartNumber, 0, 99999) ||
      !c.Int("AutoZeroFill", r.AutoZeroFill, 0, 4) ||
      !c.String("AutoStartLetters", r.AutoStartLetters)) {
    return false;
  }
  // A kind without a place is left to the editor's completeness check, which names the
  // place; a place without a kind changes nothing.
  if (r.AutoKind.empty() && !r.AutoPlace.empty()) {
    c.Warn("AutoPlace", "has no effect without " + c.Key("AutoKind"));
    r.AutoPlace.clear();
  }
  r.AutoOn = !r.AutoKind.empty();
  const bool letters = r.AutoOn && r.AutoKind != "Number";
  if (!r.AutoOn && (!Orphan(c, "AutoStartNumber", c.Key("AutoKind")) ||
                    !Orphan(c, "AutoZeroFill", c.Key("AutoKind")) ||
                    !Orphan(c, "AutoStartLetters", c.Key("AutoKind")))) {
    return false;
  }
  if (r.AutoOn && !letters &&
      !Orphan(c, "AutoStartLetters", "AutoKind \"Capital Letter\" or \"Small Letter\"")) {
    return false;
  }
  if (letters) {
    for (const char* key : {"AutoStartNumber", "AutoZeroFill"}) {
      if (c.Has(key)) c.Warn(key, "has no effect without AutoKind \"Number\"");
    }
    const std::string& start = r.AutoStartLetters;
    const bool valid =
        !start.empty() && start.size() <= 3 && std::all_of(start.begin(), start.end(), [](char ch) {
          return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
        });
    if (!valid) return c.Fail("AutoStartLetters", "must be 1 to 3 letters A to Z");
    // The letters take the kind's case, as the editor's box makes them.
    r.AutoSmallLetters = r.AutoKind == "Small Letter";
    r.AutoStartLetters = r.AutoSmallLetters ? ToLower(start) : ToUpper(start);
  }
  // Date.
  const std::vector<std::string> formats(std::begin(kDateFormats), std::end(kDateFormats));
  if (!c.OneOf("DatePlace", r.DatePlace, kDatePlaces) ||
      !ReadAnchors(c, "Date", r.DatePlace, r.DateAfterNum, r.DateBeforeNum, r.DateAfterString,
                   r.DateBeforeString) ||
      !c.OneOf("DateSource", r.DateSource, {"Modified", "Taken, else Modified"}) ||
      !c.OneOf("DateFormat", r.DateFormat, formats)) {
    return false;
  }
  r.DateOn = !r.DatePlace.empty();
  if (!r.DateOn && (!Orphan(c, "DateSource", c.Key("DatePlace")) ||
                    !Orphan(c, "DateFormat", c.Key("DatePlace")))) {
    return false;
  }
  if (r.DateOn && r.DateSource.empty()) r.DateSource = "Modified";
  if (r.DateOn && r.DateFormat.empty()) r.DateFormat = kDateFormats[0];
  c.Known("Priority");  // read by ReadPriority
  return c.NoUnknownKeys();
}

bool ReadPriority(const json& criteria, JobSpec& job, std::string& error) {
  if (!criteria.contains("Priority")) return true;
  const json& list = criteria["Priority"];
  std::vector<std::string> names;
  if (list.is_array() && list.size() == 3) {
    for (const json& item : list) {
      if (item.is_string()) names.push_back(item.get<std::string>());
    }
  }
  std::vector<std::string> sorted = names;
  std::sort(sorted.begin(), sorted.end());
  if (sorted != std::vector<std::string>{"Insert", "Remove", "Replace"}) {
    error =
        "job file: criteria.Priority: must list \"Insert\", \"Replace\" and \"Remove\" once each";
    return false;
  }
  job.priority = names;
  return true;
}

// The selection keys, as the Selection panel would have stored them.
bool ReadSelection(Section& c, const json& object, JobSpec& job) {
  if (!c.OneOf("SelectionMode", job.SelectionMode,
               {"Manual", "All", "ByNumber", "ByString", "ByExtension"}) ||
      !c.Int("SelectSkip", job.SelectSkip, 0, 32767) ||
      !c.Int("SelectNumFiles", job.SelectNumFiles, 0, 32767) ||
      !c.String("SelectString", job.SelectString) ||
      !c.Bool("SelectCaseSensitive", job.SelectCaseSensitive) ||
      !c.String("SelectExtension", job.SelectExtension) ||
      !c.Int("MaxSelectLimit", job.MaxSelectLimit, 0, 32767)) {
    return false;
  }
  c.Known("Files");
  if (object.contains("Files")) {
    const json& files = object["Files"];
    if (!files.is_array()) return c.Fail("Files", "must be a list of file names");
    for (const json& name : files) {
      if (!name.is_string()) return c.Fail("Files", "must be a list of file names");
      job.Files.push_back(name.get<std::string>());
    }
    if (job.SelectionMode != "Manual") return c.Fail("Files", "is used only with \"Manual\"");
  }
  if (job.SelectionMode == "ByString" && job.SelectString.empty()) {
    return c.Fail("SelectString", "is needed with \"ByString\"");
  }
  if (job.SelectionMode == "ByExtension" && job.SelectExtension.empty()) {
    return c.Fail("SelectExtension", "is needed with \"ByExtension\"");
  }
  if (job.SelectionMode == "ByNumber" && job.SelectNumFiles == 0) {
    return c.Fail("SelectNumFiles", "is needed with \"ByNumber\"");
  }
  return c.NoUnknownKeys();
}

bool ReadOptions(Section& c, JobSpec& job) {
  return c.Bool("InsertRigid", job.InsertRigid) && c.Bool("ReplaceRigid", job.ReplaceRigid) &&
         c.Bool("RemoveRigid", job.RemoveRigid) &&
         c.Bool("CharReplaceRigid", job.CharReplaceRigid) &&
         c.Bool("CharRemoveRigid", job.CharRemoveRigid) && c.NoUnknownKeys();
}

bool ReadAction(Section& c, JobSpec& job) {
  if (!c.OneOf("ActionName", job.ActionName,
               {"Rename", "Rename And Copy", "Copy And Rename", "Move And Rename", "Copy", "Move",
                "Delete", "Set Attribute"}) ||
      !c.String("DestFolder", job.DestFolder) ||
      !c.Bool("OverwriteConfirmed", job.OverwriteConfirmed) ||
      !c.Int("AttributeIndex", job.AttributeIndex, 0, 5) || !c.NoUnknownKeys()) {
    return false;
  }
  const int index = ActionIndexOf(job.ActionName);
  if (ActionNeedsDestination(index) && !job.DestFolder) {
    return c.Fail("DestFolder", "is needed by \"" + job.ActionName + "\"");
  }
  if (index == 7 && job.AttributeIndex == 0) {
    return c.Fail("AttributeIndex", "must be 1 to 5 for \"Set Attribute\"");
  }
  return true;
}

}  // namespace

std::optional<JobSpec> ParseJob(const std::string& text, std::string& error) {
  const json root = json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (root.is_discarded()) {
    error = "job file: not valid JSON";
    return std::nullopt;
  }
  if (!root.is_object()) {
    error = "job file: must be a JSON object";
    return std::nullopt;
  }
  JobSpec job;
  Section top(root, "", error, job.warnings);
  bool ok = top.String("folder", job.folder);
  const char* parts[] = {"selection", "criteria", "options", "action"};
  for (const char* part : parts) {
    top.Known(part);
    if (ok && root.contains(part) && !root[part].is_object())
      ok = top.Fail(part, "must be an object");
  }
  ok = ok && top.NoUnknownKeys();
  const json empty = json::object();
  auto part = [&](const char* name) -> const json& {
    return root.contains(name) ? root[name] : empty;
  };
  if (ok) {
    Section selection(part("selection"), "selection", error, job.warnings);
    ok = ReadSelection(selection, part("selection"), job);
  }
  if (ok) {
    Section criteria(part("criteria"), "criteria", error, job.warnings);
    ok = ReadCriteria(criteria, job) && ReadPriority(part("criteria"), job, error);
  }
  if (ok) {
    Section options(part("options"), "options", error, job.warnings);
    ok = ReadOptions(options, job);
  }
  if (ok) {
    Section action(part("action"), "action", error, job.warnings);
    ok = ReadAction(action, job);
  }
  if (!ok) return std::nullopt;
  return job;
}

std::optional<JsonSyntaxError> FindJsonSyntaxError(const std::string& text) {
  try {
    const json parsed = json::parse(text);
    return std::nullopt;
  } catch (const json::parse_error& e) {
    // e.byte is the 1-based position of the byte the parser stopped at (one past the end
    // for a text cut short).
    const std::size_t at = std::min<std::size_t>(e.byte > 0 ? e.byte - 1 : 0, text.size());
    const std::size_t newline = at == 0 ? std::string::npos : text.rfind('\n', at - 1);
    const std::size_t lineStart = newline == std::string::npos ? 0 : newline + 1;
    JsonSyntaxError error;
    error.line = 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + at, '\n'));
    // UTF-8 continuation bytes are not characters of their own.
    error.column = 1 + static_cast<std::size_t>(std::count_if(
                           text.begin() + lineStart, text.begin() + at,
                           [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    // The reason after the parser's own "[json.exception...] parse error at ...: ".
    const std::string what = e.what();
    const std::size_t colon = what.find(": ", what.find("parse error"));
    error.reason = colon == std::string::npos ? what : what.substr(colon + 2);
    return error;
  }
}

}  // namespace quillon::jobs
