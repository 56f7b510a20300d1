#include "params/ParameterCatalogue.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dsp/GateCurve.h"
#include "params/DspFieldTable.h"

namespace v7 {
namespace {

// The ranges of the program's own controls. Wider gains would reach the amplifiers with up to
// +48 dB, and a positive echo ratio feeds the echo back louder than it came.
constexpr ParameterRange kMasterVolumeRange = {-80, 5};
constexpr ParameterRange kVolumeRange = {-80, 0};
constexpr ParameterRange kEchoRatioRange = {-100, -20};
constexpr ParameterRange kEchoTimeRange = {kEchoTimeMin, kEchoTimeMax};
constexpr ParameterRange kSwitchRange = {0, 1};
constexpr ParameterRange kRestoreTimeRange = {0, 255};
constexpr ParameterRange kRatioRange = {0, 99};
constexpr ParameterRange kSensitivityRange = {20, 60};
constexpr ParameterRange kGateThresholdRange = {-88, -20};

// A mic-sub value is one byte; a gate threshold becomes a curve the gate's plot can hold.
constexpr ParameterRange kByteWireRange = {0, 255};
constexpr ParameterRange kGateWireRange = {static_cast<int>(GateCurve::kMinThresholdDb),
                                           static_cast<int>(GateCurve::kMaxThresholdDb)};

constexpr DspParams kStartupDsp{};
constexpr int kGateResetThreshold = static_cast<int>(GateCurve::kResetThresholdDb);

using P = DspParams;
using Id = ParameterId;
using Unit = ParameterUnit;

constexpr ParameterEntry Dsp(Id id, std::string_view name, int32_t P::*field, Unit unit,
                             ParameterRange range, ParameterRange wire,
                             OutOfRange outOfRange = OutOfRange::kRefused) {
  return {
      id, name, {ImageField::Kind::kDsp, field}, unit, range, wire, outOfRange, kStartupDsp.*field};
}
constexpr ParameterEntry Master(Id id, std::string_view name, int32_t P::*field) {
  return Dsp(id, name, field, Unit::kDecibel, kMasterVolumeRange, kGainWireRange);
}
constexpr ParameterEntry Gain(Id id, std::string_view name, int32_t P::*field) {
  return Dsp(id, name, field, Unit::kDecibel, kVolumeRange, kGainWireRange);
}
constexpr ParameterEntry Switch(Id id, std::string_view name, int32_t P::*field) {
  return Dsp(id, name, field, Unit::kSwitch, kSwitchRange, kSwitchWireRange);
}
// The machine supplies these; the program has no start-up value of its own.
constexpr ParameterEntry AutoSub(Id id, std::string_view name, int byte, ParameterRange range) {
  return {id,
          name,
          {ImageField::Kind::kAutoSub, nullptr, byte},
          Unit::kMachineUnits,
          range,
          kByteWireRange,
          OutOfRange::kRefused,
          std::nullopt};
}
constexpr ParameterEntry Gate(Id id, std::string_view name, int page) {
  return {id,
          name,
          {ImageField::Kind::kGate, nullptr, page},
          Unit::kDecibel,
          kGateThresholdRange,
          kGateWireRange,
          OutOfRange::kRefused,
          kGateResetThreshold};
}

constexpr std::array<ParameterEntry, 28> kCatalogue = {{
    Master(Id::kMicVolume, "mic-volume", &P::micVolume),
    Master(Id::kMusicVolume, "music-volume", &P::musicVolume),
    Gain(Id::kMainVolume, "main-volume", &P::mainVolume),
    Gain(Id::kCenterVolume, "center-volume", &P::centerVolume),
    Gain(Id::kSubVolume, "sub-volume", &P::subVolume),
    Gain(Id::kMainMic, "main-mic", &P::mainMic),
    Gain(Id::kMainMusic, "main-music", &P::mainMusic),
    Gain(Id::kCenterMic, "center-mic", &P::centerMic),
    Gain(Id::kCenterMusic, "center-music", &P::centerMusic),
    Gain(Id::kSubMic, "sub-mic", &P::subMic),
    Gain(Id::kSubMusic, "sub-music", &P::subMusic),
    Gain(Id::kEchoVolume, "echo-volume", &P::echoVolume),
    Dsp(Id::kEchoRatio, "echo-ratio", &P::echoRatio, Unit::kTenthDecibel, kEchoRatioRange,
        kTenthsWireRange),
    Dsp(Id::kEchoTime, "echo-time", &P::echoTime, Unit::kSamples, kEchoTimeRange,
        kEchoTimeWireRange, OutOfRange::kClamped),
    Switch(Id::kMicMute, "mic-mute", &P::micMute),
    Switch(Id::kMusicMute, "music-mute", &P::musicMute),
    Switch(Id::kFbcBypass, "fbc-bypass", &P::fbcBypass),
    Switch(Id::kMicEqBypass, "mic-eq-bypass", &P::micEqBypass),
    Switch(Id::kMusicEqBypass, "music-eq-bypass", &P::musicEqBypass),
    Switch(Id::kEchoEqBypass, "echo-eq-bypass", &P::echoEqBypass),
    Switch(Id::kMainEqBypass, "main-eq-bypass", &P::mainEqBypass),
    Switch(Id::kCenterEqBypass, "center-eq-bypass", &P::centerEqBypass),
    Switch(Id::kSubEqBypass, "sub-eq-bypass", &P::subEqBypass),
    AutoSub(Id::kMicSubRestoreTime, "mic-sub-restore-time", kAutoSubRestoreTime, kRestoreTimeRange),
    AutoSub(Id::kMicSubRatio, "mic-sub-ratio", kAutoSubRatio, kRatioRange),
    AutoSub(Id::kMicSubSensitivity, "mic-sub-sensitivity", kAutoSubSensitivity, kSensitivityRange),
    Gate(Id::kMicGateThreshold, "mic-gate-threshold", kPageMic),
    Gate(Id::kMusicGateThreshold, "music-gate-threshold", kPageMusic),
}};

int GateThreshold(const DynamicsRecord& record) {
  if (IsUninitialisedRecord(record)) return kGateResetThreshold;
  GateCurve curve;
  curve.LoadPoints(GateCurve::ConstRecord(record));
  // The second point of a gate curve is the threshold itself.
  const std::vector<CurvePoint>& points = curve.Points();
  if (points.size() < 2) return kGateResetThreshold;
  return static_cast<int>(std::lround(curve.InputLevelAt(points[1].x)));
}

}  // namespace

std::span<const ParameterEntry> ParameterCatalogue() {
  return kCatalogue;
}

const ParameterEntry* FindParameter(std::string_view name) {
  const auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                               [name](const ParameterEntry& e) { return e.name == name; });
  return it == kCatalogue.end() ? nullptr : &*it;
}

const ParameterEntry& ParameterOf(ParameterId id) {
  return kCatalogue[static_cast<size_t>(id)];
}

int ReadParameter(const ParameterImage& image, const ParameterEntry& entry) {
  switch (entry.field.kind) {
    case ImageField::Kind::kDsp:
      return image.dsp.*entry.field.dsp;
    case ImageField::Kind::kAutoSub:
      return image.autoSub[static_cast<size_t>(entry.field.index)];
    case ImageField::Kind::kGate:
      return GateThreshold(entry.field.index == kPageMic ? image.micDynamicsRecord
                                                         : image.musicDynamicsRecord);
  }
  return 0;
}

int LimitToWire(const ParameterEntry& entry, int value) {
  if (entry.unit == ParameterUnit::kSwitch) return value == 0 ? 0 : 1;
  return entry.wire.Limit(value);
}

}  // namespace v7
