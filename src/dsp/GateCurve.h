// Noise-gate transfer curve and its conversion into the machine's gain table and point record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace v7 {

// One curve point in the panel's pixel space.
struct CurvePoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const CurvePoint&, const CurvePoint&) = default;
};

// The output level against the input level of a gate, kept as pixel positions of a
// 333 x 286 plot: the point records stored in the machine are in these pixels, so the
// conversions must round exactly as they did when the records were written.
// Nothing displays the curve; this class only converts.
class GateCurve {
 public:
  static constexpr int kClientWidth = 333;
  static constexpr int kClientHeight = 286;
  static constexpr std::size_t kRecordSize = 24;
  static constexpr std::size_t kTableSize = 136;
  static constexpr std::size_t kMaxPoints = 6;
  // Threshold used when the control is attached and when a record was never written.
  static constexpr double kResetThresholdDb = -56.0;
  // The gate curve spans -90..+6 dB; its threshold needs room for the point 1 dB below it.
  static constexpr double kMinThresholdDb = -89.0;
  static constexpr double kMaxThresholdDb = 6.0;

  using Record = std::span<uint8_t, kRecordSize>;
  using ConstRecord = std::span<const uint8_t, kRecordSize>;
  using Table = std::span<uint8_t, kTableSize>;

  explicit GateCurve(int clientWidth = kClientWidth, int clientHeight = kClientHeight);

  // Replaces the curve by the standard gate shape for threshold T (clamped to
  // kMinThresholdDb..kMaxThresholdDb): (-90, -110), (T, T), (+6, +6), (T - 1, -110).
  void BuildGateCurve(double thresholdDb);
  void ResetCurve();

  // Fills the 34 big-endian gain words; levels the curve does not cover keep their bytes.
  // A gain too large for a word is its maximum; a curve with no defined gain gives 0.
  void ComputeGainTable(Table table) const;
  // Writes x and y of each point as big-endian 16-bit values; the caller clears the record.
  void SavePoints(Record record) const;
  void LoadPoints(ConstRecord record);

  // Conversions between pixels and dB, total for any int and any double: a level too far out
  // for an int gives INT_MIN or INT_MAX, NaN gives pixel 0. A plot too small for its insets
  // (zero height, say) is taken as one pixel per axis span, so nothing divides by zero.
  double InputLevelAt(int x) const;
  double OutputLevelAt(int y) const;
  int XOfInputLevel(double levelDb) const;
  int YOfOutputLevel(double levelDb) const;

  const std::vector<CurvePoint>& Points() const { return points_; }

 private:
  double PixelsPerInputDb() const;
  double PixelsPerOutputDb() const;

  int clientWidth_;
  int clientHeight_;
  std::vector<CurvePoint> points_;
};

// The two blocks the machine keeps for one gate, as the channel panel produces them.
struct GateData {
  std::array<uint8_t, GateCurve::kRecordSize> record{};
  std::array<uint8_t, GateCurve::kTableSize> table{};
};

// Point record and gain table of the standard gate curve for a threshold in dB.
GateData BuildGateData(double thresholdDb);

}  // namespace v7
