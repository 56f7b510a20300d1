// The whole program in one language on a simulated machine of its own, plugged in or not,
// with settings in a temporary folder and silent prompts.
#pragma once

#include <QTemporaryDir>
#include <memory>

#include "SilentPrompts.h"
#include "i18n/Language.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedHotplugMonitor.h"
#include "sim/SimulatedMachine.h"

namespace v7 {
class Application;
class MainRibbon;
class MainWindow;
}  // namespace v7

namespace v7::shots {

class SimulatedProgram {
 public:
  SimulatedProgram(Language language, bool connected);
  ~SimulatedProgram();

  // Starts the program and waits until it has settled: the first synchronisation is over, or
  // the first attempt to connect found nothing. False (and a message) when it did not.
  bool Start();

  Application& App() { return *app_; }
  MainWindow& Window();
  // The ribbon the program made, or null when it made another kind.
  MainRibbon* Ribbon();

 private:
  Language language_;
  bool connected_;
  SimulatedMachine machine_;
  SimulatedBackend backend_{machine_};
  SimulatedHotplugMonitor hotplug_{machine_};
  SilentPrompts prompts_;
  QTemporaryDir settingsFolder_;
  std::unique_ptr<Application> app_;
};

}  // namespace v7::shots
