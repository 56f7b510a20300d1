#include "sync/ModelCheck.h"

#include <algorithm>

namespace v7 {
namespace {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool IsExpectedModelExact(std::string_view modelName) {
  return modelName == kExpectedModel;
}

bool IsSupportedModel(std::string_view modelName) {
  const std::string_view expected = kExpectedModel;
  return modelName.size() == expected.size() &&
         std::equal(modelName.begin(), modelName.end(), expected.begin(),
                    [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

}  // namespace v7
