// The main window's left column: drive, folder and file lists with the folder history's
// buttons.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "flow/easy_process_buttons.h"
#include "flow/folder_lists.h"
#include "gui/caption_button.h"
#include "gui/file_list_model.h"
#include "gui/icons.h"
#include "gui/main_window.h"
#include "session/work_folder.h"

namespace quillon::gui {

QWidget* MainWindow::BuildLists() {
  auto* area = new QWidget(this);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);

  drive1_ = new QComboBox(area);
  drive1_->setObjectName(QStringLiteral("Drive1"));
  drive1_->setAccessibleName(QStringLiteral("Drive"));
  layout->addWidget(drive1_);

  dir1_ = new QListWidget(area);
  dir1_->setObjectName(QStringLiteral("Dir1"));
  dir1_->setAccessibleName(QStringLiteral("Folders"));
  layout->addWidget(dir1_, 2);

  auto* navigation = new QHBoxLayout();
  const std::pair<const char*, const char*> moves[] = {
      {"ImageGoBack", "Back"}, {"ImageGoForward", "Forward"}, {"ImageGoToStart", "Start"}};
  for (const auto& [name, caption] : moves) {
    auto* button = NamedButton(QString::fromLatin1(name), QString::fromLatin1(caption), area);
    GiveIcon(button);
    navigation->addWidget(button);
  }
  layout->addLayout(navigation);

  auto* disabledInfo = new QFrame(area);
  disabledInfo->setObjectName(QStringLiteral("FrameDirDisableInfo"));
  disabledInfo->setFrameShape(QFrame::StyledPanel);
  auto* infoLayout = new QVBoxLayout(disabledInfo);
  infoLayout->setContentsMargins(4, 2, 4, 2);
  auto* info = NamedLabel(QStringLiteral("LabelDirDisableInfo"), QString(), disabledInfo);
  info->setWordWrap(true);
  infoLayout->addWidget(info);
  disabledInfo->hide();
  layout->addWidget(disabledInfo);

  file1_ = new QListView(area);
  file1_->setObjectName(QStringLiteral("File1"));
  file1_->setAccessibleName(QStringLiteral("Files"));
  file1Model_ = new FileListModel(s_.selection.Files, file1_);
  file1_->setModel(file1Model_);
  file1_->setSelectionMode(QAbstractItemView::MultiSelection);
  file1_->setUniformItemSizes(true);
  file1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The keyboard moves and toggles as OnFile1Key says.
  file1_->installEventFilter(this);
  layout->addWidget(file1_, 3);

  // Easy Process picks one file in File2 instead.
  file2_ = new QListView(area);
  file2_->setObjectName(QStringLiteral("File2"));
  file2_->setAccessibleName(QStringLiteral("Files"));
  file2Model_ = new FileListModel(s_.selection.Files, file2_);
  file2_->setModel(file2Model_);
  file2_->setSelectionMode(QAbstractItemView::NoSelection);
  file2_->setUniformItemSizes(true);
  file2_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  file2_->hide();
  file2_->installEventFilter(this);
  layout->addWidget(file2_, 3);
  connect(file2_, &QListView::clicked, this, [this](const QModelIndex& index) {
    OnFile2ClickFlow(s_, ui_, static_cast<std::int16_t>(index.row()));
    RenderEasyProcess();
  });

  auto* counts = new QHBoxLayout();
  counts->addWidget(
      NamedLabel(QStringLiteral("LabelSelectFile"), QStringLiteral("Select File"), area), 1);
  counts->addWidget(NamedLabel(QStringLiteral("LabelFileNum"), QString(), area));
  layout->addLayout(counts);

  OnClick("ImageGoBack", &ImageGoBackClick);
  OnClick("ImageGoForward", &ImageGoForwardClick);
  OnClick("ImageGoToStart", &ImageGoToStartClick);
  connect(file1_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &MainWindow::OnFile1SelectionChanged);
  connect(dir1_, &QListWidget::itemActivated, this, &MainWindow::OnDir1Activated);
  connect(dir1_, &QListWidget::itemClicked, this, &MainWindow::OnDir1Activated);
  connect(drive1_, &QComboBox::activated, this, &MainWindow::OnDrive1Changed);
  return area;
}

void MainWindow::RenderFolderList() {
  {
    const QSignalBlocker blocker(drive1_);
    drive1_->clear();
    const std::string current = s_.files.DriveOf(s_.selection.Dir1Path);
    for (const Drive& drive : s_.files.Drives()) {
      const QString point = QString::fromStdString(drive.mountPoint);
      drive1_->addItem(point, point);
      if (drive.mountPoint == current) drive1_->setCurrentIndex(drive1_->count() - 1);
    }
  }
  const QSignalBlocker blocker(dir1_);
  dir1_->clear();
  dirEntries_ = FolderListEntries(s_);
  for (std::size_t i = 0; i < dirEntries_.size(); ++i) {
    const FolderEntry& entry = dirEntries_[i];
    auto* item = new QListWidgetItem(QString(entry.depth * 2, QLatin1Char(' ')) +
                                     QString::fromStdString(entry.label));
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

void MainWindow::RenderFileList() {
  WatchFolder();
  file1Model_->reload();
  file2Model_->reload();
  RenderFile1Selection();
  RenderFile2Selection();
}

void MainWindow::RenderFile2Selection() {
  // The picked file is shown as the current, highlighted entry.
  const std::int16_t picked = s_.easy.SingleFileIndex;
  file2_->setSelectionMode(QAbstractItemView::SingleSelection);
  file2_->clearSelection();
  if (picked >= 0 && picked < file2Model_->rowCount()) {
    file2_->setCurrentIndex(file2Model_->index(picked));
  }
  file2_->setSelectionMode(QAbstractItemView::NoSelection);
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
  OnFile1Click(s_, ui_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == file2_ && event->type() == QEvent::KeyPress) {
    // Space or Enter picks (or unpicks) the entry the keyboard is on.
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (file2_->currentIndex().isValid()) {
        OnFile2ClickFlow(s_, ui_, static_cast<std::int16_t>(file2_->currentIndex().row()));
        RenderEasyProcess();
      }
      return true;
    }
  }
  if (watched == file1_ && event->type() == QEvent::KeyPress) {
    return OnFile1Key(*static_cast<QKeyEvent*>(event));
  }
  if (watched == file1_ && event->type() == QEvent::KeyRelease) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key != Qt::Key_Tab && key != Qt::Key_Backtab;
  }
  return QMainWindow::eventFilter(watched, event);
}

// For people who cannot use a mouse: arrows, Page Up/Down, Home and End move the current
// row without selecting; Space toggles the current file and Ctrl+A selects every file,
// each through the path a click takes. Any other key is discarded; Tab and Shift+Tab
// leave the list.
bool MainWindow::OnFile1Key(const QKeyEvent& key) {
  const int rows = file1Model_->rowCount();
  const QModelIndex current = file1_->currentIndex();
  const int row = current.isValid() ? current.row() : -1;
  const int page =
      std::max(1, file1_->viewport()->height() / std::max(1, file1_->sizeHintForRow(0)));
  int target = -2;
  switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return false;
    case Qt::Key_Up:
      target = row - 1;
      break;
    case Qt::Key_Down:
      target = row + 1;
      break;
    case Qt::Key_PageUp:
      target = row - page;
      break;
    case Qt::Key_PageDown:
      target = row < 0 ? page - 1 : row + page;
      break;
    case Qt::Key_Home:
      target = 0;
      break;
    case Qt::Key_End:
      target = rows - 1;
      break;
    case Qt::Key_Space:
      if (current.isValid() && file1_->isEnabled()) {
        file1_->selectionModel()->select(current, QItemSelectionModel::Toggle);
      }
      return true;
    case Qt::Key_A:
      if (key.modifiers() == Qt::ControlModifier && rows > 0 && file1_->isEnabled()) {
        file1_->selectionModel()->select(
            QItemSelection(file1Model_->index(0), file1Model_->index(rows - 1)),
            QItemSelectionModel::Select);
      }
      return true;
    default:
      return true;
  }
  if (rows == 0) return true;
  target = std::clamp(target, 0, rows - 1);
  file1_->selectionModel()->setCurrentIndex(file1Model_->index(target),
                                            QItemSelectionModel::NoUpdate);
  file1_->scrollTo(file1Model_->index(target));
  return true;
}

void MainWindow::OnDir1Activated(QListWidgetItem* item) {
  const auto index = static_cast<std::size_t>(item->data(Qt::UserRole).toInt());
  if (index >= dirEntries_.size()) return;
  const std::string path = dirEntries_[index].path;
  if (path == s_.selection.Dir1Path) {
    // The folder shown, chosen again: read again.
    RereadFolder(s_, ui_);
    RenderFileList();
    return;
  }
  if (!PointFolderList(s_, path)) return;
  OnDir1Change(s_, ui_);
  RenderFolderList();
  RenderFileList();
}

void MainWindow::OnDrive1Changed(int index) {
  OnDrive1Change(s_, ui_, drive1_->itemData(index).toString().toStdString());
  RenderFolderList();
  RenderFileList();
}

}  // namespace quillon::gui
