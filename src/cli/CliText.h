#pragma once

#include <string_view>

namespace v7 {

// Exit codes of v7ctl.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;          // bad arguments: the usage line was printed
inline constexpr int kExitNoMachine = 2;      // no machine found, not opened, or not answering
inline constexpr int kExitModelMismatch = 3;  // another model answered; goodbye was sent
inline constexpr int kExitFailure = 4;        // a file or the machine failed (message printed)

inline constexpr std::string_view kProgramName = "v7ctl";

// The usage line of a command ("usage: v7ctl [options] backup FILE"), or the general one for
// an unknown command.
std::string_view UsageOf(std::string_view command);
std::string_view HelpText();
std::string_view UdevRules();

}  // namespace v7
