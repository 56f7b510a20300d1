#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "widgets/EqGraphTestSupport.h"

namespace v7::test {
namespace {

// 554 x 338 gives a 512 x 300 plot: one pixel per grid point and 10 pixels per dB.
constexpr int kWidth = 554;
constexpr int kHeight = 338;

class EqGraphInputTest : public ::testing::Test {
 protected:
  EqGraphInputTest() : notices_(panel_) {
    panel_.resize(kWidth, kHeight);
    PaintPanel(panel_);
  }

  // Drag band `band` by (dx, dy) pixels with the left button, one move per step.
  void LeftDrag(int band, QPoint to, int steps = 1) {
    const QPoint from = AtMarker(panel_, band);
    QTest::mousePress(&panel_, Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= steps; ++i) {
      QTest::mouseMove(&panel_, from + (to - from) * i / steps);
    }
    QTest::mouseRelease(&panel_, Qt::LeftButton, Qt::NoModifier, to);
  }

  void RightClick(QPoint at) {
    QTest::mousePress(&panel_, Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(&panel_, Qt::RightButton, Qt::NoModifier, at);
  }

  void SelectWithClick(int band) {
    QTest::mouseClick(&panel_, Qt::LeftButton, Qt::NoModifier, AtMarker(panel_, band));
    notices_.Clear();
  }

  EqGraphBand& B(int i) { return panel_.Band(i); }

  ScriptedMenuPanel panel_;
  NoticeRecorder notices_;
};

TEST_F(EqGraphInputTest, ConstructionLoadsTheTenBandPreset) {
  EqGraph fresh;
  EXPECT_EQ(fresh.BandCount(), 10);
  EXPECT_EQ(fresh.SelectedBand(), -1);
  EXPECT_EQ(fresh.HoveredBand(), -1);
  EXPECT_EQ(fresh.Identity(), 0);
  EXPECT_EQ(fresh.Language(), Language::Chinese);
  EXPECT_FALSE(fresh.Bypass());
  const std::array<float, 10> presets{31, 62, 125, 250, 500, 1000, 2000, 4000, 8000, 12000};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(fresh.Band(i).frequency, presets[i]);
    EXPECT_EQ(fresh.Band(i).q, 1.41f);
    EXPECT_EQ(fresh.Band(i).index, i);
  }
  const EqGraphBand& spare = fresh.Band(20);
  EXPECT_EQ(spare.type, FilterType::Peq);
  EXPECT_EQ(spare.frequency, 100.0f);
  EXPECT_EQ(spare.q, 1.0f);
  EXPECT_EQ(spare.frequencyMin, 20.0f);
  EXPECT_EQ(spare.frequencyMax, 12000.0f);
  EXPECT_EQ(spare.gainMin, -15.0f);
  EXPECT_EQ(spare.gainMax, 15.0f);
  EXPECT_NEAR(fresh.Band(5).curve[301], 0.0f, 1e-4);
}

TEST_F(EqGraphInputTest, BandCountAppliesPresetsOnlyForKnownCounts) {
  struct Case {
    int count;
    float first;
    float last;
  };
  for (const Case& c : {Case{7, 31, 2000}, Case{15, 25, 16000}, Case{32, 20, 20000}}) {
    panel_.SetBandCount(c.count);
    EXPECT_EQ(panel_.BandCount(), c.count);
    EXPECT_EQ(B(0).frequency, c.first);
    EXPECT_EQ(B(c.count - 1).frequency, c.last);
  }
  B(2).frequency = 777;
  B(2).type = FilterType::Ls;
  panel_.SetBandGain(2, -4);
  panel_.SetBandCount(5);
  EXPECT_EQ(B(2).frequency, 777.0f);
  EXPECT_EQ(B(2).type, FilterType::Ls);
  EXPECT_EQ(B(2).gain, 0.0f);
  panel_.SetBandCount(0);
  EXPECT_EQ(panel_.BandCount(), 1);
  panel_.SetBandCount(99);
  EXPECT_EQ(panel_.BandCount(), 32);
  EXPECT_TRUE(notices_.bands.empty());
}

TEST_F(EqGraphInputTest, TypeGainAndQSettersApplyTheirRules) {
  panel_.SetBandGain(3, 6);
  panel_.SetBandType(3, FilterType::Ls);
  EXPECT_EQ(B(3).gain, 0.0f);
  EXPECT_EQ(B(3).q, 0.7f);
  panel_.SetBandGain(3, -3);
  panel_.SetBandType(3, FilterType::Peq);
  EXPECT_EQ(B(3).gain, -3.0f);
  EXPECT_EQ(B(3).q, 1.41f);

  panel_.SetBandGain(3, 40);
  EXPECT_EQ(B(3).gain, 15.0f);
  panel_.SetBandQ(3, 1e-8f);
  EXPECT_EQ(B(3).q, 1.41f);
  panel_.SetBandQ(3, 55);
  EXPECT_EQ(B(3).q, 30.0f);
  panel_.SetBandQ(3, 0.01f);
  EXPECT_EQ(B(3).q, 0.1f);
  panel_.SetBandQ(3, std::nanf(""));
  EXPECT_EQ(B(3).q, 0.1f);

  panel_.SetBandType(4, FilterType::Hp);
  panel_.SetBandGain(4, 9);
  EXPECT_EQ(B(4).gain, 0.0f);
  panel_.SetBandQ(4, 5);
  EXPECT_EQ(B(4).q, 2.0f);
  EXPECT_TRUE(notices_.bands.empty());
}

TEST_F(EqGraphInputTest, ResetViewRestoresGainRanges) {
  B(1).gainMin = -3;
  B(1).gainMax = 3;
  panel_.ResetView();
  EXPECT_EQ(B(1).gainMin, -15.0f);
  EXPECT_EQ(B(1).gainMax, 15.0f);
}

TEST_F(EqGraphInputTest, LeftPressPicksTheLowestBandWithinTenPixels) {
  B(6).frequency = B(5).frequency * 1.02f;  // a few pixels right of band 5
  panel_.RecomputeBand(6);
  PaintPanel(panel_);
  ASSERT_LT(B(6).markerX - B(5).markerX, 10);
  QTest::mousePress(&panel_, Qt::LeftButton, Qt::NoModifier, AtMarker(panel_, 6));
  EXPECT_EQ(panel_.SelectedBand(), 5);
  ASSERT_EQ(notices_.bands.size(), 1u);
  EXPECT_EQ(notices_.bands[0].index, 5);
  EXPECT_EQ(notices_.bands[0].record, &B(5));
  QTest::mouseRelease(&panel_, Qt::LeftButton, Qt::NoModifier, AtMarker(panel_, 6));

  QTest::mousePress(&panel_, Qt::LeftButton, Qt::NoModifier, AtMarker(panel_, 0, 10, 0));
  EXPECT_EQ(panel_.SelectedBand(), -1) << "ten pixels away is a miss";
}

// The pointer is compared with the markers 16 px below the top, the plot 18 px: the ten-pixel
// pick zone reaches 11 px above a marker but only 7 px below it.
TEST_F(EqGraphInputTest, PickZoneSitsTwoPixelsAboveTheMarker) {
  const EqGraphGeometry g(kWidth, kHeight);
  const QPoint marker(g.Left() + B(4).markerX, g.Top() + B(4).markerY);
  struct Case {
    int dy;
    int selected;
  };
  for (const Case& c : {Case{-11, 4}, Case{-12, -1}, Case{7, 4}, Case{8, -1}}) {
    QTest::mouseClick(&panel_, Qt::LeftButton, Qt::NoModifier, marker + QPoint(0, c.dy));
    EXPECT_EQ(panel_.SelectedBand(), c.selected) << c.dy;
  }
}

TEST_F(EqGraphInputTest, BackgroundClickClearsSelectionAndNotifiesOnRelease) {
  SelectWithClick(2);
  const QPoint empty = AtMarker(panel_, 2, 0, 80);
  QTest::mousePress(&panel_, Qt::LeftButton, Qt::NoModifier, empty);
  EXPECT_EQ(panel_.SelectedBand(), -1);
  EXPECT_EQ(notices_.backgroundClicks, 0);
  QTest::mouseRelease(&panel_, Qt::LeftButton, Qt::NoModifier, empty);
  EXPECT_EQ(notices_.backgroundClicks, 1);
  EXPECT_TRUE(notices_.bands.empty());
}

TEST_F(EqGraphInputTest, DragNotifiesOnPressEveryMoveAndRelease) {
  LeftDrag(5, AtMarker(panel_, 5, 20, -30), 3);
  ASSERT_EQ(notices_.bands.size(), 5u);
  for (const BandNotice& n : notices_.bands) {
    EXPECT_EQ(n.index, 5);
  }
  EXPECT_EQ(notices_.backgroundClicks, 0);
  EXPECT_EQ(panel_.SelectedBand(), 5) << "the selection survives the release";
  EXPECT_FLOAT_EQ(B(5).gain, 3.0f);
  EXPECT_EQ(B(5).frequency, std::round(B(5).frequency));
}

TEST_F(EqGraphInputTest, DragRoundsGainToTenthsAndFrequencyToWholeHertz) {
  const QPoint start = AtMarker(panel_, 4);
  QTest::mousePress(&panel_, Qt::LeftButton, Qt::NoModifier, start + QPoint(3, 2));
  QTest::mouseMove(&panel_, start + QPoint(3 + 7, 2 - 13));
  const double expectedHz = std::round(10.0 * std::pow(10.0, 3.4 * (B(4).markerX + 7) / 512.0));
  EXPECT_EQ(B(4).frequency, static_cast<float>(expectedHz));
  EXPECT_FLOAT_EQ(B(4).gain, 1.3f);
  EXPECT_EQ(notices_.bands.back().gain, B(4).gain);
  QTest::mouseRelease(&panel_, Qt::LeftButton, Qt::NoModifier, start);
}

TEST_F(EqGraphInputTest, DragStopsAtTheBandRanges) {
  struct Case {
    QPoint offset;
    float frequency;  // 0: not checked
    float gain;       // NAN: not checked
  };
  const std::array<Case, 3> cases{{{QPoint(-600, 0), 20.0f, NAN},
                                   {QPoint(600, 0), 12000.0f, NAN},
                                   {QPoint(0, -500), 0.0f, 15.0f}}};
  for (const Case& c : cases) {
    PaintPanel(panel_);
    LeftDrag(5, AtMarker(panel_, 5) + c.offset);
    if (c.frequency != 0.0f) {
      EXPECT_EQ(B(5).frequency, c.frequency);
    }
    if (!std::isnan(c.gain)) {
      EXPECT_EQ(B(5).gain, c.gain);
    }
  }
}

TEST_F(EqGraphInputTest, DraggingAPassBandKeepsItsGainAtZero) {
  panel_.SetBandType(1, FilterType::Lp);
  PaintPanel(panel_);
  LeftDrag(1, AtMarker(panel_, 1, 30, -60));
  EXPECT_EQ(B(1).gain, 0.0f);
  EXPECT_GT(B(1).frequency, 62.0f);
}

TEST_F(EqGraphInputTest, RightDragChangesQWithinItsLimitsAndOffersNoMenu) {
  const QPoint at = AtMarker(panel_, 3);
  QTest::mousePress(&panel_, Qt::RightButton, Qt::NoModifier, at);
  EXPECT_EQ(panel_.SelectedBand(), 3);
  QTest::mouseMove(&panel_, at + QPoint(24, 0));
  EXPECT_FLOAT_EQ(B(3).q, 1.41f + 2.0f);
  QTest::mouseMove(&panel_, at + QPoint(500, 0));
  EXPECT_EQ(B(3).q, 30.0f);
  QTest::mouseRelease(&panel_, Qt::RightButton, Qt::NoModifier, at + QPoint(500, 0));
  EXPECT_EQ(panel_.menuCalls, 0);
  EXPECT_EQ(notices_.bands.size(), 4u);  // press, two moves, release

  panel_.SetBandType(6, FilterType::Hs);
  PaintPanel(panel_);
  const QPoint hs = AtMarker(panel_, 6);
  QTest::mousePress(&panel_, Qt::RightButton, Qt::NoModifier, hs);
  QTest::mouseMove(&panel_, hs + QPoint(40, 0));
  EXPECT_FLOAT_EQ(B(6).q, 1.2f);
  QTest::mouseMove(&panel_, hs + QPoint(400, 0));
  EXPECT_EQ(B(6).q, 2.0f);
  QTest::mouseMove(&panel_, hs + QPoint(-600, 0));
  EXPECT_FLOAT_EQ(B(6).q, 0.1f);
  QTest::mouseRelease(&panel_, Qt::RightButton, Qt::NoModifier, hs);
}

TEST_F(EqGraphInputTest, RightClickOffersTheTypeMenuInTheCurrentLanguage) {
  panel_.SetBandGain(2, 6);
  panel_.menuAnswer = FilterType::Ls;
  RightClick(AtMarker(panel_, 2));
  ASSERT_EQ(panel_.menuCalls, 1);
  EXPECT_EQ(panel_.menuLabels,
            QStringList({"参量(PEQ)", "低通(LP)", "高通(HP)", "低架(LS)", "高架(HS)"}));
  EXPECT_EQ(B(2).type, FilterType::Ls);
  EXPECT_EQ(B(2).gain, 0.0f);
  EXPECT_EQ(B(2).q, 0.7f);
  ASSERT_EQ(notices_.bands.size(), 3u);  // press, release, menu choice
  EXPECT_EQ(notices_.bands.back().type, FilterType::Ls);

  panel_.SetLanguage(Language::English);
  panel_.menuAnswer = std::nullopt;  // dismissed
  notices_.Clear();
  RightClick(AtMarker(panel_, 2));
  EXPECT_EQ(panel_.menuLabels, QStringList({"PEQ", "LP", "HP", "LS", "HS"}));
  EXPECT_EQ(B(2).type, FilterType::Ls);
  EXPECT_EQ(notices_.bands.size(), 2u);

  panel_.menuAnswer = FilterType::Off;  // not one of the menu's types
  notices_.Clear();
  RightClick(AtMarker(panel_, 2));
  EXPECT_EQ(B(2).type, FilterType::Ls);
  EXPECT_EQ(notices_.bands.size(), 2u);
}

TEST_F(EqGraphInputTest, RightClickOnEmptyAreaShowsNoMenu) {
  RightClick(AtMarker(panel_, 2, 0, 90));
  EXPECT_EQ(panel_.SelectedBand(), -1);
  EXPECT_EQ(panel_.menuCalls, 0);
  EXPECT_TRUE(notices_.bands.empty());
  EXPECT_EQ(notices_.backgroundClicks, 0);
}

TEST_F(EqGraphInputTest, OffBandCanOnlyBePickedWithTheRightButton) {
  const QPoint at = AtMarker(panel_, 7);
  B(7).type = FilterType::Off;
  B(7).frequency = 150;  // moves, but an off band is not painted so its marker stays
  PaintPanel(panel_);
  EXPECT_EQ(AtMarker(panel_, 7), at);
  Hover(panel_, at);
  EXPECT_EQ(panel_.HoveredBand(), -1);
  QTest::mouseClick(&panel_, Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(panel_.SelectedBand(), -1);
  EXPECT_EQ(notices_.backgroundClicks, 1);
  panel_.menuAnswer = FilterType::Peq;
  RightClick(at);
  EXPECT_EQ(panel_.SelectedBand(), 7);
  EXPECT_EQ(B(7).type, FilterType::Peq);
}

TEST_F(EqGraphInputTest, HoverShowsTheHighestBandWithinSixteenPixels) {
  B(6).frequency = B(5).frequency * 1.05f;
  panel_.RecomputeBand(6);
  PaintPanel(panel_);
  Hover(panel_, AtMarker(panel_, 5, -2, 5));
  EXPECT_EQ(panel_.HoveredBand(), 6);
  Hover(panel_, AtMarker(panel_, 5, 0, 16));
  EXPECT_EQ(panel_.HoveredBand(), -1);
  Hover(panel_, AtMarker(panel_, 5));
  QTest::mousePress(&panel_, Qt::LeftButton, Qt::NoModifier, AtMarker(panel_, 5));
  QTest::mouseMove(&panel_, AtMarker(panel_, 5, 1, 0));
  EXPECT_EQ(panel_.HoveredBand(), -1) << "no hover during a gesture";
  QTest::mouseRelease(&panel_, Qt::LeftButton, Qt::NoModifier, AtMarker(panel_, 5, 1, 0));
}

TEST_F(EqGraphInputTest, WheelStepsTheSelectedGainByOneTenth) {
  const QPoint at = AtMarker(panel_, 4);
  EXPECT_FALSE(Wheel(panel_, at, 120)) << "nothing selected: not handled";
  SelectWithClick(4);
  EXPECT_TRUE(Wheel(panel_, at, 480));
  EXPECT_FLOAT_EQ(B(4).gain, 0.1f);
  EXPECT_TRUE(Wheel(panel_, at, -1));
  EXPECT_TRUE(Wheel(panel_, at, -120));
  EXPECT_FLOAT_EQ(B(4).gain, -0.1f);
  EXPECT_EQ(notices_.bands.size(), 3u);
  Wheel(panel_, at, 0);
  EXPECT_EQ(notices_.bands.size(), 3u);

  panel_.SetBandGain(4, 15);
  Wheel(panel_, at, 120);
  EXPECT_EQ(B(4).gain, 15.0f);

  panel_.SetBandType(4, FilterType::Hp);
  notices_.Clear();
  EXPECT_FALSE(Wheel(panel_, at, 120));
  EXPECT_EQ(B(4).gain, 0.0f);
  EXPECT_TRUE(notices_.bands.empty());
}

struct KeyCase {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  double frequency;
  double gain;
  double q;
};

TEST_F(EqGraphInputTest, KeysMakeFineSteps) {
  const std::array<KeyCase, 6> cases{{
      {Qt::Key_Left, Qt::NoModifier, 499, 0, 1.41},
      {Qt::Key_Right, Qt::NoModifier, 501, 0, 1.41},
      {Qt::Key_Up, Qt::NoModifier, 500, 0.1, 1.41},
      {Qt::Key_Down, Qt::NoModifier, 500, -0.1, 1.41},
      {Qt::Key_Plus, Qt::KeypadModifier, 500, 0, 1.42},
      {Qt::Key_Minus, Qt::KeypadModifier, 500, 0, 1.40},
  }};
  SelectWithClick(4);
  for (const KeyCase& c : cases) {
    B(4).frequency = 500;
    B(4).gain = 0;
    B(4).q = 1.41f;
    notices_.Clear();
    QTest::keyClick(&panel_, c.key, c.modifiers);
    EXPECT_FLOAT_EQ(B(4).frequency, static_cast<float>(c.frequency)) << c.key;
    EXPECT_FLOAT_EQ(B(4).gain, static_cast<float>(c.gain)) << c.key;
    EXPECT_FLOAT_EQ(B(4).q, static_cast<float>(c.q)) << c.key;
    EXPECT_EQ(notices_.bands.size(), 1u) << c.key;
  }
  notices_.Clear();
  QTest::keyClick(&panel_, Qt::Key_Plus);  // not the keypad
  QTest::keyClick(&panel_, Qt::Key_A);
  EXPECT_TRUE(notices_.bands.empty());
}

TEST_F(EqGraphInputTest, KeypadPlusStopsAtQTenWhileARightDragReachesThirty) {
  SelectWithClick(4);
  B(4).q = 9.995f;
  QTest::keyClick(&panel_, Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_FLOAT_EQ(B(4).q, 10.0f);
  QTest::keyClick(&panel_, Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_FLOAT_EQ(B(4).q, 10.0f);

  const QPoint at = AtMarker(panel_, 4);
  QTest::mousePress(&panel_, Qt::RightButton, Qt::NoModifier, at);
  QTest::mouseMove(&panel_, at + QPoint(400, 0));
  QTest::mouseRelease(&panel_, Qt::RightButton, Qt::NoModifier, at + QPoint(400, 0));
  EXPECT_EQ(B(4).q, 30.0f);
  QTest::keyClick(&panel_, Qt::Key_Left);
  EXPECT_EQ(B(4).q, 30.0f) << "a frequency step leaves a dragged Q alone";
  QTest::keyClick(&panel_, Qt::Key_Minus, Qt::KeypadModifier);
  EXPECT_FLOAT_EQ(B(4).q, 29.99f);
}

TEST_F(EqGraphInputTest, GainKeysDoNothingForPassBands) {
  panel_.SetBandType(4, FilterType::Lp);
  PaintPanel(panel_);
  SelectWithClick(4);
  QTest::keyClick(&panel_, Qt::Key_Up);
  QTest::keyClick(&panel_, Qt::Key_Down);
  EXPECT_EQ(B(4).gain, 0.0f);
  EXPECT_TRUE(notices_.bands.empty());
  QTest::keyClick(&panel_, Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_FLOAT_EQ(B(4).q, 0.71f);
  QTest::keyClick(&panel_, Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(notices_.bands.size(), 2u);
}

TEST_F(EqGraphInputTest, FrequencyAboveTheRangeIsClampedByTheFirstArrowKey) {
  B(9).frequency = 16000;  // the parent loads up to 20000 Hz
  panel_.RecomputeBand(9);
  PaintPanel(panel_);
  SelectWithClick(9);
  QTest::keyClick(&panel_, Qt::Key_Right);
  EXPECT_EQ(B(9).frequency, 12000.0f);
}

TEST_F(EqGraphInputTest, KeysWithoutSelectionDoNothing) {
  QTest::keyClick(&panel_, Qt::Key_Up);
  QTest::keyClick(&panel_, Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_TRUE(notices_.bands.empty());
  EXPECT_EQ(B(0).gain, 0.0f);
}

TEST_F(EqGraphInputTest, GesturesDoNotOverlap) {
  const QPoint at = AtMarker(panel_, 3);
  QTest::mousePress(&panel_, Qt::RightButton, Qt::NoModifier, at);
  QTest::mousePress(&panel_, Qt::LeftButton, Qt::NoModifier, AtMarker(panel_, 6));
  EXPECT_EQ(panel_.SelectedBand(), 3) << "left press ignored during a right gesture";
  QTest::mouseRelease(&panel_, Qt::LeftButton, Qt::NoModifier, AtMarker(panel_, 6));
  EXPECT_EQ(notices_.backgroundClicks, 0);
  QTest::mouseMove(&panel_, at + QPoint(12, 0));
  QTest::mouseRelease(&panel_, Qt::RightButton, Qt::NoModifier, at + QPoint(12, 0));
  EXPECT_FLOAT_EQ(B(3).q, 2.41f);
}

}  // namespace
}  // namespace v7::test
