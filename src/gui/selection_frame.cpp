#include "gui/selection_frame.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "flow/panel_dispatch.h"
#include "flow/selection_panel_buttons.h"
#include "gui/caption_button.h"
#include "gui/filtered_line_edit.h"
#include "gui/panel_keys.h"
#include "selection/selection_panel.h"

namespace quillon::gui {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// A row of a caption, a box and a trailing caption.
QWidget* Row(QWidget* parent, const QString& before, QWidget* box, const QString& after = {}) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  if (!before.isEmpty()) layout->addWidget(new QLabel(before, row));
  box->setParent(row);
  layout->addWidget(box);
  if (!after.isEmpty()) layout->addWidget(new QLabel(after, row));
  layout->addStretch();
  return row;
}

}  // namespace

SelectionFrame::SelectionFrame(Session& session, UserInterface& ui, QWidget* parent)
    : QGroupBox(QStringLiteral("File Selection"), parent), s_(session), ui_(ui) {
  setObjectName(QStringLiteral("FrameSelection"));
  auto* layout = new QVBoxLayout(this);

  // The four choices.
  auto* choiceRow = new QWidget(this);
  choiceRow->setObjectName(QStringLiteral("OptionSelection"));
  auto* choiceLayout = new QHBoxLayout(choiceRow);
  const char* captions[] = {"Manual", "By Number", "By String", "By Extension"};
  for (int i = 0; i < 4; ++i) {
    choices_[i] = new QRadioButton(QString::fromLatin1(captions[i]), choiceRow);
    choices_[i]->setObjectName(QStringLiteral("OptionSelection%1").arg(i));
    choiceLayout->addWidget(choices_[i]);
    connect(choices_[i], &QRadioButton::clicked, this, [this, i] {
      OnOptionSelectionClick(s_, static_cast<std::int16_t>(i));
      Render(true);
    });
  }
  layout->addWidget(choiceRow);

  // "All Files" / "Number of Files".
  numChoiceRow_ = new QWidget(this);
  numChoiceRow_->setObjectName(QStringLiteral("OptionSelectionNum"));
  auto* numLayout = new QHBoxLayout(numChoiceRow_);
  const char* numCaptions[] = {"All Files", "Number of Files"};
  for (int i = 0; i < 2; ++i) {
    numChoices_[i] = new QRadioButton(QString::fromLatin1(numCaptions[i]), numChoiceRow_);
    numChoices_[i]->setObjectName(QStringLiteral("OptionSelectionNum%1").arg(i));
    numLayout->addWidget(numChoices_[i]);
    connect(numChoices_[i], &QRadioButton::clicked, this, [this, i] {
      OnOptionSelectionNumClick(s_, static_cast<std::int16_t>(i));
      Render(true);
    });
  }
  layout->addWidget(numChoiceRow_);

  // The boxes.
  numFile_ = Box(QStringLiteral("TextSelectionNumFile"), static_cast<int>(SelectionBox::NumFile));
  numRow_ = Row(this, QStringLiteral("Select"), numFile_, QStringLiteral("File(s)"));
  layout->addWidget(numRow_);
  string_ = Box(QStringLiteral("TextSelectionString"), static_cast<int>(SelectionBox::String));
  labelString_ = new QLabel(this);
  labelString_->setObjectName(QStringLiteral("LabelSelectionString"));
  stringRow_ = Row(this, {}, string_);
  static_cast<QHBoxLayout*>(stringRow_->layout())->insertWidget(0, labelString_);
  layout->addWidget(stringRow_);
  sensitive_ = new QCheckBox(QStringLiteral("Case Sensitive"), this);
  sensitive_->setObjectName(QStringLiteral("CheckSelectionSensitive"));
  layout->addWidget(sensitive_);
  maxFile_ = Box(QStringLiteral("TextSelectionMaxFile"), static_cast<int>(SelectionBox::MaxFile));
  maxRow_ = Row(this, QStringLiteral("Maximum Limit"), maxFile_,
                QStringLiteral("File. For no limit type 0 (zero)."));
  layout->addWidget(maxRow_);
  keep_ = new QCheckBox(QStringLiteral("Select File On Folder Change"), this);
  keep_->setObjectName(QStringLiteral("CheckSelectionKeep"));
  layout->addWidget(keep_);
  numSkip_ = Box(QStringLiteral("TextSelectionNumSkip"), static_cast<int>(SelectionBox::NumSkip));
  skipRow_ = Row(this, QStringLiteral("Skip following number of files before starting selection"),
                 numSkip_);
  layout->addWidget(skipRow_);

  labelAsk_ = NamedLabel(QStringLiteral("LabelSelectionAsk"), QString(), this);
  layout->addWidget(labelAsk_);
  layout->addStretch();

  auto* buttons = new QHBoxLayout();
  ok_ = NamedButton(QStringLiteral("ImageSelectionOK"), QStringLiteral("OK"), this);
  auto* cancel =
      NamedButton(QStringLiteral("ImageSelectionCancel"), QStringLiteral("Cancel"), this);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  layout->addWidget(ButtonRow(this, buttons));

  connect(sensitive_, &QCheckBox::clicked, this, [this](bool ticked) {
    OnCheckSelectionSensitiveClick(s_, ticked);
    Render();
  });
  connect(keep_, &QCheckBox::clicked, this, [this](bool ticked) {
    OnCheckSelectionKeepClick(s_, ticked);
    Render();
  });
  connect(ok_, &QPushButton::clicked, this, [this] { ImageSelectionOKClick(s_, ui_); });
  connect(cancel, &QPushButton::clicked, this, [this] { CancelPanel(s_, ui_); });
  PanelKeys(this, ok_, cancel);
}

FilteredLineEdit* SelectionFrame::Box(const QString& name, int boxIndex) {
  auto* box = new FilteredLineEdit(name, this);
  const auto which = static_cast<SelectionBox>(boxIndex);
  box->setMaxLength(which == SelectionBox::String ? 255 : 6);
  box->setFilter([this, which](char32_t key) { return SelectionBoxKey(s_, ui_, which, key); });
  box->onPressOK = [this] { ImageSelectionOKClick(s_, ui_); };
  connect(box, &QLineEdit::textEdited, this, [this, which](const QString& text) {
    SelectionBoxChanged(s_, ui_, which, text.toStdString());
    Render();
  });
  return box;
}

void SelectionFrame::Render(bool moveFocus) {
  const SelectionState& sel = s_.selection;
  const SelectionPanelView view = BuildSelectionPanelView(s_);
  for (int i = 0; i < 4; ++i) {
    const QSignalBlocker blocker(choices_[i]);
    choices_[i]->setChecked(sel.OptSelection == i);
  }
  for (int i = 0; i < 2; ++i) {
    const QSignalBlocker blocker(numChoices_[i]);
    numChoices_[i]->setChecked(sel.OptSelectionNum == i);
  }
  numChoiceRow_->setVisible(view.OptionSelectionNum);
  maxRow_->setVisible(view.TextSelectionMaxFile);
  keep_->setVisible(view.CheckSelectionKeep);
  skipRow_->setVisible(view.TextSelectionNumSkip);
  numRow_->setVisible(view.TextSelectionNumFile);
  stringRow_->setVisible(view.TextSelectionString);
  sensitive_->setVisible(view.CheckSelectionSensitive);
  labelString_->setText(Q(view.LabelSelectionString));
  labelAsk_->setText(Q(view.LabelSelectionAsk));
  maxFile_->setTextQuietly(Q(sel.TextSelectionMaxFile));
  numSkip_->setTextQuietly(Q(sel.TextSelectionNumSkip));
  numFile_->setTextQuietly(Q(sel.TextSelectionNumFile));
  string_->setTextQuietly(Q(sel.TextSelectionString));
  {
    const QSignalBlocker a(sensitive_), b(keep_);
    sensitive_->setChecked(sel.EdSelectCaseSensitive);
    keep_->setChecked(sel.EdSelectKeep);
  }
  ok_->setEnabled(view.ImageSelectionOKEnabled);
  if (moveFocus && !view.focus.empty()) {
    if (auto* focus = findChild<QWidget*>(Q(view.focus)); focus && !focus->hasFocus()) {
      focus->setFocus();
    }
  }
}

}  // namespace quillon::gui
