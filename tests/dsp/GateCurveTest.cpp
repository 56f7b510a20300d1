#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <vector>

#include "dsp/GateCurve.h"

namespace v7 {
namespace {

using Record = std::array<uint8_t, GateCurve::kRecordSize>;
using Table = std::array<uint8_t, GateCurve::kTableSize>;

uint32_t Word(const Table& table, int index) {
  const uint8_t* p = table.data() + 4 * index;
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

Record RecordOf(std::initializer_list<uint8_t> head) {
  Record r{};
  std::copy(head.begin(), head.end(), r.begin());
  return r;
}

struct GateRecordCase {
  double threshold;
  Record expected;
};

class GateRecordTest : public ::testing::TestWithParam<GateRecordCase> {};

TEST_P(GateRecordTest, BuildsTheStoredPointRecord) {
  EXPECT_EQ(BuildGateData(GetParam().threshold).record, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    KnownThresholds, GateRecordTest,
    ::testing::Values(
        GateRecordCase{-70, RecordOf({0x00, 0x2D, 0x01, 0x05, 0x00, 0x65, 0x00, 0xBB, 0x01, 0x39,
                                      0x00, 0x2E, 0x00, 0x62, 0x01, 0x05})},
        GateRecordCase{-56, RecordOf({0x00, 0x2D, 0x01, 0x05, 0x00, 0x8C, 0x00, 0xA1, 0x01, 0x39,
                                      0x00, 0x2E, 0x00, 0x89, 0x01, 0x05})},
        GateRecordCase{-80, RecordOf({0x00, 0x2D, 0x01, 0x05, 0x00, 0x49, 0x00, 0xCD, 0x01, 0x39,
                                      0x00, 0x2E, 0x00, 0x46, 0x01, 0x05})},
        GateRecordCase{0, RecordOf({0x00, 0x2D, 0x01, 0x05, 0x01, 0x28, 0x00, 0x39, 0x01, 0x39,
                                    0x00, 0x2E, 0x01, 0x25, 0x01, 0x05})}));

TEST(GateCurveTest, GainTableForMinus70MatchesTheMachineWords) {
  const Table table = BuildGateData(-70).table;
  const std::vector<std::pair<int, uint32_t>> expected = {
      {0, 0x000CD093}, {1, 0x000CD093}, {2, 0x00091278},  {3, 0x00066C2E},
      {4, 0x00048BFD}, {5, 0x0003380B}, {6, 0x00024760},  {7, 0x00019CFF},
      {8, 0x007E1938}, {9, 0x007E1938}, {33, 0x007FDA4B},
  };
  for (const auto& [index, word] : expected) {
    EXPECT_EQ(Word(table, index), word) << "word " << index;
  }
  // Above the threshold the gain creeps towards unity, never past it.
  for (int k = 9; k < 33; ++k) {
    EXPECT_LE(Word(table, k), Word(table, k + 1)) << "word " << k;
    EXPECT_LT(Word(table, k + 1), 0x00800000u);
  }
}

TEST(GateCurveTest, ResetCurveIsTheMinus56Gate) {
  GateCurve fresh;
  GateCurve built;
  built.BuildGateCurve(-56);
  EXPECT_EQ(fresh.Points(), built.Points());
  const std::vector<CurvePoint> expected = {{45, 261}, {140, 161}, {313, 46}, {137, 261}};
  EXPECT_EQ(fresh.Points(), expected);
}

TEST(GateCurveTest, InputLevelOfSlotOneRecoversTheThreshold) {
  GateCurve panel;
  EXPECT_NEAR(panel.InputLevelAt(101), -69.94, 0.005);
  char text[16];
  std::snprintf(text, sizeof text, "%.0fdB", panel.InputLevelAt(101));
  EXPECT_STREQ(text, "-70dB");
  for (int t = -88; t <= -20; ++t) {
    panel.BuildGateCurve(t);
    EXPECT_EQ(std::lround(panel.InputLevelAt(panel.Points()[1].x)), t);
  }
}

TEST(GateCurveTest, PixelLevelsReadBackWithTheirQuantisation) {
  GateCurve panel;
  EXPECT_NEAR(panel.OutputLevelAt(187), -70.08, 0.005);
  EXPECT_NEAR(panel.InputLevelAt(313), 6.00, 0.005);
  EXPECT_NEAR(panel.OutputLevelAt(46), 5.98, 0.005);
  EXPECT_NEAR(panel.InputLevelAt(98), -71.01, 0.005);
  EXPECT_NEAR(panel.OutputLevelAt(261), -110.0, 1e-9);
}

TEST(GateCurveTest, LoadPointsStopsAtTheFirstEmptySlotAfterTheFirst) {
  GateCurve panel;
  panel.LoadPoints(RecordOf({0, 45, 1, 5, 0, 101, 0, 187, 1, 57, 0, 46}));
  EXPECT_EQ(panel.Points().size(), 3u);

  Record six{};
  for (std::size_t k = 0; k < 6; ++k) {
    six[4 * k + 1] = static_cast<uint8_t>(45 + 40 * k);
    six[4 * k + 3] = static_cast<uint8_t>(200 - 20 * k);
  }
  panel.LoadPoints(six);
  ASSERT_EQ(panel.Points().size(), 6u);
  EXPECT_EQ(panel.Points()[5], (CurvePoint{245, 100}));
}

TEST(GateCurveTest, NeverWrittenRecordLoadsTheDefaultCurve) {
  GateCurve reset;
  GateCurve panel;
  panel.BuildGateCurve(-30);
  panel.LoadPoints(Record{});
  EXPECT_EQ(panel.Points(), reset.Points());
}

TEST(GateCurveTest, SavedRecordLoadsBackToTheSameTable) {
  const GateData data = BuildGateData(-70);
  GateCurve panel;
  panel.LoadPoints(data.record);
  Table table{};
  panel.ComputeGainTable(table);
  EXPECT_EQ(table, data.table);
}

TEST(GateCurveTest, UncoveredLevelsKeepTheBufferContents) {
  // The last point sits at -0.09 dB, so the words for 0, +3 and +6 dB stay as they were.
  GateCurve panel;
  panel.LoadPoints(RecordOf({0, 45, 1, 5, 0, 101, 0, 187, 1, 40, 0, 57}));
  Table table;
  table.fill(0xAB);
  panel.ComputeGainTable(table);
  EXPECT_EQ(Word(table, 0), 0x000CD093u);
  EXPECT_NE(Word(table, 30), 0xABABABABu);
  for (int k = 31; k < 34; ++k) EXPECT_EQ(Word(table, k), 0xABABABABu) << k;
}

TEST(GateCurveTest, OddRecordsGiveFiniteClampedWords) {
  // A vertical segment and a steep rise: no division by zero, no overflowing word.
  GateCurve panel;
  panel.LoadPoints(RecordOf({0, 45, 1, 5, 0, 45, 0, 30, 1, 57, 0, 20, 1, 57, 0, 0}));
  Table table{};
  panel.ComputeGainTable(table);
  EXPECT_EQ(Word(table, 1), 0x000CD093u);
  for (int k = 2; k < 34; ++k) EXPECT_LE(Word(table, k), 0x7FFFFFFFu) << k;
}

TEST(GateCurveTest, ThresholdsOutsideTheAxisAreClamped) {
  EXPECT_EQ(BuildGateData(-200).record, BuildGateData(GateCurve::kMinThresholdDb).record);
  EXPECT_EQ(BuildGateData(40).record, BuildGateData(GateCurve::kMaxThresholdDb).record);
  EXPECT_EQ(BuildGateData(std::numeric_limits<double>::quiet_NaN()).record,
            BuildGateData(GateCurve::kResetThresholdDb).record);
  // Every clamped curve still covers the whole table.
  Table untouched;
  untouched.fill(0xAB);
  GateCurve panel;
  for (double t : {-200.0, -89.0, 6.0, 40.0}) {
    panel.BuildGateCurve(t);
    Table table = untouched;
    panel.ComputeGainTable(table);
    EXPECT_NE(Word(table, 33), 0xABABABABu) << t;
  }
}

}  // namespace
}  // namespace v7
