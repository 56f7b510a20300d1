#include "dsp/ResponseMath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace v7 {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kGridStartHz = 10.0;
constexpr double kGridDecades = 3.4;
// 10 * log10(x) as a natural logarithm: 10 / ln 10.
constexpr double kDbPerNaturalLog = 10.0 / std::numbers::ln10;
constexpr int kPrototypeCentre = kResponsePoints / 2;
// The peaking prototype's Q is widened: Q' = 2 * Q / (5 / 14), that is 5.6 * Q.
constexpr double kPeakQWidening = 0.35714285714285715;
// Peaking centres are placed with float arithmetic only from this range on; further out every
// index clamps to the prototype's ends anyway.
constexpr float kMaxCentreShift = 2.0f * kResponsePoints;

using PointTable = std::array<double, kResponsePoints>;

// Everything of a response evaluation that does not depend on the band.
struct GridTables {
  ResponseCurve frequencies{};
  PointTable sinSquaredByFrequency{};  // sin^2(w / 2) with w = 2 pi f(i) / rate
  PointTable sinSquaredByIndex{};      // sin^2(w / 2) with w = pi i / 512
};

double HalfAngleSinSquared(double w) {
  const double s = std::sin(w / 2.0);
  return s * s;
}

double PeakPrototypeAngle(int index) {
  return kPi * index / kResponsePoints;
}

double GridAngle(float frequency) {
  return 2.0 * kPi * frequency / kDisplaySampleRate;
}

GridTables BuildGridTables() {
  GridTables t;
  for (int i = 0; i < kResponsePoints; ++i) {
    t.frequencies[i] =
        static_cast<float>(kGridStartHz * std::pow(10.0, kGridDecades * i / kResponsePoints));
    t.sinSquaredByFrequency[i] = HalfAngleSinSquared(GridAngle(t.frequencies[i]));
    t.sinSquaredByIndex[i] = HalfAngleSinSquared(PeakPrototypeAngle(i));
  }
  return t;
}

const GridTables& Tables() {
  static const GridTables tables = BuildGridTables();
  return tables;
}

// |H(e^jw)|^2 numerator or denominator polynomial in s^2 = sin^2(w / 2).
double SquaredMagnitudeTerm(double x0, double x1, double x2, double s2) {
  const double sum = x0 + x1 + x2;
  return sum * sum - 4.0 * (4.0 * x0 * x2 + x0 * x1 + x1 * x2) * s2 + 16.0 * x0 * x2 * s2 * s2;
}

// 10 log10 P(b) - 10 log10 P(a), taken as one natural logarithm of the ratio: three times
// faster, and equal to the two-logarithm form to within 1e-10 dB (the last bit of values near
// 0 dB), far below anything the graph can show.
double ResponseDbAt(double s2, const BiquadCoefficients& c) {
  return kDbPerNaturalLog * std::log(SquaredMagnitudeTerm(c.b0, c.b1, c.b2, s2) /
                                     SquaredMagnitudeTerm(c.a0, c.a1, c.a2, s2));
}

BiquadCoefficients PeakingPrototype(double q, double gainDb) {
  const double a = std::pow(10.0, gainDb / 40.0);
  const double centre = kPi / 2.0;
  const double alpha = std::sin(centre) / (2.0 * q / kPeakQWidening);
  const double cw = std::cos(centre);
  return {1.0 + alpha * a, -2.0 * cw, 1.0 - alpha * a, 1.0 + alpha / a, -2.0 * cw, 1.0 - alpha / a};
}

BiquadCoefficients PassFilter(FilterType type, double cw, double sw, double q) {
  const double alpha = sw / (2.0 * q);
  const double a0 = 1.0 + alpha;
  const double a1 = -2.0 * cw;
  const double a2 = 1.0 - alpha;
  if (type == FilterType::Lp) {
    return {(1.0 - cw) / 2.0, 1.0 - cw, (1.0 - cw) / 2.0, a0, a1, a2};
  }
  return {(1.0 + cw) / 2.0, -(1.0 + cw), (1.0 + cw) / 2.0, a0, a1, a2};
}

BiquadCoefficients Shelf(FilterType type, double cw, double sw, double q, double gainDb) {
  const double a = std::pow(10.0, gainDb / 40.0);
  const double k = std::sqrt(a) * sw / q;
  const double p = a + 1.0;
  const double m = a - 1.0;
  if (type == FilterType::Ls) {
    return {a * (p - m * cw + k), 2.0 * a * (m - p * cw), a * (p - m * cw - k),
            p + m * cw + k,       -2.0 * (m + p * cw),    p + m * cw - k};
  }
  return {a * (p + m * cw + k), -2.0 * a * (m + p * cw), a * (p + m * cw - k),
          p - m * cw + k,       2.0 * (m - p * cw),      p - m * cw - k};
}

BiquadCoefficients Normalised(const BiquadCoefficients& c) {
  return {c.b0 / c.a0, c.b1 / c.a0, c.b2 / c.a0, 1.0, c.a1 / c.a0, c.a2 / c.a0};
}

// Grid index of a peaking band's centre, computed in float32 as the display always did.
long PeakCentreIndex(float frequency) {
  float d = static_cast<float>(kResponsePoints) * (std::log10(frequency) - 1.0f) /
            static_cast<float>(kGridDecades);
  if (std::isnan(d)) {
    d = 0.0f;
  }
  return std::lround(std::clamp(d, -kMaxCentreShift, kMaxCentreShift));
}

void ComputePeakCurve(const BiquadCoefficients& c, float frequency, ResponseCurve& curve) {
  const GridTables& t = Tables();
  ResponseCurve prototype;
  for (int i = 0; i < kResponsePoints; ++i) {
    prototype[i] = static_cast<float>(ResponseDbAt(t.sinSquaredByIndex[i], c));
  }
  const long shift = kPrototypeCentre - PeakCentreIndex(frequency);
  for (int j = 0; j < kResponsePoints; ++j) {
    curve[j] = prototype[std::clamp<long>(j + shift, 0, kResponsePoints - 1)];
  }
}

void ComputeGridCurve(const BiquadCoefficients& c, ResponseCurve& curve) {
  const GridTables& t = Tables();
  for (int i = 0; i < kResponsePoints; ++i) {
    curve[i] = static_cast<float>(ResponseDbAt(t.sinSquaredByFrequency[i], c));
  }
}

}  // namespace

const ResponseCurve& GridFrequencies() {
  return Tables().frequencies;
}

int ComputeCoefficients(FilterType type, double frequency, double sampleRate, double q,
                        double gainDb, BiquadCoefficients& out) {
  const double w = 2.0 * kPi * frequency / sampleRate;
  const double cw = std::cos(w);
  const double sw = std::sin(w);
  switch (type) {
    case FilterType::Peq:
      out = PeakingPrototype(q, gainDb);
      return kCoefficientsOk;
    case FilterType::Lp:
    case FilterType::Hp:
      out = Normalised(PassFilter(type, cw, sw, q));
      return kCoefficientsOk;
    case FilterType::Ls:
    case FilterType::Hs:
      out = Normalised(Shelf(type, cw, sw, q, gainDb));
      return kCoefficientsOk;
    case FilterType::Off:
      break;
  }
  return kCoefficientsBadType;
}

double ResponseDb(int index, float frequency, FilterType type, const BiquadCoefficients& c) {
  const double w = type == FilterType::Peq ? PeakPrototypeAngle(index) : GridAngle(frequency);
  return ResponseDbAt(HalfAngleSinSquared(w), c);
}

void ComputeBandCurve(FilterType type, float frequency, float gainDb, float q,
                      ResponseCurve& curve) {
  BiquadCoefficients c;
  if (ComputeCoefficients(type, frequency, kDisplaySampleRate, q, gainDb, c) != kCoefficientsOk) {
    return;
  }
  if (type == FilterType::Peq) {
    ComputePeakCurve(c, frequency, curve);
  } else {
    ComputeGridCurve(c, curve);
  }
}

void ComputeBandCurve(EqGraphBand& band) {
  ComputeBandCurve(band.type, band.frequency, band.gain, band.q, band.curve);
}

// The sum builds in a local array: it cannot alias a band's curve, so the additions vectorise.
void SumCurves(std::span<const EqGraphBand> bands, int count, ResponseCurve& total) {
  ResponseCurve sum{};
  const auto used = static_cast<std::size_t>(std::clamp<int>(count, 0, bands.size()));
  for (const EqGraphBand& band : bands.first(used)) {
    if (!IsActiveType(band.type)) {
      continue;
    }
    for (int i = 0; i < kResponsePoints; ++i) {
      sum[i] += band.curve[i];
    }
  }
  total = sum;
}

DisplayResponse BandDisplayResponse(FilterType type, float frequency, float gainDb, float q) {
  DisplayResponse r;
  r.frequencyHz = GridFrequencies();
  ComputeBandCurve(type, frequency, gainDb, q, r.gainDb);
  return r;
}

}  // namespace v7
