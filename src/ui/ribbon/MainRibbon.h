// The main window's ribbon and status bar with everything behind them: builds both in the
// interface language, runs their commands, and keeps their checks and texts in step with the
// parameter image and the link (recomputed on a short idle tick and after every command); the
// recent-file list is brought up to date whenever the application menu opens.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

#include "ui/ribbon/MainFrameRibbon.h"

namespace v7 {

class Application;
class Clock;
class EqCommandTarget;
class ModeManager;
class RibbonBar;
class RibbonCommands;
class RibbonStatusBar;

class MainRibbon : public QObject, public MainFrameRibbon {
  Q_OBJECT

 public:
  static constexpr int kIdleUpdateMs = 100;

  // `frame` is the main window: it parents both bars and owns the questions asked. The clock
  // paces the pause after a mode store (the application's clock when null); the lookup finds
  // the channel panel's EQ commands (the view's panel when empty).
  MainRibbon(Application& app, QWidget* frame, Clock* clock = nullptr,
             std::function<EqCommandTarget*()> eqTarget = {});
  ~MainRibbon() override;

  QWidget* RibbonWidget() override;
  QStatusBar* TakeStatusBar() override;
  void ApplyRibbonLanguage() override;
  void RefreshRibbonVolumes() override;
  bool HandleViewWheel(QWheelEvent* event) override;

  // The idle update: checks, enabled states and status texts from the image and the link.
  void UpdateCommandUI();

  RibbonBar* Bar() const;
  RibbonStatusBar* StatusBar() const;
  ModeManager& Modes() const { return *modes_; }
  RibbonCommands& Commands() const { return *commands_; }

 private:
  void OnCommand(int id, int value);
  void OnTabChanged(int tab);
  void UpdateChecks();
  void UpdateStatusBar();
  void UpdateRecentFiles();

  Application& app_;
  QPointer<RibbonBar> bar_;
  QPointer<RibbonStatusBar> statusBar_;
  std::unique_ptr<ModeManager> modes_;
  std::unique_ptr<RibbonCommands> commands_;
  QTimer idleTimer_;
};

}  // namespace v7
