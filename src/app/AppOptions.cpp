#include "app/AppOptions.h"

#include <array>

#include "params/ParameterImage.h"

namespace v7 {

namespace {

// The names --page takes, in page order.
constexpr std::array<const char*, kPageCount> kPageOptionNames = {"mic",  "music",  "echo",
                                                                  "main", "center", "sub"};

std::optional<int> PageNamed(const QString& name) {
  for (int page = 0; page < kPageCount; ++page)
    if (name == QLatin1String(kPageOptionNames[static_cast<size_t>(page)])) return page;
  return std::nullopt;
}

}  // namespace

bool AppOptions::NeedOwnCopy() const {
  return simulate || trace || page.has_value() || !screenshotPath.isEmpty();
}

AppOptions AppOptions::Parse(const QStringList& arguments) {
  AppOptions options;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--simulate")) {
      options.simulate = true;
    } else if (argument == QLatin1String("--trace")) {
      options.trace = true;
    } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      options.showHelp = true;
    } else if (argument == QLatin1String("--version")) {
      options.showVersion = true;
    } else if (argument == QLatin1String("--screenshot") && i + 1 < arguments.size()) {
      options.screenshotPath = arguments[++i];
    } else if (argument.startsWith(QLatin1String("--screenshot="))) {
      options.screenshotPath = argument.section(u'=', 1);
    } else if (argument == QLatin1String("--page") && i + 1 < arguments.size() &&
               PageNamed(arguments[i + 1])) {
      options.page = PageNamed(arguments[++i]);
    } else if (argument.startsWith(QLatin1String("--page=")) &&
               PageNamed(argument.section(u'=', 1))) {
      options.page = PageNamed(argument.section(u'=', 1));
    } else {
      options.error = QStringLiteral("unknown or incomplete option: %1").arg(argument);
    }
  }
  return options;
}

QString AppOptions::HelpText() {
  return QStringLiteral(
      "Usage: v7-control [options]\n"
      "Tunes a V7 karaoke DSP unit connected by USB.\n\n"
      "  --simulate         use the built-in simulated machine instead of USB\n"
      "  --screenshot FILE  save the main window as a PNG after the first synchronisation\n"
      "                     (or after 3 s without a machine) and exit\n"
      "  --page PAGE        start on the tuning page mic, music, echo, main, center or sub\n"
      "  --trace            write trace lines on standard error (also V7_TRACE=1)\n"
      "  --version          print the version and exit\n"
      "  --help             print this help and exit\n");
}

}  // namespace v7
