// The channel panel's two costs a user feels: a page switch (the full refresh from the image)
// and one slider step (move, accessor, report, label and repaint). The sink here takes the
// report at once; the link's own round trip is measured by link_roundtrip.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>

#include "params/ParameterImage.h"
#include "protocol/ReportSink.h"
#include "ui/panels/ChannelPanel.h"
#include "ui/panels/SliderRows.h"
#include "ui/widgets/ImageSlider.h"

namespace v7 {
namespace {

class CountingSink : public ReportSink {
 public:
  int WriteUsbData(const Report&) override {
    ++sent;
    return kReportSize;
  }
  int sent = 0;
};

void BM_PageSwitch(benchmark::State& state) {
  ParameterImage image;
  image.FillStartupBands();
  CountingSink sink;
  ChannelPanel panel(image, sink, Language::English, kPageMic);
  panel.show();
  QApplication::processEvents();
  int page = 0;
  for (auto _ : state) {
    page = (page + 1) % kPageCount;
    panel.SetPage(page);
  }
}
BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMillisecond);

void BM_SliderStep(benchmark::State& state) {
  ParameterImage image;
  image.dsp.mainVolume = -40;
  CountingSink sink;
  ChannelPanel panel(image, sink, Language::English, kPageMain);
  panel.show();
  ImageSlider* slider = panel.Rows().Slider(0);
  slider->setFocus();
  QApplication::processEvents();
  QImage target(slider->size(), QImage::Format_ARGB32_Premultiplied);
  bool down = true;
  for (auto _ : state) {
    QKeyEvent key(QEvent::KeyPress, down ? Qt::Key_Left : Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(slider, &key);
    QApplication::processEvents();  // the queued notice: accessor, report, label
    slider->render(&target);
    down = !down;
  }
  state.counters["reports"] = sink.sent;
}
BENCHMARK(BM_SliderStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace v7
