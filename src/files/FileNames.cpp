#include "files/FileNames.h"

#include <array>

#include "files/AsciiCase.h"

namespace v7 {
namespace {

constexpr std::string_view kModeExtension = ".V7M";
constexpr std::string_view kRemoteExtension = "remo";

struct ModePrefix {
  std::string_view prefix;
  int mode;
};

// Tested in this order; the first match wins.
constexpr std::array<ModePrefix, 12> kModePrefixes{{
    {"默认1", 0},
    {"corvane1", 0},
    {"m1", 0},
    {"默认2", 1},
    {"corvane2", 1},
    {"m2", 1},
    {"默认3", 2},
    {"corvane3", 2},
    {"m3", 2},
    {"默认4", 3},
    {"corvane4", 3},
    {"m4", 3},
}};

std::string_view FileNameOf(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

int DesignatedModeOfFileName(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const size_t end = name.find(kModeExtension);
  if (end == std::string_view::npos) return -1;
  const std::string stem = AsciiLower(name.substr(0, end));
  for (const ModePrefix& p : kModePrefixes)
    if (stem.starts_with(p.prefix)) return p.mode;
  return -1;
}

std::string WithRemoteExtension(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const size_t dot = name.find_last_of('.');
  // A leading dot marks a hidden file, not an extension.
  const size_t keep =
      (dot == std::string_view::npos || dot == 0) ? path.size() : path.size() - name.size() + dot;
  std::string out(path.substr(0, keep));
  out += '.';
  out += kRemoteExtension;
  return out;
}

}  // namespace v7
