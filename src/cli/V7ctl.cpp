#include "cli/V7ctl.h"

#include <array>
#include <functional>
#include <optional>

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliText.h"
#include "cli/MachineCommands.h"
#include "cli/OfflineCommands.h"
#include "protocol/Trace.h"

namespace v7 {
namespace {

constexpr int kMaxSimLatencyMs = 10000;

using CommandHandler = int (*)(CliContext&, CommandArgs);

struct CommandEntry {
  std::string_view name;
  CommandHandler run;
};

constexpr std::array<CommandEntry, 14> kCommands = {{
    {"info", RunInfo},
    {"backup", RunBackup},
    {"restore", RunRestore},
    {"mode", RunMode},
    {"set", RunSet},
    {"eq", RunEq},
    {"eq-reset", RunEqReset},
    {"levels", RunLevels},
    {"new", RunNew},
    {"dump", RunDump},
    {"coeffs", RunCoeffs},
    {"mode-of", RunModeOf},
    {"curve", RunCurve},
    {"gate-data", RunGateData},
}};

CommandHandler FindCommand(std::string_view name) {
  for (const CommandEntry& entry : kCommands)
    if (entry.name == name) return entry.run;
  return nullptr;
}

// What the options before the command ask for.
enum class Immediate { kNone, kHelp, kVersion, kUdevRules };

struct ParsedOptions {
  GlobalOptions options;
  Immediate immediate = Immediate::kNone;
  size_t commandIndex = 0;
  std::string error;  // set when an option is unknown or lacks a valid value
};

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  size_t i = 0;
  for (; i < args.size() && args[i].starts_with("-"); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--help" || arg == "-h") {
      parsed.immediate = Immediate::kHelp;
    } else if (arg == "--version") {
      parsed.immediate = Immediate::kVersion;
    } else if (arg == "--print-udev-rules") {
      parsed.immediate = Immediate::kUdevRules;
    } else if (arg == "--simulate") {
      parsed.options.simulate = true;
    } else if (arg == "--sim-silent") {
      parsed.options.simulate = true;
      parsed.options.simSilent = true;
    } else if (arg == "--trace") {
      parsed.options.trace = true;
    } else if (arg == "--sim-model" && hasValue && !args[i + 1].empty()) {
      parsed.options.simulate = true;
      parsed.options.simModel = args[++i];
    } else if (arg == "--sim-latency" && hasValue) {
      const std::optional<int> ms = ParseInt(args[++i], 0, kMaxSimLatencyMs);
      if (!ms) parsed.error = "--sim-latency takes milliseconds from 0 to 10000";
      parsed.options.simulate = true;
      parsed.options.simLatencyMs = ms.value_or(parsed.options.simLatencyMs);
    } else if (arg == "--sim-model" || arg == "--sim-latency") {
      parsed.error = arg + " needs a value";
    } else {
      parsed.error = "unknown option '" + arg + "'";
    }
    if (!parsed.error.empty() || parsed.immediate != Immediate::kNone) break;
  }
  parsed.commandIndex = i;
  return parsed;
}

int RunImmediate(Immediate immediate, std::ostream& out) {
  switch (immediate) {
    case Immediate::kHelp:
      out << HelpText();
      break;
    case Immediate::kVersion:
      out << kProgramName << ' ' << V7_VERSION << '\n';
      break;
    case Immediate::kUdevRules:
      out << UdevRules();
      break;
    case Immediate::kNone:
      break;
  }
  return kExitOk;
}

// Tracing is a process-wide switch: restored when the command ends.
class TraceScope {
 public:
  explicit TraceScope(bool on) : previous_(IsTraceEnabled()) {
    if (on) SetTraceEnabled(true);
  }
  ~TraceScope() { SetTraceEnabled(previous_); }
  TraceScope(const TraceScope&) = delete;
  TraceScope& operator=(const TraceScope&) = delete;

 private:
  bool previous_;
};

}  // namespace

int RunV7ctl(const std::vector<std::string>& args, std::ostream& out, std::ostream& errStream,
             Clock& clock) {
  ErrorLines err(errStream);
  const ParsedOptions parsed = ParseOptions(args);
  if (!parsed.error.empty()) {
    err.Error(parsed.error);
    err.Text(UsageOf(""));
    return kExitUsage;
  }
  if (parsed.immediate != Immediate::kNone) return RunImmediate(parsed.immediate, out);
  if (parsed.commandIndex >= args.size()) {
    err.Text(UsageOf(""));
    return kExitUsage;
  }
  const std::string& name = args[parsed.commandIndex];
  const CommandHandler run = FindCommand(name);
  if (run == nullptr) {
    err.Error("unknown command '" + name + "'");
    err.Text(UsageOf(""));
    return kExitUsage;
  }
  TraceScope trace(parsed.options.trace);
  CliContext context{parsed.options, out, err, clock};
  const std::vector<std::string> commandArgs(args.begin() + parsed.commandIndex + 1, args.end());
  return run(context, commandArgs);
}

}  // namespace v7
