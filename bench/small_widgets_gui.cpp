// Paint cost of the small widgets that repaint often: the level meter (every 30 ms while
// falling) and the echo preview (on every refresh of the channel panel).
#include <benchmark/benchmark.h>

#include <QImage>
#include <array>

#include "dsp/GateCurve.h"
#include "ui/widgets/EqPreview.h"
#include "ui/widgets/LevelMeter.h"

namespace v7 {
namespace {

void BM_MeterPaint(benchmark::State& state) {
  LevelMeter meter;
  meter.resize(162, 4);
  meter.SetBandCount(1);
  meter.SetSegmentCount(15);
  meter.ResetBands();
  const std::array<int, 1> levels = {184};
  meter.SetLevel(levels, 0);
  QImage target(meter.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    meter.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_MeterPaint);

void BM_SmallPanelPaint(benchmark::State& state) {
  EqPreview panel;
  panel.resize(282, 136);
  panel.SetGain(5, 6.0f);
  panel.SetBypass(state.range(0) != 0);
  QImage target(panel.size(), QImage::Format_ARGB32_Premultiplied);
  panel.render(&target);  // builds the grid cache, as the first paint does
  for (auto _ : state) {
    panel.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_SmallPanelPaint)->Arg(0)->Arg(1)->ArgName("pass");

// The preview reloads all seven bands on every refresh of the channel panel.
void BM_SmallPanelRecomputeBand(benchmark::State& state) {
  EqPreview panel;
  panel.resize(282, 136);
  float gain = 0.0f;
  for (auto _ : state) {
    gain = gain > 10.0f ? -10.0f : gain + 0.5f;
    panel.SetGain(3, gain);
  }
}
BENCHMARK(BM_SmallPanelRecomputeBand);

void BM_GateData(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BuildGateData(-70.0));
}
BENCHMARK(BM_GateData);

}  // namespace
}  // namespace v7
