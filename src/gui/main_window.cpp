#include "gui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "flow/action_panel.h"
#include "flow/enable_buttons.h"
#include "flow/folder_lists.h"
#include "flow/job_bar.h"
#include "flow/little_help.h"
#include "flow/panel_dispatch.h"
#include "flow/selection_panel_buttons.h"
#include "flow/startup.h"
#include "gui/action_frame.h"
#include "gui/caption_button.h"
#include "gui/file_list_model.h"
#include "gui/selection_frame.h"
#include "selection/folder_change.h"
#include "selection/selection_panel.h"
#include "session/work_folder.h"

namespace quillon::gui {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QGroupBox* NamedFrame(const QString& name, const QString& title, QWidget* parent) {
  auto* frame = new QGroupBox(title, parent);
  frame->setObjectName(name);
  return frame;
}

}  // namespace

MainWindow::MainWindow(Session& session, UserInterface& ui) : s_(session), ui_(ui) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(Q(s_.state.ProductName));

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);

  // Left: drive, folder and file lists with the folder navigation.
  auto* left = new QWidget(central);
  BuildLists(left);
  columns->addWidget(left, 2);

  // Right: work area above the job bar, main buttons, status displays and side area.
  auto* right = new QWidget(central);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->addWidget(BuildWorkArea(), 1);
  rightLayout->addWidget(BuildJobBar());
  rightLayout->addWidget(BuildMainButtons());
  auto* bottom = new QHBoxLayout();
  bottom->addWidget(BuildStatusDisplays(), 2);
  bottom->addWidget(BuildSideArea(), 1);
  rightLayout->addLayout(bottom);
  columns->addWidget(right, 3);

  setCentralWidget(central);
  resize(1040, 720);
}

template <typename T>
T* MainWindow::Keep(T* widget) {
  controls_.insert(widget->objectName(), widget);
  return widget;
}

QWidget* MainWindow::Control(const char* name) const {
  return controls_.value(QString::fromLatin1(name));
}

QLabel* MainWindow::Label(const char* name) const {
  return findChild<QLabel*>(QString::fromLatin1(name));
}

void MainWindow::OnClick(const char* name, void (*handler)(Session&, UserInterface&)) {
  auto* button = qobject_cast<QAbstractButton*>(Control(name));
  connect(button, &QAbstractButton::clicked, this, [this, handler] { handler(s_, ui_); });
}

void MainWindow::BuildLists(QWidget* area) {
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);

  drive1_ = new QComboBox(area);
  drive1_->setObjectName(QStringLiteral("Drive1"));
  layout->addWidget(drive1_);

  dir1_ = new QListWidget(area);
  dir1_->setObjectName(QStringLiteral("Dir1"));
  layout->addWidget(dir1_, 2);

  auto* navigation = new QHBoxLayout();
  const std::pair<const char*, const char*> moves[] = {
      {"ImageGoBack", "Back"}, {"ImageGoForward", "Forward"}, {"ImageGoToStart", "Start"}};
  for (const auto& [name, caption] : moves) {
    navigation->addWidget(
        Keep(NamedButton(QString::fromLatin1(name), QString::fromLatin1(caption), area)));
  }
  layout->addLayout(navigation);
  OnClick("ImageGoBack", &ImageGoBackClick);
  OnClick("ImageGoForward", &ImageGoForwardClick);
  OnClick("ImageGoToStart", &ImageGoToStartClick);

  auto* disabledInfo = new QFrame(area);
  disabledInfo->setObjectName(QStringLiteral("FrameDirDisableInfo"));
  Keep(disabledInfo);
  auto* infoLayout = new QVBoxLayout(disabledInfo);
  auto* info = NamedLabel(QStringLiteral("LabelDirDisableInfo"), QString(), disabledInfo);
  info->setWordWrap(true);
  infoLayout->addWidget(info);
  disabledInfo->hide();
  layout->addWidget(disabledInfo);

  file1_ = new QListView(area);
  file1_->setObjectName(QStringLiteral("File1"));
  file1Model_ = new FileListModel(s_.selection.Files, file1_);
  file1_->setModel(file1Model_);
  file1_->setSelectionMode(QAbstractItemView::MultiSelection);
  file1_->setUniformItemSizes(true);
  file1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The file list cannot be operated from the keyboard.
  file1_->installEventFilter(this);
  layout->addWidget(file1_, 3);

  layout->addWidget(
      NamedLabel(QStringLiteral("LabelSelectFile"), QStringLiteral("Select File"), area));

  connect(file1_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &MainWindow::OnFile1SelectionChanged);
  connect(dir1_, &QListWidget::itemActivated, this, &MainWindow::OnDir1Activated);
  connect(dir1_, &QListWidget::itemClicked, this, &MainWindow::OnDir1Activated);
  connect(drive1_, &QComboBox::activated, this, &MainWindow::OnDrive1Changed);
}

QWidget* MainWindow::BuildWorkArea() {
  // One panel at a time, or the result list.
  workArea_ = new QStackedWidget(this);
  auto* result = new QWidget(workArea_);
  auto* layout = new QVBoxLayout(result);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(NamedLabel(QStringLiteral("LabelListFile"), QString(), result));
  list1_ = new QListView(result);
  list1_->setObjectName(QStringLiteral("List1"));
  list1Model_ = new FileListModel(s_.selection.List1, list1_);
  list1_->setModel(list1Model_);
  list1_->setSelectionMode(QAbstractItemView::NoSelection);  // display only
  list1_->setUniformItemSizes(true);
  list1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  layout->addWidget(list1_);
  workArea_->addWidget(result);
  frameSelection_ = new SelectionFrame(s_, ui_, workArea_);
  workArea_->addWidget(frameSelection_);
  frameAction_ = new ActionFrame(s_, ui_, workArea_);
  workArea_->addWidget(frameAction_);
  return workArea_;
}

QWidget* MainWindow::BuildJobBar() {
  auto* bar = new QFrame(this);
  bar->setObjectName(QStringLiteral("FrameJob"));
  bar->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QHBoxLayout(bar);
  layout->addWidget(
      Keep(NamedButton(QStringLiteral("ImageResetAll"), QStringLiteral("Reset All"), bar)));
  layout->addWidget(
      Keep(new CaptionButton(QStringLiteral("ImagePreview"), QStringLiteral("LabelPreview"),
                             QStringLiteral("Preview"), bar)));
  layout->addWidget(Keep(new CaptionButton(QStringLiteral("ImageJob"), QStringLiteral("LabelJob"),
                                           QStringLiteral("Rename"), bar)));
  layout->addWidget(
      Keep(NamedButton(QStringLiteral("ImageReject"), QStringLiteral("Cancel"), bar)));
  layout->addWidget(Keep(NamedButton(QStringLiteral("ImageUndo"), QStringLiteral("Undo"), bar)));
  progress_ = new QProgressBar(bar);
  progress_->setObjectName(QStringLiteral("ProgressJob"));
  progress_->setFormat(QStringLiteral("%v of %m files"));
  progress_->hide();
  layout->addWidget(progress_);
  OnClick("ImagePreview", &PreviewClick);
  OnClick("ImageJob", &JobClick);
  OnClick("ImageReject", &RejectClick);
  OnClick("ImageUndo", &UndoClick);
  connect(qobject_cast<QPushButton*>(Control("ImageResetAll")), &QPushButton::clicked, this,
          [this] {
            if (s_.state.ResultShown) return;
            s_.state.PendingKeyword = "ResetAll";
            ApplyPanel(s_, ui_);
          });
  return bar;
}

QWidget* MainWindow::BuildMainButtons() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  const std::pair<const char*, const char*> buttons[] = {
      {"ImageSelection", "Selection"},
      {"ImageAction", "Action"},
      {"ImageRenameCriteria", "Rename Criteria"},
      {"ImageRigidity", "Options"},
      {"ImageHelp", "Help"},
  };
  for (const auto& [name, caption] : buttons) {
    layout->addWidget(
        Keep(NamedButton(QString::fromLatin1(name), QString::fromLatin1(caption), row)));
  }
  auto* easy = new QCheckBox(QStringLiteral("Easy Process"), row);
  easy->setObjectName(QStringLiteral("CheckEasyProcess"));
  Keep(easy);
  layout->addWidget(easy);
  auto* goodbye = NamedButton(QStringLiteral("ImageGoodbye"), QStringLiteral("Goodbye"), row);
  connect(goodbye, &QPushButton::clicked, this, &MainWindow::OnGoodbye);
  layout->addWidget(goodbye);
  OnClick("ImageSelection", &ImageSelectionClick);
  OnClick("ImageAction", &ImageActionClick);
  return row;
}

QWidget* MainWindow::BuildStatusDisplays() {
  auto* area = new QWidget(this);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);

  // A status frame with its reset button and the button's caption label.
  auto frameWithReset = [&](const char* frameName, const char* title, const char* button,
                            const char* label) {
    auto* frame = NamedFrame(QString::fromLatin1(frameName), QString::fromLatin1(title), area);
    auto* frameLayout = new QHBoxLayout(frame);
    auto* lines = new QVBoxLayout();
    frameLayout->addLayout(lines, 1);
    frameLayout->addWidget(Keep(new CaptionButton(
        QString::fromLatin1(button), QString::fromLatin1(label), QStringLiteral("Reset"), frame)));
    layout->addWidget(frame);
    return lines;
  };

  auto* selection = frameWithReset("FrameDisplaySelection", "File Selection", "ImageClearSelection",
                                   "LabelClearSelection");
  selection->addWidget(NamedLabel(QStringLiteral("LabelSelectionType"), QString(), area));
  selection->addWidget(NamedLabel(QStringLiteral("LabelSelectionInfo"), QString(), area));

  auto* action =
      frameWithReset("FrameDisplayAction", "Action", "ImageClearAction", "LabelClearAction");
  action->addWidget(NamedLabel(QStringLiteral("LabelReviewMode"), QString(), area));
  action->addWidget(NamedLabel(QStringLiteral("LabelActionType"), QString(), area));
  auto* folder = NamedLabel(QStringLiteral("LabelActionFolderName"), QString(), area);
  folder->setWordWrap(true);
  action->addWidget(folder);

  auto* rename =
      frameWithReset("FrameRenInfo", "Rename Criteria", "ImageClearRename", "LabelClearRename");
  rename->addWidget(NamedLabel(QStringLiteral("LabelRenInfo"), QString(), area));
  auto* options =
      frameWithReset("FrameRigidityInfo", "Options", "ImageClearRigidity", "LabelClearRigidity");
  options->addWidget(NamedLabel(QStringLiteral("LabelRigidityInfo"), QString(), area));

  OnClick("ImageClearSelection", &ImageClearSelectionClick);
  OnClick("ImageClearAction", &ImageClearActionClick);
  connect(qobject_cast<QPushButton*>(Control("ImageClearRename")), &QPushButton::clicked, this,
          [this] {
            s_.state.PendingKeyword = "ResetRename";
            ApplyPanel(s_, ui_);
          });
  connect(qobject_cast<QPushButton*>(Control("ImageClearRigidity")), &QPushButton::clicked, this,
          [this] {
            s_.state.PendingKeyword = "ResetRigidity";
            ApplyPanel(s_, ui_);
          });
  return area;
}

QWidget* MainWindow::BuildSideArea() {
  auto* area = new QWidget(this);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* info = Keep(NamedFrame(QStringLiteral("FrameInfo"), QStringLiteral(" Little Help "), area));
  auto* infoLayout = new QVBoxLayout(info);
  for (int line = 1; line <= 4; ++line) {
    auto* label = NamedLabel(QStringLiteral("LabelInfo%1").arg(line), QString(), info);
    label->setWordWrap(true);
    infoLayout->addWidget(label);
  }
  infoLayout->addWidget(
      Keep(NamedButton(QStringLiteral("ImageInfoHide"), QStringLiteral("Hide"), info)));
  layout->addWidget(info);

  auto* view = new QFrame(area);
  view->setObjectName(QStringLiteral("FrameView"));
  Keep(view);
  auto* viewLayout = new QHBoxLayout(view);
  viewLayout->addWidget(
      Keep(NamedButton(QStringLiteral("ImageViewInfo"), QStringLiteral("Info"), view)));
  viewLayout->addWidget(
      Keep(NamedButton(QStringLiteral("ImageViewPriority"), QStringLiteral("Priority"), view)));
  layout->addWidget(view);
  layout->addStretch();

  connect(qobject_cast<QPushButton*>(Control("ImageViewInfo")), &QPushButton::clicked, this,
          [this] {
            s_.state.SavedSideFrame = s_.state.SideFrame;
            s_.state.SideFrame = "InfoFrame";
            RenderControlState("setButFrame");
          });
  connect(qobject_cast<QPushButton*>(Control("ImageInfoHide")), &QPushButton::clicked, this,
          [this] {
            s_.state.SideFrame.clear();
            RenderControlState("setButFrame");
          });
  return area;
}

void MainWindow::RenderControlState(const std::string& code) {
  if (code == "setButOnlyDir") return RenderFolderListState();
  if (code == "setButOnlyActiveness") return RenderButtons();
  if (code == "setButOnlyAction") return frameAction_->Render();
  RenderWorkArea();
  RenderStatus();
  RenderButtons();
  RenderFolderListState();
}

void MainWindow::RenderWorkArea() {
  const SessionState& st = s_.state;
  QWidget* panel = workArea_->widget(0);
  if (st.PanelOpen && st.PendingKeyword == "Selection") panel = frameSelection_;
  if (st.PanelOpen && st.PendingKeyword == "Action") panel = frameAction_;
  if (workArea_->currentWidget() != panel) {
    workArea_->setCurrentWidget(panel);
    if (panel == frameSelection_) frameSelection_->Render(true);
  }
  if (panel == frameAction_) frameAction_->Render();
  list1Model_->reload();
  Label("LabelListFile")->setText(Q(ListFileCaption(s_)));

  const bool infoShown = st.SideFrame == "InfoFrame";
  Control("FrameInfo")->setVisible(infoShown);
  Control("FrameView")->setVisible(st.SideFrame.empty());
}

void MainWindow::RenderStatus() {
  const SessionState& st = s_.state;
  const SelectionState& sel = s_.selection;
  Label("LabelSelectionType")->setText(Q(sel.LabelSelectionType));
  Label("LabelSelectionInfo")->setText(Q(sel.LabelSelectionInfo));
  Label("LabelActionType")->setText(Q(st.LabelActionType));
  Label("LabelActionFolderName")->setText(Q(st.LabelActionFolderName));
  Label("LabelReviewMode")->setText(Q(ReviewModeCaption(s_)));
  Label("LabelPreview")->setText(Q(st.LabelPreview));
  Label("LabelJob")->setText(Q(st.LabelJob));
  Label("LabelSelectFile")->setText(Q(SelectFileCaption(s_)));

  const ResetButtons resets = ResetButtonVisibility(s_);
  Control("ImageClearSelection")->setVisible(resets.selectionVisible);
  Label("LabelClearSelection")->setText(Q(resets.LabelClearSelection));
  Control("ImageClearAction")->setVisible(resets.actionVisible);
  Control("ImageClearRename")->setVisible(resets.renameVisible);
  Control("ImageClearRigidity")->setVisible(resets.rigidityVisible);
}

void MainWindow::RenderButtons() {
  const ButtonStates b = EnableButtons(s_);
  const std::pair<const char*, bool> states[] = {
      {"ImageInfoHide", b.ImageInfoHide},
      {"ImageJob", b.ImageJob},
      {"ImageReject", b.ImageReject},
      {"ImageAction", b.ImageAction},
      {"ImageClearAction", b.ImageClearAction},
      {"ImageRigidity", false},  // the Options panel is not built yet
      {"ImageClearRigidity", b.ImageClearRigidity},
      {"ImageHelp", false},  // the Help panel is not built yet
      {"ImageSelection", b.ImageSelection},
      {"ImageClearSelection", b.ImageClearSelection},
      {"ImageRenameCriteria", false},  // the criteria editor is not built yet
      {"ImageClearRename", b.ImageClearRename},
      {"ImageResetAll", b.ImageResetAll},
      {"ImagePreview", b.ImagePreview},
      {"ImageUndo", b.ImageUndo},
      {"ImageViewPriority", b.ImageViewPriority},
      {"CheckEasyProcess", false},  // Easy Process is not built yet
  };
  for (const auto& [name, enabled] : states) Control(name)->setEnabled(enabled);
}

void MainWindow::RenderFolderListState() {
  const SessionState& st = s_.state;
  const bool listsFree = !st.PanelOpen && !st.JobReady;
  drive1_->setEnabled(listsFree);
  dir1_->setEnabled(listsFree);
  file1_->setEnabled(!st.PanelOpen);
  Control("FrameDirDisableInfo")->setVisible(!listsFree);
  Label("LabelDirDisableInfo")
      ->setText(st.PanelOpen ? QStringLiteral("Drive and Directory box will be Activated after "
                                              "finishing your work at hand.")
                             : QStringLiteral("Drive and Directory box will be Activated on "
                                              "completion or cancellation of Action."));
  for (const char* name : {"ImageGoBack", "ImageGoForward", "ImageGoToStart"}) {
    Control(name)->setVisible(listsFree);
  }
  Control("ImageGoBack")->setEnabled(st.FolderHistoryPos >= 1);
  Control("ImageGoToStart")->setEnabled(st.FolderHistoryPos >= 1);
  Control("ImageGoForward")->setEnabled(st.FolderHistoryPos < st.FolderHistoryLast);
  RenderFile1Selection();
}

void MainWindow::RenderFolderList() {
  {
    const QSignalBlocker blocker(drive1_);
    drive1_->clear();
    const std::string current = s_.files.DriveOf(s_.selection.Dir1Path);
    for (const Drive& drive : s_.files.Drives()) {
      drive1_->addItem(Q(drive.mountPoint), Q(drive.mountPoint));
      if (drive.mountPoint == current) drive1_->setCurrentIndex(drive1_->count() - 1);
    }
  }
  const QSignalBlocker blocker(dir1_);
  dir1_->clear();
  dirEntries_ = FolderListEntries(s_);
  for (std::size_t i = 0; i < dirEntries_.size(); ++i) {
    const FolderEntry& entry = dirEntries_[i];
    auto* item = new QListWidgetItem(QString(entry.depth * 2, QLatin1Char(' ')) + Q(entry.label));
    item->setData(Qt::UserRole, static_cast<int>(i));
    if (entry.current) {
      QFont font = item->font();
      font.setBold(true);
      item->setFont(font);
    }
    dir1_->addItem(item);
    if (entry.current) dir1_->setCurrentItem(item);
  }
}

void MainWindow::RenderProgress(int done, int total) {
  progress_->setVisible(done < total);
  progress_->setMaximum(std::max(total, 1));
  progress_->setValue(done);
  // Paint and stay responsive to the window system; the controls are disabled while the
  // job runs, and a close is refused.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::RenderFileList() {
  file1Model_->reload();
  RenderFile1Selection();
}

void MainWindow::RenderFile1Selection() {
  // Whole runs of selected rows at once: fast on tens of thousands of files.
  const std::vector<bool>& flags = s_.selection.Selected;
  QItemSelection selection;
  const int rows = std::min(file1Model_->rowCount(), static_cast<int>(flags.size()));
  for (int row = 0; row < rows;) {
    if (!flags[static_cast<std::size_t>(row)]) {
      ++row;
      continue;
    }
    const int first = row;
    while (row < rows && flags[static_cast<std::size_t>(row)]) ++row;
    selection.select(file1Model_->index(first), file1Model_->index(row - 1));
  }
  renderingFile1_ = true;
  file1_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  renderingFile1_ = false;
}

void MainWindow::OnFile1SelectionChanged(const QItemSelection& selected,
                                         const QItemSelection& deselected) {
  if (renderingFile1_ || s_.state.SelectionApplying) return;
  std::vector<bool>& flags = s_.selection.Selected;
  flags.resize(s_.selection.Files.size(), false);
  auto mark = [&flags](const QItemSelection& ranges, bool on) {
    for (const QItemSelectionRange& range : ranges) {
      for (int row = range.top(); row <= range.bottom(); ++row) {
        if (row >= 0 && static_cast<std::size_t>(row) < flags.size()) {
          flags[static_cast<std::size_t>(row)] = on;
        }
      }
    }
  };
  mark(deselected, false);
  mark(selected, true);
  s_.state.FileListClicked = true;
  ApplyPanel(s_, ui_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == file1_ &&
      (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::OnDir1Activated(QListWidgetItem* item) {
  const auto index = static_cast<std::size_t>(item->data(Qt::UserRole).toInt());
  if (index >= dirEntries_.size()) return;
  const std::string path = dirEntries_[index].path;
  if (path == s_.selection.Dir1Path || !PointFolderList(s_, path)) return;
  OnDir1Change(s_, ui_);
  RenderFolderList();
  RenderFileList();
}

void MainWindow::OnDrive1Changed(int index) {
  OnDrive1Change(s_, ui_, drive1_->itemData(index).toString().toStdString());
  RenderFolderList();
  RenderFileList();
}

void MainWindow::OnGoodbye() {
  if (s_.state.ActionBusy) return;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!QueryClose(s_)) {
    event->ignore();
    return;
  }
  if (!unloaded_) {
    unloaded_ = true;
    UnloadMainWindow(s_);
  }
  event->accept();
}

}  // namespace quillon::gui
