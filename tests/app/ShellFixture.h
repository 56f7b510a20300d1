#pragma once

// A running application over the simulated machine, with scripted prompts, a recording tray
// notice, settings in a temporary file and a single-instance name of its own. The clock is
// scaled (1500 ms start pause -> 15 ms) so a synchronisation takes a few milliseconds.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUuid>
#include <algorithm>
#include <functional>
#include <memory>

#include "app/AppSeams.h"
#include "app/Application.h"
#include "controllers/ConnectionController.h"
#include "controllers/SettingsStore.h"
#include "link/Clock.h"
#include "params/ParameterImage.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedHotplugMonitor.h"
#include "sim/SimulatedMachine.h"
#include "support/RecordingTrayNotice.h"
#include "support/ScriptedPrompts.h"

namespace v7::test {

class ShellFixture : public ::testing::Test {
 protected:
  static constexpr int kWaitMs = 5000;

  AppSeams Seams() {
    AppSeams seams;
    seams.prompts = &prompts;
    seams.trayNotice = &tray;
    seams.settingsPath = settingsPath;
    seams.instanceName = instanceName;
    seams.machine.backend = &backend;
    seams.machine.hotplug = &hotplug;
    seams.machine.clock = clock.get();
    return seams;
  }

  void Start(Language language = Language::English) {
    SettingsStore(settingsPath).SetInterfaceLanguage(language);
    app = std::make_unique<Application>(Seams());
    ASSERT_TRUE(app->Start());
  }

  ConnectionController& Connection() { return app->ConnectionHandling(); }

  // `whileSyncDialogShows` runs once from inside the modal sync dialog's loop.
  bool WaitForFirstSync(std::function<void()> whileSyncDialogShows = {}) {
    QTimer probe;
    probe.setInterval(2);
    QObject::connect(&probe, &QTimer::timeout, [&] {
      if (sawSyncDialog || !app->RunningSyncDialog()) return;
      sawSyncDialog = true;
      if (whileSyncDialogShows) whileSyncDialogShows();
    });
    probe.start();
    return QTest::qWaitFor([&] { return !Connection().AwaitingFirstSync(); }, kWaitMs);
  }

  int CountRequests(uint8_t code) const {
    const auto codes = machine.RequestCodes();
    return static_cast<int>(std::count(codes.begin(), codes.end(), code));
  }

  // Indices of the requests with `code`, in order.
  std::vector<size_t> PositionsOf(uint8_t code) const {
    std::vector<size_t> at;
    const auto codes = machine.RequestCodes();
    for (size_t i = 0; i < codes.size(); ++i)
      if (codes[i] == code) at.push_back(i);
    return at;
  }

  QTemporaryDir dir;
  QString settingsPath = dir.filePath(QStringLiteral("settings.ini"));
  QString instanceName = QStringLiteral("v7-test-") + QUuid::createUuid().toString(QUuid::Id128);
  SimulatedMachine machine;
  SimulatedBackend backend{machine};
  SimulatedHotplugMonitor hotplug{machine};
  std::unique_ptr<ScaledClock> clock = std::make_unique<ScaledClock>(0.01);
  ScriptedPrompts prompts;
  RecordingTrayNotice tray;
  bool sawSyncDialog = false;
  std::unique_ptr<Application> app;  // last: goes first
};

}  // namespace v7::test
