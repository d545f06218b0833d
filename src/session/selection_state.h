#pragma once
// The working folder's file list with its selected flags, the active selection rule,
// the Selection panel's copy of it, and the selection store (the hidden store lists).
#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

// The status mark of a row that a criterion or a conflict took out of the job.
inline constexpr const char* kMarker = "#$#";
inline constexpr const char* kStatusOk = "OK";

// One row per selected file, rows in the file list's order; the new name of row i is
// ComboName[i] + ComboDot[i] + ComboExt[i].
struct SelectionStore {
  std::vector<std::string> ComboFile1;
  std::vector<std::string> ComboIndex;
  std::vector<std::string> ComboName;
  std::vector<std::string> ComboDot;
  std::vector<std::string> ComboExt;
  std::vector<std::string> ComboClearString;

  std::size_t size() const { return ComboFile1.size(); }
  void clear() {
    ComboFile1.clear();
    ComboIndex.clear();
    ComboName.clear();
    ComboDot.clear();
    ComboExt.clear();
    ComboClearString.clear();
  }
};

struct SelectionState {
  // Dir1: the folder the folder list shows, as it reports it (no trailing "/").
  std::string Dir1Path;
  // File1: the working folder's files in natural order, with their selected flags.
  std::vector<std::string> Files;
  std::vector<bool> Selected;

  // The active rule.
  std::int16_t SelectSkip = 0;
  bool SelectKeep = false;
  std::int16_t SelectNumFiles = 0;
  std::string SelectString;
  bool SelectCaseSensitive = false;
  std::string SelectExtension;
  std::int16_t SavedSelection = 0;
  std::int16_t SavedSelectionNum = 9;

  // The Selection panel's copy.
  std::int16_t EdSelectMax = 0;
  std::int16_t EdSelectSkip = 0;
  bool EdSelectKeep = false;
  std::int16_t EdSelectNumFiles = 0;
  std::string EdSelectString;
  bool EdSelectCaseSensitive = false;
  std::string EdSelectExtension;
  std::int16_t EdSelectTextLength = 0;
  std::int16_t OptSelection = 0;
  std::int16_t OptSelectionNum = 0;

  // The Selection panel's boxes, prompt and OK state.
  std::string TextSelectionMaxFile;
  std::string TextSelectionNumSkip;
  std::string TextSelectionNumFile;
  std::string TextSelectionString;
  bool ImageSelectionOKEnabled = false;

  // The captions that describe the active rule on the main window.
  std::string LabelSelectionType = "Manual File Selection";
  std::string LabelSelectionInfo;
  std::string LabelEasyProcess = "Easy Process -- Single File : No Undo Option Available For This.";

  // Drives and the system folder tree.
  std::string LastGoodDrive;
  std::string LastGoodDriveLetter;
  bool SystemTreeEntered = false;
  std::int16_t SystemTreeEntryPos = 0;
  bool SystemFolderRefused = false;

  // The hidden store window's lists, and List1 (the result list).
  SelectionStore store;
  std::vector<std::string> List1;
};

}  // namespace quillon
