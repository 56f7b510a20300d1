#include "cli/MachineCommands.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/CliText.h"
#include "cli/MachineSession.h"
#include "dsp/EqLimits.h"
#include "edit/ParameterWriter.h"
#include "files/AtomicFile.h"
#include "files/FileNames.h"
#include "files/ModeFile.h"
#include "params/ParameterCatalogue.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "sync/ModeCommands.h"

namespace v7 {
namespace {

constexpr std::chrono::milliseconds kLevelInterval{300};
constexpr int kDefaultLevelCount = 10;
constexpr int kMaxLevelCount = 1000000;
constexpr std::string_view kForceOption = "--force";

// Connects and, when that worked, runs the command's work on the open session.
int WithMachine(CliContext& context, const std::function<int(MachineSession&)>& work) {
  MachineSession session(context);
  const int connected = session.Connect();
  return connected == kExitOk ? work(session) : connected;
}

int SentOrFailed(CliContext& context, bool sent) {
  if (sent) return kExitOk;
  context.err.Error("the machine did not take the command");
  return kExitFailure;
}

// --- set NAME VALUE ---

// A value the parameter takes: within its range, or any whole number when it is clamped.
std::optional<int> ParseParameterValue(const ParameterEntry& entry, std::string_view text) {
  if (entry.outOfRange == OutOfRange::kClamped)
    return ParseInt(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  return ParseInt(text, entry.range.min, entry.range.max);
}

// --- eq PAGE BAND TYPE FREQ GAIN Q ---

struct BandValues {
  int type;
  int freqHz;
  float gainDb;
  float q;
};

// A band set here is one the band editor could have made.
BandValues LimitToEditorRange(const BandValues& b) {
  const FilterType type = FilterTypeFromCode(b.type);
  return {b.type, static_cast<int>(LimitEqFrequency(static_cast<float>(b.freqHz))),
          LimitEqGain(type, b.gainDb), LimitEqQ(type, b.q)};
}

// --- mode load|store|factory N ---

enum class ModeAction { kLoad, kStore, kFactory };

std::optional<ModeAction> ParseModeAction(std::string_view text) {
  if (text == "load") return ModeAction::kLoad;
  if (text == "store") return ModeAction::kStore;
  if (text == "factory") return ModeAction::kFactory;
  return std::nullopt;
}

// A load or a factory recall changes the machine's parameters, so they are read back.
int RunModeAction(CliContext& context, MachineSession& session, ModeAction action, int mode) {
  ParameterImage& image = session.Image();
  switch (action) {
    case ModeAction::kStore:
      return SentOrFailed(context, StoreMode(session.Link(), image, mode));
    case ModeAction::kLoad:
      if (!SendLoadMode(session.Link(), image, mode)) return SentOrFailed(context, false);
      break;
    case ModeAction::kFactory:
      if (!SendFactoryRecall(session.Link(), image, mode)) return SentOrFailed(context, false);
      break;
  }
  return session.Synchronise(SyncKind::kRead);
}

}  // namespace

int RunInfo(CliContext& context, CommandArgs args) {
  if (!args.empty()) return PrintUsage(context, "info");
  return WithMachine(context, [&](MachineSession& session) {
    const ParameterImage& image = session.Image();
    context.out << "model: " << image.modelName << "\n"
                << "mcu: " << image.mcuVersion << "\n"
                << "protocol: " << static_cast<int>(image.protocolVersion) << "\n"
                << "mode: M" << ClampMode(image.currentMode) + 1 << "\n";
    return kExitOk;
  });
}

int RunBackup(CliContext& context, CommandArgs args) {
  if (args.size() != 1) return PrintUsage(context, "backup");
  const std::string& path = args[0];
  return WithMachine(context, [&](MachineSession& session) {
    if (!session.ParametersRead()) {
      context.err.Error("the machine's parameters were not read (it reports model \"" +
                        session.Image().modelName + "\"); nothing written");
      return kExitFailure;
    }
    const FileResult written = WriteFileAtomically(path, EncodeModeFile(session.Image()));
    return written.ok ? kExitOk : PrintFileError(context, "write", path, written.errorCode);
  });
}

int RunRestore(CliContext& context, CommandArgs args) {
  const auto force = std::ranges::find(args, kForceOption);
  if (args.size() != (force == args.end() ? 1u : 2u)) return PrintUsage(context, "restore");
  const std::string& path = args[force == args.begin() ? 1 : 0];
  // The file is read and checked before the machine is touched, so a bad path or a file that
  // is not a mode file changes nothing: garbage parameters sent to an amplifier can be loud.
  std::vector<uint8_t> bytes;
  const FileResult read = ReadFileBytes(path, kModeFileCheckBytes, bytes);
  if (!read.ok) return PrintFileError(context, "read", path, read.errorCode);
  const ModeFileDoubt doubt = CheckModeFile(bytes);
  if (doubt != ModeFileDoubt::kNone && force == args.end()) {
    context.err.Error(path + " does not look like a V7 mode file (" + ModeFileDoubtText(doubt) +
                      "); give --force to send it anyway");
    return kExitFailure;
  }
  return WithMachine(context, [&](MachineSession& session) {
    for (const LimitedValue& v : DecodeModeFile(bytes, session.Image()))
      context.err.Error(path + ": " + std::string(v.name) + " " + std::to_string(v.given) +
                        " is beyond what the machine takes; sending " + std::to_string(v.limited));
    return session.Synchronise(SyncKind::kWrite, DesignatedModeOfFileName(path));
  });
}

int RunMode(CliContext& context, CommandArgs args) {
  if (args.size() != 2) return PrintUsage(context, "mode");
  const std::optional<ModeAction> action = ParseModeAction(args[0]);
  const std::optional<int> number = ParseInt(args[1], 1, kModeCount);
  if (!action || !number) return PrintUsage(context, "mode");
  return WithMachine(context, [&](MachineSession& session) {
    return RunModeAction(context, session, *action, *number - 1);
  });
}

int RunSet(CliContext& context, CommandArgs args) {
  if (args.size() != 2) return PrintUsage(context, "set");
  const ParameterEntry* parameter = FindParameter(args[0]);
  if (parameter == nullptr) return PrintUsage(context, "set");
  const std::optional<int> value = ParseParameterValue(*parameter, args[1]);
  if (!value) return PrintUsage(context, "set");
  return WithMachine(context, [&](MachineSession& session) {
    return SentOrFailed(context, WriteParameter(session.Accessors(), parameter->id, *value));
  });
}

int RunEq(CliContext& context, CommandArgs args) {
  if (args.size() != 6) return PrintUsage(context, "eq");
  const std::optional<int> page = ParsePage(args[0]);
  const std::optional<int> type = ParseFilterType(args[2]);
  const std::optional<int> freq = ParseInt(args[3], 1, kMaxBandFrequency);
  const std::optional<float> gain = ParseFloat(args[4]);
  const std::optional<float> q = ParseFloat(args[5]);
  if (!page || !type || !freq || !gain || !q || *q <= 0.0f) return PrintUsage(context, "eq");
  const std::optional<int> band = ParseInt(args[1], 1, ParameterImage::BandCountOfPage(*page));
  if (!band) return PrintUsage(context, "eq");
  const BandValues b = LimitToEditorRange({*type, *freq, *gain, *q});
  return WithMachine(context, [&](MachineSession& session) {
    return SentOrFailed(
        context, session.Accessors().SetEqBand(*page, *band - 1, b.type, b.freqHz, b.gainDb, b.q));
  });
}

int RunEqReset(CliContext& context, CommandArgs args) {
  if (args.size() != 1) return PrintUsage(context, "eq-reset");
  const std::optional<int> page = ParsePage(args[0]);
  if (!page) return PrintUsage(context, "eq-reset");
  return WithMachine(context, [&](MachineSession& session) {
    return SentOrFailed(context, session.Accessors().ResetEqBlock(*page));
  });
}

int RunLevels(CliContext& context, CommandArgs args) {
  if (args.size() > 1) return PrintUsage(context, "levels");
  const std::optional<int> count =
      args.empty() ? kDefaultLevelCount : ParseInt(args[0], 1, kMaxLevelCount);
  if (!count) return PrintUsage(context, "levels");
  return WithMachine(context, [&](MachineSession& session) {
    for (int i = 0; i < *count; ++i) {
      if (i > 0) context.clock.SleepFor(kLevelInterval);
      const bool sent = SendCommand(session.Link(), kCmdGetLevels) == kReportSize;
      if (!sent || !session.AwaitReply()) return SentOrFailed(context, false);
      const ParameterImage& image = session.Image();
      context.out << static_cast<int>(image.levelMeters[0]) << ' '
                  << static_cast<int>(image.levelMeters[1]) << std::endl;
    }
    return kExitOk;
  });
}

}  // namespace v7
