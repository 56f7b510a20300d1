#include <array>
#include <cmath>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "Harnesses.h"
#include "dsp/EqLimits.h"
#include "dsp/GateCurve.h"
#include "dsp/ResponseMath.h"
#include "params/DspCodec.h"
#include "params/DspCoefficients.h"
#include "params/DspFieldTable.h"

namespace v7::fuzz {
namespace {

struct Numbers {
  double wide;
  float gain;
  float q;
  float frequency;
  int32_t a;
  int32_t b;
  int32_t c;
};

Numbers TakeNumbers(FuzzInput& in) {
  return {in.Take<double>(),  in.Take<float>(),   in.Take<float>(),  in.Take<float>(),
          in.Take<int32_t>(), in.Take<int32_t>(), in.Take<int32_t>()};
}

void CheckCodecs(const Numbers& n) {
  Require(GainToDspWord(n.wide) >= 0, "a gain word is never negative");
  Require(kGainWireRange.Contains(DspWordToGain(n.a)), "any word decodes inside the gain range");
  Require(kTenthsWireRange.Contains(DspWordToTenths(n.a)), "any word decodes inside the tenths");
  Require(TenthsToDspWord(n.b) >= 0, "a tenths word is never negative");
  const EqBand record = EncodeEqBand({n.gain, n.a, n.q, n.b});
  const EqBand again = EncodeEqBand(DecodeEqBand(record.data()));
  Require(std::equal(record.begin(), record.begin() + 4, again.begin()) && record[6] == again[6],
          "a band record's gain, frequency and type survive decode and encode");
}

void CheckGateCurve(const Numbers& n, FuzzInput& in) {
  GateCurve curve(n.a, n.b);
  Require(std::isfinite(curve.InputLevelAt(n.c)), "any pixel has a finite input level");
  Require(std::isfinite(curve.OutputLevelAt(n.c)), "any pixel has a finite output level");
  static_cast<void>(curve.XOfInputLevel(n.wide));
  static_cast<void>(curve.YOfOutputLevel(n.wide));
  curve.BuildGateCurve(n.wide);
  std::array<uint8_t, GateCurve::kTableSize> table{};
  curve.ComputeGainTable(table);
  std::array<uint8_t, GateCurve::kRecordSize> record{};
  for (uint8_t& byte : record) byte = in.Take<uint8_t>();
  curve.LoadPoints(record);
  curve.ComputeGainTable(table);
  curve.SavePoints(record);
  static_cast<void>(BuildGateData(n.wide));
}

void CheckFilters(const Numbers& n) {
  static_cast<void>(ComputeDspCoefficients(n.a, n.b, n.gain, n.q, n.wide));
  static_cast<void>(PackBandCoefficients(n.a, n.b, n.c, n.b, n.gain, n.q));
  const FilterType type = FilterTypeFromCode(n.c);
  const DisplayResponse response = BandDisplayResponse(type, n.frequency, n.gain, n.q);
  BiquadCoefficients coefficients;
  if (ComputeCoefficients(type, n.wide, kDisplaySampleRate, n.q, n.gain, coefficients) ==
      kCoefficientsOk)
    static_cast<void>(ResponseDb(n.a, n.frequency, type, coefficients));
  static_cast<void>(response);
  static_cast<void>(LimitEqFrequency(n.frequency) + LimitEqGain(type, n.gain) +
                    LimitEqQ(type, n.q));
}

}  // namespace

void FuzzDspMath(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const Numbers numbers = TakeNumbers(in);
  CheckCodecs(numbers);
  CheckGateCurve(numbers, in);
  CheckFilters(numbers);
}

}  // namespace v7::fuzz
