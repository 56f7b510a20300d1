#include <gtest/gtest.h>

#include <QColor>
#include <QFontDatabase>
#include <QRect>
#include <cmath>
#include <functional>
#include <vector>

#include "ui/widgets/EqGraphRenderer.h"
#include "ui/widgets/EqGraphSpline.h"
#include "ui/widgets/EqGraphTexts.h"
#include "widgets/EqGraphTestSupport.h"

namespace v7::test {
namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 450;

using PixelTest = std::function<bool(QColor)>;

int CountPixels(const QImage& image, QRect area, const PixelTest& match) {
  area &= image.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      n += match(image.pixelColor(x, y)) ? 1 : 0;
    }
  }
  return n;
}

// Leftmost column in the area holding a matching pixel, or -1.
int LeftmostColumn(const QImage& image, QRect area, const PixelTest& match) {
  area &= image.rect();
  for (int x = area.left(); x <= area.right(); ++x) {
    if (CountPixels(image, QRect(x, area.top(), 1, area.height()), match) > 0) {
      return x;
    }
  }
  return -1;
}

bool IsNear(QColor c, QColor want, int tolerance = 40) {
  return std::abs(c.red() - want.red()) <= tolerance &&
         std::abs(c.green() - want.green()) <= tolerance &&
         std::abs(c.blue() - want.blue()) <= tolerance;
}

const PixelTest kWhite = [](QColor c) { return IsNear(c, Qt::white, 20); };
const PixelTest kCurveCyan = [](QColor c) { return IsNear(c, QColor(0x00, 0xC8, 0xFF), 60); };
const PixelTest kYellow = [](QColor c) {
  return c.red() > 180 && c.green() > 180 && c.blue() < 80;
};
const PixelTest kRed = [](QColor c) { return c.red() > 180 && c.green() < 60 && c.blue() < 60; };
const PixelTest kReadoutGreen = [](QColor c) {
  return c.green() > 150 && c.red() < 90 && c.blue() < 90;
};

class EqGraphRenderTest : public ::testing::Test {
 protected:
  EqGraphRenderTest() : geometry_(kWidth, kHeight) { panel_.resize(kWidth, kHeight); }

  QPoint MarkerCentre(int band) const {
    const EqGraphBand& b = panel_.Band(band);
    return {static_cast<int>(geometry_.XOfFrequency(b.frequency)),
            static_cast<int>(geometry_.YOfGain(b.gain))};
  }

  EqGraph panel_;
  EqGraphGeometry geometry_;
};

TEST_F(EqGraphRenderTest, PaintStoresEachMarkerPosition) {
  panel_.SetBandGain(3, -4.5f);
  PaintPanel(panel_);
  const EqGraphBand& b = panel_.Band(3);
  EXPECT_EQ(b.markerX, static_cast<int>(geometry_.XOfFrequency(250) - geometry_.Left()));
  EXPECT_EQ(b.markerY, static_cast<int>(geometry_.YOfGain(-4.5) - geometry_.Top()));
}

TEST_F(EqGraphRenderTest, BypassOverlaysPassInTheMiddle) {
  const QRect middle(kWidth / 2 - 100, kHeight / 2 - 40, 200, 80);
  EXPECT_LT(CountPixels(PaintPanel(panel_), middle, kWhite), 5);
  panel_.SetBypass(true);
  const QImage bypassed = PaintPanel(panel_);
  EXPECT_GT(CountPixels(bypassed, middle, kWhite), 500);
  EXPECT_GT(CountPixels(bypassed, QRect(0, 0, kWidth, kHeight), kCurveCyan), 300)
      << "the curve stays visible";
}

TEST_F(EqGraphRenderTest, BandThatIsOffLeavesNoMarker) {
  const PixelTest bandFive = [](QColor c) {  // band 5 is drawn in FFFF64
    return c.red() > 120 && c.green() > 120 && c.blue() < 70;
  };
  PaintPanel(panel_);
  const QPoint centre = MarkerCentre(4);
  const QRect around(centre - QPoint(12, 12), QSize(25, 25));
  EXPECT_GT(CountPixels(PaintPanel(panel_), around, bandFive), 10);
  const int markerX = panel_.Band(4).markerX;
  panel_.Band(4).type = FilterType::Off;
  panel_.Band(4).frequency = 3000;
  panel_.SetSelectedBand(4);  // picked with the right button: still no marker, fill or read-out
  const QImage image = PaintPanel(panel_);
  EXPECT_EQ(CountPixels(image, around, bandFive), 0);
  EXPECT_EQ(CountPixels(image, QRect(centre - QPoint(80, 50), QSize(120, 100)), kReadoutGreen), 0);
  EXPECT_EQ(panel_.Band(4).markerX, markerX) << "an off band keeps its last marker position";
}

TEST_F(EqGraphRenderTest, TotalCurveIsNotClippedToThePlot) {
  for (int band : {5, 6}) {
    panel_.Band(band).frequency = 1000;
    panel_.SetBandGain(band, 15);
  }
  const QImage image = PaintPanel(panel_);
  const int x = static_cast<int>(geometry_.XOfFrequency(1000));
  const QRect abovePlot(x - 60, 0, 120, geometry_.Top() - 2);
  EXPECT_GT(CountPixels(image, abovePlot, kCurveCyan), 3);
}

TEST_F(EqGraphRenderTest, SqueezedBelowItsMarginsItStillPaintsAndPicks) {
  panel_.SetSelectedBand(2);
  panel_.resize(20, 10);
  EXPECT_EQ(PaintPanel(panel_).size(), QSize(20, 10));
  QTest::mouseClick(&panel_, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseMove(&panel_, QPoint(15, 8));
  EXPECT_TRUE(std::isfinite(panel_.Band(0).frequency));
}

TEST(EqGraphColours, InfoGainThresholds) {
  struct Case {
    double gain;
    QColor colour;
  };
  const QColor green(0x00, 0xFF, 0x00), yellow(0xFF, 0xFF, 0x00), red(0xFF, 0x00, 0x00);
  for (const Case& c : {Case{6.0, green}, Case{-6.0, green}, Case{0.0, green}, Case{6.1, yellow},
                        Case{-10.0, yellow}, Case{10.1f, red}, Case{-10.1f, red}, Case{15, red}}) {
    EXPECT_EQ(EqGraphRenderer::GainColour(c.gain), c.colour) << c.gain;
  }
}

TEST_F(EqGraphRenderTest, InfoLineGainIsDrawnInItsThresholdColour) {
  const QRect infoLine(0, 0, kWidth / 2, geometry_.Top() - 1);
  struct Case {
    float gain;
    int yellow;  // expected pixel presence
    int red;
  };
  for (const Case& c : {Case{6.0f, 0, 0}, Case{6.1f, 1, 0}, Case{10.1f, 0, 1}}) {
    panel_.SetBandGain(5, c.gain);
    panel_.SetSelectedBand(5);
    const QImage image = PaintPanel(panel_);
    EXPECT_EQ(CountPixels(image, infoLine, kYellow) > 5, c.yellow == 1) << c.gain;
    EXPECT_EQ(CountPixels(image, infoLine, kRed) > 5, c.red == 1) << c.gain;
  }
}

TEST_F(EqGraphRenderTest, ReadoutHangsBelowAtZeroAndStandsAboveBelowZero) {
  for (float gain : {0.0f, -3.0f}) {
    panel_.SetBandGain(4, gain);
    panel_.SetSelectedBand(4);
    const QImage image = PaintPanel(panel_);
    const QPoint c = MarkerCentre(4);
    const QRect above(c.x() - 70, c.y() - 48, 80, 36);
    const QRect below(c.x() - 70, c.y() + 12, 80, 36);
    const bool expectBelow = gain >= 0.0f;
    EXPECT_EQ(CountPixels(image, below, kReadoutGreen) > 10, expectBelow) << gain;
    EXPECT_EQ(CountPixels(image, above, kReadoutGreen) > 10, !expectBelow) << gain;
  }
}

TEST_F(EqGraphRenderTest, TwoDigitBandMovesItsReadoutThreePixelsLeft) {
  const auto readoutLeft = [this](int band) {
    for (int i = 0; i < panel_.BandCount(); ++i) {
      panel_.Band(i).frequency = i == band ? 1000.0f : 20.0f;
      panel_.RecomputeBand(i);
    }
    panel_.SetSelectedBand(band);
    const QPoint c = MarkerCentre(band);
    return LeftmostColumn(PaintPanel(panel_), QRect(c.x() - 80, c.y() + 12, 100, 36),
                          kReadoutGreen);
  };
  EXPECT_EQ(readoutLeft(8) - readoutLeft(9), 3);
}

TEST_F(EqGraphRenderTest, GridFollowsTheSizeAfterAResize) {
  const QColor outerGrid(0x80, 0x80, 0x80);
  EXPECT_TRUE(IsNear(PaintPanel(panel_).pixelColor(300, geometry_.Bottom() + 1), outerGrid, 0));
  panel_.resize(700, 300);
  const EqGraphGeometry small(700, 300);
  const QImage image = PaintPanel(panel_);
  ASSERT_EQ(image.size(), QSize(700, 300));
  EXPECT_TRUE(IsNear(image.pixelColor(300, small.Bottom() + 1), outerGrid, 0));
}

// With Tahoma's narrow metrics (or its condensed stand-in) the "10kHz" label and the "12kHz"
// label beside it, 32 px apart at this width, leave a clear column between them.
TEST_F(EqGraphRenderTest, TenAndTwelveKilohertzLabelsDoNotTouchAtFullWidth) {
  if (!QFontDatabase::hasFamily("Tahoma") && !QFontDatabase::hasFamily("DejaVu Sans Condensed")) {
    GTEST_SKIP() << "no narrow label font installed";
  }
  const QImage image = PaintPanel(panel_);
  const double middle = (geometry_.XOfFrequency(10000) + geometry_.XOfFrequency(13000)) / 2;
  const int top = geometry_.Bottom() + 4;
  const PixelTest ink = [](QColor c) { return c.red() > 0x30; };
  bool clearColumn = false;
  for (int x = static_cast<int>(middle) - 2; x <= static_cast<int>(middle) + 2 && !clearColumn;
       ++x) {
    clearColumn = CountPixels(image, QRect(x, top, 1, kHeight - top), ink) == 0;
  }
  EXPECT_TRUE(clearColumn);
}

// The spline closing a band's area overshoots sideways where it turns sharply (a pass filter's
// vertical ends, a shelf's step off the 0 dB line); the area stays within the plot's columns
// instead of tinting the scale labels and the right margin.
TEST_F(EqGraphRenderTest, SelectedAreaStaysWithinThePlotColumns) {
  const PixelTest tinted = [](QColor c) { return c.red() != c.green() || c.green() != c.blue(); };
  // Between the right-aligned gain labels and the plot, so no text falls in it.
  const QRect leftOfPlot(geometry_.Left() - 4, geometry_.Top(), 3, kHeight - geometry_.Top());
  const QRect rightOfPlot(geometry_.Right() + 2, geometry_.Top(), kWidth, kHeight);
  struct Case {
    FilterType type;
    float frequency;
    float gain;
  };
  for (const Case& c : {Case{FilterType::Lp, 6000, 0}, Case{FilterType::Hp, 200, 0},
                        Case{FilterType::Ls, 300, 9}, Case{FilterType::Hs, 3000, -9}}) {
    panel_.SetBandType(6, c.type);
    panel_.Band(6).frequency = c.frequency;
    panel_.SetBandGain(6, c.gain);
    panel_.SetSelectedBand(6);
    const QImage image = PaintPanel(panel_);
    EXPECT_EQ(CountPixels(image, leftOfPlot, tinted), 0) << "left " << static_cast<int>(c.type);
    EXPECT_EQ(CountPixels(image, rightOfPlot, tinted), 0) << "right " << static_cast<int>(c.type);
  }
}

double DistanceToPolyline(const QPointF& p, const QPolygonF& line) {
  double best = 1e9;
  for (qsizetype i = 1; i < line.size(); ++i) {
    const QPointF a = line[i - 1];
    const QPointF ab = line[i] - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    best = std::min(best, std::hypot(d.x(), d.y()));
  }
  return best;
}

TEST(EqGraphSplineTest, PassesThroughEveryPointAndMergesStraightRuns) {
  std::vector<QPointF> wave;
  for (int i = 0; i < 200; ++i) {
    wave.emplace_back(i * 1.9, 100 + 60 * std::sin(i / 15.0));
  }
  const QPolygonF open = EqGraphSpline::Open(wave);
  EXPECT_EQ(open.front(), wave.front());
  EXPECT_EQ(open.back(), wave.back());
  for (const QPointF& p : wave) {
    EXPECT_LT(DistanceToPolyline(p, open), 2 * EqGraphSpline::kFlatness) << p.x();
  }
  EXPECT_LT(open.size(), static_cast<qsizetype>(wave.size()));

  const std::vector<QPointF> straight{{0, 0}, {2, 1}, {4, 2}, {6, 3}, {8, 4}};
  EXPECT_EQ(EqGraphSpline::Open(straight), QPolygonF({{0, 0}, {8, 4}}));

  const QPolygonF closed = EqGraphSpline::Closed(straight);
  EXPECT_EQ(closed.front(), closed.back()) << "a closed spline returns to its start";
  EXPECT_TRUE(EqGraphSpline::Open({}).isEmpty());
}

TEST(EqGraphTextsTest, ScaleTitleAndInfoTexts) {
  EXPECT_EQ(EqGraphTexts::GainLabel(0), "+0db");
  EXPECT_EQ(EqGraphTexts::GainLabel(-15), "+15db");
  EXPECT_EQ(EqGraphTexts::GainLabel(12), "-12db");
  EXPECT_EQ(EqGraphTexts::Title(0, false), "话筒均衡");
  EXPECT_EQ(EqGraphTexts::Title(4, true), "Center EQ");
  EXPECT_EQ(EqGraphTexts::Title(5, false), "超低均衡");
  EXPECT_EQ(EqGraphTexts::InfoLine(true, 6, 1000, 1.41),
            "Index=6     Frequency=1000Hz    Q=1.41     Gain=");
  EXPECT_EQ(EqGraphTexts::InfoLine(false, 10, 12000, 0.7),
            "控制号=10    频率=12000Hz    Q值=0.70     增益=");
  EXPECT_EQ(EqGraphTexts::InfoGain(-0.04), "-0.0dB ");
  EXPECT_EQ(EqGraphTexts::GainValue(6), "+6.0dB");
}

}  // namespace
}  // namespace v7::test
