// Cost of the EQ graph's paint (it repaints on every pointer move of a drag) and of one whole
// drag step: pointer move, curve recompute, notification, paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "ui/widgets/EqGraph.h"
#include "ui/widgets/EqGraphGeometry.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 450;

void LoadBands(v7::EqGraph& panel) {
  const float gains[10] = {3.0f, -2.5f, 1.5f, 0.0f, -4.0f, 6.0f, 2.0f, -3.0f, 4.5f, 0.0f};
  for (int i = 0; i < 10; ++i) {
    panel.SetBandGain(i, gains[i]);
  }
  panel.SetSelectedBand(5);
}

void Paint(v7::EqGraph& panel, QImage& image) {
  panel.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
}

void SendMouse(v7::EqGraph& panel, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons held) {
  QMouseEvent event(type, pos, panel.mapToGlobal(pos), button, held, Qt::NoModifier);
  QApplication::sendEvent(&panel, &event);
}

void BM_FullPaint(benchmark::State& state) {
  v7::EqGraph panel;
  panel.resize(kWidth, kHeight);
  LoadBands(panel);
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  Paint(panel, image);  // builds the grid cache, as the first paint on screen does
  for (auto _ : state) {
    Paint(panel, image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMicrosecond);

void BM_DragStep(benchmark::State& state) {
  v7::EqGraph panel;
  panel.resize(kWidth, kHeight);
  LoadBands(panel);
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  Paint(panel, image);
  int notices = 0;
  QObject::connect(
      &panel, &v7::EqGraph::BandChanged, &panel,
      [&notices](const v7::EqGraphBand&, int) { ++notices; }, Qt::DirectConnection);
  const v7::EqGraphBand& band = panel.Band(5);
  const QPoint grab(band.markerX + v7::EqGraphGeometry::kHitOffsetX,
                    band.markerY + v7::EqGraphGeometry::kHitOffsetY);
  SendMouse(panel, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
  int step = 0;
  for (auto _ : state) {
    const QPoint to = grab + QPoint(step % 40 - 20, (step * 7) % 30 - 15);
    SendMouse(panel, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Paint(panel, image);
    benchmark::DoNotOptimize(image.constBits());
    ++step;
  }
  SendMouse(panel, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
  benchmark::DoNotOptimize(notices);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

}  // namespace
