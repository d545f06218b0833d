#include "gui/destination_chooser_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "actions/destination_chooser.h"
#include "flow/action_panel.h"
#include "gui/caption_button.h"
#include "gui/filtered_line_edit.h"
#include "gui/screen_fit.h"

namespace quillon::gui {
namespace {

QFrame* Frame(const char* name, QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(QString::fromLatin1(name));
  return frame;
}

}  // namespace

DestinationChooserWindow::DestinationChooserWindow(Session& session, UserInterface& ui,
                                                   QWidget* parent)
    : QDialog(parent), s_(session), ui_(ui), renderer_(this) {
  setObjectName(QStringLiteral("frmMove"));
  setWindowTitle(QStringLiteral("Set Destination"));
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);

  auto* head = NamedLabel(QStringLiteral("LabelActionMoveHead"), QString(), this);
  QFont bold = head->font();
  bold.setBold(true);
  head->setFont(bold);
  layout->addWidget(head);
  auto* path = NamedLabel(QStringLiteral("LabelActionMovePath"), QString(), this);
  path->setWordWrap(true);
  layout->addWidget(path);

  drive1_ = new QComboBox(this);
  drive1_->setObjectName(QStringLiteral("Drive1"));
  drive1_->setAccessibleName(QStringLiteral("Drive"));
  layout->addWidget(drive1_);
  dir1_ = new QListWidget(this);
  dir1_->setObjectName(QStringLiteral("Dir1"));
  dir1_->setAccessibleName(QStringLiteral("Folders"));
  dir1_->setMinimumHeight(220);
  layout->addWidget(dir1_, 1);

  // Making a folder.
  auto* createNew = NamedButton(QStringLiteral("ImageActionMoveCreateNew"),
                                QStringLiteral("Create New Folder"), this);
  layout->addWidget(createNew, 0, Qt::AlignLeft);
  auto* create = Frame("FrameActionMoveCreate", this);
  auto* createRow = new QHBoxLayout(create);
  createRow->setContentsMargins(0, 0, 0, 0);
  auto* createLabel = new QLabel(QStringLiteral("New Folder Name :"), create);
  createRow->addWidget(createLabel);
  auto* createBox = new FilteredLineEdit(QStringLiteral("TextActionMoveCreate"), create);
  createLabel->setBuddy(createBox);
  createBox->setAccessibleName(QStringLiteral("New Folder Name"));
  createRow->addWidget(createBox, 1);
  auto* createOK =
      NamedButton(QStringLiteral("ImageActionMoveCreateOK"), QStringLiteral("Create"), create);
  auto* createCancel =
      NamedButton(QStringLiteral("ImageActionMoveCreateCancel"), QStringLiteral("Cancel"), create);
  createRow->addWidget(createOK);
  createRow->addWidget(createCancel);
  layout->addWidget(create);

  // The folders made during this visit.
  auto* created = Frame("FrameActionMoveCreated", this);
  auto* createdRow = new QHBoxLayout(created);
  createdRow->setContentsMargins(0, 0, 0, 0);
  auto* rename = NamedButton(QStringLiteral("ImageActionMoveRename"),
                             QStringLiteral("Rename New Folder"), created);
  auto* remove = NamedButton(QStringLiteral("ImageActionMoveDelete"),
                             QStringLiteral("Delete New Folder"), created);
  auto* again = NamedButton(QStringLiteral("ImageActionMoveBrowseAgain"),
                            QStringLiteral("Browse Again"), created);
  createdRow->addWidget(rename);
  createdRow->addWidget(remove);
  createdRow->addWidget(again);
  createdRow->addStretch();
  layout->addWidget(created);
  auto* renameFrame = Frame("FrameActionMoveRename", this);
  auto* renameRow = new QHBoxLayout(renameFrame);
  renameRow->setContentsMargins(0, 0, 0, 0);
  auto* renameLabel = new QLabel(QStringLiteral("New Name :"), renameFrame);
  renameRow->addWidget(renameLabel);
  auto* renameBox = new FilteredLineEdit(QStringLiteral("TextActionMoveNewName"), renameFrame);
  renameLabel->setBuddy(renameBox);
  renameBox->setAccessibleName(QStringLiteral("New Name"));
  renameRow->addWidget(renameBox, 1);
  auto* renameOK =
      NamedButton(QStringLiteral("ImageActionMoveRenameOK"), QStringLiteral("Rename"), renameFrame);
  renameRow->addWidget(renameOK);
  layout->addWidget(renameFrame);

  auto* buttons = new QHBoxLayout();
  auto* ok = NamedButton(QStringLiteral("ImageActionMoveOK"), QStringLiteral("OK"), this);
  auto* cancel =
      NamedButton(QStringLiteral("ImageActionMoveCancel"), QStringLiteral("Cancel"), this);
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  resize(520, 520);

  // No button ever becomes the default one: Enter in a box does only what the box says
  // (a rename confirmed by Enter must not also press Create New Folder, clicked before).
  for (auto* button : findChildren<QPushButton*>()) button->setAutoDefault(false);

  auto after = [this](auto&& call) {
    return [this, call] {
      call();
      Render();
    };
  };
  connect(createNew, &QPushButton::clicked, this,
          after([this] { ImageActionMoveCreateNewClick(s_); }));
  createBox->setFilter([this](char32_t key) { return CreateBoxKey(s_, ui_, key); });
  createBox->onPressOK = after([this] { ImageActionMoveCreateOKClick(s_, ui_); });
  connect(createBox, &QLineEdit::textEdited, this, [this](const QString& text) {
    OnTextActionMoveCreateChange(s_, text.toStdString());
    Render();
  });
  connect(createOK, &QPushButton::clicked, this,
          after([this] { ImageActionMoveCreateOKClick(s_, ui_); }));
  connect(createCancel, &QPushButton::clicked, this,
          after([this] { ImageActionMoveCreateCancelClick(s_); }));
  connect(rename, &QPushButton::clicked, this, after([this] { ImageActionMoveRenameClick(s_); }));
  connect(remove, &QPushButton::clicked, this,
          after([this] { ImageActionMoveDeleteClick(s_, ui_); }));
  connect(again, &QPushButton::clicked, this,
          after([this] { ImageActionMoveBrowseAgainClick(s_); }));
  connect(renameBox, &QLineEdit::textEdited, this, [this](const QString& text) {
    OnTextActionMoveNewNameChange(s_, text.toStdString());
    Render();
  });
  connect(renameBox, &QLineEdit::returnPressed, this,
          after([this] { ImageActionMoveRenameOKClick(s_, ui_); }));
  connect(renameOK, &QPushButton::clicked, this,
          after([this] { ImageActionMoveRenameOKClick(s_, ui_); }));
  connect(ok, &QPushButton::clicked, this, after([this] { ImageActionMoveOKClick(s_, ui_); }));
  connect(cancel, &QPushButton::clicked, this,
          after([this] { ImageActionMoveCancelClick(s_, ui_); }));
  connect(dir1_, &QListWidget::itemActivated, this, &DestinationChooserWindow::OnDir1Activated);
  connect(dir1_, &QListWidget::itemClicked, this, &DestinationChooserWindow::OnDir1Activated);
  connect(drive1_, &QComboBox::activated, this, [this](int index) {
    ChooserDrive1Change(s_, ui_, drive1_->itemData(index).toString().toStdString());
    Render();
  });
}

void DestinationChooserWindow::Open() {
  Render();
  // Inside the screen, over the window it was opened from.
  if (!placed_) {
    placed_ = true;
    FitOnScreen(this, QSize(560, 600), QApplication::activeWindow());
  }
  open();
  dir1_->setFocus();
}

void DestinationChooserWindow::reject() {
  // Escape and the close box cancel, as Cancel does.
  ImageActionMoveCancelClick(s_, ui_);
  Render();
}

void DestinationChooserWindow::OnDir1Activated(QListWidgetItem* item) {
  const auto index = static_cast<std::size_t>(item->data(Qt::UserRole).toInt());
  if (index >= entries_.size() || entries_[index].path == s_.chooser.Dir1Path) return;
  ChooserDir1Change(s_, ui_, entries_[index].path);
  Render();
}

void DestinationChooserWindow::RenderLists() {
  {
    const QSignalBlocker blocker(drive1_);
    drive1_->clear();
    const std::string current = s_.files.DriveOf(s_.chooser.Dir1Path);
    for (const Drive& drive : s_.files.Drives()) {
      const QString point = QString::fromStdString(drive.mountPoint);
      drive1_->addItem(point, point);
      if (drive.mountPoint == current) drive1_->setCurrentIndex(drive1_->count() - 1);
    }
  }
  const QSignalBlocker blocker(dir1_);
  dir1_->clear();
  entries_ = FolderListEntries(s_.files, s_.chooser.Dir1Path);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const FolderEntry& entry = entries_[i];
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

void DestinationChooserWindow::Render() {
  if (!s_.state.DestChooserOpen) {
    if (isVisible()) done(QDialog::Accepted);
    return;
  }
  RenderLists();
  renderer_.Render(ChooserView(s_));
  if (s_.chooser.CreateOpen) renderer_.Find(QStringLiteral("TextActionMoveCreate"))->setFocus();
  if (s_.chooser.RenameOpen) renderer_.Find(QStringLiteral("TextActionMoveNewName"))->setFocus();
}

}  // namespace quillon::gui
