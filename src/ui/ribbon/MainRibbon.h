// The main window's ribbon and status bar with the controllers behind them: builds both in the
// interface language on the command actions, shows the volumes and the status panes, and keeps
// checks and texts in step with the parameter image and the link (recomputed on a short idle
// tick and after every command); the recent-file list is brought up to date whenever the
// application menu opens.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "controllers/CommandController.h"
#include "ui/ribbon/MainFrameRibbon.h"

class QPoint;

namespace v7 {

class Clock;
class CommandActions;
class ModeController;
class RibbonBar;
class RibbonStatusBar;
class ShellOperations;

class MainRibbon : public QObject, public MainFrameRibbon {
  Q_OBJECT

 public:
  static constexpr int kIdleUpdateMs = 100;

  // `frame` is the main window: it parents both bars and owns the questions asked. The clock
  // paces the pause after a mode store; the lookup finds the channel panel's EQ commands.
  MainRibbon(ShellOperations& shell, QWidget* frame, Clock& clock,
             CommandController::EqTargetLookup eqTarget = {});
  ~MainRibbon() override;

  QWidget* RibbonWidget() override;
  QStatusBar* TakeStatusBar() override;
  void ApplyRibbonLanguage() override;
  void RefreshRibbonVolumes() override;
  bool HandleViewWheel(QWheelEvent* event) override;

  // A wheel turn from the view or the ribbon: true when it was meant for the ribbon (over a
  // volume group each whole notch moves both sliders one step; elsewhere on the tab it is
  // dropped).
  bool HandleWheel(const QPoint& globalPosition, int delta);
  // The idle update: checks, enabled states and status texts from the image and the link.
  void UpdateCommandUI();

  RibbonBar* Bar() const;
  RibbonStatusBar* StatusBar() const;
  CommandActions& Actions() const { return *actions_; }
  ModeController& Modes() const { return *modes_; }
  CommandController& Commands() const { return *commands_; }

 private:
  void ConnectSliders();
  void OnSliderMoved(CommandController::Channel channel, int position);
  void ShowVolume(CommandController::Channel channel, int dB, int trailingSpaces);
  int TakeWheelNotches(int delta);
  void StepVolume(const int* sliders, int step);
  void OnTabChanged(int tab);
  void UpdateStatusPanes();
  void UpdateRecentFiles();

  ShellOperations& shell_;
  CommandActions* actions_;
  ModeController* modes_;
  CommandController* commands_;
  QPointer<RibbonBar> bar_;
  QPointer<RibbonStatusBar> statusBar_;
  QTimer idleTimer_;
  int wheelRemainder_ = 0;
};

}  // namespace v7
