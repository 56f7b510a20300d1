#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace v7 {

// Letter case of ASCII letters only. The texts compared this way (model names, version tags,
// mode-file name prefixes, command words) are ASCII, or Chinese prefixes whose bytes and code
// units pass through unchanged.
template <typename Char>
constexpr Char AsciiLower(Char c) {
  return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

inline std::string AsciiLower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](char c) { return AsciiLower(c); });
  return out;
}

template <typename Char>
bool EqualsIgnoringAsciiCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](Char x, Char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

}  // namespace v7
