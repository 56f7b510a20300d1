#pragma once

#include <span>
#include <string>

#include "cli/CliContext.h"

namespace v7 {

// The commands that talk to the machine. Each connects (read sequence and model check),
// does its work and says goodbye; each returns v7ctl's exit code.
using CommandArgs = std::span<const std::string>;

int RunInfo(CliContext& context, CommandArgs args);
int RunBackup(CliContext& context, CommandArgs args);
int RunRestore(CliContext& context, CommandArgs args);
int RunMode(CliContext& context, CommandArgs args);
int RunSet(CliContext& context, CommandArgs args);
int RunEq(CliContext& context, CommandArgs args);
int RunEqReset(CliContext& context, CommandArgs args);
int RunLevels(CliContext& context, CommandArgs args);

}  // namespace v7
