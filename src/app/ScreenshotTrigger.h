#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace v7 {

class Application;

// --screenshot: saves the main window to a file after the first completed synchronisation,
// or after a few seconds when no machine shows up, and ends the program (exit code 0 when
// the file was written, 1 otherwise).
class ScreenshotTrigger : public QObject {
  Q_OBJECT

 public:
  static constexpr int kNoMachineDelayMs = 3000;
  static constexpr int kSettleDelayMs = 300;  // lets the window repaint after the sync

  ScreenshotTrigger(Application& app, const QString& path);

 private:
  void SaveAndQuit();

  Application& app_;
  QString path_;
  QTimer timer_;
};

}  // namespace v7
