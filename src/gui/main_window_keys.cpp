// The main window's keyboard: F1, Ctrl+Z, Ctrl+Q and F5, the job bar's mnemonics, and the
// file list that follows the disk.
#include <QAbstractButton>
#include <QFileSystemWatcher>
#include <QListWidget>
#include <QShortcut>
#include <QTimer>

#include "flow/folder_lists.h"
#include "gui/caption_button.h"
#include "gui/main_window.h"

namespace quillon::gui {
namespace {

// The letters the other controls' mnemonics take, which the job button's leaves alone.
constexpr char kTakenLetters[] = "sacohgepntujvb";

}  // namespace

void MainWindow::BuildShortcuts() {
  const auto press = [this](const char* name) {
    auto* button = qobject_cast<QAbstractButton*>(Control(name));
    if (button != nullptr && button->isEnabled() && button->isVisible()) button->click();
  };
  const auto add = [this](const QKeySequence& keys, auto action) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
  };
  add(QKeySequence(Qt::Key_F1), [press] { press("ImageHelp"); });
  // A text box keeps Ctrl+Z for its own typing.
  add(QKeySequence(Qt::CTRL | Qt::Key_Z), [press] { press("ImageUndo"); });
  add(QKeySequence(Qt::CTRL | Qt::Key_Q), [press] { press("ImageGoodbye"); });
  add(QKeySequence(Qt::Key_F5), [this] {
    // Not while a panel holds the lists.
    if (!dir1_->isEnabled()) return;
    RereadFolder(s_, ui_);
    RenderFolderList();
    RenderFileList();
  });

  // The captions the core gives Preview and the job button change; their mnemonics are
  // Alt and a letter of the caption.
  if (auto* preview = dynamic_cast<CaptionButton*>(Control("ImagePreview"))) {
    preview->setMnemonicAvoiding(QString::fromLatin1(kTakenLetters).remove(QLatin1Char('p')));
  }
  if (auto* job = dynamic_cast<CaptionButton*>(Control("ImageJob"))) {
    job->setMnemonicAvoiding(QString::fromLatin1(kTakenLetters));
  }
}

void MainWindow::WatchFolder() {
  if (watcher_ == nullptr) {
    watcher_ = new QFileSystemWatcher(this);
    rereadSoon_ = new QTimer(this);
    rereadSoon_->setSingleShot(true);
    // A copy of many files is one change, not thousands.
    rereadSoon_->setInterval(300);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, rereadSoon_,
            qOverload<>(&QTimer::start));
    connect(rereadSoon_, &QTimer::timeout, this, &MainWindow::OnFolderChangedOnDisk);
  }
  const QString folder = QString::fromStdString(s_.selection.Dir1Path);
  const QStringList watched = watcher_->directories();
  if (watched.size() == 1 && watched.front() == folder) return;
  if (!watched.isEmpty()) watcher_->removePaths(watched);
  if (!folder.isEmpty()) watcher_->addPath(folder);
}

void MainWindow::OnFolderChangedOnDisk() {
  // A job's own changes, and the list of a prepared job, stay as they are.
  if (!FileListFollowsDisk(s_) || !dir1_->isEnabled()) return;
  RereadFolder(s_, ui_);
  RenderFileList();
}

}  // namespace quillon::gui
