#include "gui/criteria_editor_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>
#include <span>

#include "flow/criteria_editor.h"
#include "gui/caption_button.h"
#include "gui/filtered_line_edit.h"
#include "gui/keyless_combo.h"
#include "gui/screen_fit.h"
#include "rename/criteria_editor.h"
#include "rename/date_stamp.h"
#include "rename/editor_boxes.h"
#include "rename/editor_filters.h"
#include "rename/editor_preview.h"
#include "rename/editor_view.h"

namespace quillon::gui {
namespace {

using B = EditorBox;

constexpr std::size_t kPreviewRows = 20;
// The editor can be made this small: its columns then scroll. It opens with room for
// most criteria disclosed at once, where the screen has it.
constexpr QSize kSmallestSize(560, 420);
constexpr QSize kWantedSize(1180, 700);

QString Name(EditorBox box) {
  const std::string_view name = BoxName(box);
  return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}

// What a screen reader calls each box: the label beside it, or what the box is for where
// its place in the window says so.
const char* SpokenName(EditorBox box) {
  switch (box) {
    case B::TextExt:
      return "New Extension";
    case B::TextSpaceWith:
      return "Replace spaces with";
    case B::TextHandleThis:
      return "Handle all instances of this character or string";
    case B::TextHandleWith:
      return "Replace each instance with";
    case B::TextInsertAfterNumChar:
      return "Insert: number of characters";
    case B::TextInsertAfterString:
      return "Insert: string";
    case B::TextInsertThis:
      return "Insert This";
    case B::TextReplaceString:
      return "Replace: this string";
    case B::TextReplaceAfterNumChar:
      return "Replace: number of characters";
    case B::TextReplaceAfterString:
      return "Replace: string";
    case B::TextReplaceCharAfterNumChar:
      return "Replace characters: number of characters";
    case B::TextReplaceCharAfterString:
      return "Replace characters: string";
    case B::TextReplaceNumChar:
      return "Number of Character To Replace";
    case B::TextReplaceWith:
      return "Replace With This";
    case B::TextRemoveString:
      return "Remove: this string";
    case B::TextRemoveAfterNumChar:
      return "Remove: number of characters";
    case B::TextRemoveAfterString:
      return "Remove: string";
    case B::TextRemoveCharAfterNumChar:
      return "Remove characters: number of characters";
    case B::TextRemoveCharAfterString:
      return "Remove characters: string";
    case B::TextRemoveNumChar:
      return "Number of Character To Remove";
    case B::TextAutoAfterNumChar:
      return "Auto: number of characters";
    case B::TextAutoAfterString:
      return "Auto: string";
    case B::TextAutoStart:
      return "Auto: start from";
    case B::TextReplacePattern:
      return "Replace: every match of this pattern";
    case B::TextDateAfterNumChar:
      return "Date: number of characters";
    case B::TextDateAfterString:
      return "Date: string";
  }
  return "";
}

QGroupBox* Frame(const char* name, const char* title, QWidget* parent) {
  auto* frame = new QGroupBox(QString::fromLatin1(title), parent);
  frame->setObjectName(QString::fromLatin1(name));
  return frame;
}

// Gives the control `name` below `parent` the name a screen reader says.
void Spoken(QWidget* parent, const char* name, const char* spoken) {
  if (auto* control = parent->findChild<QWidget*>(QString::fromLatin1(name))) {
    control->setAccessibleName(QString::fromLatin1(spoken));
  }
}

QLabel* Label(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
  return label;
}

// A row of widgets; hidden ones give their room to the others.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout();
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
  return row;
}

// A criterion's section: a titled frame around the tick box row and what it discloses.
QGroupBox* Section(QWidget* parent) {
  auto* section = new QGroupBox(parent);
  section->setFlat(false);
  new QVBoxLayout(section);
  return section;
}

QVBoxLayout* Lines(QWidget* section) {
  return static_cast<QVBoxLayout*>(section->layout());
}

}  // namespace

CriteriaEditorWindow::CriteriaEditorWindow(Session& session, UserInterface& ui, QWidget* parent)
    : QDialog(parent), s_(session), ui_(ui), renderer_(this) {
  setObjectName(QStringLiteral("frmRen"));
  setWindowTitle(QStringLiteral("Set Rename Criteria"));
  setModal(false);

  // Three columns of criteria, each growing downwards as its boxes are disclosed. They
  // scroll in a small window; the preview and OK/Cancel below them stay in sight.
  auto* layout = new QVBoxLayout(this);
  content_ = new QWidget(this);
  auto* columns = new QHBoxLayout(content_);
  auto* left = new QVBoxLayout();
  left->addWidget(BuildCaseAndExtension());
  left->addWidget(BuildSpaceAndHandle());
  left->addStretch();
  columns->addLayout(left, 1);
  columns->addWidget(BuildInsertAndReplace(), 1, Qt::AlignTop);
  columns->addWidget(BuildRemoveAndAuto(), 1, Qt::AlignTop);
  auto* area = new QScrollArea(this);
  area->setObjectName(QStringLiteral("frmRenScroll"));
  area->setWidget(content_);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  layout->addWidget(area, 1);
  layout->addWidget(BuildButtons());
  setMinimumSize(kSmallestSize);
  resize(980, 560);
}

void CriteriaEditorWindow::PlaceOnScreen(const QString& placesFile, const QWidget* over) {
  if (RestorePlace(this, placesFile, QStringLiteral("editor"))) return;
  FitOnScreen(this, kWantedSize, over);
}

void CriteriaEditorWindow::RememberPlace(const QString& placesFile) const {
  if (isVisible() || placed_) gui::RememberPlace(this, placesFile, QStringLiteral("editor"));
}

void CriteriaEditorWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  placed_ = true;
}

FilteredLineEdit* CriteriaEditorWindow::Box(EditorBox box, QWidget* parent) {
  auto* edit = new FilteredLineEdit(Name(box), parent);
  edit->setFilter([this, box](char32_t key) { return EditorBoxKey(s_, ui_, box, key); });
  connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
    OnTextEdited(s_, ui_, box, text.toStdString());
    Render();
  });
  if (IsNumberBox(box)) edit->setMaximumWidth(60);
  edit->setAccessibleName(QString::fromLatin1(SpokenName(box)));
  return edit;
}

QWidget* CriteriaEditorWindow::Tick(const char* name, const char* caption, QWidget* parent,
                                    void (*reaction)(Session&, UserInterface&, bool)) {
  auto* tick = new QCheckBox(QString::fromLatin1(caption), parent);
  tick->setObjectName(QString::fromLatin1(name));
  connect(tick, &QCheckBox::clicked, this, [this, reaction](bool ticked) {
    reaction(s_, ui_, ticked);
    Render();
  });
  return tick;
}

QWidget* CriteriaEditorWindow::Options(const char* name,
                                       std::initializer_list<const char*> captions, QWidget* parent,
                                       void (*reaction)(Session&, UserInterface&, std::int16_t),
                                       bool vertical) {
  auto* group = new QWidget(parent);
  group->setObjectName(QString::fromLatin1(name));
  QBoxLayout* layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(group))
                                : static_cast<QBoxLayout*>(new QHBoxLayout(group));
  layout->setContentsMargins(0, 0, 0, 0);
  std::int16_t index = 0;
  for (const char* caption : captions) {
    auto* option = new QRadioButton(QString::fromLatin1(caption), group);
    option->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(name)).arg(index));
    layout->addWidget(option);
    connect(option, &QRadioButton::clicked, this, [this, reaction, index] {
      reaction(s_, ui_, index);
      Render();
    });
    ++index;
  }
  if (!vertical) layout->addStretch();
  return group;
}

QWidget* CriteriaEditorWindow::List(const char* name, std::span<const char* const> entries,
                                    QWidget* parent,
                                    void (*reaction)(Session&, UserInterface&, std::int16_t)) {
  auto* list = new KeylessCombo(parent);
  list->setObjectName(QString::fromLatin1(name));
  for (const char* entry : entries) list->addItem(QString::fromLatin1(entry));
  connect(list, &QComboBox::activated, this, [this, reaction](int index) {
    if (rendering_) return;
    reaction(s_, ui_, static_cast<std::int16_t>(index));
    Render();
  });
  return list;
}

QWidget* CriteriaEditorWindow::BuildCaseAndExtension() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* caseSection = Section(column);
  Lines(caseSection)->addWidget(Tick("CheckCase", "Case : Change", caseSection, &OnCheckCaseClick));
  auto* scope = Frame("FrameCaseOption", "", caseSection);
  (new QVBoxLayout(scope))
      ->addWidget(Options("OptionCase", {"File Name", "First Letter", "First Letter of all Words"},
                          scope, &OnOptionCaseClick, true));
  Lines(caseSection)->addWidget(scope);
  auto* change = Frame("FrameCaseSelect", "", caseSection);
  change->setLayout(Row({Label(nullptr, "Change To :", change),
                         List("ComboCase", kComboCase, change, &OnComboCaseClick)}));
  Spoken(change, "ComboCase", "Change To");
  Lines(caseSection)->addWidget(change);
  layout->addWidget(caseSection);

  auto* ext = Section(column);
  Lines(ext)->addWidget(Tick("CheckExt", "Extension : Change", ext, &OnCheckExtClick));
  Lines(ext)->addLayout(Row({Label("LabelExt", "New Extension :", ext), Box(B::TextExt, ext),
                             Label("LabelMaxExt", "Max 7 Char.", ext)}));
  layout->addWidget(ext);
  return column;
}

QWidget* CriteriaEditorWindow::BuildSpaceAndHandle() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* space = Section(column);
  Lines(space)->addWidget(
      Tick("CheckSpace", "Space : Remove || Replace", space, &OnCheckSpaceClick));
  Lines(space)->addWidget(
      Options("OptionSpace", {"Remove", "Replace with :"}, space, &OnOptionSpaceClick, false));
  auto* replace = Frame("FrameSpaceReplace", "", space);
  replace->setLayout(
      Row({Box(B::TextSpaceWith, replace),
           Tick("CheckSpaceAddSpace", "Include Space", replace, &OnCheckSpaceAddSpaceClick),
           Label(nullptr, "Max. 8 Chars.", replace)}));
  Lines(space)->addWidget(replace);
  layout->addWidget(space);

  auto* handle = Section(column);
  Lines(handle)->addLayout(
      Row({Tick("CheckHandle", "Handle All Instances", handle, &OnCheckHandleClick),
           Label(nullptr, "of this Character or String :", handle)}));
  Lines(handle)->addWidget(Box(B::TextHandleThis, handle));
  auto* changeTo = Frame("FrameSpChangeTo", "", handle);
  auto* changeLayout = new QVBoxLayout(changeTo);
  changeLayout->addWidget(Options("OptionHandle", {"Remove", "Change as Space", "Replace with :"},
                                  changeTo, &OnOptionHandleClick, true));
  changeLayout->addLayout(
      Row({Box(B::TextHandleWith, changeTo),
           Tick("CheckHandleAddSpace", "IncludeSpace", changeTo, &OnCheckHandleAddSpaceClick),
           Label("LabelMaxHandle", "Max. 8 Chars.", changeTo)}));
  Lines(handle)->addWidget(changeTo);
  layout->addWidget(handle);
  return column;
}

QWidget* CriteriaEditorWindow::BuildInsertAndReplace() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* insert = Section(column);
  Lines(insert)->addLayout(
      Row({Tick("CheckInsert", "", insert, &OnCheckInsertClick), Label(nullptr, "Insert :", insert),
           List("ComboInsert", kComboInsert, insert, &OnComboInsertClick)}));
  Spoken(insert, "CheckInsert", "Insert");
  Spoken(insert, "ComboInsert", "Where to insert");
  Lines(insert)->addLayout(
      Row({Box(B::TextInsertAfterNumChar, insert), Box(B::TextInsertAfterString, insert),
           Label("LabelMaxInsert", "Max. 2 Digits", insert),
           Label("LabelInsertHighDigit", "Must be higher than 0 (zero)", insert)}));
  auto* insertThis = Frame("FrameInsertThis", "Insert This", insert);
  insertThis->setLayout(
      Row({Box(B::TextInsertThis, insertThis),
           Tick("CheckInsertAddSpace", "Include Space", insertThis, &OnCheckInsertAddSpaceClick)}));
  Lines(insert)->addWidget(insertThis);
  layout->addWidget(insert);

  auto* replace = Section(column);
  Lines(replace)->addLayout(
      Row({Tick("CheckReplace", "", replace, &OnCheckReplaceClick),
           Label(nullptr, "Replace :", replace),
           List("ComboReplace", kComboReplace, replace, &OnComboReplaceClick)}));
  Spoken(replace, "CheckReplace", "Replace");
  Spoken(replace, "ComboReplace", "What to replace");
  Lines(replace)->addLayout(
      Row({Box(B::TextReplaceString, replace), Box(B::TextReplaceAfterNumChar, replace),
           Box(B::TextReplaceAfterString, replace), Box(B::TextReplaceCharAfterNumChar, replace),
           Box(B::TextReplaceCharAfterString, replace), Box(B::TextReplacePattern, replace),
           Label("LabelMaxReplace", "Max. 2 Digits", replace),
           Label("LabelReplaceHighDigit", "Must be higher than 0 (zero)", replace)}));
  auto* numChar = Frame("FrameReplaceNumChar", "Number of Character", replace);
  numChar->setLayout(
      Row({Box(B::TextReplaceNumChar, numChar), Label(nullptr, "To Replace", numChar)}));
  Lines(replace)->addWidget(numChar);
  auto* with = Frame("FrameReplaceWith", "Replace With This", replace);
  with->setLayout(Row({Box(B::TextReplaceWith, with), Tick("CheckReplaceAddSpace", "Include Space",
                                                           with, &OnCheckReplaceAddSpaceClick)}));
  Lines(replace)->addWidget(with);
  layout->addWidget(replace);
  return column;
}

QWidget* CriteriaEditorWindow::BuildRemoveAndAuto() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* remove = Section(column);
  Lines(remove)->addLayout(
      Row({Tick("CheckRemove", "", remove, &OnCheckRemoveClick), Label(nullptr, "Remove :", remove),
           List("ComboRemove", kComboRemove, remove, &OnComboRemoveClick)}));
  Spoken(remove, "CheckRemove", "Remove");
  Spoken(remove, "ComboRemove", "What to remove");
  Lines(remove)->addLayout(Row(
      {Box(B::TextRemoveString, remove), Box(B::TextRemoveAfterNumChar, remove),
       Box(B::TextRemoveAfterString, remove), Box(B::TextRemoveCharAfterNumChar, remove),
       Box(B::TextRemoveCharAfterString, remove), Label("LabelMaxRemove", "Max. 2 Digits", remove),
       Label("LabelRemoveHighDigit", "Must be higher than 0 (zero)", remove)}));
  auto* numChar = Frame("FrameRemoveNumChar", "Number of Character", remove);
  numChar->setLayout(
      Row({Box(B::TextRemoveNumChar, numChar), Label(nullptr, "To Remove", numChar)}));
  Lines(remove)->addWidget(numChar);
  layout->addWidget(remove);

  auto* autoSection = Section(column);
  Lines(autoSection)
      ->addLayout(Row({Label(nullptr, "Auto :", autoSection),
                       Options("OptionAuto", {"No", "Number", "Letter"}, autoSection,
                               &OnOptionAutoClick, false)}));
  Lines(autoSection)
      ->addWidget(List("ComboAutoPlace", kComboAutoPlace, autoSection, &OnComboAutoPlaceClick));
  Spoken(autoSection, "ComboAutoPlace", "Where to add the number or letter");
  Lines(autoSection)
      ->addLayout(
          Row({Box(B::TextAutoAfterNumChar, autoSection), Box(B::TextAutoAfterString, autoSection),
               Label("LabelMaxAuto", "Max. 2 Digits", autoSection),
               Label("LabelAutoHighDigit", "Must be higher than 0 (zero)", autoSection)}));
  auto* start = Frame("FrameAutoStart", "", autoSection);
  start->setLayout(Row({Box(B::TextAutoStart, start), Label("LabelAutoMaxLength", "", start)}));
  Lines(autoSection)->addWidget(start);
  Lines(autoSection)
      ->addLayout(Row(
          {Tick("CheckAutoLetter", "Small Letter", autoSection, &OnCheckAutoLetterClick),
           Label("LabelAutoZeroFill", "Zero Fill", autoSection),
           List("ComboAutoZeroFill", kComboAutoZeroFill, autoSection, &OnComboAutoZeroFillClick)}));
  Spoken(autoSection, "ComboAutoZeroFill", "Zero Fill");
  layout->addWidget(autoSection);

  auto* date = Section(column);
  Lines(date)->addLayout(
      Row({Tick("CheckDate", "Date :", date, &OnCheckDateClick),
           List("ComboDatePlace", kComboDatePlace, date, &OnComboDatePlaceClick)}));
  Spoken(date, "CheckDate", "Date");
  Spoken(date, "ComboDatePlace", "Where to add the date");
  Lines(date)->addLayout(Row({Box(B::TextDateAfterNumChar, date), Box(B::TextDateAfterString, date),
                              Label("LabelMaxDate", "Max. 2 Digits", date),
                              Label("LabelDateHighDigit", "Must be higher than 0 (zero)", date)}));
  // One list a line, so that the column keeps the width of the others.
  Lines(date)->addLayout(
      Row({Label("LabelDateSource", "Use Date :", date),
           List("ComboDateSource", kComboDateSource, date, &OnComboDateSourceClick)}));
  Lines(date)->addLayout(
      Row({Label("LabelDateFormat", "Format :", date),
           List("ComboDateFormat", kDateFormats, date, &OnComboDateFormatClick)}));
  Spoken(date, "ComboDateSource", "Which date");
  Spoken(date, "ComboDateFormat", "Date format");
  layout->addWidget(date);
  return column;
}

QWidget* CriteriaEditorWindow::BuildButtons() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* previewColumn = new QVBoxLayout();
  previewColumn->addWidget(
      Label("LabelEditorPreview", "The first selected files with these settings:", row));
  preview_ = new QListWidget(row);
  preview_->setObjectName(QStringLiteral("ListEditorPreview"));
  preview_->setSelectionMode(QAbstractItemView::NoSelection);
  preview_->setFocusPolicy(Qt::NoFocus);
  preview_->setMinimumHeight(90);
  preview_->setAccessibleName(QStringLiteral("The first selected files with these settings"));
  preview_->setMaximumHeight(140);
  previewColumn->addWidget(preview_);
  layout->addLayout(previewColumn, 1);

  auto* ok = Label("LabelOK1", "       For the settings to take effect        ", row);
  auto* must = Label("LabelOK2", "  Must Press  OK", row);
  auto* okColumn = new QVBoxLayout();
  okColumn->addStretch();
  okColumn->addWidget(ok);
  okColumn->addWidget(must);
  auto* buttons = new QHBoxLayout();
  auto* imageOK = NamedButton(QStringLiteral("ImageOK"), QStringLiteral("OK"), row);
  imageOK->setDefault(true);
  auto* imageCancel = NamedButton(QStringLiteral("ImageCancel"), QStringLiteral("Cancel"), row);
  buttons->addWidget(imageOK);
  buttons->addWidget(imageCancel);
  okColumn->addLayout(buttons);
  layout->addLayout(okColumn);
  // Whatever the answers to the messages OK may show, the editor shows the criteria as
  // the core now holds them.
  connect(imageOK, &QPushButton::clicked, this, [this] {
    OnEditorOKClick(s_, ui_);
    if (isVisible()) Render();
  });
  connect(imageCancel, &QPushButton::clicked, this, [this] { OnEditorCancelClick(s_, ui_); });
  return row;
}

void CriteriaEditorWindow::Render() {
  rendering_ = true;
  renderer_.Render(EditorView(s_));
  for (std::size_t i = 0; i < kEditorBoxCount; ++i) {
    const auto box = static_cast<EditorBox>(i);
    if (auto* edit = qobject_cast<QLineEdit*>(renderer_.Find(Name(box)))) {
      const int max = BoxMaxLength(s_, box);
      edit->setMaxLength(max > 0 ? max : 32767);
    }
  }
  // The tab order of the chosen path.
  QWidget* previous = nullptr;
  for (const std::string& name : s_.editor.tabOrder) {
    QWidget* widget = renderer_.Find(QString::fromStdString(name));
    if (previous != nullptr && widget != nullptr) setTabOrder(previous, widget);
    if (widget != nullptr) previous = widget;
  }
  const std::string focus = TakeEditorFocus(s_);
  if (!focus.empty() && isVisible()) {
    if (QWidget* widget = renderer_.Find(QString::fromStdString(focus))) widget->setFocus();
  }
  if (!s_.editor.caretToEnd.empty()) {
    if (auto* edit = qobject_cast<QLineEdit*>(
            renderer_.Find(QString::fromStdString(s_.editor.caretToEnd)))) {
      edit->end(false);
    }
    s_.editor.caretToEnd.clear();
  }
  rendering_ = false;
  RenderPreview();
}

void CriteriaEditorWindow::RenderPreview() {
  preview_->clear();
  const EditorPreviewResult preview = EditorPreview(s_, kPreviewRows);
  for (const std::string& name : preview.incomplete) {
    preview_->addItem(
        QStringLiteral("(%1 is not complete: OK leaves it out)").arg(QString::fromStdString(name)));
  }
  for (const PreviewRow& row : preview.rows) {
    const QString shown =
        row.impossible ? QStringLiteral("(not possible)") : QString::fromStdString(row.newName);
    preview_->addItem(QString::fromStdString(row.oldName) + QStringLiteral("  \u2192  ") + shown);
  }
}

void CriteriaEditorWindow::closeEvent(QCloseEvent* event) {
  // The close box cancels, as Cancel does; the window is only ever hidden.
  event->ignore();
  OnEditorCancelClick(s_, ui_);
}

void CriteriaEditorWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    OnEditorCancelClick(s_, ui_);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace quillon::gui
