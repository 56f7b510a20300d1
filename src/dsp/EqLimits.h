#pragma once

#include <algorithm>

#include "dsp/FilterType.h"

namespace v7 {

// The band editor's limits: a band inside them is one the editors could have made. A Q below
// 0.1 would be stored as code 0 and silence the band when its block is replayed.
inline constexpr float kEqMinFrequencyHz = 20.0f;
inline constexpr float kEqMaxFrequencyHz = 20000.0f;
inline constexpr float kEqMaxGainDb = 15.0f;
inline constexpr float kEqMinGainDb = -kEqMaxGainDb;
inline constexpr float kEqMinQ = 0.1f;
inline constexpr float kEqMaxPeqQ = 30.0f;
inline constexpr float kEqMaxOtherQ = 2.0f;

// The Q the graph gives a band that becomes a PEQ, and the one it gives the other types.
// Not the image's start-up Q of 1.414: the graph has always used the shorter value.
inline constexpr float kGraphPresetQ = 1.41f;
inline constexpr float kGraphOtherTypeQ = 0.7f;

constexpr float LimitEqFrequency(float hz) {
  return std::clamp(hz, kEqMinFrequencyHz, kEqMaxFrequencyHz);
}

// Low and high passes have no gain of their own.
constexpr float LimitEqGain(FilterType type, float dB) {
  return HasGain(type) ? std::clamp(dB, kEqMinGainDb, kEqMaxGainDb) : 0.0f;
}

constexpr float MaxEqQ(FilterType type) {
  return type == FilterType::Peq ? kEqMaxPeqQ : kEqMaxOtherQ;
}

constexpr float LimitEqQ(FilterType type, float q) {
  return std::clamp(q, kEqMinQ, MaxEqQ(type));
}

}  // namespace v7
