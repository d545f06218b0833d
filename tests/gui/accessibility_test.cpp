// What a screen reader finds: every visible control that can be used has a name, in
// every window and in each of the main window's main states.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QTest>

#include "flow/criteria_editor.h"
#include "gui/main_window.h"
#include "gui/message_window.h"
#include "window_fixture.h"

namespace quillon::gui {
namespace {

bool Interactive(QAccessible::Role role) {
  switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ButtonMenu:
      return true;
    default:
      return false;
  }
}

// The object names (or class names) of the interactive controls a screen reader would
// find without a name, below `root`.
void CollectUnnamed(QAccessibleInterface* node, QStringList& unnamed) {
  if (node == nullptr || !node->isValid()) return;
  const QAccessible::State state = node->state();
  if (state.invisible || state.offscreen) return;
  if (Interactive(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
    const QObject* object = node->object();
    unnamed << (object != nullptr && !object->objectName().isEmpty()
                    ? object->objectName()
                    : QString::fromLatin1(object != nullptr ? object->metaObject()->className()
                                                            : "?"));
  }
  for (int i = 0; i < node->childCount(); ++i) CollectUnnamed(node->child(i), unnamed);
}

std::string Unnamed(QWidget* window) {
  QStringList unnamed;
  CollectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
  return unnamed.join(QStringLiteral(", ")).toStdString();
}

std::string NameOf(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
}

class AccessibilityTest : public WindowTest {};

TEST_F(AccessibilityTest, EveryControlOfTheMainWindowHasANameInEachState) {
  MainWindow& w = Start();
  w.show();
  struct State {
    const char* name;
    const char* open;  // the button that opens it, or nullptr for the fresh window
  };
  const State states[] = {{"fresh", nullptr},
                          {"selection_panel", "ImageSelection"},
                          {"action_panel", "ImageAction"},
                          {"options_panel", "ImageRigidity"},
                          {"help_panel", "ImageHelp"}};
  for (const State& state : states) {
    SCOPED_TRACE(state.name);
    if (state.open != nullptr) Click(state.open);
    QCoreApplication::processEvents();
    EXPECT_EQ(Unnamed(&w), "");
    if (state.open != nullptr) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  }
  // Easy Process shows the single-file boxes.
  Click("CheckEasyProcess");
  QCoreApplication::processEvents();
  EXPECT_EQ(Unnamed(&w), "");
}

TEST_F(AccessibilityTest, ResetButtonsSayWhatTheyReset) {
  Start();
  EXPECT_EQ(NameOf(Find("ImageClearSelection")), "Reset File Selection");
  EXPECT_EQ(NameOf(Find("ImageClearAction")), "Reset Action");
  EXPECT_EQ(NameOf(Find("ImageClearRename")), "Reset Rename Criteria");
  EXPECT_EQ(NameOf(Find("ImageClearRigidity")), "Reset Options");
  EXPECT_EQ(NameOf(Find("ImagePreview")), "Preview");
}

TEST_F(AccessibilityTest, EveryControlOfTheCriteriaEditorHasANameWithAllDisclosed) {
  MainWindow& w = Start();
  Click("ImageRenameCriteria");
  QWidget* editor = w.findChild<QWidget*>(QStringLiteral("frmRen"));
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(editor->isVisible());
  for (auto* tick : editor->findChildren<QCheckBox*>()) {
    if (tick->objectName().startsWith(QLatin1String("Check")) && tick->isVisible() &&
        !tick->isChecked()) {
      tick->click();
    }
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(Unnamed(editor), "");
}

TEST_F(AccessibilityTest, EveryControlOfTheChooserHasAName) {
  Start();
  Click("ImageAction");
  Click("OptionAction4");  // Copy: the destination can be chosen
  BrowseTo(dir.path());
  QCoreApplication::processEvents();
  EXPECT_EQ(Unnamed(Chooser()), "");
}

TEST_F(AccessibilityTest, TheMessageWindowIsAnAlertWithItsTextAndNamedButtons) {
  struct Row {
    const char* name;
    const char* buttons;
    const char* input;
  };
  for (const Row& row :
       {Row{"ok", "OK", ""}, Row{"yes_no", "YesNo", ""}, Row{"input", "Cancel", "Input0"},
        Row{"check", "OKCancel", "InputCheck"}}) {
    SCOPED_TRACE(row.name);
    frmMessage message;
    MessageWindowContent content;
    content.caption = "Quillon Message";
    content.head = "Buddy";
    content.text = "Something to read.";
    content.buttons = row.buttons;
    content.input = row.input;
    message.SetContent(content);
    message.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(Unnamed(&message), "");
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&message);
    EXPECT_EQ(window->role(), QAccessible::AlertMessage);
    EXPECT_TRUE(
        window->text(QAccessible::Description).contains(QStringLiteral("Something to read.")));
    message.hide();
  }
}

}  // namespace
}  // namespace quillon::gui
