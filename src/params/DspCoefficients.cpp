#include "params/DspCoefficients.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace v7 {
namespace {

// The machine's coefficients were always computed with this value, not a more precise 2*pi;
// keeping it keeps the words identical to what the machine has stored.
constexpr double kTwoPi = 6.28318530717958;
constexpr double kSampleRate = 32000.0;
constexpr double kFixedOne = 8388608.0;  // 1.0 in 5.23 fixed point

enum FilterCode { kPeq = 1, kLowPass = 2, kHighPass = 3, kLowShelf = 4, kHighShelf = 5 };

// Truncation toward zero. A division by zero (Q 0) or a negative root (steep shelf) yields
// NaN or infinity, which must not reach an integer conversion: NaN becomes 0 and
// infinities saturate.
int32_t ToDspWord(double value) {
  const double scaled = value * kFixedOne;
  if (std::isnan(scaled)) return 0;
  if (scaled >= static_cast<double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (scaled <= static_cast<double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(scaled);
}

struct Biquad {
  double a1, a2, b0, b1, b2;
};

DspCoefficients ToWords(const Biquad& f) {
  return {ToDspWord(f.a1), ToDspWord(f.a2), ToDspWord(f.b0), ToDspWord(f.b1), ToDspWord(f.b2)};
}

DspCoefficients PassThrough(double g) {
  return {0, 0, ToDspWord(g), 0, 0};
}

Biquad Peaking(double c, double s, double gain, double q, double g) {
  const double a = std::pow(10.0, gain / 40.0);
  const double alpha = s / (2.0 * q);
  const double d = 1.0 + alpha / a;
  return {2.0 * c / d, -(1.0 - alpha / a) / d, (1.0 + alpha * a) * g / d, -2.0 * c * g / d,
          (1.0 - alpha * a) * g / d};
}

DspCoefficients LowPass(double c, double s, double gain, double q) {
  const double h = std::pow(10.0, gain / 20.0);
  const double alpha = s / (2.0 * q);
  const double d = 1.0 + alpha;
  DspCoefficients w{ToDspWord(2.0 * c / d), ToDspWord(-(1.0 - alpha) / d),
                    ToDspWord((1.0 - c) * h / 2.0 / d), ToDspWord((1.0 - c) * h / d), 0};
  w.b2 = w.b0;
  return w;
}

DspCoefficients HighPass(double c, double s, double gain, double q) {
  const double h = std::pow(10.0, gain / 20.0);
  const double alpha = s / (2.0 * q);
  const double d = 1.0 + alpha;
  const double f = (1.0 + c) * h / d;
  DspCoefficients w{ToDspWord(2.0 * c / d), ToDspWord(-(1.0 - alpha) / d), ToDspWord(f / 2.0),
                    ToDspWord(-f), 0};
  w.b2 = w.b0;
  return w;
}

// Shelf terms shared by both shelves; the q argument is the shelf slope S.
struct Shelf {
  double a, k;
};

Shelf ShelfTerms(double s, double gain, double slope) {
  const double a = std::pow(10.0, gain / 40.0);
  const double m = std::sqrt((1.0 / slope - 1.0) * (1.0 / a + a) + 2.0);
  return {a, 2.0 * std::sqrt(a) * (m * s / 2.0)};
}

Biquad LowShelf(double c, double s, double gain, double slope, double g) {
  const auto [a, k] = ShelfTerms(s, gain, slope);
  const double d = (a + 1.0) + (a - 1.0) * c + k;
  return {2.0 * ((a - 1.0) + (a + 1.0) * c) / d, -((a + 1.0) + (a - 1.0) * c - k) / d,
          a * ((a + 1.0) - (a - 1.0) * c + k) * g / d,
          2.0 * a * ((a - 1.0) - (a + 1.0) * c) * g / d,
          a * ((a + 1.0) - (a - 1.0) * c - k) * g / d};
}

Biquad HighShelf(double c, double s, double gain, double slope, double g) {
  const auto [a, k] = ShelfTerms(s, gain, slope);
  const double d = (a + 1.0) - (a - 1.0) * c + k;
  return {-2.0 * ((a - 1.0) - (a + 1.0) * c) / d, -((a + 1.0) - (a - 1.0) * c - k) / d,
          a * ((a + 1.0) + (a - 1.0) * c + k) * g / d,
          -2.0 * a * ((a - 1.0) + (a + 1.0) * c) * g / d,
          a * ((a + 1.0) + (a - 1.0) * c - k) * g / d};
}

// Per block: DSP word address of band 0, its band count and whether A1 A2 lead (main and
// centre blocks).
struct BlockCoefficientLayout {
  uint16_t base;
  int bands;
  bool feedbackFirst;
};

constexpr std::array<BlockCoefficientLayout, 6> kBlockLayouts{{
    {162, 10, false},  // music
    {214, 10, false},  // mic
    {320, 7, true},    // main
    {361, 7, true},    // centre
    {399, 7, false},   // sub
    {270, 7, false},   // echo
}};

constexpr int kWordsPerBand = 5;

void PutWord(uint8_t* out, int32_t word) {
  const auto u = static_cast<uint32_t>(word);
  out[0] = static_cast<uint8_t>(u >> 24);
  out[1] = static_cast<uint8_t>(u >> 16);
  out[2] = static_cast<uint8_t>(u >> 8);
  out[3] = static_cast<uint8_t>(u);
}

}  // namespace

DspCoefficients ComputeDspCoefficients(int type, int freqHz, float gainDb, float q,
                                       double extraDb) {
  const double w = freqHz * kTwoPi / kSampleRate;
  const double c = std::cos(w);
  const double s = std::sin(w);
  const double g = std::pow(10.0, extraDb / 20.0);
  const double gain = gainDb;
  const double qq = q;
  switch (type) {
    case kPeq:
      return gain == 0.0 ? PassThrough(g) : ToWords(Peaking(c, s, gain, qq, g));
    case kLowPass:
      return LowPass(c, s, gain, qq);
    case kHighPass:
      return HighPass(c, s, gain, qq);
    case kLowShelf:
      return ToWords(LowShelf(c, s, gain, qq, g));
    case kHighShelf:
      return ToWords(HighShelf(c, s, gain, qq, g));
    default:
      return PassThrough(1.0);
  }
}

BandCoefficientWrite PackBandCoefficients(int block, int band, int type, int freqHz, float gainDb,
                                          float q) {
  const int lastBlock = static_cast<int>(kBlockLayouts.size()) - 1;
  const BlockCoefficientLayout& layout = kBlockLayouts[std::clamp(block, 0, lastBlock)];
  band = std::clamp(band, 0, layout.bands - 1);
  const DspCoefficients w = ComputeDspCoefficients(type, freqHz, gainDb, q, 0.0);
  const std::array<int32_t, kWordsPerBand> ordered =
      layout.feedbackFirst ? std::array<int32_t, kWordsPerBand>{w.a1, w.a2, w.b0, w.b1, w.b2}
                           : std::array<int32_t, kWordsPerBand>{w.b0, w.b1, w.b2, w.a1, w.a2};
  BandCoefficientWrite out;
  out.address = static_cast<uint16_t>(layout.base + kWordsPerBand * band);
  for (size_t i = 0; i < ordered.size(); ++i) PutWord(&out.bytes[4 * i], ordered[i]);
  return out;
}

}  // namespace v7
