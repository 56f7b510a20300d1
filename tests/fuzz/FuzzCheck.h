#pragma once

#include <cstdio>
#include <cstdlib>

namespace v7::fuzz {

// A property that does not hold ends the run at once, so libFuzzer keeps the input and a
// corpus replay fails its test.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "fuzz property failed: %s\n", property);
  std::abort();
}

}  // namespace v7::fuzz
