#include "gui/options_frame.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "flow/options_panel.h"
#include "gui/caption_button.h"
#include "gui/panel_keys.h"

namespace quillon::gui {
namespace {

QLabel* Heading(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  label->setWordWrap(true);
  return label;
}

// A caption that wraps and clicks its option, so that long captions stay readable in a
// narrow window.
class OptionCaption : public QLabel {
 public:
  OptionCaption(const QString& text, QAbstractButton* option, QWidget* parent)
      : QLabel(text, parent), option_(option) {
    setWordWrap(true);
    option->setAccessibleName(text);
  }

 protected:
  void mousePressEvent(QMouseEvent*) override {
    if (option_->isEnabled()) option_->click();
  }

 private:
  QAbstractButton* option_;
};

}  // namespace

OptionsFrame::OptionsFrame(Session& session, UserInterface& ui, QWidget* parent)
    : QGroupBox(QStringLiteral("Options"), parent), s_(session), ui_(ui), renderer_(this) {
  setObjectName(QStringLiteral("FrameRigidity"));
  auto* layout = new QVBoxLayout(this);

  layout->addWidget(Heading("If A File Can Not Be Renamed", this));
  layout->addWidget(Heading("According As Set Criteria", this));
  layout->addWidget(Group(kRowInsertRigid, "FrameInsertRigid", "OptionInsertRigid",
                          "If Insert is not possible :", "Ignore it. Process file as it is.",
                          "Mark the file for easy removal from selection."));
  layout->addWidget(Group(kRowReplaceRigid, "FrameReplaceRigid", "OptionReplaceRigid",
                          "If Replace is not possible :", "Ignore it. Process file as it is.",
                          "Mark the file for easy removal from selection."));
  layout->addWidget(Group(kRowRemoveRigid, "FrameRemoveRigid", "OptionRemoveRigid",
                          "If Remove is not possible :", "Ignore it, Process file as it is.",
                          "Mark the file for easy removal from selection."));
  layout->addWidget(Heading("If selected number of Characters", this));
  layout->addWidget(Heading("Can not be Replaced or Removed", this));
  layout->addWidget(Heading("While Replacing or Removing", this));
  layout->addWidget(Heading("Number Of Characters", this));
  layout->addWidget(Group(kRowCharReplaceRigid, "FrameCharReplaceRigid", "OptionCharReplaceRigid",
                          "If can not be Replaced :",
                          "Without effecting anything if inserting the Replace Text is possible, "
                          "just do that.",
                          "Mark the file for easy removal from selection."));
  layout->addWidget(Group(kRowCharRemoveRigid, "FrameCharRemoveRigid", "OptionCharRemoveRigid",
                          "If can not be Removed :",
                          "Remove as many Character possible or ignore it. Process file as it is.",
                          "Mark the file for easy removal from selection."));

  auto* allow = new QCheckBox(QStringLiteral("Allow Working In System Folder"), this);
  allow->setObjectName(QStringLiteral("CheckAllowSystemRigid"));
  layout->addWidget(allow);
  auto* note = new QLabel(
      QStringLiteral("All changes above the line will be effective for current session only."),
      this);
  note->setWordWrap(true);
  layout->addWidget(note);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  layout->addWidget(line);
  auto* help = new QCheckBox(QStringLiteral("Show Little Help From Start Of Program"), this);
  help->setObjectName(QStringLiteral("CheckHelpRigid"));
  layout->addWidget(help);
  auto* undo = new QCheckBox(QStringLiteral("Undo Possible? - Do Not Show This Message"), this);
  undo->setObjectName(QStringLiteral("CheckUndoWarnRigid"));
  layout->addWidget(undo);
  layout->addStretch();

  auto* buttons = new QHBoxLayout();
  auto* byDefault =
      NamedButton(QStringLiteral("ImageRigidityDefault"), QStringLiteral("Default"), this);
  auto* ok = NamedButton(QStringLiteral("ImageRigidityOK"), QStringLiteral("OK"), this);
  auto* cancel = NamedButton(QStringLiteral("ImageRigidityCancel"), QStringLiteral("Cancel"), this);
  buttons->addWidget(byDefault);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addWidget(ButtonRow(this, buttons));

  connect(allow, &QCheckBox::clicked, this, [this](bool ticked) {
    OnCheckAllowSystemRigidClick(s_, ui_, ticked);
    Render();
  });
  connect(help, &QCheckBox::clicked, this, [this](bool ticked) {
    OnCheckHelpRigidClick(s_, ui_, ticked);
    Render();
  });
  connect(undo, &QCheckBox::clicked, this, [this](bool ticked) {
    OnCheckUndoWarnRigidClick(s_, ui_, ticked);
    Render();
  });
  connect(ok, &QPushButton::clicked, this, [this] { ImageRigidityOKClick(s_, ui_); });
  connect(byDefault, &QPushButton::clicked, this, [this] { ImageRigidityDefaultClick(s_, ui_); });
  connect(cancel, &QPushButton::clicked, this, [this] { ImageRigidityCancelClick(s_, ui_); });
  PanelKeys(this, ok, cancel);
}

QWidget* OptionsFrame::Group(RigidityRow row, const char* frame, const char* name,
                             const char* label, const char* ignore, const char* mark) {
  auto* box = new QFrame(this);
  box->setObjectName(QString::fromLatin1(frame));
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 2, 0, 2);
  layout->addWidget(new QLabel(QString::fromLatin1(label), box));
  auto* group = new QWidget(box);
  group->setObjectName(QString::fromLatin1(name));
  auto* options = new QGridLayout(group);
  options->setContentsMargins(16, 0, 0, 0);
  options->setColumnStretch(1, 1);
  const char* captions[] = {ignore, mark};
  for (int i = 0; i < 2; ++i) {
    auto* option = new QRadioButton(group);
    option->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(name)).arg(i));
    options->addWidget(option, i, 0, Qt::AlignTop);
    options->addWidget(new OptionCaption(QString::fromLatin1(captions[i]), option, group), i, 1);
    connect(option, &QRadioButton::clicked, this, [this, row, i] {
      OnOptionRigidClick(s_, ui_, row, static_cast<std::int16_t>(i));
      Render();
    });
  }
  layout->addWidget(group);
  return box;
}

void OptionsFrame::Render() {
  renderer_.Render(OptionsPanelView(s_));
}

}  // namespace quillon::gui
