#include "cli/OfflineCommands.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/CliText.h"
#include "cli/ModeFileJson.h"
#include "dsp/GateCurve.h"
#include "dsp/ResponseMath.h"
#include "files/AtomicFile.h"
#include "files/FileNames.h"
#include "files/ModeFile.h"
#include "params/DspCoefficients.h"

namespace v7 {
namespace {

// TYPE FREQ GAIN Q of one band. Q must be positive. The DSP takes whole Hz; the display
// response takes any positive frequency.
struct BandArgs {
  int type;
  float freqHz;
  float gainDb;
  float q;
};

enum class FrequencyKind { kWholeHz, kAnyPositive };

std::optional<float> ParseFrequency(std::string_view text, FrequencyKind kind) {
  if (kind == FrequencyKind::kWholeHz) {
    const std::optional<int> hz = ParseInt(text, 1, kMaxBandFrequency);
    return hz ? std::optional<float>(static_cast<float>(*hz)) : std::nullopt;
  }
  const std::optional<float> hz = ParseFloat(text);
  return hz && *hz > 0.0f ? hz : std::nullopt;
}

std::optional<BandArgs> ParseBandArgs(CommandArgs args, FrequencyKind kind) {
  if (args.size() != 4) return std::nullopt;
  const std::optional<int> type = ParseFilterType(args[0]);
  const std::optional<float> freq = ParseFrequency(args[1], kind);
  const std::optional<float> gain = ParseFloat(args[2]);
  const std::optional<float> q = ParseFloat(args[3]);
  if (!type || !freq || !gain || !q || *q <= 0.0f) return std::nullopt;
  return BandArgs{*type, *freq, *gain, *q};
}

std::string HexBytes(std::span<const uint8_t> bytes) {
  std::string out;
  char pair[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
    if (i > 0) out += ' ';
    out += pair;
  }
  return out;
}

}  // namespace

int RunNew(CliContext& context, CommandArgs args) {
  if (args.size() != 1) return PrintUsage(context, "new");
  ParameterImage image;
  image.FillStartupBands();
  const FileResult written = WriteFileAtomically(args[0], EncodeModeFile(image));
  return written.ok ? kExitOk : PrintFileError(context, "write", args[0], written.errorCode);
}

int RunDump(CliContext& context, CommandArgs args) {
  if (args.size() != 1) return PrintUsage(context, "dump");
  std::vector<uint8_t> bytes;
  const FileResult read = ReadFileBytes(args[0], kModeFileCheckBytes, bytes);
  if (!read.ok) return PrintFileError(context, "read", args[0], read.errorCode);
  context.out << ModeFileToJson(bytes);
  return kExitOk;
}

int RunCoeffs(CliContext& context, CommandArgs args) {
  const std::optional<BandArgs> band = ParseBandArgs(args, FrequencyKind::kWholeHz);
  if (!band) return PrintUsage(context, "coeffs");
  const DspCoefficients c = ComputeDspCoefficients(band->type, static_cast<int>(band->freqHz),
                                                   band->gainDb, band->q, 0.0);
  context.out << c.a1 << ' ' << c.a2 << ' ' << c.b0 << ' ' << c.b1 << ' ' << c.b2 << '\n';
  return kExitOk;
}

int RunModeOf(CliContext& context, CommandArgs args) {
  if (args.size() != 1) return PrintUsage(context, "mode-of");
  context.out << DesignatedModeOfFileName(args[0]) << '\n';
  return kExitOk;
}

int RunCurve(CliContext& context, CommandArgs args) {
  const std::optional<BandArgs> band = ParseBandArgs(args, FrequencyKind::kAnyPositive);
  if (!band) return PrintUsage(context, "curve");
  const DisplayResponse response =
      BandDisplayResponse(FilterTypeFromCode(band->type), band->freqHz, band->gainDb, band->q);
  char line[80];
  for (int i = 0; i < kResponsePoints; ++i) {
    std::snprintf(line, sizeof line, "%d %.9g %.9g\n", i,
                  static_cast<double>(response.frequencyHz[i]),
                  static_cast<double>(response.gainDb[i]));
    context.out << line;
  }
  return kExitOk;
}

int RunGateData(CliContext& context, CommandArgs args) {
  if (args.size() != 1) return PrintUsage(context, "gate-data");
  const std::optional<float> threshold = ParseFloat(args[0]);
  if (!threshold) return PrintUsage(context, "gate-data");
  const GateData data = BuildGateData(*threshold);
  context.out << "record: " << HexBytes(data.record) << '\n'
              << "table: " << HexBytes(data.table) << '\n';
  return kExitOk;
}

}  // namespace v7
