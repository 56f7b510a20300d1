#include "Harnesses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  v7::fuzz::FuzzRemoteFile(data, size);
  return 0;
}
