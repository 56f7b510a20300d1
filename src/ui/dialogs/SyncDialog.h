#pragma once

#include <QDialog>
#include <QTimer>

#include "i18n/Language.h"

class QProgressBar;

namespace v7 {

class Prompts;

// The synchronisation progress dialog: runs modally while a read or write sequence
// runs, steps its bar every 100 ms and gives up with an error box after 20 s. The
// completion handling ends it with Finish().
class SyncDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kProgressId = 1217;
  static constexpr int kTextId = 1218;
  static constexpr int kStepMs = 100;
  static constexpr int kTimeoutMs = 20000;
  static constexpr int kStep = 10;
  static constexpr int kMaximum = 100;

  SyncDialog(Language language, Prompts& prompts, QWidget* parent, int timeoutMs = kTimeoutMs);

  // Stops both timers and ends the dialog (the synchronisation has completed).
  void Finish();
  int Progress() const;
  bool TimersActive() const { return stepTimer_.isActive() || timeoutTimer_.isActive(); }

 protected:
  // Neither Escape nor the close box ends it: only completion or the time-out does.
  void reject() override {}
  void showEvent(QShowEvent* event) override;

 private:
  void Step();
  void TimeOut();
  void StopTimers();

  Prompts& prompts_;
  QProgressBar* progress_ = nullptr;
  QTimer stepTimer_;
  QTimer timeoutTimer_;
  int timeoutMs_;
};

}  // namespace v7
