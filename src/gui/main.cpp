// quillon: builds the session and hands over to the start-up sequence.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstring>

#include "gui/startup_windows.h"
#include "platform/posix_file_services.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // --self-test: start, show, answer every message OK, and quit.
  const bool selfTest = argc > 1 && std::strcmp(argv[1], "--self-test") == 0;

  quillon::ScreenSize screen;
  if (const QScreen* primary = QGuiApplication::primaryScreen()) {
    screen = {primary->size().width() * quillon::kTwipsPerPixel,
              primary->size().height() * quillon::kTwipsPerPixel};
  }
  quillon::PosixFileServices files;
  quillon::PosixEnvironment environment(screen);
  quillon::Session session(files, environment);
  // `quillon FOLDER` (the desktop entry's %f) opens that folder.
  if (!selfTest && argc > 1) session.state.FolderToOpen = argv[1];
  quillon::gui::QtUserInterface ui(selfTest);
  quillon::gui::QtStartupWindows windows(session, ui);

  if (quillon::Main(session, ui, windows) == quillon::StartResult::Ended) return 1;
  // Closing for any reason other than the close box (a desktop session ending) is never
  // refused, and still saves the settings.
  QObject::connect(&app, &QCoreApplication::aboutToQuit, [&windows] { windows.window()->close(); });
  if (selfTest) QTimer::singleShot(0, windows.window(), &QWidget::close);
  return app.exec();
}
