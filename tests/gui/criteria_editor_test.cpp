// The criteria editor used from the window: set criteria, OK, Preview, Job, and the files
// on disk carry the new names.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "window_fixture.h"

namespace quillon::gui {
namespace {

class CriteriaEditorTest : public WindowTest {
 protected:
  CriteriaEditorTest() {
    for (const char* name : {"a b.txt", "c d.txt"}) dir.file(std::string("start/") + name, "x");
    Start();
  }
  void SelectAll() {
    auto* file1 = qobject_cast<QListView*>(Find("File1"));
    for (int row = 0; row < file1->model()->rowCount(); ++row) {
      QTest::mouseClick(file1->viewport(), Qt::LeftButton, {},
                        file1->visualRect(file1->model()->index(row, 0)).center());
    }
  }
  void Choose(const char* list, int index) {
    auto* combo = qobject_cast<QComboBox*>(Find(list));
    ASSERT_NE(combo, nullptr) << list;
    ASSERT_TRUE(combo->isVisible()) << list;
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
  }
  void Type(const char* box, const char* text) {
    auto* edit = qobject_cast<QLineEdit*>(Find(box));
    ASSERT_NE(edit, nullptr) << box;
    ASSERT_TRUE(edit->isVisible()) << box;
    QTest::keyClicks(edit, QString::fromUtf8(text));
  }
  QString Text(const char* name) {
    if (auto* label = qobject_cast<QLabel*>(Find(name))) return label->text();
    return qobject_cast<QLineEdit*>(Find(name))->text();
  }
  std::vector<std::string> StartNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "start")) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  // OK in the editor, then Preview and the Job in the main window.
  void Run() {
    Click("ImageOK");
    ASSERT_FALSE(Find("frmRen")->isVisible());
    ASSERT_TRUE(Find("ImagePreview")->isEnabled());
    Click("ImagePreview");
    ASSERT_TRUE(Find("ImageJob")->isEnabled());
    Click("ImageJob");
  }
};

TEST_F(CriteriaEditorTest, InsertAtStartRenamesTheFiles) {
  SelectAll();
  Click("ImageRenameCriteria");
  ASSERT_TRUE(Find("frmRen")->isVisible());
  EXPECT_EQ(Text("LabelInfo1").left(24), QStringLiteral("Set renaming options. Pl"));
  Click("CheckInsert");
  Choose("ComboInsert", 1);
  EXPECT_TRUE(Find("TextInsertThis")->hasFocus());
  Type("TextInsertThis", "X_");
  Run();
  EXPECT_EQ(StartNames(), (std::vector<std::string>{"Quillon", "X_a b.txt", "X_c d.txt"}));
  EXPECT_EQ(Text("LabelCriInsert"), QStringLiteral("Insert :: X_ :: at start of file Name."));
}

// After Preview the result list shows each file's old name beside its new one.
TEST_F(CriteriaEditorTest, TheResultListShowsOldAndNewNames) {
  SelectAll();
  Click("ImageRenameCriteria");
  Click("CheckInsert");
  Choose("ComboInsert", 1);
  Type("TextInsertThis", "X_");
  Click("ImageOK");
  Click("ImagePreview");
  auto* list = qobject_cast<QListView*>(Find("List1"));
  ASSERT_EQ(list->model()->rowCount(), 2);
  EXPECT_EQ(list->model()->data(list->model()->index(0, 0)).toString(),
            QStringLiteral("a b.txt  \u2192  X_a b.txt"));
}

TEST_F(CriteriaEditorTest, ReplaceThisStringRenamesTheFiles) {
  SelectAll();
  Click("ImageRenameCriteria");
  Click("CheckReplace");
  Choose("ComboReplace", 2);
  EXPECT_FALSE(Find("FrameReplaceWith")->isVisible());  // waits for the string
  Type("TextReplaceString", " ");
  ASSERT_TRUE(Find("FrameReplaceWith")->isVisible());
  Type("TextReplaceWith", "-");
  Run();
  EXPECT_EQ(StartNames(), (std::vector<std::string>{"Quillon", "a-b.txt", "c-d.txt"}));
}

// A pattern the library refuses keeps the editor open with the library's reason; mended,
// its groups build the new names.
TEST_F(CriteriaEditorTest, APatternWithGroupsRenamesTheFilesOnceItIsValid) {
  SelectAll();
  Click("ImageRenameCriteria");
  Click("CheckReplace");
  Choose("ComboReplace", 13);
  EXPECT_TRUE(Find("TextReplacePattern")->hasFocus());
  Type("TextReplacePattern", "(\\w) (\\w");
  ASSERT_TRUE(Find("FrameReplaceWith")->isVisible());
  Type("TextReplaceWith", "$2_$1");
  Click("ImageOK");
  EXPECT_TRUE(Find("frmRen")->isVisible());
  ASSERT_FALSE(ui.autoAnswered().empty());
  EXPECT_EQ(ui.autoAnswered().back().text,
            "The pattern to Replace is not valid: missing closing parenthesis at character 9.");
  Type("TextReplacePattern", ")");
  Run();
  EXPECT_EQ(StartNames(), (std::vector<std::string>{"Quillon", "b_a.txt", "d_c.txt"}));
  EXPECT_EQ(Text("LabelCriReplace"),
            QStringLiteral("Replace every match of :: (\\w) (\\w) :: with :: $2_$1."));
}

// A pattern and a date set together: the editor's own preview shows the names the job
// then gives the files.
TEST_F(CriteriaEditorTest, APatternAndTheDateModifiedNameTheFiles) {
  const char* saved = std::getenv("TZ");
  const std::string savedTz = saved != nullptr ? saved : "";
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  const struct timespec modified[2] = {{0, UTIME_OMIT}, {1'704'164'645, 0}};  // 2024-01-02 03:04:05
  for (const char* name : {"a b.txt", "c d.txt"}) {
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "start/" + std::string(name)).c_str(), modified, 0), 0);
  }
  SelectAll();
  Click("ImageRenameCriteria");
  Click("CheckReplace");
  Choose("ComboReplace", 13);
  Type("TextReplacePattern", "(\\w) (\\w)");
  Type("TextReplaceWith", "$2_$1");
  Click("CheckDate");
  ASSERT_TRUE(Find("ComboDateSource")->isVisible());
  Choose("ComboDateFormat", 1);
  Choose("ComboDatePlace", 5);
  EXPECT_TRUE(Find("TextDateAfterString")->hasFocus());
  Type("TextDateAfterString", "_");
  auto* preview = qobject_cast<QListWidget*>(Find("ListEditorPreview"));
  ASSERT_NE(preview, nullptr);
  ASSERT_EQ(preview->count(), 2);
  EXPECT_EQ(preview->item(0)->text(), QStringLiteral("a b.txt  \u2192  b_20240102a.txt"));
  EXPECT_EQ(preview->item(1)->text(), QStringLiteral("c d.txt  \u2192  d_20240102c.txt"));
  Run();
  EXPECT_EQ(StartNames(),
            (std::vector<std::string>{"Quillon", "b_20240102a.txt", "d_20240102c.txt"}));
  EXPECT_EQ(Text("LabelCriDate"),
            QStringLiteral("Date :: Modified :: YYYYMMDD :: Add after :: _."));
  if (saved != nullptr) {
    ::setenv("TZ", savedTz.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
}

// The pattern box takes what a pattern needs, but not the "/" no name can hold.
TEST_F(CriteriaEditorTest, ThePatternBoxRefusesOnlyTheSlash) {
  Click("ImageRenameCriteria");
  Click("CheckReplace");
  Choose("ComboReplace", 13);
  Type("TextReplacePattern", "^[a-z]+ *(\\d{2,})$|a/b");
  EXPECT_EQ(Text("TextReplacePattern"), QStringLiteral("^[a-z]+ *(\\d{2,})$|ab"));
  ASSERT_FALSE(ui.autoAnswered().empty());
  EXPECT_EQ(ui.autoAnswered().back().text,
            "A pattern can not hold the character / : no file name has one.");
}

TEST_F(CriteriaEditorTest, RemoveAndAutoNumberWithZeroFill) {
  SelectAll();
  Click("ImageRenameCriteria");
  Click("CheckRemove");
  Choose("ComboRemove", 1);
  Type("TextRemoveString", " ");
  Click("OptionAuto1");
  Choose("ComboAutoPlace", 2);  // at the end
  Type("TextAutoStart", "7");
  Choose("ComboAutoZeroFill", 2);
  Run();
  EXPECT_EQ(StartNames(), (std::vector<std::string>{"Quillon", "ab007.txt", "cd008.txt"}));
}

TEST_F(CriteriaEditorTest, AutoLettersFollowTheSmallLetterBox) {
  SelectAll();
  Click("ImageRenameCriteria");
  Click("OptionAuto2");
  Choose("ComboAutoPlace", 1);
  Type("TextAutoStart", "b");  // arrives as a capital
  EXPECT_EQ(Text("TextAutoStart"), QStringLiteral("B"));
  Click("CheckAutoLetter");
  EXPECT_EQ(Text("TextAutoStart"), QStringLiteral("b"));
  Run();
  EXPECT_EQ(StartNames(), (std::vector<std::string>{"Quillon", "ba b.txt", "cc d.txt"}));
}

TEST_F(CriteriaEditorTest, CancelForgetsTheEditAndReopeningShowsTheRecord) {
  SelectAll();
  Click("ImageRenameCriteria");
  Click("CheckExt");
  Type("TextExt", "md");
  Click("ImageOK");
  ASSERT_EQ(Text("LabelCriChgExt"), QStringLiteral("Extension change to :: md."));

  Click("ImageRenameCriteria");
  auto* ext = qobject_cast<QLineEdit*>(Find("TextExt"));
  ext->clear();
  Type("TextExt", "doc");
  Click("ImageCancel");
  EXPECT_FALSE(Find("frmRen")->isVisible());
  EXPECT_EQ(session.rename.criteria.ExtText, "md");
  Click("ImageRenameCriteria");
  EXPECT_EQ(Text("TextExt"), QStringLiteral("md"));
}

// No to the question about one name for many files drops Replace: the editor shows it
// dropped, so that the next OK applies what is on screen.
TEST_F(CriteriaEditorTest, AfterNoToOneNameForManyFilesTheEditorShowsReplaceDropped) {
  SelectAll();
  Click("ImageRenameCriteria");
  Click("CheckReplace");
  Choose("ComboReplace", 1);  // File Names
  Type("TextReplaceWith", "x");
  ui.ScriptAnswers({false});
  Click("ImageOK");
  ASSERT_FALSE(ui.autoAnswered().empty());
  EXPECT_TRUE(Find("frmRen")->isVisible());
  EXPECT_FALSE(qobject_cast<QAbstractButton*>(Find("CheckReplace"))->isChecked());
  EXPECT_FALSE(Find("ComboReplace")->isVisible());
}

TEST_F(CriteriaEditorTest, ARefusedKeyShowsItsMessage) {
  Click("ImageRenameCriteria");
  Click("CheckExt");
  Type("TextExt", "a.b");
  EXPECT_EQ(Text("TextExt"), QStringLiteral("ab"));
  ASSERT_FALSE(ui.autoAnswered().empty());
  EXPECT_EQ(ui.autoAnswered().back().text,
            "In new Extension you can use only Alphabets and Digits 0 to 9. Space or any other "
            "Character can not be included.");
}

}  // namespace
}  // namespace quillon::gui
