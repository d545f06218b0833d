// The main window's work area, job bar and main buttons.
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "flow/action_panel.h"
#include "flow/criteria_editor.h"
#include "flow/easy_process_buttons.h"
#include "flow/job_bar.h"
#include "flow/main_buttons.h"
#include "flow/options_panel.h"
#include "flow/selection_panel_buttons.h"
#include "gui/action_frame.h"
#include "gui/caption_button.h"
#include "gui/file_list_model.h"
#include "gui/icons.h"
#include "gui/main_window.h"
#include "gui/options_frame.h"
#include "gui/selection_frame.h"

namespace quillon::gui {
namespace {

// Sends Enter and Escape that reach a panel's button row on to the panel, whose keys
// decide what they press.
class PanelKeysForwarder : public QObject {
 public:
  PanelKeysForwarder(QWidget* panel, QObject* parent) : QObject(parent), panel_(panel) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        QKeyEvent again(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
        QCoreApplication::sendEvent(panel_, &again);
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* panel_;
};

// A panel scrolls inside the work area rather than being cut in a small window; its row
// of OK and Cancel stays below, in sight at every size.
QWidget* PanelPage(QWidget* panel, QWidget* parent) {
  auto* page = new QWidget(parent);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* area = new QScrollArea(page);
  area->setWidget(panel);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  layout->addWidget(area, 1);
  if (auto* buttons = panel->findChild<QWidget*>(panel->objectName() + QStringLiteral("Buttons"),
                                                 Qt::FindDirectChildrenOnly)) {
    layout->addWidget(buttons);
    buttons->setContentsMargins(9, 0, 9, 6);
    // Enter and Escape on the row mean what they mean in the panel.
    buttons->installEventFilter(new PanelKeysForwarder(panel, buttons));
  }
  return page;
}

// The first control of a panel that the keyboard can reach, else of its button row.
void FocusFirstControl(QWidget* panel, QWidget* page) {
  const auto first = [](QWidget* area) {
    for (QWidget* child : area->findChildren<QWidget*>()) {
      if ((child->focusPolicy() & Qt::TabFocus) && child->isVisibleTo(area) && child->isEnabled()) {
        child->setFocus(Qt::TabFocusReason);
        return true;
      }
    }
    return false;
  };
  if (first(panel)) return;
  if (auto* buttons = page->findChild<QWidget*>(panel->objectName() + QStringLiteral("Buttons"))) {
    first(buttons);
  }
}

}  // namespace

QWidget* MainWindow::BuildWorkArea() {
  // One panel at a time, or the result list.
  workArea_ = new QStackedWidget(this);
  resultPage_ = new QWidget(workArea_);
  auto* layout = new QVBoxLayout(resultPage_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(NamedLabel(QStringLiteral("LabelListFile"), QString(), resultPage_));
  list1_ = new QListView(resultPage_);
  list1_->setObjectName(QStringLiteral("List1"));
  list1Model_ = new FileListModel(s_.selection.List1, s_.selection.store.ComboFile1, list1_);
  list1_->setModel(list1Model_);
  list1_->setSelectionMode(QAbstractItemView::NoSelection);  // display only
  list1_->setUniformItemSizes(true);
  list1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  layout->addWidget(list1_);
  workArea_->addWidget(resultPage_);

  frameSelection_ = new SelectionFrame(s_, ui_, workArea_);
  frameAction_ = new ActionFrame(s_, ui_, workArea_);
  frameOptions_ = new OptionsFrame(s_, ui_, workArea_);
  frameHelp_ = BuildHelpFrame();
  panels_ = {frameSelection_, frameAction_, frameOptions_, frameHelp_, BuildSingleProcessFrame()};
  for (QWidget* panel : panels_) {
    pages_.push_back(PanelPage(panel, workArea_));
    workArea_->addWidget(pages_.back());
  }
  return workArea_;
}

void MainWindow::RenderWorkArea() {
  const View view = WorkAreaView(s_);
  QWidget* page = resultPage_;
  QWidget* panel = nullptr;
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    const auto found = view.find(panels_[i]->objectName().toStdString());
    if (found != view.end() && found->second.visible.value_or(false)) {
      panel = panels_[i];
      page = pages_[i];
    }
  }
  if (workArea_->currentWidget() != page) {
    const bool opening = workArea_->currentWidget() == resultPage_;
    workArea_->setCurrentWidget(page);
    // The keyboard goes to the panel that opened, or back to the control that opened it
    // (else the main buttons).
    if (panel != nullptr) {
      if (opening) opener_ = QApplication::focusWidget();
      FocusFirstControl(panel, page);
    } else if (opener_ != nullptr && opener_->isVisible() && opener_->isEnabled()) {
      opener_->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* focus = QApplication::focusWidget();
               focus == nullptr || !focus->isVisible()) {
      Control("ImageSelection")->setFocus();
    }
  }
  list1Model_->reload();
}

QWidget* MainWindow::BuildJobBar() {
  auto* bar = new QFrame(this);
  bar->setObjectName(QStringLiteral("FrameJob"));
  bar->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(4, 4, 4, 4);
  QAbstractButton* buttons[] = {
      NamedButton(QStringLiteral("ImageResetAll"), QStringLiteral("Rese&t All"), bar),
      new CaptionButton(QStringLiteral("ImagePreview"), QStringLiteral("LabelPreview"),
                        QStringLiteral("Preview"), bar),
      new CaptionButton(QStringLiteral("ImageJob"), QStringLiteral("LabelJob"),
                        QStringLiteral("Rename"), bar),
      NamedButton(QStringLiteral("ImageReject"), QStringLiteral("Ca&ncel"), bar),
      NamedButton(QStringLiteral("ImageUndo"), QStringLiteral("&Undo"), bar),
  };
  for (QAbstractButton* button : buttons) {
    GiveIcon(button);
    layout->addWidget(button);
  }
  progress_ = new QProgressBar(bar);
  progress_->setObjectName(QStringLiteral("ProgressJob"));
  progress_->setFormat(QStringLiteral("%v of %m files"));
  // Shown only while a job runs; its room is kept so that nothing moves.
  QSizePolicy keep(QSizePolicy::Ignored, QSizePolicy::Preferred);
  keep.setRetainSizeWhenHidden(true);
  progress_->setSizePolicy(keep);
  progress_->hide();
  layout->addWidget(progress_, 1);

  OnClick("ImageResetAll", &ImageResetAllClick);
  OnClick("ImagePreview", &PreviewClick);
  OnClick("ImageJob", &JobClick);
  OnClick("ImageReject", &RejectClick);
  OnClick("ImageUndo", &UndoClick);
  return bar;
}

QWidget* MainWindow::BuildMainButtons() {
  auto* row = new QWidget(this);
  auto* layout = new QGridLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  const std::pair<const char*, const char*> buttons[] = {
      {"ImageSelection", "&Selection"},
      {"ImageAction", "&Action"},
      {"ImageRenameCriteria", "Rename &Criteria"},
      {"ImageRigidity", "&Options"},
      {"ImageHelp", "&Help"},
      {"ImageGoodbye", "&Goodbye"},
  };
  int column = 0;
  for (const auto& [name, caption] : buttons) {
    auto* button = NamedButton(QString::fromLatin1(name), QString::fromLatin1(caption), row);
    GiveIcon(button);
    layout->addWidget(button, column / 4, column % 4);
    ++column;
  }
  auto* easy = new QCheckBox(QStringLiteral("&Easy Process"), row);
  easy->setObjectName(QStringLiteral("CheckEasyProcess"));
  layout->addWidget(easy, column / 4, column % 4);
  connect(easy, &QCheckBox::clicked, this,
          [this](bool ticked) { OnCheckEasyProcessClick(s_, ui_, ticked); });
  ++column;
  layout->addWidget(BuildJobFileButtons(row), column / 4, column % 4);

  OnClick("ImageSelection", &ImageSelectionClick);
  OnClick("ImageAction", &ImageActionClick);
  OnClick("ImageRigidity", &ImageRigidityClick);
  OnClick("ImageHelp", &ImageHelpClick);
  OnClick("ImageRenameCriteria", &ImageRenameCriteriaClick);
  connect(qobject_cast<QAbstractButton*>(Control("ImageGoodbye")), &QAbstractButton::clicked, this,
          &MainWindow::OnGoodbye);
  return row;
}

void MainWindow::RenderProgress(int done, int total) {
  progress_->setVisible(done < total);
  progress_->setMaximum(std::max(total, 1));
  progress_->setValue(done);
  // Paint and stay responsive to the window system; the controls are disabled while the
  // job runs, and a close is refused.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace quillon::gui
