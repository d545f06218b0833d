#include "actions/destination_chooser.h"

#include "platform/text.h"
#include "session/work_folder.h"
#include "ui/messages.h"

namespace quillon {
namespace {

constexpr const char* kCreateKeysText =
    "In new Folder name you can use only Alphabets and Digits 0 to 9. No other Character can be "
    "included.";

bool IsAsciiLetterOrDigit(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

std::string Join(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

// A folder operation that failed: the folder and the system's reason, and the chooser
// stays as it was.
void ReportFolderFailure(Session& s, UserInterface& ui, const std::string& what,
                         const std::string& folder, const OsError& error) {
  s.message.MessageKey = "MessageOnlyReadyMsg";
  s.message.MessageReadyText =
      "The folder " + folder + " could not be " + what + ".\r\n\r\n" + error.Describe();
  ShowReadyMessage(s, ui);
}

// The heading, the path and OK follow the destination.
void ShowDestination(Session& s) {
  ChooserState& c = s.chooser;
  const SessionState& st = s.state;
  const bool usable = st.DestFolder != st.WorkFolder;
  c.LabelActionMoveHead = usable ? st.DestChooserHeading : "";
  c.LabelActionMovePath = usable ? st.DestFolder : "";
  c.ImageActionMoveOKEnabled = usable;
}

// Points the chooser's folder list at `path` and runs its change reaction.
void PointChooser(Session& s, UserInterface& ui, const std::string& path) {
  if (!s.files.FolderExists(path)) return;
  ChooserDir1Change(s, ui, path);
}

}  // namespace

void OpenDestinationChooser(Session& s) {
  ChooserState& c = s.chooser;
  c.CreatedCount = 0;
  c.CreatedFolders.clear();
  c.CreateOpen = c.RenameOpen = false;
  c.TextActionMoveCreate.clear();
  c.TextActionMoveNewName.clear();
  if (s.files.FolderExists(c.ConfirmedDestDir)) c.Dir1Path = c.ConfirmedDestDir;
  ShowDestination(s);
  c.ImageActionMoveOKEnabled = false;
}

void ChooserDir1Change(Session& s, UserInterface& ui, const std::string& path) {
  ChooserState& c = s.chooser;
  SessionState& st = s.state;
  c.Dir1Path = ShownPath(path);
  c.LastGoodDrive = s.files.DriveOf(c.Dir1Path);
  if (!st.DestChooserOpen) return;
  st.DestFolder = WithSeparator(c.Dir1Path);
  st.DestFolderUpper = ToUpper(st.DestFolder);
  if (!s.options.AllowSystemFolder && !st.WindowsFolderUpper.empty() &&
      st.DestFolderUpper == st.WindowsFolderUpper) {
    PointChooser(s, ui, c.ConfirmedDestDir);
    ShowMessage(s, ui, "MessageBypassingSystemRigidity");
    return;
  }
  c.DestInSystemTree = InSystemTree(s, st.DestFolderUpper);
  ShowDestination(s);
}

void ChooserDrive1Change(Session& s, UserInterface& ui, const std::string& drive) {
  if (s.files.DriveReady(drive) && s.files.FolderExists(drive)) {
    ChooserDir1Change(s, ui, drive);
    return;
  }
  ShowMessage(s, ui, "MessageDriveNotReady");
}

void ImageActionMoveCreateNewClick(Session& s) {
  s.chooser.CreateOpen = true;
  s.chooser.RenameOpen = false;
}

KeyVerdict CreateBoxKey(Session& s, UserInterface& ui, char32_t key) {
  if (key == kKeyBackspace || IsAsciiLetterOrDigit(key)) return {};
  if (key == kKeyEnter) {
    return s.chooser.TextActionMoveCreate.empty() ? KeyVerdict{KeyAction::Refuse}
                                                  : KeyVerdict{KeyAction::PressOK};
  }
  s.message.MessageKey = "MessageOnlyReadyMsg";
  s.message.MessageReadyText = kCreateKeysText;
  ShowReadyMessage(s, ui);
  return {KeyAction::Refuse};
}

void OnTextActionMoveCreateChange(Session& s, const std::string& text) {
  s.chooser.TextActionMoveCreate = text;
}

void ImageActionMoveCreateOKClick(Session& s, UserInterface& ui) {
  ChooserState& c = s.chooser;
  const std::string name = c.TextActionMoveCreate;
  if (name.empty()) return;
  const std::string parent = c.Dir1Path;
  const std::string path = Join(parent, name);
  if (s.files.FolderExists(path)) {
    ShowMessage(s, ui, "MessageFolderNameSame");
    return;
  }
  if (const Status made = s.files.CreateFolder(path); !made) {
    ReportFolderFailure(s, ui, "made", path, made.error());
    return;
  }
  if (s.state.WorkFolder == s.state.DestFolder) ui.RefreshFolderList();
  PointChooser(s, ui, path);
  c.TextActionMoveCreate.clear();
  if (c.CreatedCount == 0) c.CreatedFolders.assign(1, parent);
  ++c.CreatedCount;
  c.CreatedFolders.resize(static_cast<std::size_t>(c.CreatedCount));
  c.CreatedFolders.push_back(path);
  c.CreateOpen = false;
}

void ImageActionMoveCreateCancelClick(Session& s) {
  s.chooser.CreateOpen = false;
  s.chooser.TextActionMoveCreate.clear();
}

void ImageActionMoveRenameClick(Session& s) {
  if (s.chooser.CreatedCount <= 0) return;
  s.chooser.RenameOpen = true;
  s.chooser.CreateOpen = false;
}

void OnTextActionMoveNewNameChange(Session& s, const std::string& text) {
  s.chooser.TextActionMoveNewName = text;
}

void ImageActionMoveRenameOKClick(Session& s, UserInterface& ui) {
  ChooserState& c = s.chooser;
  const std::string& name = c.TextActionMoveNewName;
  if (name.empty() || c.CreatedCount <= 0) return;
  if (name.find('/') != std::string::npos || name == "." || name == "..") {
    s.message.MessageKey = "MessageOnlyReadyMsg";
    s.message.MessageReadyText = "A folder name can not hold \"/\" and can not be \".\" or \"..\".";
    ShowReadyMessage(s, ui);
    return;
  }
  const auto newest = static_cast<std::size_t>(c.CreatedCount);
  const std::string renamed = Join(c.CreatedFolders[newest - 1], name);
  const std::string current = c.Dir1Path;
  if (const Status done = s.files.RenameFolder(current, renamed); !done) {
    ReportFolderFailure(s, ui, "renamed to " + renamed, current, done.error());
    return;
  }
  c.CreatedFolders[newest] = renamed;
  PointChooser(s, ui, renamed);
  c.TextActionMoveNewName.clear();
  c.RenameOpen = false;
}

void ImageActionMoveDeleteClick(Session& s, UserInterface& ui) {
  ChooserState& c = s.chooser;
  if (c.CreatedCount <= 0) return;
  const auto newest = static_cast<std::size_t>(c.CreatedCount);
  const std::string folder = c.CreatedFolders[newest];
  if (const Status removed = s.files.RemoveFolder(folder); !removed) {
    ReportFolderFailure(s, ui, "deleted", folder, removed.error());
    return;
  }
  --c.CreatedCount;
  c.CreatedFolders.resize(newest);
  PointChooser(s, ui, c.CreatedFolders[newest - 1]);
  if (s.state.WorkFolder == s.state.DestFolder) ui.RefreshFolderList();
}

void ImageActionMoveBrowseAgainClick(Session& s) {
  ChooserState& c = s.chooser;
  c.CreateOpen = c.RenameOpen = false;
  c.CreatedCount = 0;
  c.CreatedFolders.clear();
}

void CancelDestinationChooser(Session& s, UserInterface& ui) {
  ChooserState& c = s.chooser;
  PointChooser(s, ui, c.ConfirmedDestDir);
  c.CreatedCount = 0;
  c.CreatedFolders.clear();
  c.CreateOpen = c.RenameOpen = false;
}

View ChooserView(const Session& s) {
  const ChooserState& c = s.chooser;
  const bool boxOpen = c.CreateOpen || c.RenameOpen;
  View v;
  v["Drive1"].enabled = !boxOpen;
  v["Dir1"].enabled = !boxOpen;
  v["LabelActionMoveHead"].text = c.LabelActionMoveHead;
  v["LabelActionMovePath"].text = c.LabelActionMovePath;
  v["ImageActionMoveCreateNew"].visible = !c.CreateOpen;
  v["FrameActionMoveCreate"].visible = c.CreateOpen;
  v["TextActionMoveCreate"].text = c.TextActionMoveCreate;
  v["ImageActionMoveCreateOK"].enabled = !c.TextActionMoveCreate.empty();
  v["FrameActionMoveCreated"].visible = c.CreatedCount > 0;
  v["FrameActionMoveRename"].visible = c.RenameOpen;
  v["TextActionMoveNewName"].text = c.TextActionMoveNewName;
  v["ImageActionMoveRenameOK"].enabled = !c.TextActionMoveNewName.empty();
  v["ImageActionMoveOK"].enabled = c.ImageActionMoveOKEnabled;
  return v;
}

}  // namespace quillon
