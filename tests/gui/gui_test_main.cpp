// Runs the window tests headless inside one QApplication, with a home folder of their
// own and the command line they compare the window with.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QDir().mkpath(QStringLiteral(QUILLON_TEST_HOME));
  qputenv("HOME", QUILLON_TEST_HOME);
  if (qEnvironmentVariableIsEmpty("QUILLON_CLI")) qputenv("QUILLON_CLI", QUILLON_CLI_BINARY);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
