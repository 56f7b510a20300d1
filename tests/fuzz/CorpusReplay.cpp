// Replays fuzz inputs through the harnesses: corpus-replay TARGET FILE...
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "Harnesses.h"

namespace {

using Harness = void (*)(const uint8_t*, size_t);

struct Target {
  std::string_view name;
  Harness harness;
};

constexpr Target kTargets[] = {
    {"reports", v7::fuzz::FuzzReportSequence},
    {"mode_file", v7::fuzz::FuzzModeFile},
    {"remote_file", v7::fuzz::FuzzRemoteFile},
#ifdef V7_FUZZ_LANGUAGE_TABLE
    {"language_table", v7::fuzz::FuzzLanguageTable},
#endif
    {"dsp_math", v7::fuzz::FuzzDspMath},
};

Harness FindHarness(std::string_view name) {
  for (const Target& t : kTargets)
    if (t.name == name) return t.harness;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  const Harness harness = argc >= 2 ? FindHarness(argv[1]) : nullptr;
  if (harness == nullptr) {
    std::fprintf(stderr, "usage: corpus-replay TARGET FILE...\n");
    return 2;
  }
  for (int i = 2; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    harness(bytes.data(), bytes.size());
  }
  return 0;
}
