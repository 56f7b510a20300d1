#pragma once

#include <cstdint>

namespace v7 {

// Filter type of an equaliser band; the same code as the type byte the machine stores.
enum class FilterType : std::int32_t {
  Off = 0,  // the band does nothing and has no curve
  Peq = 1,  // peaking
  Lp = 2,   // low pass
  Hp = 3,   // high pass
  Ls = 4,   // low shelf
  Hs = 5,   // high shelf
};

inline constexpr int kFilterTypeCount = 6;

// Maps a stored type code to a FilterType; codes outside 0..5 mean "off".
constexpr FilterType FilterTypeFromCode(int code) {
  return code >= 0 && code < kFilterTypeCount ? static_cast<FilterType>(code) : FilterType::Off;
}

// Only bands of a known type other than "off" have a curve, a marker and a share in the total.
constexpr bool IsActiveType(FilterType type) {
  return type >= FilterType::Peq && type <= FilterType::Hs;
}

// Low and high pass bands have no gain of their own.
constexpr bool HasGain(FilterType type) {
  return type != FilterType::Lp && type != FilterType::Hp;
}

}  // namespace v7
