#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace v7 {

// The command line of v7-control.
struct AppOptions {
  bool simulate = false;    // --simulate: the built-in simulated machine is plugged in
  QString screenshotPath;   // --screenshot FILE: save the window after the first sync, exit
  bool trace = false;       // --trace: trace lines on standard error
  std::optional<int> page;  // --page NAME: the channel panel's page to start on
  bool showHelp = false;
  bool showVersion = false;
  QString error;  // set when the command line is not understood

  // Exit status of a second copy that cannot do what it was asked: the copy that runs
  // already is only brought forward.
  static constexpr int kExitAlreadyRunning = 3;

  // Whether the options ask for something only a copy of its own can do: a simulated machine,
  // tracing, a start page or a screenshot.
  bool NeedOwnCopy() const;

  static AppOptions Parse(const QStringList& arguments);
  static QString HelpText();
};

}  // namespace v7
