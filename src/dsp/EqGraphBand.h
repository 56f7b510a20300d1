#pragma once

#include <cstdint>

#include "dsp/EqLimits.h"
#include "dsp/FilterType.h"
#include "dsp/ResponseCurve.h"

namespace v7 {

// One band of the EQ graph in display form. The marker position is written by every paint
// and read by the graph's hit tests; the curve is the band's own response in dB.
struct EqGraphBand {
  std::int32_t markerX = 0;  // pixels from the plot's left edge
  std::int32_t markerY = 0;  // pixels from the plot's top edge
  std::int32_t index = 0;    // 0..31, shown to the user as index + 1
  FilterType type = FilterType::Peq;
  float frequency = 100.0f;  // Hz
  float gain = 0.0f;         // dB
  float q = 1.0f;
  ResponseCurve curve{};
  float frequencyMin = kEqMinFrequencyHz;
  float frequencyMax = 12000.0f;
  float gainMin = kEqMinGainDb;
  float gainMax = kEqMaxGainDb;
};

}  // namespace v7
