#pragma once

#include <array>
#include <cstdint>

namespace v7 {

// The five biquad words of one EQ band in the DSP's 5.23 fixed point: A1 and A2 are the
// feedback coefficients negated and normalised (-a1/a0, -a2/a0), B0..B2 are b0/a0..b2/a0.
struct DspCoefficients {
  int32_t a1 = 0;
  int32_t a2 = 0;
  int32_t b0 = 0;
  int32_t b1 = 0;
  int32_t b2 = 0;

  bool operator==(const DspCoefficients&) const = default;
};

// Bytes of one band's coefficients, ready for a DSP parameter write (command 20).
constexpr int kBandCoefficientBytes = 20;

struct BandCoefficientWrite {
  uint16_t address = 0;  // DSP word address of the band's first coefficient
  std::array<uint8_t, kBandCoefficientBytes> bytes{};
};

// Coefficients at the DSP's 32 kHz sample rate. Gain and Q arrive as the editors' 32-bit
// floats and are widened; everything else is 64-bit, truncated toward zero at the end.
DspCoefficients ComputeDspCoefficients(int type, int freqHz, float gainDb, float q, double extraDb);

// Where the band's words live and the order the block's DSP program expects them in,
// each word most significant byte first. Block (0..5) and band (within the block) are
// clamped so that a bad index can never address another block's words.
BandCoefficientWrite PackBandCoefficients(int block, int band, int type, int freqHz, float gainDb,
                                          float q);

}  // namespace v7
