#pragma once

#include <algorithm>
#include <cstdint>

namespace v7 {

// An inclusive range of whole values.
struct ParameterRange {
  int min;
  int max;

  constexpr bool Contains(int value) const { return value >= min && value <= max; }
  constexpr int Limit(int value) const { return std::clamp(value, min, max); }
};

}  // namespace v7
