// Start-up of the desktop program: from building the application object to the first
// painted main window, and the resident memory once the first synchronisation with the
// (simulated) machine has completed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

#include "app/AppSeams.h"
#include "app/Application.h"
#include "controllers/ConnectionController.h"
#include "controllers/Prompts.h"
#include "link/Clock.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedHotplugMonitor.h"
#include "sim/SimulatedMachine.h"

namespace {

class SilentPrompts : public v7::Prompts {
 public:
  void Tell(QWidget*, const QString&, const QString&, v7::PromptIcon) override {}
  v7::PromptAnswer Ask(QWidget*, const QString&, const QString&, v7::PromptChoices,
                       v7::PromptAnswer) override {
    return v7::PromptAnswer::No;
  }
  QString AskOpenFileName(QWidget*, const QString&) override { return {}; }
  QString AskSaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return {};
  }
};

class PaintWatch : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

double ResidentMegabytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:"))
      return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
  return 0;
}

struct Harness {
  QTemporaryDir dir;
  v7::SimulatedMachine machine;
  v7::SimulatedBackend backend{machine};
  v7::SimulatedHotplugMonitor hotplug{machine};
  SilentPrompts prompts;
  v7::AppSeams Seams() {
    v7::AppSeams seams;
    seams.prompts = &prompts;
    seams.settingsPath = dir.filePath(QStringLiteral("settings.ini"));
    seams.instanceName = QStringLiteral("v7-bench-") + QUuid::createUuid().toString(QUuid::Id128);
    seams.machine.backend = &backend;
    seams.machine.hotplug = &hotplug;
    return seams;
  }
};

void BM_StartupToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    Harness harness;
    harness.machine.Disappear();
    QElapsedTimer timer;
    timer.start();
    v7::Application app(harness.Seams());
    if (!app.Start()) {
      state.SkipWithError("start-up failed");
      return;
    }
    // Any widget of the window painting counts: covered parents are not painted at all.
    PaintWatch watch;
    qApp->installEventFilter(&watch);
    while (!watch.painted && timer.elapsed() < 10000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    qApp->removeEventFilter(&watch);
  }
}
BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ResidentMemoryAfterFirstSync(benchmark::State& state) {
  for (auto _ : state) {
    Harness harness;
    v7::Application app(harness.Seams());
    if (!app.Start()) {
      state.SkipWithError("start-up failed");
      return;
    }
    QElapsedTimer timer;
    timer.start();
    while (app.ConnectionHandling().AwaitingFirstSync() && timer.elapsed() < 10000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    state.counters["rss_MB"] = ResidentMegabytes();
    state.counters["first_sync_ms"] = static_cast<double>(timer.elapsed());
  }
}
BENCHMARK(BM_ResidentMemoryAfterFirstSync)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
