#pragma once
// One Session holds every process-wide field of a run, grouped by concern. The front
// end owns it and passes it by reference; a test builds a fresh one.
#include "platform/environment.h"
#include "platform/file_services.h"
#include "session/action_state.h"
#include "session/chooser_state.h"
#include "session/easy_state.h"
#include "session/editor_state.h"
#include "session/help_state.h"
#include "session/message_state.h"
#include "session/options.h"
#include "session/panel_state.h"
#include "session/rename_state.h"
#include "session/selection_state.h"
#include "session/session_state.h"

namespace quillon {

struct Session {
  Session(FileServices& fileServices, Environment& environment)
      : files(fileServices), env(environment) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  FileServices& files;
  Environment& env;

  SessionState state;
  Options options;
  SelectionState selection;
  RenameState rename;
  MessageState message;
  ActionState actions;
  HelpState help;
  EditorState editor;
  ChooserState chooser;
  EasyState easy;
  OptionsPanelState optionsPanel;
  PriorityPanelState priorityPanel;
};

}  // namespace quillon
