// GoogleTest entry point for widget tests: a QApplication must exist before any widget.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
