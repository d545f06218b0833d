#pragma once
// frmMain: folder and file lists on the left, the work area, the job bar, the main
// buttons, the status displays and the side area. Every decision is the core's; the
// window forwards events and renders the session.
#include <QHash>
#include <QMainWindow>
#include <string>
#include <vector>

#include "selection/folder_list_view.h"
#include "session/session.h"
#include "ui/user_interface.h"

class QAbstractButton;
class QComboBox;
class QFrame;
class QItemSelection;
class QLabel;
class QListView;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QStackedWidget;

namespace quillon::gui {

class ActionFrame;
class FileListModel;
class SelectionFrame;

class MainWindow : public QMainWindow {
 public:
  MainWindow(Session& session, UserInterface& ui);

  // Renders the session for a control-state code.
  void RenderControlState(const std::string& code);
  // Reads the drive, folder and file lists again from the session.
  void RenderFolderList();
  void RenderFileList();
  // A long job's progress; keeps the window painting meanwhile.
  void RenderProgress(int done, int total);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLists(QWidget* area);
  QWidget* BuildWorkArea();
  QWidget* BuildJobBar();
  QWidget* BuildMainButtons();
  QWidget* BuildStatusDisplays();
  QWidget* BuildSideArea();
  // Registers a control so the renderers can reach it by its name.
  template <typename T>
  T* Keep(T* widget);
  QWidget* Control(const char* name) const;
  QLabel* Label(const char* name) const;
  // Connects a button's click to a core handler taking the session and the port.
  void OnClick(const char* name, void (*handler)(Session&, UserInterface&));

  void RenderWorkArea();
  void RenderButtons();
  void RenderStatus();
  void RenderFolderListState();
  void RenderFile1Selection();

  void OnDir1Activated(QListWidgetItem* item);
  void OnDrive1Changed(int index);
  void OnFile1SelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
  void OnGoodbye();

  Session& s_;
  UserInterface& ui_;
  bool unloaded_ = false;
  bool renderingFile1_ = false;
  QHash<QString, QWidget*> controls_;

  QComboBox* drive1_ = nullptr;
  QListWidget* dir1_ = nullptr;
  QListView* file1_ = nullptr;
  FileListModel* file1Model_ = nullptr;
  QListView* list1_ = nullptr;
  FileListModel* list1Model_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QStackedWidget* workArea_ = nullptr;
  SelectionFrame* frameSelection_ = nullptr;
  ActionFrame* frameAction_ = nullptr;
  // The folder list's entries; items refer to them by position, so names that are not
  // UTF-8 keep their exact bytes.
  std::vector<FolderEntry> dirEntries_;
};

}  // namespace quillon::gui
