#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "ui/widgets/EqPreview.h"

namespace v7 {
namespace {

constexpr int kPanelId = 1144;

// The echo preview at its size on the channel panel (188 x 84 dialog units): plot width
// 278, plot height 132, middle line at y = 68.
class SmallEqFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    panel_.resize(282, 136);
    panel_.show();  // a hidden widget hears of its new size only when shown
  }

  double TotalDbAt(int k) const { return panel_.GainAtY(panel_.TotalCurve()[std::size_t(k)].y()); }

  int PeakIndex() const {
    int best = 0;
    for (int k = 1; k < EqPreview::kPoints; ++k) {
      if (TotalDbAt(k) > TotalDbAt(best)) best = k;
    }
    return best;
  }

  static bool IsWhite(QRgb p) { return qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240; }

  int CountPixels(const QImage& image, QRect area, bool (*test)(QRgb)) const {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
  }

  EqPreview panel_{nullptr, kPanelId};
};

TEST_F(SmallEqFixture, FlatBandsGiveAStraightMiddleLine) {
  for (int k = 0; k < EqPreview::kPoints; ++k) {
    EXPECT_DOUBLE_EQ(panel_.TotalCurve()[std::size_t(k)].y(), 68.0) << k;
  }
  EXPECT_FLOAT_EQ(panel_.TotalCurve()[0].x(), 2.0f);
  EXPECT_FLOAT_EQ(panel_.TotalCurve()[55].x(), 278.0f / 56.0f * 55.0f + 2.0f);
}

TEST_F(SmallEqFixture, PeakingBandPeaksNearItsFrequency) {
  panel_.SetGain(5, 6.0f);  // band 6 is preset to 1000 Hz
  panel_.SetQ(5, 1.41f);
  const int peak = PeakIndex();
  EXPECT_NEAR(panel_.TotalCurve()[std::size_t(peak)].x(), 2 + 2 * 278 / 3.4, 278.0 / 56);
  // Sampled at only 56 points, the drawn peak may fall a little short of +6 dB.
  EXPECT_GT(TotalDbAt(peak), 5.0);
  EXPECT_LE(TotalDbAt(peak), 6.05);
  EXPECT_NEAR(TotalDbAt(0), 0.0, 0.05);
}

TEST_F(SmallEqFixture, TotalAddsEachBandRoundedToTenthsTowardZero) {
  panel_.SetGain(0, -4.0f);
  panel_.SetGain(3, 2.5f);
  panel_.SetType(6, FilterType::Hs);
  panel_.SetGain(6, 3.3f);
  for (int k = 0; k < EqPreview::kPoints; ++k) {
    double expected = 0.0;
    for (int b = 0; b < EqPreview::kBands; ++b) {
      const double v = panel_.GainAtY(panel_.Band(b).points[std::size_t(k)].y());
      expected += std::trunc(10.0 * v + 0.5) / 10.0;
    }
    EXPECT_NEAR(TotalDbAt(k), expected, 1e-4) << k;
  }
}

TEST_F(SmallEqFixture, SettersLimitTheirValues) {
  panel_.SetGain(2, 40.0f);
  EXPECT_EQ(panel_.Band(2).gain, 15.0f);
  panel_.SetGain(2, -40.0f);
  EXPECT_EQ(panel_.Band(2).gain, -15.0f);
  panel_.SetFrequency(2, 0.0f);
  EXPECT_EQ(panel_.Band(2).frequency, 125.0f) << "a zero frequency is not taken over";
  panel_.SetFrequency(2, 5.0f);
  EXPECT_EQ(panel_.Band(2).frequency, 20.0f);
  panel_.SetFrequency(2, 50000.0f);
  EXPECT_EQ(panel_.Band(2).frequency, 20000.0f);
  panel_.SetQ(2, 0.0f);
  EXPECT_EQ(panel_.Band(2).q, 1.414f);
  panel_.SetGain(7, 6.0f);
  panel_.SetGain(-1, 6.0f);  // no such bands: ignored
}

TEST_F(SmallEqFixture, BandThatIsOffLiesOnTheMiddleLine) {
  panel_.SetGain(4, 12.0f);
  panel_.SetType(4, FilterType::Off);
  for (const QPointF& p : panel_.Band(4).points) EXPECT_DOUBLE_EQ(p.y(), 68.0);
  for (const QPointF& p : panel_.TotalCurve()) EXPECT_DOUBLE_EQ(p.y(), 68.0);
}

TEST_F(SmallEqFixture, LowPassFallsAwayAboveItsFrequency) {
  panel_.SetType(0, FilterType::Lp);
  panel_.SetFrequency(0, 1000.0f);
  panel_.SetQ(0, 0.7f);
  EXPECT_NEAR(TotalDbAt(0), 0.0, 0.1);
  EXPECT_LT(TotalDbAt(55), -15.0) << "drawn below the plot, not clipped";
}

TEST_F(SmallEqFixture, PassStandsInTheMiddleOverTheCurve) {
  panel_.SetGain(5, 6.0f);
  const QRect middle(101, 48, 80, 40);
  EXPECT_LT(CountPixels(panel_.grab().toImage(), middle, IsWhite), 5);
  panel_.SetBypass(true);
  const QImage image = panel_.grab().toImage();
  EXPECT_GT(CountPixels(image, middle, IsWhite), 60);
  auto isCurve = [](QRgb p) { return qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) > 150; };
  EXPECT_GT(CountPixels(image, QRect(2, 60, 60, 16), isCurve), 20) << "curve still drawn";
}

TEST_F(SmallEqFixture, HoverDrawsACyanFrame) {
  EXPECT_EQ(panel_.grab().toImage().pixel(0, 0), qRgb(0, 0, 0));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&panel_, &enter);
  EXPECT_TRUE(panel_.IsHovered());
  const QImage framed = panel_.grab().toImage();
  for (QPoint p :
       {QPoint(0, 0), QPoint(281, 0), QPoint(0, 135), QPoint(281, 135), QPoint(140, 0)}) {
    EXPECT_EQ(framed.pixel(p), qRgb(0, 255, 255)) << p.x() << "," << p.y();
  }
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&panel_, &leave);
  EXPECT_FALSE(panel_.IsHovered());
  EXPECT_EQ(panel_.grab().toImage().pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(SmallEqFixture, ClickIsReportedWithTheControlId) {
  QSignalSpy clicks(&panel_, &EqPreview::Clicked);
  QTest::mouseClick(&panel_, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
  ASSERT_EQ(clicks.count(), 1);
  EXPECT_EQ(clicks.at(0).at(0).toInt(), kPanelId);
}

// Through the window, as a real click arrives: the press passes the panel's parent first.
TEST(EqPreviewTest, ClickInsideADialogIsReported) {
  QWidget dialog;
  dialog.resize(400, 200);
  auto* panel = new EqPreview(&dialog, kPanelId);
  panel->setGeometry(QRect(QPoint(30, 20), QSize(282, 136)));
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QSignalSpy clicks(panel, &EqPreview::Clicked);
  QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 70));
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(SmallEqFixture, GridFollowsTheSize) {
  panel_.grab();
  EXPECT_EQ(panel_.GridSize(), QSize(282, 136));
  panel_.resize(300, 150);
  panel_.grab();
  EXPECT_EQ(panel_.GridSize(), QSize(300, 150));
  // The curve was recomputed for the new plot: the middle line moved.
  EXPECT_DOUBLE_EQ(panel_.TotalCurve()[0].y(), 2 + 146 / 2.0);
}

TEST_F(SmallEqFixture, GridLinesSitAtTheirLevelsAndFrequencies) {
  const QImage image = panel_.grab().toImage();
  // The +15 dB line is grey 808080; the 1 kHz line (x = 2 + 2 * 278 / 3.4) 404040.
  EXPECT_EQ(image.pixel(150, int(panel_.YOfGain(15))), qRgb(0x80, 0x80, 0x80));
  const int x1k = int(panel_.XOfFrequency(1000));
  EXPECT_EQ(x1k, 165);
  EXPECT_EQ(image.pixel(x1k, 20), qRgb(0x40, 0x40, 0x40));
}

}  // namespace
}  // namespace v7
