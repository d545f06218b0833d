// "Save Job..." and "Open Job..." used from the window, and a saved job run by
// quillon-cli renaming exactly as the window's Job does.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "window_fixture.h"

namespace quillon::gui {
namespace {

class JobFileTest : public WindowTest {
 protected:
  JobFileTest() {
    dir.folder("copy");
    for (const char* folder : {"start", "copy"}) {
      for (const char* name : {"IMG 1.jpg", "IMG 2.jpg", "IMG 10.jpg", "notes.txt"}) {
        dir.file(std::string(folder) + "/" + name, name);
      }
    }
    Start();
  }
  void ClickFile(int row) {
    auto* file1 = qobject_cast<QListView*>(Find("File1"));
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, {},
                      file1->visualRect(file1->model()->index(row, 0)).center());
  }
  void Choose(const char* list, int index) {
    auto* combo = qobject_cast<QComboBox*>(Find(list));
    ASSERT_NE(combo, nullptr) << list;
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
  }
  void Type(const char* box, const char* text) {
    QTest::keyClicks(qobject_cast<QLineEdit*>(Find(box)), QString::fromUtf8(text));
  }
  // Clicks the button and picks `path` in the file dialog it opens.
  void PickInDialog(const char* button, const char* dialogName, const std::string& path) {
    Click(button);
    auto* dialog = windows.window()->findChild<QFileDialog*>(QString::fromLatin1(dialogName));
    ASSERT_NE(dialog, nullptr) << dialogName;
    ASSERT_TRUE(dialog->isVisible());
    dialog->selectFile(QString::fromStdString(path));
    static_cast<QDialog*>(dialog)->accept();  // as the dialog's own OK
    QCoreApplication::processEvents();
  }
  std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir / folder)) {
      if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  int RunCli(const std::string& arguments) {
    const char* binary = std::getenv("QUILLON_CLI");
    EXPECT_NE(binary, nullptr) << "QUILLON_CLI is not set";
    const std::string command = "cd '" + dir.path() + "' && '" + (binary ? binary : "") + "' " +
                                arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string LastMessage() {
    const auto& shown = ui.autoAnswered();
    return shown.empty() ? "" : shown.back().text;
  }
};

TEST_F(JobFileTest, ASavedJobRunsFromTheCommandLineAsTheWindowRunsIt) {
  for (int row : {0, 1, 2}) ClickFile(row);  // the three photos
  Click("ImageRenameCriteria");
  Click("CheckRemove");
  Choose("ComboRemove", 1);
  Type("TextRemoveString", "IMG ");
  Click("OptionAuto1");
  Choose("ComboAutoPlace", 1);  // at the start
  Type("TextAutoStart", "5");
  Choose("ComboAutoZeroFill", 2);
  Click("ImageOK");
  ASSERT_FALSE(Find("frmRen")->isVisible());

  PickInDialog("ImageSaveJob", "DialogSaveJob", dir / "photos");  // ".json" is added
  ASSERT_TRUE(dir.exists("photos.json"));

  Click("ImagePreview");
  ASSERT_TRUE(Find("ImageJob")->isEnabled());
  // A prepared job can be kept, but not replaced by another.
  EXPECT_TRUE(Find("ImageSaveJob")->isEnabled());
  EXPECT_FALSE(Find("ImageOpenJob")->isEnabled());
  Click("ImageJob");
  ASSERT_EQ(RunCli("run photos.json --folder copy --journal cli.journal"), 0);

  EXPECT_EQ(Names("copy"), Names("start"));
  EXPECT_NE(Names("start"),
            (std::vector<std::string>{"IMG 1.jpg", "IMG 10.jpg", "IMG 2.jpg", "notes.txt"}));
}

TEST_F(JobFileTest, AnOpenedJobSetsUpTheWindowAndABadOneChangesNothing) {
  dir.file("good.json", R"({"folder": ")" + dir / "copy" + R"(",
      "selection": {"SelectionMode": "ByExtension", "SelectExtension": "jpg"},
      "criteria": {"InsertPlace": "InsertAfterNumChars", "InsertText": "X", "InsertAfterNum": 3}})");
  dir.file("bad.json",
           R"({"criteria": {"InsertPlace": "InsertAfterNumChars", "InsertText": "a/b"}})");

  PickInDialog("ImageOpenJob", "DialogOpenJob", dir / "good.json");
  EXPECT_EQ(session.selection.Dir1Path, dir / "copy");
  EXPECT_EQ(qobject_cast<QLabel*>(Find("LabelSelectionType"))->text(),
            QStringLiteral("By Extension -> jpg."));
  ASSERT_TRUE(Find("ImagePreview")->isEnabled());

  const auto shownBefore = ui.autoAnswered().size();
  PickInDialog("ImageOpenJob", "DialogOpenJob", dir / "bad.json");
  ASSERT_EQ(ui.autoAnswered().size(), shownBefore + 1);
  EXPECT_NE(LastMessage().find("criteria.InsertText"), std::string::npos) << LastMessage();
  EXPECT_EQ(session.selection.Dir1Path, dir / "copy");
  EXPECT_TRUE(session.rename.criteria.InsertOn);
  EXPECT_EQ(session.rename.criteria.InsertText, "X");

  Click("ImagePreview");
  Click("ImageJob");
  EXPECT_EQ(Names("copy"),
            (std::vector<std::string>{"IMGX 1.jpg", "IMGX 10.jpg", "IMGX 2.jpg", "notes.txt"}));
}

TEST_F(JobFileTest, TheButtonsWaitWhileAPanelIsOpen) {
  EXPECT_TRUE(Find("ImageOpenJob")->isEnabled());
  Click("ImageSelection");
  EXPECT_FALSE(Find("ImageOpenJob")->isEnabled());
  EXPECT_FALSE(Find("ImageSaveJob")->isEnabled());
}

}  // namespace
}  // namespace quillon::gui
