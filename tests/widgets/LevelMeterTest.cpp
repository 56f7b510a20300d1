#include <gtest/gtest.h>

#include <QTest>
#include <array>

#include "ui/widgets/LevelMeter.h"

namespace v7 {
namespace {

using Band = LevelMeter::Band;

const QColor kPanel(240, 250, 255);
const QColor kLitGreen(0x00, 0xFF, 0x00);
const QColor kLitYellow(0xFF, 0xFF, 0x00);
const QColor kUnlitYellow(0x3C, 0x3C, 0x02);
const QColor kUnlitGreen(0x02, 0x3C, 0x02);
const QColor kUnlitRed(0x3C, 0x02, 0x02);

// A meter configured as the channel panel configures its two: one bar of 15 segments on
// the panel colour, 162 x 4 pixels.
class MeterFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    meter_.resize(162, 4);
    meter_.SetBandCount(1);
    meter_.SetSegmentCount(15);
    meter_.ResetBands();
    meter_.SetBackgroundColour(kPanel);
  }

  void Level(int value) {
    const std::array<int, 1> levels = {value};
    meter_.SetLevel(levels, 0);
  }

  // Ticks until the bar is empty; the count.
  int TicksToEmpty() {
    int ticks = 0;
    while (meter_.Bands()[0].level > 0 && ticks < 100) {
      meter_.FallOffTick();
      ++ticks;
    }
    return ticks;
  }

  QImage Rendered() {
    QImage image(meter_.size(), QImage::Format_RGB32);
    meter_.Render(image);
    return image;
  }

  // Colour in the middle of segment i (segments are 162 / 15 = 10 pixels wide).
  QColor SegmentColour(const QImage& image, int i) { return image.pixelColor(i * 10 + 5, 2); }

  LevelMeter meter_;
};

TEST_F(MeterFixture, ConfiguredMeterStartsFullAndEmptiesIn16Ticks) {
  EXPECT_EQ(meter_.Bands()[0], (Band{230, 230, LevelMeter::kHoldTicks}));
  EXPECT_EQ(meter_.LitSegments(meter_.Bands()[0].level), 15);
  EXPECT_EQ(TicksToEmpty(), 16);
}

TEST_F(MeterFixture, LevelsLightSegmentsByZone) {
  EXPECT_EQ(meter_.MediumZoneStart(), 11);
  EXPECT_EQ(meter_.HighZoneStart(), 13);
  const std::vector<std::pair<int, int>> cases = {{230, 15}, {184, 12}, {15, 0}, {16, 1},
                                                  {0, 0},    {255, 15}, {-5, 0}};
  for (const auto& [level, lit] : cases) {
    Level(level);
    EXPECT_EQ(meter_.LitSegments(meter_.Bands()[0].level), lit) << level;
  }
}

TEST_F(MeterFixture, LevelsOutsideTheRangeAreClamped) {
  Level(255);
  EXPECT_EQ(meter_.Bands()[0].level, 230);
  Level(-40);
  EXPECT_EQ(meter_.Bands()[0].level, 0);
}

TEST_F(MeterFixture, PaintsZonesWithGapsOnTheBackground) {
  Level(184);
  const QImage image = Rendered();
  for (int i = 0; i < 11; ++i) EXPECT_EQ(SegmentColour(image, i), kLitGreen) << i;
  EXPECT_EQ(SegmentColour(image, 11), kLitYellow);
  EXPECT_EQ(SegmentColour(image, 12), kUnlitYellow);
  EXPECT_EQ(SegmentColour(image, 13), kUnlitRed);
  EXPECT_EQ(SegmentColour(image, 14), kUnlitRed);
  // One-pixel gap on each segment's left; the 12 pixels left over stay background.
  EXPECT_EQ(image.pixelColor(10, 2), kPanel);
  EXPECT_EQ(image.pixelColor(11, 2), kLitGreen);
  EXPECT_EQ(image.pixelColor(155, 2), kPanel);
  // A single bar fills the height.
  EXPECT_EQ(image.pixelColor(5, 0), kLitGreen);
  EXPECT_EQ(image.pixelColor(5, 3), kLitGreen);
}

TEST_F(MeterFixture, StackedBarsAlignToTheBottomWithGaps) {
  meter_.resize(40, 11);
  meter_.SetBandCount(2);
  meter_.SetSegmentCount(4);
  meter_.ResetBands();
  const std::array<int, 2> levels = {0, 230};
  meter_.SetLevel(levels, 0);
  meter_.SetLevel(levels, 1);
  const QImage image = Rendered();
  // Bars of 5 rows at rows 1..5 and 6..10, each shrunk by a row at top and bottom.
  EXPECT_EQ(image.pixelColor(5, 0), kPanel);
  EXPECT_EQ(image.pixelColor(5, 1), kPanel);
  EXPECT_EQ(image.pixelColor(5, 3), kUnlitGreen);
  EXPECT_EQ(image.pixelColor(5, 5), kPanel);
  EXPECT_EQ(image.pixelColor(5, 6), kPanel);
  EXPECT_EQ(image.pixelColor(5, 8), kLitGreen);
}

TEST_F(MeterFixture, FallsOneSegmentPerTickAndHoldsThePeak) {
  Level(0);
  TicksToEmpty();
  while (meter_.Bands()[0].peak > 0) meter_.FallOffTick();
  Level(230);
  ASSERT_EQ(meter_.Bands()[0], (Band{230, 230, 10}));
  meter_.FallOffTick();
  EXPECT_EQ(meter_.Bands()[0], (Band{215, 230, 9}));
  for (int i = 0; i < 9; ++i) meter_.FallOffTick();
  EXPECT_EQ(meter_.Bands()[0], (Band{80, 223, 0}));
}

TEST_F(MeterFixture, TimerStopsWhenEmptyAndTheNextLevelRestartsIt) {
  meter_.StartFallOff(30);
  EXPECT_TRUE(meter_.IsFallOffRunning());
  EXPECT_EQ(meter_.FallOffPeriodMs(), 30);
  for (int i = 0; i < 100 && meter_.IsFallOffRunning(); ++i) meter_.FallOffTick();
  EXPECT_FALSE(meter_.IsFallOffRunning());
  EXPECT_EQ(meter_.Bands()[0], (Band{0, 0, 0}));

  const std::array<int, 1> levels = {100};
  EXPECT_TRUE(meter_.SetLevel(levels, 0));
  EXPECT_TRUE(meter_.IsFallOffRunning());
  meter_.StartFallOff(50);
  EXPECT_EQ(meter_.FallOffPeriodMs(), 30) << "a running fall-off keeps its period";
}

TEST_F(MeterFixture, TheTimerDrivesTheFallOff) {
  meter_.StartFallOff(1);  // 1 ms instead of the panel's 30 to keep the test short
  EXPECT_TRUE(QTest::qWaitFor([&] { return !meter_.IsFallOffRunning(); }, 2000));
  EXPECT_EQ(meter_.Bands()[0], (Band{0, 0, 0}));
}

TEST_F(MeterFixture, FewerThanTwoSegmentsWorkInTenthsOfTheMaximum) {
  meter_.SetSegmentCount(1);
  meter_.ResetBands();
  EXPECT_EQ(meter_.EffectiveSegmentCount(), 23);
  meter_.FallOffTick();
  EXPECT_EQ(meter_.Bands()[0].level, 230 - 23);
  EXPECT_EQ(TicksToEmpty(), 9);
}

TEST_F(MeterFixture, LevelForABandOutsideTheMeterIsIgnored) {
  const std::array<int, 3> levels = {1, 2, 3};
  EXPECT_FALSE(meter_.SetLevel(levels, 2));
  EXPECT_FALSE(meter_.SetLevel(levels, -1));
  EXPECT_FALSE(meter_.SetLevel(std::span<const int>(), 0));
  EXPECT_EQ(meter_.Bands()[0].level, 230);
}

TEST(LevelMeterDefaultsTest, StartsWithEightBandsOfEightSegments) {
  LevelMeter meter;
  EXPECT_EQ(meter.BandCount(), 8);
  EXPECT_EQ(meter.Bands().size(), 8u);
  EXPECT_EQ(meter.EffectiveSegmentCount(), 8);
  EXPECT_EQ(meter.FallOffPeriodMs(), 10);
  EXPECT_FALSE(meter.IsFallOffRunning());
}

}  // namespace
}  // namespace v7
