#include "gui/action_frame.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "flow/action_panel.h"
#include "flow/enable_buttons.h"
#include "flow/panel_dispatch.h"
#include "gui/caption_button.h"
#include "session/action_kinds.h"

namespace quillon::gui {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

}  // namespace

ActionFrame::ActionFrame(Session& session, UserInterface& ui, QWidget* parent)
    : QGroupBox(QStringLiteral("Action"), parent), s_(session), ui_(ui) {
  setObjectName(QStringLiteral("FrameAction"));
  auto* layout = new QVBoxLayout(this);

  // The eight actions, by index.
  auto* actions = new QWidget(this);
  actions->setObjectName(QStringLiteral("OptionAction"));
  auto* grid = new QGridLayout(actions);
  for (int i = 0; i < 8; ++i) {
    actions_[i] =
        new QRadioButton(Q(kActionKinds[static_cast<std::size_t>(i)].optionCaption), actions);
    actions_[i]->setObjectName(QStringLiteral("OptionAction%1").arg(i));
    grid->addWidget(actions_[i], i % 4, i / 4);
    connect(actions_[i], &QRadioButton::clicked, this, [this, i] {
      OnOptionActionClick(s_, ui_, static_cast<std::int16_t>(i));
      Render();
    });
  }
  layout->addWidget(actions);

  // The attribute for "Set Attribute".
  frameAttribute_ = new QGroupBox(QStringLiteral("Attribute"), this);
  frameAttribute_->setObjectName(QStringLiteral("FrameAttribute"));
  auto* attributeLayout = new QHBoxLayout(frameAttribute_);
  auto* attributes = new QWidget(frameAttribute_);
  attributes->setObjectName(QStringLiteral("OptionAttribute"));
  auto* attributeRow = new QHBoxLayout(attributes);
  attributeRow->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 6; ++i) {
    attributes_[i] =
        new QRadioButton(Q(kAttributeCaptions[static_cast<std::size_t>(i)]), attributes);
    attributes_[i]->setObjectName(QStringLiteral("OptionAttribute%1").arg(i));
    attributeRow->addWidget(attributes_[i]);
    connect(attributes_[i], &QRadioButton::clicked, this, [this, i] {
      OnOptionAttributeClick(s_, ui_, static_cast<std::int16_t>(i));
      Render();
    });
  }
  attributeLayout->addWidget(attributes);
  layout->addWidget(frameAttribute_);

  mode_ = new QCheckBox(QStringLiteral("Review Mode : No Final Action On Files"), this);
  mode_->setObjectName(QStringLiteral("CheckActionMode"));
  layout->addWidget(mode_);
  overwrite_ = new QCheckBox(QStringLiteral("Overwrite Files In Destination While Copying."), this);
  overwrite_->setObjectName(QStringLiteral("CheckActionOverwrite"));
  layout->addWidget(overwrite_);

  auto* destinationRow = new QHBoxLayout();
  browse_ =
      NamedButton(QStringLiteral("ImageActionBrowse"), QStringLiteral("Set Destination"), this);
  destination_ = NamedLabel(QStringLiteral("LabelActionDestination"), QString(), this);
  destinationRow->addWidget(browse_);
  destinationRow->addWidget(destination_, 1);
  layout->addLayout(destinationRow);

  must_ = NamedLabel(QStringLiteral("LabelActionMust"), QString(), this);
  must_->setWordWrap(true);
  layout->addWidget(must_);
  auto* warning = NamedLabel(QStringLiteral("LabelActionWarning"), QString(), this);
  warning->setWordWrap(true);
  layout->addWidget(warning);
  layout->addStretch();

  auto* buttons = new QHBoxLayout();
  ok_ = NamedButton(QStringLiteral("ImageActionOK"), QStringLiteral("OK"), this);
  auto* cancel = NamedButton(QStringLiteral("ImageActionCancel"), QStringLiteral("Cancel"), this);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(mode_, &QCheckBox::clicked, this, [this](bool ticked) {
    OnCheckActionModeClick(s_, ui_, ticked);
    Render();
  });
  connect(overwrite_, &QCheckBox::clicked, this, [this](bool ticked) {
    OnCheckActionOverwriteClick(s_, ui_, ticked);
    Render();
  });
  connect(browse_, &QPushButton::clicked, this, &ActionFrame::ChooseDestination);
  connect(ok_, &QPushButton::clicked, this, [this] { ApplyPanel(s_, ui_); });
  connect(cancel, &QPushButton::clicked, this, [this] { CancelPanel(s_, ui_); });
}

void ActionFrame::ChooseDestination() {
  const QString chosen = QFileDialog::getExistingDirectory(
      this, QStringLiteral("Set Destination"), QString::fromStdString(s_.state.DestFolder));
  if (chosen.isEmpty()) return;
  SetDestinationFolder(s_, ui_, chosen.toStdString());
  Render();
}

void ActionFrame::Render() {
  const SessionState& st = s_.state;
  const int index = st.ActionIndexPending;
  for (int i = 0; i < 8; ++i) {
    const QSignalBlocker blocker(actions_[i]);
    actions_[i]->setChecked(i == index);
  }
  for (int i = 0; i < 6; ++i) {
    const QSignalBlocker blocker(attributes_[i]);
    attributes_[i]->setChecked(i == st.AttributeIndexPending);
  }
  frameAttribute_->setVisible(index == 7);
  overwrite_->setVisible(index == 1 || index == 2 || index == 4);
  {
    const QSignalBlocker a(mode_), b(overwrite_);
    mode_->setChecked(st.ReviewModePending);
    overwrite_->setChecked(st.OverwritePending);
  }
  browse_->setEnabled(EnableButtons(s_).ImageActionBrowse);
  destination_->setText(ActionNeedsDestination(index)
                            ? QString::fromStdString(st.DestChooserHeading + " " + st.DestFolder)
                            : QString());
  must_->setText(QString::fromStdString(st.LabelActionMust));
  ok_->setEnabled(st.ImageActionOKEnabled);
}

}  // namespace quillon::gui
