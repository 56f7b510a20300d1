// v7-control: the desktop program that tunes a V7 karaoke DSP unit.
#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/AppOptions.h"
#include "app/AppSeams.h"
#include "app/Application.h"
#include "app/ScreenshotTrigger.h"
#include "protocol/Trace.h"

namespace {

QStringList Arguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  // Parsed before the windowing system is reached, so --help and --version need no display.
  const v7::AppOptions options = v7::AppOptions::Parse(Arguments(argc, argv));
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "v7-control: %s\n%s", qPrintable(options.error),
                 qPrintable(v7::AppOptions::HelpText()));
    return 2;
  }
  if (options.showHelp) {
    std::fputs(qPrintable(v7::AppOptions::HelpText()), stdout);
    return 0;
  }
  if (options.showVersion) {
    std::printf("v7-control %s\n", V7_VERSION);
    return 0;
  }
  if (options.trace) v7::SetTraceEnabled(true);

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("v7-control"));
  QApplication::setApplicationVersion(QStringLiteral(V7_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("v7-control"));

  v7::AppSeams seams;
  seams.machine.simulate = options.simulate;
  v7::Application app(seams);
  if (!app.Start()) {
    if (!app.AnotherCopyRuns() || !options.NeedOwnCopy()) return 0;
    std::fputs(
        "v7-control: V7 Control is already running; it was brought forward and the "
        "options given here were not applied\n",
        stderr);
    return v7::AppOptions::kExitAlreadyRunning;
  }
  if (options.page) app.ShowPanelPage(*options.page);

  std::unique_ptr<v7::ScreenshotTrigger> screenshot;
  if (!options.screenshotPath.isEmpty())
    screenshot = std::make_unique<v7::ScreenshotTrigger>(app, options.screenshotPath);
  return QApplication::exec();
}
