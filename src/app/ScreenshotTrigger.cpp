#include "app/ScreenshotTrigger.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "controllers/ConnectionController.h"

namespace v7 {

ScreenshotTrigger::ScreenshotTrigger(Application& app, const QString& path)
    : app_(app), path_(path) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &ScreenshotTrigger::SaveAndQuit);
  timer_.start(kNoMachineDelayMs);
  connect(&app_.ConnectionHandling(), &ConnectionController::SyncHandled, this,
          [this] { timer_.start(kSettleDelayMs); });
}

void ScreenshotTrigger::SaveAndQuit() {
  const bool saved = app_.Window()->grab().save(path_, "PNG");
  if (!saved) std::fprintf(stderr, "v7-control: cannot write %s\n", qPrintable(path_));
  // Close without questions: the picture is all that was asked for.
  QCoreApplication::exit(saved ? 0 : 1);
}

}  // namespace v7
