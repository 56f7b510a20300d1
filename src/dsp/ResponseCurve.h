#pragma once

#include <array>

namespace v7 {

// Number of points of a display response: a logarithmic grid from 10 Hz over 3.4 decades.
inline constexpr int kResponsePoints = 512;

// A response in dB (or the grid's frequencies in Hz) at grid points 0..511.
using ResponseCurve = std::array<float, kResponsePoints>;

}  // namespace v7
