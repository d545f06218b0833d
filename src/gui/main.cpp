// quillon: builds the session and hands over to the start-up sequence.
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <cstring>
#include <string>

#include "gui/startup_windows.h"
#include "platform/posix_file_services.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Task switchers and Wayland compositors know the window by its icon and desktop entry.
  QApplication::setWindowIcon(
      QIcon::fromTheme(QStringLiteral("quillon"), QIcon(QStringLiteral(":/icons/quillon.png"))));
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillon.Quillon"));
  // quillon [--self-test] [--data-folder DIR] [FOLDER]. --self-test: start, show, answer
  // every message OK, and quit.
  bool selfTest = false;
  std::string dataFolder;
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--self-test") {
      selfTest = true;
    } else if (argument == "--data-folder" && i + 1 < argc) {
      dataFolder = argv[++i];
    } else if (argument.rfind("--data-folder=", 0) == 0) {
      dataFolder = argument.substr(std::strlen("--data-folder="));
    } else {
      folder = argument;
    }
  }

  quillon::ScreenSize screen;
  if (const QScreen* primary = QGuiApplication::primaryScreen()) {
    screen = {primary->size().width() * quillon::kTwipsPerPixel,
              primary->size().height() * quillon::kTwipsPerPixel};
  }
  quillon::PosixFileServices files;
  quillon::PosixEnvironment environment(screen);
  quillon::Session session(files, environment);
  // `quillon FOLDER` (a file manager's "Rename with Quillon") opens that folder.
  if (!selfTest) session.state.FolderToOpen = folder;
  session.state.DataFolderChosen = dataFolder;
  quillon::gui::QtUserInterface ui(selfTest);
  quillon::gui::QtStartupWindows windows(session, ui);

  if (quillon::Main(session, ui, windows) == quillon::StartResult::Ended) return 1;
  // Closing for any reason other than the close box (a desktop session ending) is never
  // refused, and still saves the settings.
  QObject::connect(&app, &QCoreApplication::aboutToQuit, [&windows] { windows.window()->close(); });
  if (selfTest) QTimer::singleShot(0, windows.window(), &QWidget::close);
  return app.exec();
}
