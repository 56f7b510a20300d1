#pragma once

#include <span>

#include "dsp/EqGraphBand.h"
#include "dsp/FilterType.h"
#include "dsp/ResponseCurve.h"

namespace v7 {

// Sample rate at which the display curves are computed (the machine's own coefficients use
// another rate and come from the parameter layer).
inline constexpr double kDisplaySampleRate = 48000.0;

inline constexpr int kCoefficientsOk = 0;
inline constexpr int kCoefficientsBadType = -2;

// Biquad coefficients, numerator b and denominator a.
struct BiquadCoefficients {
  double b0 = 0.0;
  double b1 = 0.0;
  double b2 = 0.0;
  double a0 = 1.0;
  double a1 = 0.0;
  double a2 = 0.0;
};

// Frequencies of the display grid: point i lies at 10 * 10^(3.4 * i / 512) Hz, as float32.
// Computed once; the reference stays valid for the whole run.
const ResponseCurve& GridFrequencies();

// Cookbook biquad for types 1..5. The peaking type ignores the frequency: it is a prototype
// centred at a quarter of the sample rate with Q widened by 5.6, shifted into place by
// ComputeBandCurve. Returns kCoefficientsOk, or kCoefficientsBadType (and leaves `out`
// untouched) for any other type.
int ComputeCoefficients(FilterType type, double frequency, double sampleRate, double q,
                        double gainDb, BiquadCoefficients& out);

// Squared magnitude in dB at grid point `index`: a peaking prototype is evaluated by index
// (0..511 spanning 0..pi), every other type at `frequency` with the display sample rate.
double ResponseDb(int index, float frequency, FilterType type, const BiquadCoefficients& c);

// Fills `curve` with the band's response on the grid. A band that is off (or of an unknown
// type) leaves `curve` as it is.
void ComputeBandCurve(FilterType type, float frequency, float gainDb, float q,
                      ResponseCurve& curve);
void ComputeBandCurve(EqGraphBand& band);

// Total response: the sum in dB of the curves of the first `count` bands that are not off;
// 0 dB everywhere when there is none.
void SumCurves(std::span<const EqGraphBand> bands, int count, ResponseCurve& total);

// Display response of one band, for tools that print it: the grid and the band's curve
// (all 0 dB for a band that is off).
struct DisplayResponse {
  ResponseCurve frequencyHz{};
  ResponseCurve gainDb{};
};
DisplayResponse BandDisplayResponse(FilterType type, float frequency, float gainDb, float q);

}  // namespace v7
