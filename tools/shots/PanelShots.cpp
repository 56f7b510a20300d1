#include "PanelShots.h"

#include <QApplication>
#include <array>

#include "i18n/LanguageTable.h"
#include "i18n/LanguageTables.h"
#include "params/ParameterImage.h"
#include "protocol/ReportSink.h"
#include "ui/panels/ChannelPanel.h"
#include "ui/widgets/EqGraph.h"
#include "ui/widgets/LevelMeter.h"

namespace v7::shots {
namespace {

constexpr std::array<const char*, kPageCount> kPageNames = {"mic",  "music",  "echo",
                                                            "main", "center", "sub"};

// The panel sends into nothing here.
class DroppingSink : public ReportSink {
 public:
  int WriteUsbData(const Report&) override { return kReportSize; }
};

void FillImage(ParameterImage& image) {
  image.FillStartupBands();
  image.dsp.echoVolume = -8;
  image.dsp.echoRatio = -40;
  image.dsp.echoTime = 3200;
  image.dsp.mainVolume = -4;
  image.dsp.mainMic = -6;
  image.dsp.centerVolume = -10;
  image.dsp.subVolume = -4;
  image.dsp.subMic = -6;
  image.autoSub = {20, 50, 30};
  image.PutEqBand(kPageEcho, 1, {-6.0f, 120, 1.4f, 1});
  image.PutEqBand(kPageEcho, 4, {5.0f, 2500, 2.0f, 1});
  image.PutEqBand(kPageEcho, 6, {0.0f, 9000, 0.7f, 2});
  image.PutEqBand(kPageMic, 0, {0.0f, 80, 0.7f, 3});
  image.PutEqBand(kPageMic, 3, {4.5f, 250, 2.5f, 1});
  image.PutEqBand(kPageMain, 2, {-3.0f, 1600, 1.0f, 4});
  image.levelMeters[0] = 170;
  image.levelMeters[1] = 120;
}

// The lower part of the panel: the band area beside the graph.
QImage LowerPart(ChannelPanel& panel) {
  QApplication::processEvents();
  const int top = panel.BandArea()->y();
  return panel.grab(QRect(0, top, panel.width(), panel.height() - top)).toImage();
}

// The band table on a 10-band and a 7-band page, and the single-band editor on a peaking and
// a low-pass band: bands-<zh|en>-<table10|table7|editor-peq|editor-lp>.png.
void WriteBandShots(ShotFolder& folder, ChannelPanel& panel, Language language) {
  const auto save = [&](const char* face) {
    folder.Save(LowerPart(panel),
                QStringLiteral("bands-%1-%2").arg(LanguageTag(language), QLatin1String(face)));
  };
  panel.SetPage(kPageMic);
  save("table10");
  panel.SetPage(kPageMain);
  save("table7");
  panel.SetPage(kPageEcho);
  EqGraph* graph = panel.Graph();
  for (const auto& [band, face] : {std::pair{4, "editor-peq"}, std::pair{6, "editor-lp"}}) {
    graph->SetSelectedBand(band);
    emit graph->BandChanged(graph->Band(band), band);
    save(face);
  }
}

}  // namespace

void WritePanelShots(ShotFolder& folder) {
  ParameterImage image;
  FillImage(image);
  DroppingSink sink;
  for (Language language : {Language::Chinese, Language::English}) {
    ChannelPanel panel(image, sink, language, kPageMic);
    panel.show();
    for (int page = 0; page < kPageCount; ++page) {
      panel.SetPage(page);
      panel.UpdateLevels();
      // Still levels, not the fall-off's moment.
      for (int meter = 0; meter < 2; ++meter) panel.Meter(meter)->StopFallOff();
      QApplication::processEvents();
      folder.Save(panel.grab().toImage(),
                  QStringLiteral("panel-%1-%2")
                      .arg(LanguageTag(language), QLatin1String(kPageNames[page])));
    }
    WriteBandShots(folder, panel, language);
  }
}

}  // namespace v7::shots
