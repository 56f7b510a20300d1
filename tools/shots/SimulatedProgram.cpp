#include "SimulatedProgram.h"

#include <QCoreApplication>
#include <QTest>
#include <cstdio>

#include "app/AppSeams.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "controllers/ConnectionController.h"
#include "controllers/SettingsStore.h"
#include "ui/ribbon/MainRibbon.h"

namespace v7::shots {
namespace {

constexpr int kFirstSyncTimeoutMs = 15000;
// After the first attempt to connect, time for the notice of a missing machine to show.
constexpr int kNoMachineSettleMs = 250;

}  // namespace

SimulatedProgram::SimulatedProgram(Language language, bool connected)
    : language_(language), connected_(connected) {}

SimulatedProgram::~SimulatedProgram() = default;

bool SimulatedProgram::Start() {
  if (!settingsFolder_.isValid()) {
    std::fprintf(stderr, "no temporary folder for the settings\n");
    return false;
  }
  if (!connected_) machine_.Disappear();
  const QString settingsPath = settingsFolder_.filePath(QStringLiteral("settings.ini"));
  SettingsStore(settingsPath).SetInterfaceLanguage(language_);
  AppSeams seams;
  seams.prompts = &prompts_;
  seams.settingsPath = settingsPath;
  seams.instanceName = QStringLiteral("v7-shots-%1").arg(QCoreApplication::applicationPid());
  seams.machine.backend = &backend_;
  seams.machine.hotplug = &hotplug_;
  app_ = std::make_unique<Application>(seams);
  if (!app_->Start()) {
    std::fprintf(stderr, "the program did not start\n");
    return false;
  }
  if (!connected_) {
    QTest::qWait(ConnectionController::kFirstConnectDelayMs + kNoMachineSettleMs);
    return true;
  }
  const bool synced = QTest::qWaitFor(
      [this] { return app_->IsLinkOpen() && !app_->ConnectionHandling().AwaitingFirstSync(); },
      kFirstSyncTimeoutMs);
  if (!synced) std::fprintf(stderr, "the first synchronisation did not finish\n");
  return synced;
}

MainWindow& SimulatedProgram::Window() {
  return *app_->Window();
}

MainRibbon* SimulatedProgram::Ribbon() {
  return dynamic_cast<MainRibbon*>(app_->Window()->Ribbon());
}

}  // namespace v7::shots
