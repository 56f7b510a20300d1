#pragma once

// The application on an in-process simulated machine, with scripted message boxes and file
// dialogs, and the ribbon under test in a window of its own. Sequence pauses run on a clock
// scaled to a hundredth (the 500 ms wait after a mode store takes 5 ms); they are shortened,
// never skipped.

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "app/AppSeams.h"
#include "app/Application.h"
#include "app/MainView.h"
#include "link/Clock.h"
#include "link/DeviceLink.h"
#include "params/ParameterImage.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedHotplugMonitor.h"
#include "sim/SimulatedMachine.h"
#include "support/RecordingTrayNotice.h"
#include "support/ScriptedPrompts.h"
#include "ui/ribbon/MainRibbon.h"
#include "ui/ribbon/RibbonBar.h"

namespace v7::test {

class RibbonAppFixture : public ::testing::Test {
 protected:
  static constexpr double kClockScale = 0.01;
  static constexpr int kWaitMs = 5000;

  ~RibbonAppFixture() override {
    delete host;
    app.reset();
  }

  // Starts the program in the given language with the machine plugged in or not, and waits
  // until the first synchronisation is over.
  void StartApp(bool connected, int language) {
    ASSERT_TRUE(folder.isValid());
    if (!connected) machine.Disappear();
    const QString settingsPath = folder.filePath(QStringLiteral("settings.ini"));
    QSettings(settingsPath, QSettings::IniFormat)
        .setValue(QStringLiteral("Workspace/language"), language);
    AppSeams seams;
    seams.prompts = &prompts;
    seams.trayNotice = &tray;
    seams.settingsPath = settingsPath;
    seams.instanceName =
        QStringLiteral("v7-ribbon-test-%1").arg(QCoreApplication::applicationPid());
    seams.machine.backend = &backend;
    seams.machine.hotplug = &hotplug;
    seams.machine.clock = &clock;
    app = std::make_unique<Application>(seams);
    ASSERT_TRUE(app->InitInstance());
    if (connected) {
      ASSERT_TRUE(QTest::qWaitFor(
          [this] { return app->IsLinkOpen() && !app->View()->AwaitingFirstSync(); }, kWaitMs));
    } else {
      QTest::qWait(MainView::kFirstConnectDelayMs + 50);
    }
  }

  // The program as above, plus the ribbon under test in a window of its own; `eqTarget`
  // stands in for the channel panel's EQ commands when given.
  void Start(bool connected, int language, std::function<EqCommandTarget*()> eqTarget = {}) {
    StartApp(connected, language);
    ASSERT_EQ(app->uiLanguage, language);
    host = new QMainWindow;
    ribbon = new MainRibbon(*app, host, &clock, std::move(eqTarget));
    host->setMenuWidget(ribbon->RibbonWidget());
    host->setStatusBar(ribbon->TakeStatusBar());
    host->resize(1000, 400);
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host));
    Settle();
    machine.ClearRequests();
  }

  RibbonBar& bar() { return *ribbon->Bar(); }
  ParameterImage& image() { return app->Image(); }

  // Lets the last request's reply arrive, so the machine's record is complete.
  void Settle() { app->Link().AwaitReply(std::chrono::milliseconds(500)); }

  // Requests the machine received with the given command code, in order.
  std::vector<Report> Sent(uint8_t code) {
    Settle();
    std::vector<Report> found;
    for (const Report& report : machine.Requests()) {
      if (report.Code() == code) found.push_back(report);
    }
    return found;
  }

  SimulatedMachine machine;
  SimulatedBackend backend{machine};
  SimulatedHotplugMonitor hotplug{machine};
  ScaledClock clock{kClockScale};
  ScriptedPrompts prompts;
  RecordingTrayNotice tray;
  QTemporaryDir folder;
  std::unique_ptr<Application> app;
  QMainWindow* host = nullptr;
  MainRibbon* ribbon = nullptr;
};

}  // namespace v7::test
