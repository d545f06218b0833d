#include "gui/action_frame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "flow/action_panel.h"
#include "flow/panel_dispatch.h"
#include "gui/caption_button.h"
#include "gui/panel_keys.h"
#include "session/action_kinds.h"

namespace quillon::gui {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

}  // namespace

ActionFrame::ActionFrame(Session& session, UserInterface& ui, QWidget* parent)
    : QGroupBox(QStringLiteral("Action"), parent), s_(session), ui_(ui), renderer_(this) {
  setObjectName(QStringLiteral("FrameAction"));
  auto* layout = new QVBoxLayout(this);

  // The eight actions, by index.
  auto* actions = new QWidget(this);
  actions->setObjectName(QStringLiteral("OptionAction"));
  auto* grid = new QGridLayout(actions);
  grid->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 8; ++i) {
    auto* option =
        new QRadioButton(Q(kActionKinds[static_cast<std::size_t>(i)].optionCaption), actions);
    option->setObjectName(QStringLiteral("OptionAction%1").arg(i));
    grid->addWidget(option, i % 4, i / 4);
    connect(option, &QRadioButton::clicked, this, [this, i] {
      OnOptionActionClick(s_, ui_, static_cast<std::int16_t>(i));
      Render();
    });
  }
  layout->addWidget(actions);

  // The attribute for "Set Attribute".
  auto* frameAttribute = new QGroupBox(QStringLiteral("Attribute"), this);
  frameAttribute->setObjectName(QStringLiteral("FrameAttribute"));
  auto* attributeLayout = new QHBoxLayout(frameAttribute);
  auto* attributes = new QWidget(frameAttribute);
  attributes->setObjectName(QStringLiteral("OptionAttribute"));
  auto* attributeGrid = new QGridLayout(attributes);
  attributeGrid->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 6; ++i) {
    auto* option = new QRadioButton(Q(kAttributeCaptions[static_cast<std::size_t>(i)]), attributes);
    option->setObjectName(QStringLiteral("OptionAttribute%1").arg(i));
    attributeGrid->addWidget(option, i / 3, i % 3);
    connect(option, &QRadioButton::clicked, this, [this, i] {
      OnOptionAttributeClick(s_, ui_, static_cast<std::int16_t>(i));
      Render();
    });
  }
  attributeLayout->addWidget(attributes);
  layout->addWidget(frameAttribute);

  auto* mode = new QCheckBox(QStringLiteral("Review Mode : No Final Action On Files"), this);
  mode->setObjectName(QStringLiteral("CheckActionMode"));
  layout->addWidget(mode);
  auto* overwrite =
      new QCheckBox(QStringLiteral("Overwrite Files In Destination While Copying."), this);
  overwrite->setObjectName(QStringLiteral("CheckActionOverwrite"));
  layout->addWidget(overwrite);

  auto* destinationRow = new QHBoxLayout();
  auto* browse =
      NamedButton(QStringLiteral("ImageActionBrowse"), QStringLiteral("Set Destination"), this);
  auto* destination = NamedLabel(QStringLiteral("LabelActionDestination"), QString(), this);
  destination->setWordWrap(true);
  destinationRow->addWidget(browse);
  destinationRow->addWidget(destination, 1);
  layout->addLayout(destinationRow);

  for (const char* name : {"LabelActionMust", "LabelActionWarning"}) {
    auto* note = NamedLabel(QString::fromLatin1(name), QString(), this);
    note->setWordWrap(true);
    layout->addWidget(note);
  }
  layout->addStretch();

  auto* buttons = new QHBoxLayout();
  auto* ok = NamedButton(QStringLiteral("ImageActionOK"), QStringLiteral("OK"), this);
  auto* cancel = NamedButton(QStringLiteral("ImageActionCancel"), QStringLiteral("Cancel"), this);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addWidget(ButtonRow(this, buttons));

  connect(mode, &QCheckBox::clicked, this, [this](bool ticked) {
    OnCheckActionModeClick(s_, ui_, ticked);
    Render();
  });
  connect(overwrite, &QCheckBox::clicked, this, [this](bool ticked) {
    OnCheckActionOverwriteClick(s_, ui_, ticked);
    Render();
  });
  connect(browse, &QPushButton::clicked, this, [this] {
    ImageActionBrowseClick(s_, ui_);
    Render();
  });
  connect(ok, &QPushButton::clicked, this, [this] { ApplyPanel(s_, ui_); });
  connect(cancel, &QPushButton::clicked, this, [this] { CancelPanel(s_, ui_); });
  PanelKeys(this, ok, cancel);
}

void ActionFrame::Render() {
  renderer_.Render(ActionPanelView(s_));
}

}  // namespace quillon::gui
