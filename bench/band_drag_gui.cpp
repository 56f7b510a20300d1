// One step of a band drag on the channel panel's EQ graph, end to end against the simulated
// machine at 1 ms latency: the pointer move, the band sent to the machine (two reports, each
// waiting for its reply), the table and editor update and the graph's repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <chrono>

#include "link/DeviceLink.h"
#include "params/ParameterImage.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedMachine.h"
#include "ui/panels/ChannelPanel.h"
#include "ui/widgets/EqGraph.h"
#include "ui/widgets/EqGraphGeometry.h"

namespace v7 {
namespace {

using namespace std::chrono_literals;

constexpr int kDraggedBand = 4;
constexpr int kStepPixels = 3;
constexpr int kStepsEachWay = 20;

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

QPoint MarkerPoint(const EqGraphBand& band) {
  return {band.markerX + EqGraphGeometry::kHitOffsetX, band.markerY + EqGraphGeometry::kHitOffsetY};
}

void BM_BandDragStep(benchmark::State& state) {
  ParameterImage image;
  image.FillStartupBands();
  image.PutEqBand(kPageMic, kDraggedBand, {0.0f, 500, 1.41f, 1});
  SimulatedMachine machine;
  machine.SetLatency(1ms);
  SimulatedBackend backend(machine);
  DeviceLink link(image, backend);
  if (link.OpenUsbDevice() != OpenResult::kOpened) {
    state.SkipWithError("no simulated machine");
    return;
  }
  ChannelPanel panel(image, link, Language::English, kPageMic);
  panel.show();
  QApplication::processEvents();
  EqGraph* graph = panel.Graph();
  QImage target(graph->size(), QImage::Format_ARGB32_Premultiplied);
  graph->render(&target);  // places the markers
  const QPoint start = MarkerPoint(graph->Band(kDraggedBand));
  SendMouse(graph, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
  int step = 0;
  for (auto _ : state) {
    // Up and down again, so that the gain never reaches its limit.
    const int offset = step < kStepsEachWay ? step : 2 * kStepsEachWay - step;
    step = (step + 1) % (2 * kStepsEachWay);
    const QPoint at = start - QPoint(0, kStepPixels * (offset + 1));
    SendMouse(graph, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    graph->render(&target);
  }
  SendMouse(graph, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
  link.CloseUsbDevice();
}
BENCHMARK(BM_BandDragStep)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace v7
