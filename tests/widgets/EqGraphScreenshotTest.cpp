// Renders the EQ graph in its typical states. With V7_SHOTS_DIR set the pictures are saved there
// as PNG files for a look by eye; without it the test only checks that each one paints.
#include <gtest/gtest.h>

#include <QDir>
#include <QString>

#include "widgets/EqGraphTestSupport.h"

namespace v7::test {
namespace {

struct Shot {
  const char* name;
  int identity;
  int language;
  bool bypass;
  QSize size;
};

void LoadMicBands(EqGraph& panel) {
  const float gains[10] = {3.0f, -2.5f, 1.5f, 0.0f, -4.0f, 6.0f, 2.0f, -3.0f, 4.5f, 0.0f};
  for (int i = 0; i < 10; ++i) {
    panel.SetBandGain(i, gains[i]);
  }
  panel.SetBandType(0, FilterType::Hp);
  panel.Band(0).frequency = 40;
  panel.RecomputeBand(0);
  panel.SetBandType(9, FilterType::Hs);
  panel.SetBandGain(9, 3.5f);
  panel.SetSelectedBand(5);
}

void LoadEchoBands(EqGraph& panel) {
  panel.SetBandCount(7);
  const float gains[7] = {-6.0f, -2.0f, 0.0f, 2.5f, 4.0f, 1.0f, -1.5f};
  for (int i = 0; i < 7; ++i) {
    panel.SetBandGain(i, gains[i]);
  }
  panel.SetBandType(6, FilterType::Lp);
  panel.Band(6).frequency = 6000;
  panel.RecomputeBand(6);
  panel.SetSelectedBand(6);
}

TEST(EqGraphScreenshot, RendersTheTypicalStates) {
  const Shot shots[] = {
      {"eqgraph-mic-en", 0, 1, false, QSize(1000, 450)},
      {"eqgraph-mic-zh", 0, 0, false, QSize(1000, 450)},
      {"eqgraph-echo-bypass-en", 2, 1, true, QSize(1000, 450)},
      {"eqgraph-echo-bypass-zh", 2, 0, true, QSize(489, 147)},
      {"eqgraph-mic-placeholder-en", 0, 1, false, QSize(489, 147)},
  };
  const QString dir = qEnvironmentVariable("V7_SHOTS_DIR");
  for (const Shot& s : shots) {
    EqGraph panel;
    panel.resize(s.size);
    panel.SetIdentity(s.identity);
    panel.SetLanguage(s.language);
    panel.SetBypass(s.bypass);
    if (s.identity == 0) {
      LoadMicBands(panel);
    } else {
      LoadEchoBands(panel);
    }
    PaintPanel(panel);
    if (s.identity == 0) {
      Hover(panel, AtMarker(panel, 2));
      EXPECT_EQ(panel.HoveredBand(), 2) << s.name;
    }
    const QImage image = PaintPanel(panel);
    ASSERT_EQ(image.size(), s.size);
    if (!dir.isEmpty()) {
      QDir().mkpath(dir);
      EXPECT_TRUE(image.save(dir + "/" + s.name + ".png")) << s.name;
    }
  }
}

}  // namespace
}  // namespace v7::test
