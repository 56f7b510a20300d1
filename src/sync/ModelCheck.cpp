#include "sync/ModelCheck.h"

#include "files/AsciiCase.h"

namespace v7 {

bool IsExpectedModelExact(std::string_view modelName) {
  return modelName == kExpectedModel;
}

bool IsSupportedModel(std::string_view modelName) {
  return EqualsIgnoringAsciiCase<char>(modelName, kExpectedModel);
}

}  // namespace v7
