#include "flow/startup.h"

#include <algorithm>

#include "actions/job_journal.h"
#include "flow/control_state.h"
#include "flow/folder_lists.h"
#include "flow/job_bar.h"
#include "platform/data_places.h"
#include "platform/text.h"
#include "selection/file_selection.h"
#include "selection/folder_change.h"
#include "session/settings_file.h"
#include "session/work_folder.h"
#include "ui/messages.h"

namespace quillon {
namespace {

StartResult Refuse(Session& s, UserInterface& ui, const char* key) {
  s.message.MessageKey = key;
  ShowStartupMessage(s, ui);
  return StartResult::Ended;
}

// The system folder as the platform reports it, with a separator; "" when unknown.
void DetermineWindowsFolder(Session& s) {
  SessionState& st = s.state;
  const std::string answer = s.env.WindowsFolder();
  st.WindowsFolder.clear();
  if (!answer.empty() && CodePointCount(answer) < kWindowsFolderBuffer) {
    st.WindowsFolder = WithSeparator(answer);
  }
  st.WindowsFolderLength = static_cast<std::int16_t>(CodePointCount(st.WindowsFolder));
  st.WindowsFolderUpper = ToUpper(st.WindowsFolder);
}

// The folder named on the command line, chosen as in Dir1: the system-folder rule
// applies, and a folder that does not exist leaves the usual one with a message.
void OpenNamedFolder(Session& s, UserInterface& ui) {
  SessionState& st = s.state;
  if (st.FolderToOpen.empty()) return;
  std::string folder = st.FolderToOpen;
  st.FolderToOpen.clear();
  if (folder.front() != '/') folder = WithSeparator(s.env.CurrentFolder()) + folder;
  // A file opens its folder.
  if (s.files.FileExists(folder) && folder.find('/') != std::string::npos) {
    folder = ShownPath(folder.substr(0, folder.rfind('/') + 1));
  }
  if (!PointFolderList(s, folder)) {
    s.message.MessageKey = "MessageOnlyReadyMsg";
    s.message.MessageReadyText = "The folder " + folder + " does not exist or can not be read. " +
                                 st.ProductName + " shows " + s.selection.Dir1Path + " instead.";
    ShowReadyMessage(s, ui);
    return;
  }
  OnDir1Change(s, ui);
  st.DestFolder = st.ActionDestFolder = st.WorkFolder;
  st.DestFolderUpper = ToUpper(st.DestFolder);
  s.chooser.Dir1Path = s.chooser.ConfirmedDestDir = s.selection.Dir1Path;
  ui.RefreshFolderList();
  ui.RefreshFileList();
  SetControlState(s, ui, "setButGlobal");
}

// The data folder "in the folder the program starts in" is, for a program installed on
// Linux, the user's configuration folder (settings) and state folder (journal); a
// folder named with --data-folder or QUILLON_DATA_FOLDER holds both. Without a home the
// folder "Quillon" of the start folder serves, as it always did. Settings left in that
// folder by an earlier version are read once, while the new place has none.
void FindDataFolders(Session& s) {
  SessionState& st = s.state;
  const DataPlaces places = FindDataPlaces(s.env, st.DataFolderChosen);
  const std::string startData = st.StartFolder + st.ProductName;
  st.DataFolder = places.config.empty() ? startData : places.config;
  st.StateFolder = places.state.empty() ? st.DataFolder : places.state;
  st.SettingsPath = st.DataFolder + "/" + kSettingsFileName;
  if (st.DataFolder == startData) {
    if (!s.files.FolderExists(st.DataFolder)) {
      st.FirstUse = true;
      (void)s.files.CreateFolder(st.DataFolder);  // without it the settings are not saved
    }
    if (!st.FirstUse) LoadSettings(s);
    return;
  }
  (void)MakePrivateFolders(st.DataFolder);
  (void)MakePrivateFolders(st.StateFolder);
  const std::string earlier = startData + "/" + kSettingsFileName;
  if (s.files.FileExists(st.SettingsPath)) {
    LoadSettings(s);
  } else if (s.files.FileExists(earlier)) {
    // Read from where an earlier version kept them; saved in the new place on exit.
    const std::string settings = st.SettingsPath;
    st.SettingsPath = earlier;
    LoadSettings(s);
    st.SettingsPath = settings;
  } else {
    st.FirstUse = true;
  }
}

std::string FilesCount(std::size_t n) {
  return std::to_string(n) + (n == 1 ? " file" : " files");
}

}  // namespace

std::string InterruptedJobText(const JournalOnDisk& onDisk) {
  const UndoJournal& j = onDisk.journal;
  const std::size_t rows = j.ComboUndoOldName.size();
  const auto sure =
      static_cast<std::size_t>(std::count(onDisk.certain.begin(), onDisk.certain.end(), true));
  // Rows of the block the job was in when it stopped may or may not have been done.
  std::string reach;
  if (sure == rows) {
    reach = "It had reached " + FilesCount(rows);
  } else if (sure == 0) {
    reach = "It may have reached up to " + FilesCount(rows);
  } else {
    reach = "It had reached " + FilesCount(sure) + ", and may have reached up to " +
            std::to_string(rows) + ",";
  }
  return "The last job (" + j.TextUndoAction + ") was interrupted before it ended. " + reach +
         " in " + j.TextUndoWorkDir + ".\r\n\r\nDo you want to undo what it did?";
}

namespace {

// A job that was killed half-way left its journal open: the user may undo what it did.
void OfferInterruptedUndo(Session& s, UserInterface& ui) {
  if (s.actions.journalPath.empty()) return;
  auto onDisk = ReadJournal(s.actions.journalPath);
  if (!onDisk.ok() || onDisk->state != JournalState::Open) return;
  const std::size_t rows = onDisk->journal.ComboUndoOldName.size();
  if (rows == 0 || onDisk->journal.TextUndoAction == "Delete") return;
  s.message.MessageKey = "MessageInterruptedJob";
  s.message.MessageReadyText = InterruptedJobText(*onDisk);
  if (!ShowReadyMessage(s, ui).ok) return;
  s.actions.journal = std::move(onDisk->journal);
  s.state.UndoAvailable = true;
  UndoClick(s, ui);
}

}  // namespace

StartResult Main(Session& s, UserInterface& ui, StartupWindows& windows) {
  SessionState& st = s.state;

  // The file services are compiled in and need no runtime component, so the check for
  // a missing file-system service can never refuse a start here.

  // The start folder and the first entry of the folder history.
  const std::string current = s.env.CurrentFolder();
  st.StartFolder = WithSeparator(current);
  st.StartFolderUpper = ToUpper(st.StartFolder);
  st.FolderHistory.assign(1, current);
  st.FolderHistoryLast = 0;
  st.FolderHistoryPos = 0;
  s.selection.Dir1Path = current;

  const ScreenSize screen = s.env.Screen();
  if (screen.widthTwips < kMinScreenWidthTwips || screen.heightTwips < kMinScreenHeightTwips) {
    return Refuse(s, ui, "MessageSmallScreen");
  }

  st.StartingUp = true;
  st.ProductName = "Quillon";
  st.ProductVersion = "Version 1.02";

  DetermineWindowsFolder(s);
  if (InSystemTree(s, st.StartFolderUpper)) return Refuse(s, ui, "MessageProgInSystem");

  FindDataFolders(s);
  // The undo journal lives in the state folder, written ahead of every job.
  if (s.files.FolderExists(st.StateFolder)) {
    s.actions.journalPath = st.StateFolder + "/journal.json";
  }

  windows.LoadWindows();
  LoadMainWindow(s, ui);

  st.DestFolder = st.WorkFolder;
  st.ActionDestFolder = st.DestFolder;
  s.chooser.Dir1Path = s.chooser.ConfirmedDestDir = s.selection.Dir1Path;
  st.DestFolderUpper = ToUpper(st.DestFolder);

  InitialModes(s);

  // The first state: caption, buttons, folder lists, and the Little Help when it is due.
  if (st.FirstUse || s.options.ShowLittleHelp) st.SideFrame = "InfoFrame";
  SetControlState(s, ui, "setButCaptionMain");
  SetControlState(s, ui, "setButGlobal");
  windows.ShowMainWindow();

  st.StartingUp = false;
  OpenNamedFolder(s, ui);
  OfferInterruptedUndo(s, ui);
  if (st.FirstUse) {
    st.FirstUse = false;
    s.message.MessageKey = "MessageFisrtTimeMode";
    ShowMessageByKey(s, ui);
  }
  return StartResult::Running;
}

void LoadMainWindow(Session& s, UserInterface& ui) {
  // While starting up, a folder change only records the folder and its history.
  const std::string remembered = s.options.LastFolder;
  if (!remembered.empty() && PointFolderList(s, remembered)) OnDir1Change(s, ui);
  s.selection.LastGoodDrive = s.files.DriveOf(s.selection.Dir1Path);
  NoteWorkFolder(s);
  ReadFileList(s);
}

void InitialModes(Session& s) {
  SessionState& st = s.state;
  st.SelectionMode = "Manual";
  st.ActionName = "Rename";
  st.ActionIndex = 0;
  st.AttributeIndex = 0;
  s.selection.SavedSelection = 0;
  s.selection.SavedSelectionNum = 9;
  // Every rename criterion off: case, space and handle at 9, the other choices at 0.
  RenameState& r = s.rename;
  r.OptCaseScope = r.SavedCaseScope = kOptionOff;
  r.OptSpaceMode = r.SavedSpaceMode = kOptionOff;
  r.OptHandleMode = r.criteria.SavedHandleMode = kOptionOff;
  r.OptInsertPlace = r.SavedInsertPlace = 0;
  r.OptReplacePlace = r.SavedReplacePlace = 0;
  r.OptRemovePlace = r.SavedRemovePlace = 0;
  r.OptAutoKind = r.SavedAutoKind = 0;
  r.OptAutoPlace = r.SavedAutoPlace = 0;
  r.OptDatePlace = r.SavedDatePlace = 0;
  r.OptCaseChange = r.SavedCaseChange = 0;
  s.options.InsertRigid = true;
  s.options.ReplaceRigid = true;
  s.options.OptionsCode = 3;
  if (s.options.NoUndoWarning) s.options.OptionsCode += kWeightNoUndoWarning;
  if (s.options.ShowLittleHelp) s.options.OptionsCode += kWeightShowLittleHelp;
  s.options.OptionsCodePending = s.options.OptionsCode;
}

bool QueryClose(const Session& s) {
  return !s.state.ActionBusy;
}

void UnloadMainWindow(Session& s) {
  SaveSettings(s);
}

}  // namespace quillon
