#pragma once

#include "cli/CliContext.h"
#include "cli/MachineCommands.h"

namespace v7 {

// The commands that need no machine; each returns v7ctl's exit code.
int RunNew(CliContext& context, CommandArgs args);
int RunDump(CliContext& context, CommandArgs args);
int RunCoeffs(CliContext& context, CommandArgs args);
int RunModeOf(CliContext& context, CommandArgs args);
int RunCurve(CliContext& context, CommandArgs args);
int RunGateData(CliContext& context, CommandArgs args);

}  // namespace v7
