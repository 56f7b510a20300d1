#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace v7 {

// Parsers for v7ctl's arguments: each returns nothing when the text is not a valid value, so
// the caller can print the command's usage line.

// The highest frequency a band record can hold (a 16-bit field).
inline constexpr int kMaxBandFrequency = 65535;

// A whole decimal number within [min, max].
std::optional<int> ParseInt(std::string_view text, int min, int max);
// A finite decimal number (as a 32-bit float, which is what the editors hold).
std::optional<float> ParseFloat(std::string_view text);
// 0..5 or OFF, PEQ, LP, HP, LS, HS in any letter case.
std::optional<int> ParseFilterType(std::string_view text);
// 0..5 or mic, music, echo, main, center, sub in any letter case.
std::optional<int> ParsePage(std::string_view text);

}  // namespace v7
