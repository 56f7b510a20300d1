#include "cli/MachineCommands.h"

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/CliText.h"
#include "cli/MachineSession.h"
#include "files/AtomicFile.h"
#include "files/FileNames.h"
#include "files/ModeFile.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "sync/ModeCommands.h"

namespace v7 {
namespace {

constexpr std::chrono::milliseconds kLevelInterval{300};
constexpr int kDefaultLevelCount = 10;
constexpr int kMaxLevelCount = 1000000;

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

struct SettableParameter {
  std::string_view name;
  int min;
  int max;
  std::function<bool(ParameterAccessors&, int)> apply;
};

// The ranges of the program's own sliders. Wider values would reach the amplifiers with up to
// +48 dB of gain, and a positive echo ratio feeds the echo back louder than it came.
constexpr int kMinDb = -80;
constexpr int kMaxMasterDb = 5;
constexpr int kMaxDb = 0;
constexpr int kMinEchoRatioTenths = -100;
constexpr int kMaxEchoRatioTenths = -20;

SettableParameter Gain(std::string_view name, std::function<bool(ParameterAccessors&, int)> f) {
  return {name, kMinDb, kMaxDb, std::move(f)};
}
SettableParameter Master(std::string_view name, std::function<bool(ParameterAccessors&, int)> f) {
  return {name, kMinDb, kMaxMasterDb, std::move(f)};
}
SettableParameter Switch(std::string_view name, std::function<bool(ParameterAccessors&, int)> f) {
  return {name, 0, 1, std::move(f)};
}
SettableParameter Mix(std::string_view name, int32_t DspParams::*field) {
  return Gain(name, [field](ParameterAccessors& a, int v) { return a.SetOutputMix(field, v); });
}
SettableParameter Output(std::string_view name, int address) {
  return Gain(name,
              [address](ParameterAccessors& a, int v) { return a.SetOutputVolume(address, v); });
}
SettableParameter Bypass(std::string_view name, int page) {
  return Switch(name, [page](ParameterAccessors& a, int v) { return a.SetEqBypass(page, v); });
}

const std::vector<SettableParameter>& SettableParameters() {
  static const std::vector<SettableParameter> parameters = {
      Master("mic-volume", [](ParameterAccessors& a, int v) { return a.SetMicVolume(v); }),
      Master("music-volume", [](ParameterAccessors& a, int v) { return a.SetMusicVolume(v); }),
      Output("main-volume", kDspMainVolume),
      Output("center-volume", kDspCenterVolume),
      Output("sub-volume", kDspSubVolume),
      Mix("main-mic", &DspParams::mainMic),
      Mix("main-music", &DspParams::mainMusic),
      Mix("center-mic", &DspParams::centerMic),
      Mix("center-music", &DspParams::centerMusic),
      Mix("sub-mic", &DspParams::subMic),
      Mix("sub-music", &DspParams::subMusic),
      Gain("echo-volume", [](ParameterAccessors& a, int v) { return a.SetEchoVolume(v); }),
      {"echo-ratio", kMinEchoRatioTenths, kMaxEchoRatioTenths,
       [](ParameterAccessors& a, int v) { return a.SetEchoRatio(v); }},
      // Out-of-range echo times are clamped by the accessor, as the panel's are.
      {"echo-time", std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
       [](ParameterAccessors& a, int v) { return a.SetEchoTime(v); }},
      Switch("mic-mute",
             [](ParameterAccessors& a, int v) { return a.SetMute(MuteChannel::kMic, v); }),
      Switch("music-mute",
             [](ParameterAccessors& a, int v) { return a.SetMute(MuteChannel::kMusic, v); }),
      Switch("fbc-bypass", [](ParameterAccessors& a, int v) { return a.SetFbcBypass(v); }),
      Bypass("mic-eq-bypass", kPageMic),
      Bypass("music-eq-bypass", kPageMusic),
      Bypass("echo-eq-bypass", kPageEcho),
      Bypass("main-eq-bypass", kPageMain),
      Bypass("center-eq-bypass", kPageCenter),
      Bypass("sub-eq-bypass", kPageSub),
  };
  return parameters;
}

const SettableParameter* FindSettable(std::string_view name) {
  for (const SettableParameter& p : SettableParameters())
    if (p.name == name) return &p;
  return nullptr;
}

// --- eq PAGE BAND TYPE FREQ GAIN Q ---

// The band editor's limits, so that a band set here is one the editors could have made. A Q
// below 0.1 would be stored as code 0 and silence the band when its block is replayed.
constexpr int kMinEditorFrequency = 20;
constexpr int kMaxEditorFrequency = 20000;
constexpr float kMaxEditorGainDb = 15.0f;
constexpr float kMinEditorQ = 0.1f;
constexpr float kMaxPeqQ = 30.0f;
constexpr float kMaxOtherQ = 2.0f;
constexpr int kPeqType = 1;
constexpr int kLowPassType = 2;
constexpr int kHighPassType = 3;

struct BandValues {
  int type;
  int freqHz;
  float gainDb;
  float q;
};

// Low and high passes have no gain of their own; Q is limited by type.
BandValues LimitToEditorRange(const BandValues& b) {
  const bool pass = b.type == kLowPassType || b.type == kHighPassType;
  const float maxQ = b.type == kPeqType ? kMaxPeqQ : kMaxOtherQ;
  return {b.type, std::clamp(b.freqHz, kMinEditorFrequency, kMaxEditorFrequency),
          pass ? 0.0f : std::clamp(b.gainDb, -kMaxEditorGainDb, kMaxEditorGainDb),
          std::clamp(b.q, kMinEditorQ, maxQ)};
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
  if (args.size() != 1) return PrintUsage(context, "restore");
  const std::string& path = args[0];
  // The file is read before the machine is touched, so a bad path changes nothing.
  std::vector<uint8_t> bytes;
  const FileResult read = ReadFileBytes(path, kModeFileBytes, bytes);
  if (!read.ok) return PrintFileError(context, "read", path, read.errorCode);
  return WithMachine(context, [&](MachineSession& session) {
    DecodeModeFile(bytes, session.Image());
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
  const SettableParameter* parameter = FindSettable(args[0]);
  if (parameter == nullptr) return PrintUsage(context, "set");
  const std::optional<int> value = ParseInt(args[1], parameter->min, parameter->max);
  if (!value) return PrintUsage(context, "set");
  return WithMachine(context, [&](MachineSession& session) {
    return SentOrFailed(context, parameter->apply(session.Accessors(), *value));
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
