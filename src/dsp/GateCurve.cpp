#include "dsp/GateCurve.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace v7 {

namespace {

// Plot insets inside the client area.
constexpr int kPlotLeft = 45;
constexpr int kPlotRightInset = 20;
constexpr int kPlotTop = 20;
constexpr int kPlotBottomInset = 25;

// Axis ranges in dB.
constexpr double kInputMinDb = -90.0;
constexpr double kInputMaxDb = 6.0;
constexpr double kInputSpanDb = 96.0;
constexpr double kOutputMaxDb = 20.0;
constexpr double kOutputSpanDb = 130.0;
constexpr double kGateFloorDb = -110.0;

// Gain table: word 0 repeats word 1, words 1..33 are the gains at -90, -87, ... +6 dB.
constexpr int kTableLevels = 33;
constexpr double kTableStepDb = 3.0;
constexpr double kUnityGain = 8388608.0;  // 2^23, 1.0 in 5.23 fixed point

// Rounded half away from zero and held inside int; NaN, which has no pixel, gives 0.
int RoundHalfAway(double v) {
  if (std::isnan(v)) return 0;
  constexpr double kMin = std::numeric_limits<int>::min();
  constexpr double kMax = std::numeric_limits<int>::max();
  return static_cast<int>(std::lround(std::clamp(v, kMin, kMax)));
}

void StoreBigEndian32(uint8_t* out, int32_t value) {
  const auto u = static_cast<uint32_t>(value);
  out[0] = static_cast<uint8_t>(u >> 24);
  out[1] = static_cast<uint8_t>(u >> 16);
  out[2] = static_cast<uint8_t>(u >> 8);
  out[3] = static_cast<uint8_t>(u);
}

void StoreBigEndian16(uint8_t* out, int32_t value) {
  out[0] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> 8);
  out[1] = static_cast<uint8_t>(value);
}

int32_t LoadBigEndian16(const uint8_t* in) {
  return (in[0] << 8) | in[1];
}

// The exchange sort the stored tables were made with; its order among equal x matters
// for which segment a level is looked up in.
std::vector<CurvePoint> SortedByX(std::vector<CurvePoint> points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    for (std::size_t j = i + 1; j < points.size(); ++j) {
      if (points[j].x < points[i].x) std::swap(points[i], points[j]);
    }
  }
  return points;
}

// Gain in dB quantised to hundredths, truncated toward zero as the machine's tables are.
double QuantisedGainDb(double outputDb, double inputDb) {
  return std::trunc((outputDb - inputDb + 0.005) * 100.0) / 100.0;
}

int32_t GainWord(double gainDb) {
  const double word = std::trunc(std::pow(10.0, gainDb / 20.0) * kUnityGain);
  // A loaded record can describe any curve; keep the word representable (NaN: silence).
  if (!(word > 0.0)) return 0;
  return static_cast<int32_t>(std::min(word, double{std::numeric_limits<int32_t>::max()}));
}

// Pixels per dB of a plot axis; an axis with no room for its span counts as a single pixel
// per dB, so the conversions still divide by something.
double PixelsPerDb(int clientExtent, int insets, double spanDb) {
  const double pixels = static_cast<double>(clientExtent) - insets;
  return pixels > 0.0 ? pixels / spanDb : 1.0 / spanDb;
}

double SegmentOutput(double level, double in0, double in1, double out0, double out1) {
  if (in1 == in0) return out0;  // vertical segment: only its start level matches
  return (level - in0) / (in1 - in0) * (out1 - out0) + out0;
}

}  // namespace

GateCurve::GateCurve(int clientWidth, int clientHeight)
    : clientWidth_(clientWidth), clientHeight_(clientHeight) {
  ResetCurve();
}

double GateCurve::PixelsPerInputDb() const {
  return PixelsPerDb(clientWidth_, kPlotLeft + kPlotRightInset, kInputSpanDb);
}

double GateCurve::PixelsPerOutputDb() const {
  return PixelsPerDb(clientHeight_, kPlotTop + kPlotBottomInset, kOutputSpanDb);
}

int GateCurve::XOfInputLevel(double levelDb) const {
  return RoundHalfAway(std::abs(levelDb - kInputMinDb) * PixelsPerInputDb() + kPlotLeft);
}

int GateCurve::YOfOutputLevel(double levelDb) const {
  return RoundHalfAway(std::abs(levelDb - kOutputMaxDb) * PixelsPerOutputDb() + kPlotTop);
}

double GateCurve::InputLevelAt(int x) const {
  return (static_cast<double>(x) - kPlotLeft) / PixelsPerInputDb() + kInputMinDb;
}

double GateCurve::OutputLevelAt(int y) const {
  return kOutputMaxDb - (static_cast<double>(y) - kPlotTop) / PixelsPerOutputDb();
}

void GateCurve::BuildGateCurve(double thresholdDb) {
  const double t = std::isfinite(thresholdDb)
                       ? std::clamp(thresholdDb, kMinThresholdDb, kMaxThresholdDb)
                       : kResetThresholdDb;
  points_ = {
      {XOfInputLevel(kInputMinDb), YOfOutputLevel(kGateFloorDb)},
      {XOfInputLevel(t), YOfOutputLevel(t)},
      {XOfInputLevel(kInputMaxDb), YOfOutputLevel(kInputMaxDb)},
      {XOfInputLevel(t - 1.0), YOfOutputLevel(kGateFloorDb)},
  };
}

void GateCurve::ResetCurve() {
  BuildGateCurve(kResetThresholdDb);
}

void GateCurve::ComputeGainTable(Table table) const {
  const std::vector<CurvePoint> sorted = SortedByX(points_);
  std::vector<double> in(sorted.size());
  std::vector<double> out(sorted.size());
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    in[i] = InputLevelAt(sorted[i].x);
    out[i] = OutputLevelAt(sorted[i].y);
  }
  for (int k = 0; k < kTableLevels; ++k) {
    const double level = kInputMinDb + kTableStepDb * k;
    std::size_t i = 0;
    while (i + 1 < sorted.size() && !(in[i] <= level && level <= in[i + 1])) ++i;
    if (i + 1 >= sorted.size()) return;  // the curve ends here; later words keep their bytes
    const double output = SegmentOutput(level, in[i], in[i + 1], out[i], out[i + 1]);
    const int32_t word = GainWord(QuantisedGainDb(output, level));
    StoreBigEndian32(table.data() + 4 * (k + 1), word);
    if (k == 0) StoreBigEndian32(table.data(), word);
  }
}

void GateCurve::SavePoints(Record record) const {
  const std::size_t count = std::min(points_.size(), kMaxPoints);
  for (std::size_t k = 0; k < count; ++k) {
    StoreBigEndian16(record.data() + 4 * k, points_[k].x);
    StoreBigEndian16(record.data() + 4 * k + 2, points_[k].y);
  }
}

void GateCurve::LoadPoints(ConstRecord record) {
  points_.clear();
  for (std::size_t k = 0; k < kMaxPoints; ++k) {
    const CurvePoint p{LoadBigEndian16(record.data() + 4 * k),
                       LoadBigEndian16(record.data() + 4 * k + 2)};
    if (k >= 1 && p.x == 0) break;
    points_.push_back(p);
  }
  if (points_.front().x == 0) ResetCurve();
}

GateData BuildGateData(double thresholdDb) {
  GateCurve panel;
  panel.BuildGateCurve(thresholdDb);
  GateData data;
  panel.ComputeGainTable(data.table);
  panel.SavePoints(data.record);
  return data;
}

}  // namespace v7
