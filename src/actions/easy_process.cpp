#include "actions/easy_process.h"

#include <algorithm>

#include "actions/do_action.h"
#include "actions/file_walk.h"
#include "platform/text.h"
#include "rename/name_chars.h"
#include "session/action_kinds.h"
#include "ui/messages.h"

namespace quillon {
namespace {

constexpr const char* kIncludeSpaceText =
    "Normally space can not be included in this text. To include Space please check the Include "
    "Space Check Box.";
constexpr const char* kExtensionText =
    "In new Extension you can use only Alphabets and Digits 0 to 9. No other Character can be "
    "included.";

bool IsAsciiLetterOrDigit(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

const std::string* PickedName(const Session& s) {
  const std::int16_t i = s.easy.SingleFileIndex;
  if (i < 0 || static_cast<std::size_t>(i) >= s.selection.Files.size()) return nullptr;
  return &s.selection.Files[static_cast<std::size_t>(i)];
}

std::string NewName(const Session& s) {
  return s.easy.TextSingleProcessName + "." + s.easy.TextSingleProcessExt;
}

void UpdateButton(Session& s) {
  EasyState& e = s.easy;
  const std::string* picked = PickedName(s);
  const bool filled = !e.TextSingleProcessName.empty() && !e.TextSingleProcessExt.empty();
  const bool renames = ActionRenames(s.state.ActionIndex);
  e.ButtonEnabled = picked != nullptr && filled && (!renames || NewName(s) != *picked);
}

void Unpick(Session& s) {
  EasyState& e = s.easy;
  e.SingleFileIndex = -1;
  e.TextSingleProcessName.clear();
  e.TextSingleProcessExt.clear();
  e.BoxesEnabled = e.IncludeSpaceEnabled = false;
  e.ButtonEnabled = false;
}

KeyVerdict Refuse(Session& s, UserInterface& ui, const char* key, const char* text) {
  s.message.MessageKey = key;
  if (text == nullptr) {
    ShowMessageByKey(s, ui);
  } else {
    s.message.MessageReadyText = text;
    ShowReadyMessage(s, ui);
  }
  return {KeyAction::Refuse};
}

KeyVerdict EnterRuns(const Session& s) {
  const EasyState& e = s.easy;
  const bool filled = !e.TextSingleProcessName.empty() && !e.TextSingleProcessExt.empty();
  return filled && e.ButtonEnabled ? KeyVerdict{KeyAction::PressOK} : KeyVerdict{KeyAction::Refuse};
}

// The name check: another entry of File2 has the new name.
bool NameConflicts(const Session& s, const std::string& name) {
  const auto& files = s.selection.Files;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (static_cast<std::int16_t>(i) != s.easy.SingleFileIndex && files[i] == name) return true;
  }
  return false;
}

// The destination check: the destination already holds a file of that name.
bool DestinationConflicts(Session& s, const std::string& name) {
  const auto listed = s.files.ListFiles(s.state.ActionDestFolder);
  if (!listed) return false;
  return std::find(listed->begin(), listed->end(), name) != listed->end();
}

// The checks of the action in their order; a conflict shows its message.
bool ChecksPass(Session& s, UserInterface& ui, const std::string& name) {
  const std::string& action = s.state.ActionName;
  const bool nameCheck = action == "Rename" || action == "Rename And Copy";
  const bool destCheck = action != "Rename" && action != "Delete" && action != "Set Attribute";
  s.easy.SingleConflict = false;
  if (nameCheck && NameConflicts(s, name)) {
    s.easy.SingleConflict = true;
    ShowMessage(s, ui, "MessageSingleConflictName");
    return false;
  }
  if (destCheck && DestinationConflicts(s, name)) {
    s.easy.SingleConflict = true;
    const bool renames = ActionRenames(s.state.ActionIndex);
    ShowMessage(s, ui, renames ? "MessageSingleConflictRenMove" : "MessageSingleConflictMove");
    return false;
  }
  return true;
}

Status Operate(Session& s, const std::string& old, const std::string& name) {
  const SessionState& st = s.state;
  const std::string oldPath = st.WorkFolder + old;
  const std::string newWork = st.WorkFolder + name;
  const std::string newDest = st.ActionDestFolder + name;
  const std::string& action = st.ActionName;
  if (action == "Rename") return s.files.Rename(oldPath, newWork);
  if (action == "Rename And Copy") {
    if (const Status renamed = s.files.Rename(oldPath, newWork); !renamed) return renamed;
    return s.files.CopyFile(newWork, newDest, Overwrite::No).status();
  }
  if (action == "Copy And Rename" || action == "Copy") {
    return s.files.CopyFile(oldPath, newDest, Overwrite::No).status();
  }
  // Moves go through MoveFile, so that a destination on another file system works too.
  if (action == "Move And Rename" || action == "Move") return s.files.MoveFile(oldPath, newDest);
  if (action == "Delete") return s.files.DeleteFile(oldPath);
  if (action == "Set Attribute") {
    const auto word = AttributeValue(st.AttributeIndex);
    return word ? s.files.SetAttributes(oldPath, *word) : Status::Ok();
  }
  return Status::Ok();
}

}  // namespace

void ResetSingleProcess(Session& s) {
  Unpick(s);
  s.easy.IncludeSpace = false;
  s.easy.SingleConflict = false;
}

void OnFile2Click(Session& s, std::int16_t index) {
  EasyState& e = s.easy;
  if (index == e.SingleFileIndex) {
    Unpick(s);
    return;
  }
  e.SingleFileIndex = index;
  const std::string* picked = PickedName(s);
  if (picked == nullptr) {
    Unpick(s);
    return;
  }
  const bool renames = ActionRenames(s.state.ActionIndex);
  e.BoxesEnabled = e.IncludeSpaceEnabled = renames;
  const std::size_t dot = picked->rfind('.');
  e.TextSingleProcessName = dot == std::string::npos ? "" : picked->substr(0, dot);
  e.TextSingleProcessExt = dot == std::string::npos ? "" : picked->substr(dot + 1);
  if (renames) {
    e.ButtonEnabled = false;
    e.FocusName = true;
  } else {
    e.ButtonEnabled = true;
  }
}

KeyVerdict SingleNameKey(Session& s, UserInterface& ui, char32_t key) {
  if (s.easy.SingleFileIndex < 0 || key == kKeyBackspace) return {};
  if (key == kKeyEnter) return EnterRuns(s);
  if (key == U' ') {
    return s.easy.IncludeSpace ? KeyVerdict{}
                               : Refuse(s, ui, "MessageReadyIncludeSpace", kIncludeSpaceText);
  }
  if (IsNewNameChar(key, /*spaceAllowed=*/false) && key < 0x80) return {};
  return Refuse(s, ui, "MessageNewNameChars", nullptr);
}

KeyVerdict SingleExtKey(Session& s, UserInterface& ui, char32_t key) {
  if (s.easy.SingleFileIndex < 0 || key == kKeyBackspace) return {};
  if (key == kKeyEnter) return EnterRuns(s);
  if (IsAsciiLetterOrDigit(key)) return {};
  return Refuse(s, ui, "MessageOnlyReadyMsg", kExtensionText);
}

void OnTextSingleProcessNameChange(Session& s, const std::string& text) {
  s.easy.TextSingleProcessName = text;
  UpdateButton(s);
}

void OnTextSingleProcessExtChange(Session& s, const std::string& text) {
  s.easy.TextSingleProcessExt = text;
  UpdateButton(s);
}

void OnCheckSingleProcessClick(Session& s, bool ticked) {
  EasyState& e = s.easy;
  e.IncludeSpace = ticked;
  if (!ticked) {
    std::string& name = e.TextSingleProcessName;
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    UpdateButton(s);
  }
  e.FocusName = e.BoxesEnabled;
}

bool RunSingleProcess(Session& s, UserInterface& ui) {
  const SessionState& st = s.state;
  if (st.ReviewMode) {
    ShowMessage(s, ui, "MessageReviewModeOn");
    return false;
  }
  const std::string* picked = PickedName(s);
  if (picked == nullptr || !s.easy.ButtonEnabled) return false;
  const std::string old = *picked;
  const std::string name = ActionRenames(st.ActionIndex) ? NewName(s) : old;
  if (ActionNeedsDestination(st.ActionIndex) && st.WorkFolder == st.ActionDestFolder) {
    ShowMessage(s, ui, "MessageSourceDestSame");
    return false;
  }
  // A name that could leave the folder (a pasted "/") is refused before any call.
  if (!PlainName(name)) {
    ShowMessage(s, ui, "MessageNewNameChars");
    return false;
  }
  if (!ChecksPass(s, ui, name)) return false;
  if (const Status done = Operate(s, old, name); !done) {
    s.message.MessageKey = "MessageSingleActionError";
    ShowMessageByKey(s, ui);
    s.message.MessageKey = "MessageOnlyReadyMsg";
    s.message.MessageReadyText = old + ": " + done.error().Describe();
    ShowReadyMessage(s, ui);
    return false;
  }
  ResetSingleProcess(s);
  return true;
}

View EasyProcessView(const Session& s) {
  const EasyState& e = s.easy;
  const bool on = s.state.EasyProcessOn;
  View v;
  v["File2"].visible = on;
  v["FrameSingleProcess"].visible = on;
  v["File1"].visible = !on;
  v["List1"].visible = !on;
  v["LabelListFile"].visible = !on;
  v["FrameJob"].visible = !on;
  v["CheckEasyProcess"].checked = on;
  v["TextSingleProcessName"].text = e.TextSingleProcessName;
  v["TextSingleProcessExt"].text = e.TextSingleProcessExt;
  for (const char* box : {"TextSingleProcessName", "TextSingleProcessExt"}) {
    v[box].enabled = e.BoxesEnabled;
    v[box].background = e.BoxesEnabled ? kDefaultColour : 0x808080u;
  }
  v["CheckSingleProcess"].checked = e.IncludeSpace;
  v["CheckSingleProcess"].enabled = e.IncludeSpaceEnabled;
  v["buttonSingleProcess"].enabled = e.ButtonEnabled;
  v["buttonSingleProcess"].text =
      std::string(kActionKinds[static_cast<std::size_t>(std::clamp<int>(s.state.ActionIndex, 0, 7))]
                      .jobCaption);
  v["LabelEasyProcess"].text = s.selection.LabelEasyProcess;
  return v;
}

}  // namespace quillon
