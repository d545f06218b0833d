#include "jobs/job_write.h"

#include <nlohmann/json.hpp>

#include "platform/text.h"
#include "session/action_kinds.h"

namespace quillon::jobs {
namespace {

using Json = nlohmann::ordered_json;

Json Text(const std::string& text) {
  return Json(text);
}

// Names are bytes, but a job file is JSON text: a name that is not UTF-8 cannot be kept.
bool Writable(const std::string& what, const std::string& text, std::string& error) {
  if (IsValidUtf8(text)) return true;
  error = "job file: " + what + ": \"" + text + "\" is not valid UTF-8 and cannot be written";
  return false;
}

void PutString(Json& object, const char* key, const std::string& value) {
  if (!value.empty()) object[key] = Text(value);
}
void PutNumber(Json& object, const char* key, long value, long fallback = 0) {
  if (value != fallback) object[key] = value;
}
void PutBool(Json& object, const char* key, bool value, bool fallback) {
  if (value != fallback) object[key] = value;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The anchor keys of a place keyword: only the one it reads is written.
void PutAnchors(Json& object, const std::string& prefix, const std::string& place, long afterNum,
                long beforeNum, const std::string& afterString, const std::string& beforeString) {
  const bool after = place.find("After") != std::string::npos;
  if (EndsWith(place, "NumChars")) {
    PutNumber(object, (prefix + (after ? "AfterNum" : "BeforeNum")).c_str(),
              after ? afterNum : beforeNum);
  } else if (EndsWith(place, "AfterAString") || EndsWith(place, "BeforeAString")) {
    PutString(object, (prefix + (after ? "AfterString" : "BeforeString")).c_str(),
              after ? afterString : beforeString);
  }
}

bool UsesCharCount(const std::string& place) {
  return place.find("CharAfter") != std::string::npos ||
         place.find("CharBefore") != std::string::npos;
}

Json Selection(const JobSpec& job) {
  Json o = Json::object();
  PutString(o, "SelectionMode", job.SelectionMode == "Manual" ? "" : job.SelectionMode);
  if (job.SelectionMode == "Manual") {
    if (!job.Files.empty()) {
      Json files = Json::array();
      for (const std::string& name : job.Files) files.push_back(Text(name));
      o["Files"] = files;
    }
    return o;
  }
  PutNumber(o, "SelectSkip", job.SelectSkip);
  if (job.SelectionMode == "ByNumber") PutNumber(o, "SelectNumFiles", job.SelectNumFiles);
  if (job.SelectionMode == "ByString") PutString(o, "SelectString", job.SelectString);
  if (job.SelectionMode == "ByString" || job.SelectionMode == "ByExtension") {
    PutBool(o, "SelectCaseSensitive", job.SelectCaseSensitive, false);
  }
  if (job.SelectionMode == "ByExtension") PutString(o, "SelectExtension", job.SelectExtension);
  PutNumber(o, "MaxSelectLimit", job.MaxSelectLimit, kDefaultMaxSelectLimit);
  return o;
}

Json Criteria(const JobSpec& job) {
  const RenameCriteria& r = job.criteria;
  Json o = Json::object();
  if (r.CaseOn) {
    PutString(o, "CaseScope", r.CaseScope);
    if (r.CaseChange != "No Change") PutString(o, "CaseChange", r.CaseChange);
  }
  if (r.ExtOn) PutString(o, "ExtText", r.ExtText);
  if (r.SpaceOn) {
    o["SpaceOn"] = true;
    PutString(o, "SpaceWith", r.SpaceWith);
  }
  if (r.HandleOn) {
    PutString(o, "HandleThis", r.HandleThis);
    const long mode = r.SavedHandleMode == kOptionOff ? long{kHandleRemove} : r.SavedHandleMode;
    PutNumber(o, "HandleMode", mode);
    if (mode == kHandleReplaceWith) PutString(o, "HandleWith", r.HandleWith);
  }
  if (r.InsertOn) {
    PutString(o, "InsertPlace", r.InsertPlace);
    PutString(o, "InsertText", r.InsertText);
    PutAnchors(o, "Insert", r.InsertPlace, r.InsertAfterNum, r.InsertBeforeNum, r.InsertAfterString,
               r.InsertBeforeString);
  }
  if (r.ReplaceOn) {
    PutString(o, "ReplacePlace", r.ReplacePlace);
    if (r.ReplacePlace == "ReplaceAString") PutString(o, "ReplaceString", r.ReplaceString);
    if (r.ReplacePlace == "ReplacePattern") PutString(o, "ReplacePattern", r.ReplacePattern);
    PutString(o, "ReplaceWith", r.ReplaceWith);
    if (UsesCharCount(r.ReplacePlace)) PutNumber(o, "ReplaceNumChars", r.ReplaceNumChars);
    PutAnchors(o, "Replace", r.ReplacePlace, r.ReplaceAfterNum, r.ReplaceBeforeNum,
               r.ReplaceAfterString, r.ReplaceBeforeString);
  }
  if (r.RemoveOn) {
    PutString(o, "RemovePlace", r.RemovePlace);
    if (r.RemovePlace == "RemoveAString") PutString(o, "RemoveString", r.RemoveString);
    if (UsesCharCount(r.RemovePlace)) PutNumber(o, "RemoveNumChars", r.RemoveNumChars);
    PutAnchors(o, "Remove", r.RemovePlace, r.RemoveAfterNum, r.RemoveBeforeNum, r.RemoveAfterString,
               r.RemoveBeforeString);
  }
  if (r.AutoOn) {
    PutString(o, "AutoKind", r.AutoKind);
    PutString(o, "AutoPlace", r.AutoPlace);
    PutAnchors(o, "Auto", r.AutoPlace, r.AutoAfterNum, r.AutoBeforeNum, r.AutoAfterString,
               r.AutoBeforeString);
    if (r.AutoKind == "Number") {
      PutNumber(o, "AutoStartNumber", r.AutoStartNumber);
      PutNumber(o, "AutoZeroFill", r.AutoZeroFill);
    } else {
      PutString(o, "AutoStartLetters", r.AutoStartLetters);
    }
  }
  if (r.DateOn) {
    PutString(o, "DatePlace", r.DatePlace);
    PutAnchors(o, "Date", r.DatePlace, r.DateAfterNum, r.DateBeforeNum, r.DateAfterString,
               r.DateBeforeString);
    PutString(o, "DateSource", r.DateSource);
    PutString(o, "DateFormat", r.DateFormat);
  }
  if (job.priority != std::vector<std::string>{"Insert", "Replace", "Remove"}) {
    o["Priority"] = job.priority;
  }
  return o;
}

Json OptionsOf(const JobSpec& job) {
  Json o = Json::object();
  PutBool(o, "InsertRigid", job.InsertRigid, true);
  PutBool(o, "ReplaceRigid", job.ReplaceRigid, true);
  PutBool(o, "RemoveRigid", job.RemoveRigid, false);
  PutBool(o, "CharReplaceRigid", job.CharReplaceRigid, false);
  PutBool(o, "CharRemoveRigid", job.CharRemoveRigid, false);
  return o;
}

Json Action(const JobSpec& job) {
  Json o = Json::object();
  if (job.ActionName != "Rename") o["ActionName"] = job.ActionName;
  const int index = ActionIndexOf(job.ActionName);
  if (ActionNeedsDestination(index) && job.DestFolder) o["DestFolder"] = Text(*job.DestFolder);
  PutBool(o, "OverwriteConfirmed", job.OverwriteConfirmed, false);
  if (job.ActionName == "Set Attribute") PutNumber(o, "AttributeIndex", job.AttributeIndex);
  return o;
}

}  // namespace

JobSpec JobFromSession(const Session& s) {
  const SessionState& st = s.state;
  const SelectionState& sel = s.selection;
  JobSpec job;
  job.folder = sel.Dir1Path;
  job.SelectionMode = st.SelectionMode;
  if (job.SelectionMode == "Manual") {
    for (std::size_t i = 0; i < sel.Files.size() && i < sel.Selected.size(); ++i) {
      if (sel.Selected[i]) job.Files.push_back(sel.Files[i]);
    }
  } else {
    job.SelectSkip = sel.SelectSkip;
    job.SelectNumFiles = sel.SelectNumFiles;
    job.SelectString = sel.SelectString;
    job.SelectCaseSensitive = sel.SelectCaseSensitive;
    job.SelectExtension = sel.SelectExtension;
  }
  job.MaxSelectLimit = s.options.MaxSelectLimit;

  job.criteria = s.rename.criteria;
  job.priority = {job.criteria.PriorityPref1, job.criteria.PriorityPref2,
                  job.criteria.PriorityPref3};

  job.InsertRigid = s.options.InsertRigid;
  job.ReplaceRigid = s.options.ReplaceRigid;
  job.RemoveRigid = s.options.RemoveRigid;
  job.CharReplaceRigid = s.options.CharReplaceRigid;
  job.CharRemoveRigid = s.options.CharRemoveRigid;

  job.ActionName = st.ActionName;
  if (ActionNeedsDestination(st.ActionIndex)) job.DestFolder = st.ActionDestFolder;
  job.OverwriteConfirmed = st.OverwriteConfirmed;
  job.AttributeIndex = st.AttributeIndex;
  return job;
}

std::optional<std::string> WriteJob(const JobSpec& job, std::string& error) {
  if (job.folder && !Writable("folder", *job.folder, error)) return std::nullopt;
  for (const std::string& name : job.Files) {
    if (!Writable("selection.Files", name, error)) return std::nullopt;
  }
  if (job.DestFolder && !Writable("action.DestFolder", *job.DestFolder, error)) {
    return std::nullopt;
  }
  Json root = Json::object();
  if (job.folder) root["folder"] = Text(*job.folder);
  const std::pair<const char*, Json> parts[] = {{"selection", Selection(job)},
                                                {"criteria", Criteria(job)},
                                                {"options", OptionsOf(job)},
                                                {"action", Action(job)}};
  for (const auto& [name, object] : parts) {
    if (!object.empty()) root[name] = object;
  }
  return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace quillon::jobs
