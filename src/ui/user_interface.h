#pragma once
// The one port through which the core talks back to its front end: control-state and
// panel codes, modal messages with answers, and list refreshes.
#include <string>

namespace quillon {

// What the modal message window shows.
struct MessageWindowContent {
  std::string caption;          // window caption
  std::string head;             // LabelHead
  std::string text;             // LabelMessage; lines joined with CR LF
  std::string buttons;          // "OK", "Cancel", "OKCancel" or "YesNo"
  std::string input;            // "", "Input0" or "InputCheck"
  bool checkDoNotShow = false;  // initial state of CheckDoNotShow
};

// How the user closed it.
struct MessageReply {
  bool ok = true;               // OK (or Yes) pressed; false for Cancel (or No)
  bool checkDoNotShow = false;  // state of CheckDoNotShow when closed
  std::string input;            // TextInput0
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;
  // Brings the controls into line with the session for a control-state code.
  virtual void SetControlState(const std::string& code) = 0;
  // Runs a panel-opening code.
  virtual void OpenPanel(const std::string& code) = 0;
  // Shows the modal message window and returns when it is closed.
  virtual MessageReply OpenMessageWindow(const MessageWindowContent& content) = 0;
  // The working folder's lists must be read again from the disk.
  virtual void RefreshFolderList() = 0;
  virtual void RefreshFileList() = 0;
  // A job or undo over many files reports how far it is: (0, total) when it starts,
  // (total, total) when it ends, also early. The front end may repaint here; the
  // controls are disabled meanwhile. Nothing by default.
  virtual void ShowProgress(int /*done*/, int /*total*/) {}
  // The criteria editor frmRen is shown (modeless) or hidden. Nothing by default.
  virtual void ShowCriteriaEditor(bool /*shown*/) {}
  // Whether the front end shows the working folder's file list. One without it (the
  // command line) spares reading the folder again after a job or an undo.
  virtual bool ShowsFileList() const { return true; }
};

}  // namespace quillon
