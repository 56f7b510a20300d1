#include "cli/CliContext.h"

#include "cli/CliText.h"
#include "files/AtomicFile.h"

namespace v7 {

void ErrorLines::Error(std::string_view text) {
  Line(std::string(kProgramName) + ": " + std::string(text));
}

int PrintUsage(CliContext& context, std::string_view command) {
  context.err.Text(UsageOf(command));
  return kExitUsage;
}

int PrintFileError(CliContext& context, std::string_view action, const std::string& path,
                   int errorCode) {
  context.err.Error("cannot " + std::string(action) + " " + path + ": " +
                    FileErrorReason(errorCode));
  return kExitFailure;
}

}  // namespace v7
