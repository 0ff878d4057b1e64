// The window tests run the real windows in one application object on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

namespace {
QtMessageHandler previousHandler = nullptr;

// The offscreen platform's notes about window features it lacks are noise here.
void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) return;
  previousHandler(type, context, text);
}
}  // namespace

int main(int argc, char** argv) {
  previousHandler = qInstallMessageHandler(DropPlatformNotes);
  // Also when ctest lists the tests, which it does without the tests' environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
