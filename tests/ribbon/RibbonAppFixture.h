#pragma once

// The application on an in-process simulated machine, with scripted message boxes and file
// dialogs, and the ribbon under test in a window of its own. The ribbon reaches the
// application through a forwarding shell whose interface language the test sets. Sequence
// pauses run on a clock scaled to a hundredth (the 500 ms wait after a mode store takes 5 ms);
// they are shortened, never skipped.

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <memory>
#include <vector>

#include "app/AppSeams.h"
#include "app/Application.h"
#include "controllers/ConnectionController.h"
#include "controllers/ShellOperations.h"
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

// The simulated machine's interfaces, counting the enumerations: the first one is the
// program's first attempt to connect.
class CountingBackend : public HidBackend {
 public:
  explicit CountingBackend(HidBackend& backend) : backend_(backend) {}
  bool Enumerate(std::vector<HidInterfaceInfo>& interfaces) override {
    ++enumerations;
    return backend_.Enumerate(interfaces);
  }
  HidOpenResult Open(const std::string& path) override { return backend_.Open(path); }
  std::atomic<int> enumerations{0};

 private:
  HidBackend& backend_;
};

// Everything goes to the application except the interface language, which the test sets.
class ForwardingShell : public ShellOperations {
 public:
  explicit ForwardingShell(Application& app) : language(app.InterfaceLanguage()), app_(app) {}

  Language InterfaceLanguage() const override { return language; }
  ParameterImage& Image() override { return app_.Image(); }
  DeviceLink& Link() override { return app_.Link(); }
  bool IsLinkOpen() const override { return app_.IsLinkOpen(); }
  Prompts& Prompt() override { return app_.Prompt(); }
  void ShowInfo(const QString& text, int milliseconds) override {
    app_.ShowInfo(text, milliseconds);
  }
  void StartReadSync() override { app_.StartReadSync(); }
  void StartWriteSync() override { app_.StartWriteSync(); }
  void StoreMode(int mode) override { app_.StoreMode(mode); }
  bool ReadModeFileReporting(const QString& path) override {
    return app_.ReadModeFileReporting(path);
  }
  bool WriteModeFileReporting(const QString& path) override {
    return app_.WriteModeFileReporting(path);
  }
  void SetPendingModeIndex(int mode) override { app_.SetPendingModeIndex(mode); }
  RecentFileList& RecentFiles() override { return app_.RecentFiles(); }
  bool ReadRemoteFileReporting(const QString& path) override {
    return app_.ReadRemoteFileReporting(path);
  }
  bool WriteRemoteFileReporting(const QString& path) override {
    return app_.WriteRemoteFileReporting(path);
  }
  void ShowPanelPage(int page) override { app_.ShowPanelPage(page); }
  void OpenRemoteLearning() override { app_.OpenRemoteLearning(); }
  void OpenMicSubDialog() override { app_.OpenMicSubDialog(); }
  void SwitchLanguage() override { app_.SwitchLanguage(); }
  void ShowAboutBox() override { app_.ShowAboutBox(); }

  Language language;

 private:
  Application& app_;
};

class RibbonAppFixture : public ::testing::Test {
 protected:
  static constexpr double kClockScale = 0.01;
  static constexpr int kWaitMs = 5000;

  ~RibbonAppFixture() override {
    delete host;
    shell.reset();
    app.reset();
  }

  // Starts the program in the given language with the machine plugged in or not, and waits
  // until the first attempt to connect, and with the machine the first synchronisation, is
  // over.
  void StartApp(bool connected, Language language) {
    ASSERT_TRUE(folder.isValid());
    if (!connected) machine.Disappear();
    const QString settingsPath = folder.filePath(QStringLiteral("settings.ini"));
    QSettings(settingsPath, QSettings::IniFormat)
        .setValue(QStringLiteral("Workspace/language"), static_cast<int>(language));
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
    ASSERT_TRUE(app->Start());
    if (connected) {
      ASSERT_TRUE(QTest::qWaitFor(
          [this] { return app->IsLinkOpen() && !app->ConnectionHandling().AwaitingFirstSync(); },
          kWaitMs));
    } else {
      ASSERT_TRUE(QTest::qWaitFor([this] { return backend.enumerations > 0; }, kWaitMs));
    }
    shell = std::make_unique<ForwardingShell>(*app);
  }

  // The program as above, plus the ribbon under test in a window of its own; `eqTarget`
  // stands in for the channel panel's EQ commands when given.
  void Start(bool connected, Language language, CommandController::EqTargetLookup eqTarget = {}) {
    StartApp(connected, language);
    ASSERT_EQ(app->InterfaceLanguage(), language);
    host = new QMainWindow;
    ribbon = new MainRibbon(*shell, host, clock, std::move(eqTarget));
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
  // The interface language the ribbon sees.
  void SetLanguage(Language language) { shell->language = language; }
  int PendingMode() { return app->ConnectionHandling().PendingMode(); }

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
  SimulatedBackend simulated{machine};
  CountingBackend backend{simulated};
  SimulatedHotplugMonitor hotplug{machine};
  ScaledClock clock{kClockScale};
  ScriptedPrompts prompts;
  RecordingTrayNotice tray;
  QTemporaryDir folder;
  std::unique_ptr<Application> app;
  std::unique_ptr<ForwardingShell> shell;
  QMainWindow* host = nullptr;
  MainRibbon* ribbon = nullptr;
};

}  // namespace v7::test
