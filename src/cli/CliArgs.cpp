#include "cli/CliArgs.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "files/AsciiCase.h"

namespace v7 {
namespace {

constexpr std::array<std::string_view, 6> kFilterTypeNames = {"off", "peq", "lp", "hp", "ls", "hs"};
constexpr std::array<std::string_view, 6> kPageNames = {"mic",  "music",  "echo",
                                                        "main", "center", "sub"};

// The index of a name in the table (letter case ignored) or a number 0..size-1.
template <size_t N>
std::optional<int> ParseNameOrIndex(std::string_view text,
                                    const std::array<std::string_view, N>& names) {
  const std::string lower = AsciiLower(text);
  for (size_t i = 0; i < N; ++i)
    if (lower == names[i]) return static_cast<int>(i);
  return ParseInt(text, 0, static_cast<int>(N) - 1);
}

}  // namespace

std::optional<int> ParseInt(std::string_view text, int min, int max) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<float> ParseFloat(std::string_view text) {
  const std::string copy(text);
  if (copy.empty()) return std::nullopt;
  char* end = nullptr;
  const float value = std::strtof(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> ParseFilterType(std::string_view text) {
  return ParseNameOrIndex(text, kFilterTypeNames);
}

std::optional<int> ParsePage(std::string_view text) {
  return ParseNameOrIndex(text, kPageNames);
}

}  // namespace v7
