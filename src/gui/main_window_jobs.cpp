// The main window's "Open Job..." and "Save Job...": the job file shared with quillon-cli.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>

#include "gui/caption_button.h"
#include "gui/main_window.h"
#include "jobs/job_open.h"

namespace quillon::gui {

QWidget* MainWindow::BuildJobFileButtons(QWidget* parent) {
  auto* pair = new QWidget(parent);
  auto* layout = new QHBoxLayout(pair);
  layout->setContentsMargins(0, 0, 0, 0);
  const std::pair<const char*, const char*> buttons[] = {{"ImageOpenJob", "Open &Job..."},
                                                         {"ImageSaveJob", "Sa&ve Job..."}};
  for (const auto& [name, caption] : buttons) {
    auto* button = NamedButton(QString::fromLatin1(name), QString::fromLatin1(caption), pair);
    button->setToolTip(name == std::string("ImageOpenJob")
                           ? QStringLiteral("Set up the window from a saved job file")
                           : QStringLiteral("Keep this job in a file, for later or for "
                                            "quillon-cli"));
    layout->addWidget(button);
    const bool save = name == std::string("ImageSaveJob");
    connect(button, &QPushButton::clicked, this, [this, save] { AskForJobFile(save); });
  }
  return pair;
}

void MainWindow::AskForJobFile(bool save) {
  if (!(save ? jobs::SaveJobEnabled(s_) : jobs::OpenJobEnabled(s_))) return;
  const QString folder = jobFolder_.isEmpty() ? QDir::homePath() : jobFolder_;
  auto* dialog =
      new QFileDialog(this, save ? QStringLiteral("Save Job") : QStringLiteral("Open Job"), folder,
                      QStringLiteral("Job files (*.json)"));
  dialog->setObjectName(save ? QStringLiteral("DialogSaveJob") : QStringLiteral("DialogOpenJob"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (save) dialog->setDefaultSuffix(QStringLiteral("json"));
  connect(dialog, &QFileDialog::fileSelected, this, [this, save](const QString& file) {
    jobFolder_ = QFileInfo(file).absolutePath();
    const std::string path = QFile::encodeName(file).toStdString();
    if (save) {
      jobs::SaveJobFile(s_, ui_, path);
    } else if (jobs::OpenJobFile(s_, ui_, path)) {
      RenderFolderList();
      RenderFileList();
    }
    RenderJobFileButtons();
  });
  dialog->open();
}

void MainWindow::RenderJobFileButtons() {
  Control("ImageOpenJob")->setEnabled(jobs::OpenJobEnabled(s_));
  Control("ImageSaveJob")->setEnabled(jobs::SaveJobEnabled(s_));
}

}  // namespace quillon::gui
