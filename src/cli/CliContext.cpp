#include "cli/CliContext.h"

#include "cli/CliText.h"

namespace v7 {

void ErrorLines::Error(std::string_view text) {
  Line(std::string(kProgramName) + ": " + std::string(text));
}

}  // namespace v7
