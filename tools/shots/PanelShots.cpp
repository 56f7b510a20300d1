#include "PanelShots.h"

#include <QApplication>
#include <array>

#include "i18n/LanguageTable.h"
#include "i18n/LanguageTables.h"
#include "params/ParameterImage.h"
#include "protocol/ReportSink.h"
#include "ui/panels/ChannelPanel.h"
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
  image.levelMeters[0] = 170;
  image.levelMeters[1] = 120;
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
  }
}

}  // namespace v7::shots
