#pragma once
// frmMain: folder and file lists on the left, the work area, the job bar, the main
// buttons, the status displays and the side area. Every decision is the core's; the
// window forwards events and renders the core's views.
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "gui/view_renderer.h"
#include "selection/folder_list_view.h"
#include "session/session.h"
#include "ui/user_interface.h"

class QComboBox;
class QFileSystemWatcher;
class QKeyEvent;
class QItemSelection;
class QListView;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QScrollArea;
class QStackedWidget;
class QTimer;

namespace quillon::gui {

class ActionFrame;
class CriteriaEditorWindow;
class DestinationChooserWindow;
class FileListModel;
class OptionsFrame;
class SelectionFrame;

class MainWindow : public QMainWindow {
 public:
  MainWindow(Session& session, UserInterface& ui);
  ~MainWindow() override;

  // Renders the session for a control-state code, as far as the code refreshes.
  void RenderControlState(const std::string& code);
  // Shows what a panel-opening code opened or changed.
  void RenderPanel(const std::string& code);
  // Reads the drive, folder and file lists again from the session.
  void RenderFolderList();
  void RenderFileList();
  // The criteria editor is shown or hidden.
  void ShowCriteriaEditor(bool shown);
  // A long job's progress; keeps the window painting meanwhile.
  void RenderProgress(int done, int total);
  // Where the window opens: where it was last, or fitted to the screen's free area.
  void PlaceOnScreen();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Build and render, one pair per part of the window.
  QWidget* BuildLists();
  void RenderFile1Selection();
  QWidget* BuildWorkArea();
  void RenderWorkArea();
  QWidget* BuildJobBar();
  QWidget* BuildMainButtons();
  QWidget* BuildStatusDisplays();
  QWidget* BuildSideArea();
  QWidget* BuildPriorityFrame(QWidget* parent);
  QWidget* BuildHelpFrame();
  QWidget* BuildSingleProcessFrame();
  void RenderFile2Selection();
  void RenderEasyProcess();
  QWidget* BuildJobFileButtons(QWidget* parent);
  // Opens the file dialog of "Open Job..." or "Save Job..."; the chosen file is read or
  // written when the dialog closes.
  void AskForJobFile(bool save);
  void RenderJobFileButtons();

  // The file that keeps where the windows were ("" without a data folder).
  QString PlacesFile() const;
  // Connects a button's click to a core handler taking the session and the port.
  void OnClick(const char* name, void (*handler)(Session&, UserInterface&));
  QWidget* Control(const char* name);

  void OnDir1Activated(QListWidgetItem* item);
  void OnDrive1Changed(int index);
  void OnFile1SelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
  void OnGoodbye();
  bool OnFile1Key(const QKeyEvent& key);
  // F1, Ctrl+Z, Ctrl+Q, F5 and the job bar's mnemonics.
  void BuildShortcuts();
  // The file list follows the disk while no job is prepared.
  void WatchFolder();
  void OnFolderChangedOnDisk();

  Session& s_;
  UserInterface& ui_;
  ViewRenderer renderer_;
  bool unloaded_ = false;
  bool fitted_ = false;
  bool editorPlaced_ = false;
  bool renderingFile1_ = false;
  // Where the last job file was opened or saved.
  QString jobFolder_;

  QWidget* lists_ = nullptr;
  QComboBox* drive1_ = nullptr;
  QListWidget* dir1_ = nullptr;
  QListView* file1_ = nullptr;
  FileListModel* file1Model_ = nullptr;
  QListView* file2_ = nullptr;
  FileListModel* file2Model_ = nullptr;
  QListView* list1_ = nullptr;
  FileListModel* list1Model_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QFileSystemWatcher* watcher_ = nullptr;
  QTimer* rereadSoon_ = nullptr;
  QStackedWidget* workArea_ = nullptr;
  QWidget* resultPage_ = nullptr;
  SelectionFrame* frameSelection_ = nullptr;
  ActionFrame* frameAction_ = nullptr;
  OptionsFrame* frameOptions_ = nullptr;
  QWidget* frameHelp_ = nullptr;
  // The panels of the work area, each in a scroll area of the stack.
  std::vector<QWidget*> panels_;
  std::vector<QWidget*> pages_;
  // The control that had the keyboard when a panel opened: it gets it back.
  QPointer<QWidget> opener_;
  CriteriaEditorWindow* editor_ = nullptr;
  // frmMove has lists named as the main window's own, so it is not a child of it.
  std::unique_ptr<DestinationChooserWindow> chooser_;
  // The folder list's entries; items refer to them by position, so names that are not
  // UTF-8 keep their exact bytes.
  std::vector<FolderEntry> dirEntries_;
};

}  // namespace quillon::gui
