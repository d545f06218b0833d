// The main window's status displays, side area and Help panel.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "actions/easy_process.h"
#include "flow/action_panel.h"
#include "flow/easy_process_buttons.h"
#include "flow/main_buttons.h"
#include "flow/options_panel.h"
#include "flow/priority_panel.h"
#include "flow/selection_panel_buttons.h"
#include "gui/caption_button.h"
#include "gui/filtered_line_edit.h"
#include "gui/keyless_combo.h"
#include "gui/main_window.h"
#include "gui/panel_keys.h"

namespace quillon::gui {
namespace {

QGroupBox* NamedFrame(const QString& name, const QString& title, QWidget* parent) {
  auto* frame = new QGroupBox(title, parent);
  frame->setObjectName(name);
  return frame;
}

QLabel* WrappedLabel(const char* name, QWidget* parent, const QString& text = {}) {
  auto* label = NamedLabel(QString::fromLatin1(name), text, parent);
  label->setWordWrap(true);
  return label;
}

QScrollArea* Scrolling(QWidget* content, QWidget* parent) {
  auto* area = new QScrollArea(parent);
  area->setWidget(content);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  // Wide enough as a rule; with a large font in a small window it scrolls rather than
  // cutting its lines.
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return area;
}

}  // namespace

QWidget* MainWindow::BuildStatusDisplays() {
  // Two columns: what is selected and what will be done; how names change and the
  // options.
  auto* content = new QWidget(this);
  auto* columns = new QHBoxLayout(content);
  columns->setContentsMargins(0, 0, 4, 0);
  auto* left = new QVBoxLayout();
  auto* right = new QVBoxLayout();
  // The criteria's lines wrap: they get the larger share.
  columns->addLayout(left, 2);
  columns->addLayout(right, 3);
  QVBoxLayout* layout = left;

  // A status frame with its reset button and the button's caption label.
  auto frameWithReset = [&](const char* frameName, const char* title, const char* button,
                            const char* label) {
    auto* frame = NamedFrame(QString::fromLatin1(frameName), QString::fromLatin1(title), content);
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(6, 2, 6, 4);
    auto* lines = new QVBoxLayout();
    frameLayout->addLayout(lines, 1);
    auto* reset = new CaptionButton(QString::fromLatin1(button), QString::fromLatin1(label),
                                    QStringLiteral("Reset"), frame);
    reset->setSpokenName(QStringLiteral("Reset ") + QString::fromLatin1(title));
    frameLayout->addWidget(reset, 0, Qt::AlignTop);
    layout->addWidget(frame);
    return std::make_pair(frame, lines);
  };

  auto [selection, selectionLines] = frameWithReset("FrameDisplaySelection", "File Selection",
                                                    "ImageClearSelection", "LabelClearSelection");
  selectionLines->addWidget(WrappedLabel("LabelSelectionType", selection));
  selectionLines->addWidget(WrappedLabel("LabelSelectionInfo", selection));

  auto [action, actionLines] =
      frameWithReset("FrameDisplayAction", "Action", "ImageClearAction", "LabelClearAction");
  actionLines->addWidget(WrappedLabel("LabelReviewMode", action));
  actionLines->addWidget(WrappedLabel("LabelActionType", action));
  actionLines->addWidget(WrappedLabel("LabelActionFolderName", action));

  left->addStretch();
  layout = right;
  auto [rename, renameLines] =
      frameWithReset("FrameRenInfo", "Rename Criteria", "ImageClearRename", "LabelClearRename");
  // Room for a summary line's usual words side by side: a narrower column scrolls rather
  // than cutting them.
  rename->setMinimumWidth(
      rename->fontMetrics().horizontalAdvance(QStringLiteral("Change or Remove Space :: No")) + 40);
  for (const char* name :
       {"LabelCriShow", "LabelCriChgCase", "LabelCriChgExt", "LabelCriRmvSpace", "LabelCriHandle1",
        "LabelCriHandle2", "LabelCriInsert", "LabelCriReplace", "LabelCriRemove", "LabelCriAuto1",
        "LabelCriAuto2", "LabelCriDate"}) {
    renameLines->addWidget(WrappedLabel(name, rename));
  }
  auto* priority = NamedFrame(QStringLiteral("FramePriInfo"), QStringLiteral("Priority"), content);
  auto* priorityLines = new QVBoxLayout(priority);
  priorityLines->setContentsMargins(6, 2, 6, 4);
  for (const char* name :
       {"LabelRenamePriority", "LabelPriority1st", "LabelPriority2nd", "LabelPriority3rd"}) {
    priorityLines->addWidget(WrappedLabel(name, priority));
  }
  priorityLines->addWidget(WrappedLabel("LabelPriorityNote1", priority,
                                        QStringLiteral("Use Priority button to change Priority.")));
  priorityLines->addWidget(WrappedLabel(
      "LabelPriorityNote2", priority,
      QStringLiteral("Files will be Renamed in exact order as the options listed here. Priority "
                     "or order of Insert, Replace and Remove is interchangeable.")));
  layout->addWidget(priority);

  auto [options, optionLines] =
      frameWithReset("FrameRigidityInfo", "Options", "ImageClearRigidity", "LabelClearRigidity");
  optionLines->addWidget(WrappedLabel("LabelRigidityInfo", options));
  right->addStretch();

  OnClick("ImageClearSelection", &ImageClearSelectionClick);
  OnClick("ImageClearAction", &ImageClearActionClick);
  OnClick("ImageClearRename", &ImageClearRenameClick);
  OnClick("ImageClearRigidity", &ImageClearRigidityClick);
  return Scrolling(content, this);
}

QWidget* MainWindow::BuildSideArea() {
  auto* area = new QWidget(this);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);

  // The Little Help.
  auto* info = NamedFrame(QStringLiteral("FrameInfo"), QStringLiteral(" Little Help "), area);
  auto* infoLayout = new QVBoxLayout(info);
  infoLayout->setContentsMargins(6, 2, 6, 4);
  auto* lines = new QWidget(info);
  auto* linesLayout = new QVBoxLayout(lines);
  linesLayout->setContentsMargins(0, 0, 0, 0);
  for (const char* name : {"LabelInfo1", "LabelInfo2", "LabelInfo3", "LabelInfo4"}) {
    linesLayout->addWidget(WrappedLabel(name, lines));
  }
  linesLayout->addStretch();
  infoLayout->addWidget(Scrolling(lines, info), 1);
  auto* hideInfo = NamedButton(QStringLiteral("ImageInfoHide"), QStringLiteral("Hide"), info);
  infoLayout->addWidget(hideInfo, 0, Qt::AlignRight);
  layout->addWidget(info, 1);

  layout->addWidget(BuildPriorityFrame(area), 1);

  // About.
  auto* about = NamedFrame(QStringLiteral("FrameAbout"), QStringLiteral("About"), area);
  auto* aboutLayout = new QVBoxLayout(about);
  auto* name = NamedLabel(QStringLiteral("LabelAboutName"), QString(), about);
  QFont big = name->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  name->setFont(big);
  aboutLayout->addWidget(name);
  aboutLayout->addWidget(NamedLabel(QStringLiteral("LabelAboutVersion"), QString(), about));
  // Below the system's own version line: the release this build is, its licence, its
  // makers and where it lives.
  auto* release =
      WrappedLabel("LabelAboutRelease", about,
                   QStringLiteral("Release %1. Free software under the MIT licence, by the Quillon "
                                  "developers.\n%2")
                       .arg(QStringLiteral(QUILLON_VERSION), QStringLiteral(QUILLON_HOMEPAGE)));
  release->setTextInteractionFlags(Qt::TextSelectableByMouse);
  aboutLayout->addWidget(release);
  aboutLayout->addWidget(WrappedLabel(
      "LabelAboutText", about,
      QStringLiteral("Works on many files of one folder at once: select, set the criteria, "
                     "preview, run the job and undo it.")));
  aboutLayout->addStretch();
  about->hide();
  layout->addWidget(about, 1);

  // The View frame: the buttons that open the Info and Priority frames.
  auto* view = new QFrame(area);
  view->setObjectName(QStringLiteral("FrameView"));
  view->setFrameShape(QFrame::StyledPanel);
  auto* viewLayout = new QHBoxLayout(view);
  viewLayout->addWidget(NamedButton(QStringLiteral("ImageViewInfo"), QStringLiteral("Info"), view));
  viewLayout->addWidget(
      NamedButton(QStringLiteral("ImageViewPriority"), QStringLiteral("Priority"), view));
  layout->addWidget(view);
  layout->addWidget(WrappedLabel("LabelHelpOption", area));
  layout->addStretch();

  OnClick("ImageInfoHide", &ImageInfoHideClick);
  OnClick("ImageViewInfo", &ImageViewInfoClick);
  OnClick("ImageViewPriority", &ImageViewPriorityClick);
  return area;
}

QWidget* MainWindow::BuildPriorityFrame(QWidget* parent) {
  auto* frame = NamedFrame(QStringLiteral("FramePriority"), QStringLiteral("Set Priority"), parent);
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(6, 2, 6, 4);
  layout->addWidget(WrappedLabel("LabelPriorityInfo2", frame,
                                 QStringLiteral("1st - Insert   2nd - Replace   3rd - Remove")));
  auto* combos = new QHBoxLayout();
  const std::pair<const char*, const char*> slots[] = {
      {"ComboPriority1st", "1st"}, {"ComboPriority2nd", "2nd"}, {"ComboPriority3rd", "3rd"}};
  int slot = 1;
  for (const auto& [name, caption] : slots) {
    auto* combo = new KeylessCombo(frame);
    combo->setObjectName(QString::fromLatin1(name));
    for (const char* item : kPriorityItems) combo->addItem(QString::fromLatin1(item));
    auto* label = new QLabel(QString::fromLatin1(caption), frame);
    label->setBuddy(combo);
    combos->addWidget(label);
    combos->addWidget(combo, 1);
    connect(combo, &QComboBox::activated, this,
            [this, slot](int index) { OnComboPriorityClick(s_, ui_, slot, index); });
    ++slot;
  }
  layout->addLayout(combos);
  auto* info3 = WrappedLabel(
      "LabelPriorityInfo3", frame,
      QStringLiteral("Insert, Replace and Remove must have different Priority to be able to set "
                     "it."));
  info3->hide();
  layout->addWidget(info3);
  auto* info4 = WrappedLabel("LabelPriorityInfo4", frame,
                             QStringLiteral("Please press OK for this setting to take effect."));
  info4->hide();
  layout->addWidget(info4);
  layout->addStretch();
  auto* buttons = new QHBoxLayout();
  auto* byDefault =
      NamedButton(QStringLiteral("ImagePriorityDefault"), QStringLiteral("Default"), frame);
  auto* ok = NamedButton(QStringLiteral("ImagePriorityOK"), QStringLiteral("OK"), frame);
  auto* hide = NamedButton(QStringLiteral("ImagePriorityHide"), QStringLiteral("Hide"), frame);
  buttons->addWidget(byDefault);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(hide);
  layout->addLayout(buttons);
  frame->hide();
  connect(ok, &QPushButton::clicked, this, [this] { ImagePriorityOKClick(s_, ui_); });
  connect(byDefault, &QPushButton::clicked, this, [this] { ImagePriorityDefaultClick(s_, ui_); });
  connect(hide, &QPushButton::clicked, this, [this] { ImagePriorityHideClick(s_, ui_); });
  PanelKeys(frame, ok, hide);
  return frame;
}

QWidget* MainWindow::BuildSingleProcessFrame() {
  auto* frame =
      NamedFrame(QStringLiteral("FrameSingleProcess"), QStringLiteral("Easy Process"), this);
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(WrappedLabel("LabelEasyProcess", frame));
  layout->addWidget(
      WrappedLabel("LabelSingleProcess1", frame,
                   QStringLiteral("1. Select a file in the left hand side File box. You "
                                  "will not be able to select more than one file.")));
  layout->addWidget(WrappedLabel(
      "LabelSingleProcess2", frame,
      QStringLiteral("2. Set the new name in the Text boxes bellow and  press Rename button.")));
  auto* row = new QHBoxLayout();
  auto* name = new FilteredLineEdit(QStringLiteral("TextSingleProcessName"), frame);
  auto* ext = new FilteredLineEdit(QStringLiteral("TextSingleProcessExt"), frame);
  ext->setMaximumWidth(90);
  row->addWidget(name, 1);
  row->addWidget(new QLabel(QStringLiteral("."), frame));
  row->addWidget(ext);
  layout->addLayout(row);
  auto* space = new QCheckBox(QStringLiteral("Include Space"), frame);
  space->setObjectName(QStringLiteral("CheckSingleProcess"));
  layout->addWidget(space);
  auto* run = NamedButton(QStringLiteral("buttonSingleProcess"), QStringLiteral("Rename"), frame);
  layout->addWidget(run, 0, Qt::AlignLeft);
  layout->addStretch();

  name->setFilter([this](char32_t key) { return SingleNameKey(s_, ui_, key); });
  ext->setFilter([this](char32_t key) { return SingleExtKey(s_, ui_, key); });
  name->onPressOK = [this] { ButtonSingleProcessClick(s_, ui_); };
  ext->onPressOK = [this] { ButtonSingleProcessClick(s_, ui_); };
  connect(name, &QLineEdit::textEdited, this, [this](const QString& text) {
    OnTextSingleProcessNameChange(s_, text.toStdString());
    RenderEasyProcess();
  });
  connect(ext, &QLineEdit::textEdited, this, [this](const QString& text) {
    OnTextSingleProcessExtChange(s_, text.toStdString());
    RenderEasyProcess();
  });
  connect(space, &QCheckBox::clicked, this, [this](bool ticked) {
    OnCheckSingleProcessClick(s_, ticked);
    RenderEasyProcess();
  });
  connect(run, &QPushButton::clicked, this, [this] { ButtonSingleProcessClick(s_, ui_); });
  return frame;
}

QWidget* MainWindow::BuildHelpFrame() {
  auto* frame = NamedFrame(QStringLiteral("FrameHelp"), QStringLiteral("Help"), this);
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(WrappedLabel(
      "LabelHelpText", frame,
      QStringLiteral(
          "1. Pick the folder in the folder list on the left.\n"
          "2. Select files by clicking them, or press Selection to select them by a rule.\n"
          "3. Press Action to choose what to do with them: rename, copy, move, delete or set "
          "attributes. Review Mode shows what would happen without touching a file.\n"
          "4. For renaming actions press Rename Criteria and set how the names change.\n"
          "5. Press Preview (or Finalize): conflicts are reported before anything is done.\n"
          "6. Press the job button to carry out the action. Undo reverses the last job, "
          "except a deletion.\n\n"
          "Options decide what happens to a file for which a criterion is impossible. The Info "
          "button at the bottom right shows the Little Help, which always says what to do "
          "next.")));
  layout->addStretch();
  auto* buttons = new QHBoxLayout();
  auto* about = NamedButton(QStringLiteral("ImageHelpAbout"), QStringLiteral("About"), frame);
  auto* close = NamedButton(QStringLiteral("ImageHelpCancel"), QStringLiteral("Close"), frame);
  buttons->addWidget(about);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addWidget(ButtonRow(frame, buttons));
  connect(about, &QPushButton::clicked, this, [this] { ImageHelpAboutClick(s_, ui_); });
  connect(close, &QPushButton::clicked, this, [this] { ImageHelpCancelClick(s_, ui_); });
  PanelKeys(frame, close, close);
  return frame;
}

}  // namespace quillon::gui
