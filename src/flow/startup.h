#pragma once
// Start-up and shutdown of a run.
#include <string>

#include "actions/job_journal.h"
#include "session/session.h"
#include "ui/user_interface.h"

namespace quillon {

// The front end's part of start-up: building and showing its windows.
class StartupWindows {
 public:
  virtual ~StartupWindows() = default;
  // Builds the windows (the session's folders and options are set by now).
  virtual void LoadWindows() = 0;
  // Lays out the main window for its first state and shows it.
  virtual void ShowMainWindow() = 0;
};

enum class StartResult { Running, Ended };

// The start-up sequence. Ended means a refusal was shown and the program must end at
// once with nothing saved.
StartResult Main(Session& s, UserInterface& ui, StartupWindows& windows);

// Sets the initial workflow modes.
void InitialModes(Session& s);

// The main window's load: point the folder list at the remembered folder and record it.
void LoadMainWindow(Session& s, UserInterface& ui);

// The window's close box asks; refused while a job or an undo runs.
bool QueryClose(const Session& s);
// The main window unloads: the settings are saved.
void UnloadMainWindow(Session& s);

// The question asked at start-up when the last job's journal shows it was cut short: how
// far it got, as far as its journal can tell.
std::string InterruptedJobText(const JournalOnDisk& onDisk);

inline constexpr long kMinScreenWidthTwips = 11500;
inline constexpr long kMinScreenHeightTwips = 8500;
inline constexpr std::size_t kWindowsFolderBuffer = 255;

}  // namespace quillon
