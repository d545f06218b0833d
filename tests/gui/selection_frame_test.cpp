#include "gui/selection_frame.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "window_fixture.h"

namespace quillon::gui {
namespace {

class SelectionFrameTest : public WindowTest {
 protected:
  SelectionFrameTest() {
    for (const char* name : {"a.txt", "b.jpg", "c.TXT", "d.png", "e.txt"}) {
      dir.file(std::string("start/") + name);
    }
    Start();
  }

  template <typename T>
  T* Find(const char* name) {
    T* widget = qobject_cast<T*>(WindowTest::Find(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  std::vector<int> HighlightedRows() {
    std::vector<int> rows;
    for (const QModelIndex& index : Find<QListView>("File1")->selectionModel()->selectedRows()) {
      rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
  }
};

TEST_F(SelectionFrameTest, AnExtensionRuleSelectsItsFilesInFile1) {
  Click("ImageSelection");
  ASSERT_TRUE(Find<QWidget>("FrameSelection")->isVisible());
  EXPECT_FALSE(Find<QWidget>("Dir1")->isEnabled());
  Click("OptionSelection3");
  EXPECT_EQ(Find<QLabel>("LabelSelectionAsk")->text(),
            QStringLiteral("Please type the Extension to search."));
  EXPECT_FALSE(Find<QPushButton>("ImageSelectionOK")->isEnabled());
  QTest::keyClicks(Find<QLineEdit>("TextSelectionString"), QStringLiteral("txt"));
  ASSERT_TRUE(Find<QPushButton>("ImageSelectionOK")->isEnabled());
  QTest::keyClick(Find<QLineEdit>("TextSelectionString"), Qt::Key_Return);  // Enter presses OK

  EXPECT_FALSE(Find<QWidget>("FrameSelection")->isVisible());
  EXPECT_EQ(HighlightedRows(), (std::vector<int>{0, 2, 4}));
  EXPECT_EQ(Find<QLabel>("LabelSelectionType")->text(), QStringLiteral("By Extension -> txt."));
  EXPECT_EQ(Find<QLabel>("LabelSelectFile")->text(), QStringLiteral("3 Files Selected"));
  EXPECT_TRUE(Find<QWidget>("Dir1")->isEnabled());
}

TEST_F(SelectionFrameTest, TheNumberBoxesRefuseLettersWithAMessage) {
  Click("ImageSelection");
  Click("OptionSelection1");
  QTest::keyClick(Find<QLineEdit>("TextSelectionNumSkip"), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(Find<QLineEdit>("TextSelectionNumSkip"), QStringLiteral("1x"));
  EXPECT_EQ(Find<QLineEdit>("TextSelectionNumSkip")->text(), QStringLiteral("1"));
  ASSERT_EQ(ui.autoAnswered().size(), 1u);
  EXPECT_EQ(ui.autoAnswered()[0].text.rfind("Only Digits 0 to 9 is allowed.", 0), 0u);
}

TEST_F(SelectionFrameTest, CancelLeavesTheRuleAndClosesThePanel) {
  Click("ImageSelection");
  Click("OptionSelection2");
  QTest::keyClicks(Find<QLineEdit>("TextSelectionString"), QStringLiteral("a"));
  Click("ImageSelectionCancel");
  EXPECT_FALSE(Find<QWidget>("FrameSelection")->isVisible());
  EXPECT_EQ(session.state.SelectionMode, "Manual");
  EXPECT_TRUE(HighlightedRows().empty());
}

TEST_F(SelectionFrameTest, HandClicksSelectUnderManualAndReapplyAnAutomaticRule) {
  auto* file1 = Find<QListView>("File1");
  auto clickRow = [&](int row) {
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, {},
                      file1->visualRect(file1->model()->index(row, 0)).center());
  };
  clickRow(1);
  clickRow(3);
  EXPECT_EQ(session.state.SelectedCount, 2);
  EXPECT_EQ(session.selection.store.ComboFile1, (std::vector<std::string>{"b.jpg", "d.png"}));
  EXPECT_EQ(Find<QLabel>("LabelSelectFile")->text(), QStringLiteral("2 Files Selected"));

  Click("ImageSelection");
  Click("OptionSelection2");
  QTest::keyClicks(Find<QLineEdit>("TextSelectionString"), QStringLiteral("jpg"));
  Click("ImageSelectionOK");
  EXPECT_EQ(HighlightedRows(), std::vector<int>{1});
  clickRow(4);  // the rule is applied again: the click does not survive
  EXPECT_EQ(HighlightedRows(), std::vector<int>{1});
  EXPECT_EQ(session.state.SelectedCount, 1);
}

// For people who cannot use a mouse: arrows move the current row without selecting, Space
// toggles the current file and Ctrl+A selects every file, as clicks would; other keys
// (letters) are discarded.
TEST_F(SelectionFrameTest, TheKeyboardMovesAndTogglesAsClicksWould) {
  auto* file1 = Find<QListView>("File1");
  file1->setFocus();
  QTest::keyClick(file1, Qt::Key_Down);
  QTest::keyClick(file1, Qt::Key_Down);
  EXPECT_TRUE(HighlightedRows().empty());
  EXPECT_EQ(file1->currentIndex().row(), 1);
  QTest::keyClick(file1, Qt::Key_Space);
  EXPECT_EQ(HighlightedRows(), std::vector<int>{1});
  EXPECT_EQ(session.state.SelectedCount, 1);
  EXPECT_EQ(Find<QLabel>("LabelSelectFile")->text(), QStringLiteral("1 File Selected"));
  QTest::keyClick(file1, Qt::Key_End);
  QTest::keyClick(file1, Qt::Key_Space);
  QTest::keyClick(file1, Qt::Key_X);
  EXPECT_EQ(session.state.SelectedCount, 2);
  QTest::keyClick(file1, Qt::Key_Space);  // toggled off again
  EXPECT_EQ(session.state.SelectedCount, 1);
  QTest::keyClick(file1, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(static_cast<int>(HighlightedRows().size()), file1->model()->rowCount());
  EXPECT_EQ(session.state.SelectedCount, file1->model()->rowCount());
}

}  // namespace
}  // namespace quillon::gui
