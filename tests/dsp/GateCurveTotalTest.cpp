#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "dsp/GateCurve.h"

namespace v7 {
namespace {

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Plots with no room for their axes still convert without dividing by zero.
TEST(GateCurveTotal, PlotsTooSmallForTheirInsetsConvertToFiniteLevels) {
  for (const auto& [width, height] : {std::pair{333, 0}, std::pair{333, 45}, std::pair{0, 286},
                                      std::pair{kIntMin, kIntMin}, std::pair{-5, -5}}) {
    SCOPED_TRACE(testing::Message() << width << "x" << height);
    GateCurve curve(width, height);
    for (int pixel : {kIntMin, -1, 0, 20, 45, kIntMax}) {
      EXPECT_TRUE(std::isfinite(curve.InputLevelAt(pixel))) << pixel;
      EXPECT_TRUE(std::isfinite(curve.OutputLevelAt(pixel))) << pixel;
    }
    std::array<uint8_t, GateCurve::kTableSize> table{};
    curve.ComputeGainTable(table);
    curve.BuildGateCurve(-40.0);
    curve.ComputeGainTable(table);
  }
}

// INT_MIN used to overflow as x - 45 before it became a double.
TEST(GateCurveTotal, ExtremePixelsGiveTheLinearLevel) {
  const GateCurve curve;
  EXPECT_NEAR(curve.InputLevelAt(kIntMin), (double{kIntMin} - 45.0) * 96.0 / 268.0 - 90.0, 1e-3);
  EXPECT_NEAR(curve.OutputLevelAt(kIntMin), 20.0 - (double{kIntMin} - 20.0) * 130.0 / 241.0, 1e-3);
  EXPECT_GT(curve.InputLevelAt(kIntMax), 1e8);
}

TEST(GateCurveTotal, LevelsBeyondAnIntSaturateAndNaNGivesPixelZero) {
  const GateCurve curve;
  struct Case {
    double level;
    int x, y;
  };
  for (const Case c :
       {Case{kNaN, 0, 0}, Case{kInf, kIntMax, kIntMax}, Case{-kInf, kIntMax, kIntMax},
        Case{1e300, kIntMax, kIntMax}, Case{-1e300, kIntMax, kIntMax}}) {
    EXPECT_EQ(curve.XOfInputLevel(c.level), c.x) << c.level;
    EXPECT_EQ(curve.YOfOutputLevel(c.level), c.y) << c.level;
  }
}

TEST(GateCurveTotal, ThresholdsThatAreNoNumberGiveTheResetGate) {
  for (double t : {kNaN, kInf, -kInf})
    EXPECT_EQ(BuildGateData(t).record, BuildGateData(GateCurve::kResetThresholdDb).record) << t;
}

// A record can hold any points; the table's words stay defined whatever curve they describe.
TEST(GateCurveTotal, AnyRecordGivesATable) {
  std::array<uint8_t, GateCurve::kRecordSize> record{};
  record.fill(0xFF);
  record[1] = 1;  // x of the first point not zero, so the record is used as it stands
  GateCurve curve;
  curve.LoadPoints(record);
  std::array<uint8_t, GateCurve::kTableSize> table{};
  curve.ComputeGainTable(table);
  EXPECT_EQ(curve.Points().size(), GateCurve::kMaxPoints);
}

}  // namespace
}  // namespace v7
