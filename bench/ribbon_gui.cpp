// Cost of a full repaint of the ribbon at the default window width, as after every tab switch
// and language switch, in both languages.
#include <benchmark/benchmark.h>

#include <QImage>

#include "controllers/CommandActions.h"
#include "ui/ribbon/RibbonBar.h"
#include "ui/ribbon/RibbonLayout.h"

namespace v7 {
namespace {

constexpr int kWindowWidth = 1024;

void BM_RibbonFullPaint(benchmark::State& state) {
  const auto language = static_cast<Language>(state.range(0));
  CommandActions actions(language);
  RibbonBar bar;
  RibbonLayout::Build(bar, actions, language);
  bar.resize(kWindowWidth, bar.sizeHint().height());
  QImage target(bar.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    bar.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_RibbonFullPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace v7
