#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "link/Clock.h"

namespace v7 {

// v7ctl's main logic: global options, then one command with its arguments. Output goes to
// `out`, messages and the report trace to `err`; the sequences pause on `clock`. Returns the
// exit code (see CliText.h).
int RunV7ctl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             Clock& clock);

}  // namespace v7
