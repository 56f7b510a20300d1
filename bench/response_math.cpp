// Cost of the EQ graph's curve arithmetic: one band curve per filter type (recomputed on every
// drag step) and the total of ten bands (re-summed on every repaint).
#include <benchmark/benchmark.h>

#include <array>

#include "dsp/ResponseMath.h"

namespace {

void BM_ComputeBandCurve(benchmark::State& state) {
  const auto type = static_cast<v7::FilterType>(state.range(0));
  v7::ResponseCurve curve{};
  float gain = 3.0f;
  for (auto _ : state) {
    v7::ComputeBandCurve(type, 1000.0f, gain, 1.41f, curve);
    benchmark::DoNotOptimize(curve.data());
    gain = -gain;
  }
}
BENCHMARK(BM_ComputeBandCurve)
    ->ArgName("type")
    ->Arg(static_cast<int>(v7::FilterType::Peq))
    ->Arg(static_cast<int>(v7::FilterType::Lp))
    ->Arg(static_cast<int>(v7::FilterType::Hp))
    ->Arg(static_cast<int>(v7::FilterType::Ls))
    ->Arg(static_cast<int>(v7::FilterType::Hs));

void BM_SumCurvesTenBands(benchmark::State& state) {
  std::array<v7::EqGraphBand, 10> bands{};
  for (int i = 0; i < 10; ++i) {
    bands[i].frequency = 31.0f * static_cast<float>(1 << i);
    bands[i].gain = static_cast<float>(i - 5);
    v7::ComputeBandCurve(bands[i]);
  }
  v7::ResponseCurve total{};
  for (auto _ : state) {
    v7::SumCurves(bands, static_cast<int>(bands.size()), total);
    benchmark::DoNotOptimize(total.data());
  }
}
BENCHMARK(BM_SumCurvesTenBands);

}  // namespace

BENCHMARK_MAIN();
