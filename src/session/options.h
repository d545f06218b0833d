#pragma once
// The options record: five rigidity flags, the system-folder permission, the two saved
// check boxes and the two other saved values.
#include <cstdint>
#include <string>

namespace quillon {

// Weights the options add to OptionsCode when they are on.
enum OptionWeight : std::int16_t {
  kWeightInsertRigid = 1,
  kWeightReplaceRigid = 2,
  kWeightRemoveRigid = 4,
  kWeightCharReplaceRigid = 8,
  kWeightCharRemoveRigid = 16,
  kWeightShowLittleHelp = 32,
  kWeightAllowSystemFolder = 64,
  kWeightNoUndoWarning = 128,
};

constexpr std::int16_t kDefaultMaxSelectLimit = 100;

struct Options {
  bool InsertRigid = true;
  bool ReplaceRigid = true;
  bool RemoveRigid = false;
  bool CharReplaceRigid = false;
  bool CharRemoveRigid = false;
  bool ShowLittleHelp = false;
  bool AllowSystemFolder = false;
  bool NoUndoWarning = false;
  std::int16_t MaxSelectLimit = kDefaultMaxSelectLimit;
  std::string LastFolder;

  std::int16_t OptionsCode = 3;
  // Panel copies.
  std::int16_t OptionsCodePending = 3;
  bool ShowLittleHelpPending = false;
  bool NoUndoWarningPending = false;
};

// True when OptionsCode leaves nothing to reset: the defaults, plus either or both of
// the two saved check boxes.
inline bool OptionsAtDefault(std::int16_t code) {
  return code == 3 || code == 35 || code == 131 || code == 163;
}

}  // namespace quillon
