#include "gui/main_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "actions/easy_process.h"
#include "flow/control_state.h"
#include "flow/enable_buttons.h"
#include "flow/little_help.h"
#include "flow/main_buttons.h"
#include "flow/priority_panel.h"
#include "flow/startup.h"
#include "flow/status_frames.h"
#include "gui/action_frame.h"
#include "gui/criteria_editor_window.h"
#include "gui/destination_chooser_window.h"
#include "gui/file_list_model.h"
#include "gui/options_frame.h"
#include "gui/screen_fit.h"
#include "gui/selection_frame.h"

namespace quillon::gui {

// The smallest screen the start-up accepts, in pixels.
constexpr int kSmallestWidth = 767;
constexpr int kSmallestHeight = 567;
// The size the window opens at where the screen has the room.
constexpr QSize kWantedSize(1120, 780);
// Where the windows were last, beside the settings file (which keeps its own lines).
constexpr char kWindowPlacesFile[] = "windows.ini";

MainWindow::MainWindow(Session& session, UserInterface& ui)
    : s_(session), ui_(ui), renderer_(this) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromStdString(WindowCaption(s_)));

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  columns->setContentsMargins(6, 6, 6, 6);
  lists_ = BuildLists();
  columns->addWidget(lists_, 1);

  // Right: the work area takes what is left; the job bar, the main buttons and the
  // status row keep their place whatever the status texts say.
  auto* right = new QWidget(central);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->addWidget(BuildWorkArea(), 1);
  rightLayout->addWidget(BuildJobBar());
  rightLayout->addWidget(BuildMainButtons());
  auto* bottom = new QWidget(right);
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  bottomLayout->addWidget(BuildStatusDisplays(), 2);
  bottomLayout->addWidget(BuildSideArea(), 1);
  // Tall enough for the summaries of a fresh window (criteria not set, default options);
  // longer ones scroll.
  bottom->setFixedHeight(290);
  rightLayout->addWidget(bottom);
  columns->addWidget(right, 3);
  setCentralWidget(central);
  BuildShortcuts();
  editor_ = new CriteriaEditorWindow(s_, ui_, this);
  chooser_ = std::make_unique<DestinationChooserWindow>(s_, ui_, nullptr);

  setMinimumSize(kSmallestWidth, kSmallestHeight);
  resize(kWantedSize);
}

QString MainWindow::PlacesFile() const {
  if (s_.state.StateFolder.empty()) return {};
  return QString::fromStdString(s_.state.StateFolder + "/" + kWindowPlacesFile);
}

void MainWindow::PlaceOnScreen() {
  if (!RestorePlace(this, PlacesFile(), QStringLiteral("main"))) FitOnScreen(this, kWantedSize);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Once the window manager has framed the window, the frame counts too: a window taller
  // than the free area is fitted again.
  if (fitted_) return;
  fitted_ = true;
  QTimer::singleShot(0, this, [this] {
    const QScreen* shown = screen();
    if (shown != nullptr && !shown->availableGeometry().contains(frameGeometry())) {
      FitOnScreen(this, size());
    }
  });
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::Control(const char* name) {
  return renderer_.Find(QString::fromLatin1(name));
}

void MainWindow::OnClick(const char* name, void (*handler)(Session&, UserInterface&)) {
  auto* button = qobject_cast<QAbstractButton*>(Control(name));
  connect(button, &QAbstractButton::clicked, this, [this, handler] { handler(s_, ui_); });
}

void MainWindow::RenderControlState(const std::string& code) {
  const ControlRefresh r = RefreshFor(code);
  renderer_.Render(LittleHelpView(s_));
  // The result list is called what its caption says.
  const std::string& caption = s_.help.LabelListFile;
  list1_->setAccessibleName(caption.empty() ? QStringLiteral("New names")
                                            : QString::fromStdString(caption));
  if (r.windowCaption) setWindowTitle(QString::fromStdString(WindowCaption(s_)));
  if (r.statusFrames) {
    RenderWorkArea();
    renderer_.Render(StatusFramesView(s_));
  }
  if (r.actionOK) frameAction_->Render();
  if (r.optionsButtons) frameOptions_->Render();
  if (r.priorityButtons || r.sideFrames || r.general) renderer_.Render(PriorityPanelView(s_));
  if (r.sideFrames) renderer_.Render(SideFramesView(s_));
  if (r.buttons || r.general) renderer_.Render(EnableButtons(s_));
  RenderJobFileButtons();
  if (r.general) renderer_.Render(ResetButtonVisibility(s_));
  if (r.easyProcessPanel || r.general) RenderEasyProcess();
  if (r.easyProcessPanel) RenderWorkArea();
  if (r.folderListState || r.general) {
    renderer_.Render(FolderListState(s_));
    RenderFile1Selection();
  }
}

void MainWindow::RenderEasyProcess() {
  renderer_.Render(EasyProcessView(s_));
  RenderFile2Selection();
  if (s_.easy.FocusName) {
    s_.easy.FocusName = false;
    if (auto* name = qobject_cast<QLineEdit*>(Control("TextSingleProcessName"))) {
      name->setFocus();
      name->selectAll();
    }
  }
}

void MainWindow::RenderPanel(const std::string& code) {
  if (code == "setNullActionMovePath") {
    chooser_->Open();
  } else if (code == "setNullActionStart" || code == "setNullIndexAction") {
    frameAction_->Render();
  } else if (code == "setNullRigidity") {
    frameOptions_->Render();
  } else if (code == "setNullSelectionStart") {
    frameSelection_->Render(true);
  } else if (code == "setNullIndexSelection" || code == "setNullNumIndexNumSelection" ||
             code == "setNullSelectionOK") {
    frameSelection_->Render();
  }
  RenderJobFileButtons();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  // The lists take at most 30% of the width, so that the job bar keeps its room in a
  // small window.
  lists_->setMaximumWidth(std::max(200, width() * 3 / 10));
  QMainWindow::resizeEvent(event);
}

void MainWindow::ShowCriteriaEditor(bool shown) {
  if (!shown) {
    editor_->hide();
    return;
  }
  if (!editorPlaced_) {
    editorPlaced_ = true;
    editor_->PlaceOnScreen(PlacesFile(), this);
  }
  editor_->show();
  editor_->raise();
  editor_->activateWindow();
  editor_->Render();
}

void MainWindow::OnGoodbye() {
  if (ImageGoodbyeClick(s_)) close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!QueryClose(s_)) {
    event->ignore();
    return;
  }
  if (!unloaded_) {
    unloaded_ = true;
    RememberPlace(this, PlacesFile(), QStringLiteral("main"));
    editor_->RememberPlace(PlacesFile());
    UnloadMainWindow(s_);
  }
  event->accept();
}

}  // namespace quillon::gui
