#pragma once
// The workflow's record: folders, the action, the workflow flags and the main window's
// bookkeeping. Counters and indices are 16-bit as the system keeps them.
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

struct SessionState {
  // Start-up and environment.
  bool StartingUp = false;
  bool FirstUse = false;
  std::string ProductName = "Quillon";
  std::string ProductVersion = "Version 1.02";
  std::string StartFolder;
  std::string StartFolderUpper;
  std::string WindowsFolder;
  std::string WindowsFolderUpper;
  std::int16_t WindowsFolderLength = 0;
  std::string SettingsPath;
  // A folder named on the command line: opened as if chosen in Dir1 once the window shows.
  std::string FolderToOpen;
  std::string DataFolder;
  // Where the journal and the windows' places live (the user's state folder), and the
  // folder named with --data-folder for both ("" for none).
  std::string StateFolder;
  std::string DataFolderChosen;

  // Folders.
  std::string WorkFolder;
  std::string WorkFolderUpper;
  std::string DestFolder;
  std::string DestFolderUpper;
  std::string ActionDestFolder;
  std::vector<std::string> FolderHistory;
  std::int16_t FolderHistoryLast = 0;
  std::int16_t FolderHistoryPos = 0;

  // Workflow.
  std::string SelectionMode = "Manual";
  bool SelectionMade = false;
  std::int16_t SelectedCount = 0;
  std::string ActionName = "Rename";
  std::int16_t ActionIndex = 0;
  std::int16_t ActionIndexPending = 0;
  std::int16_t AttributeIndex = 0;
  std::int16_t AttributeIndexPending = 0;
  bool OverwriteConfirmed = false;
  bool OverwritePending = false;
  bool ReviewMode = false;
  bool ReviewModePending = false;
  bool EasyProcessOn = false;
  std::int16_t SettingsCount = 0;
  bool RenamePending = false;
  bool CheckPending = false;
  bool JobReady = false;
  bool UndoAvailable = false;
  bool ActionBusy = false;

  // Main-window bookkeeping.
  bool PanelOpen = false;
  bool DestChooserOpen = false;
  bool ResultShown = false;
  bool ViewRefreshPending = false;
  std::string SideFrame;
  std::string SavedSideFrame;
  std::string PendingKeyword;
  bool KeepResultShown = false;
  bool FileListClicked = false;
  bool SelectionApplying = false;
  bool SelectionChanged = false;
  std::string ButtonStateCode;
  std::string NullStateCode;

  // The Action panel's notes and OK state, and the captions the confirmed action sets.
  std::string LabelActionMust;
  std::string DestChooserHeading;
  bool ImageActionOKEnabled = false;
  std::string LabelPreview = "Preview";
  std::string LabelJob = "Rename";
  std::string LabelActionType = "Rename";
  std::string LabelActionFolderName;
};

}  // namespace quillon
