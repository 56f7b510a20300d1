#include "edit/ParameterWriter.h"

#include "dsp/GateCurve.h"

namespace v7 {
namespace {

bool WriteAutoSubByte(ParameterAccessors& accessors, int byte, int value) {
  AutoSubParams bytes = accessors.Image().autoSub;
  bytes[static_cast<size_t>(byte)] = static_cast<uint8_t>(value);
  return accessors.SetAutoSub(bytes[kAutoSubRestoreTime], bytes[kAutoSubRatio],
                              bytes[kAutoSubSensitivity]);
}

bool WriteGateThreshold(ParameterAccessors& accessors, int page, int thresholdDb) {
  const GateData gate = BuildGateData(thresholdDb);
  return accessors.WriteDynamics(page, gate.table, gate.record);
}

}  // namespace

bool WriteParameter(ParameterAccessors& accessors, ParameterId id, int value) {
  const ParameterEntry& entry = ParameterOf(id);
  value = LimitToWire(entry, value);
  switch (id) {
    case ParameterId::kMicVolume:
      return accessors.SetMicVolume(value);
    case ParameterId::kMusicVolume:
      return accessors.SetMusicVolume(value);
    case ParameterId::kMainVolume:
      return accessors.SetOutputVolume(kDspMainVolume, value);
    case ParameterId::kCenterVolume:
      return accessors.SetOutputVolume(kDspCenterVolume, value);
    case ParameterId::kSubVolume:
      return accessors.SetOutputVolume(kDspSubVolume, value);
    case ParameterId::kMainMic:
    case ParameterId::kMainMusic:
    case ParameterId::kCenterMic:
    case ParameterId::kCenterMusic:
    case ParameterId::kSubMic:
    case ParameterId::kSubMusic:
      return accessors.SetOutputMix(entry.field.dsp, value);
    case ParameterId::kEchoVolume:
      return accessors.SetEchoVolume(value);
    case ParameterId::kEchoRatio:
      return accessors.SetEchoRatio(value);
    case ParameterId::kEchoTime:
      return accessors.SetEchoTime(value);
    case ParameterId::kMicMute:
      return accessors.SetMute(MuteChannel::kMic, value != 0);
    case ParameterId::kMusicMute:
      return accessors.SetMute(MuteChannel::kMusic, value != 0);
    case ParameterId::kFbcBypass:
      return accessors.SetFbcBypass(value != 0);
    case ParameterId::kMicEqBypass:
      return accessors.SetEqBypass(kPageMic, value != 0);
    case ParameterId::kMusicEqBypass:
      return accessors.SetEqBypass(kPageMusic, value != 0);
    case ParameterId::kEchoEqBypass:
      return accessors.SetEqBypass(kPageEcho, value != 0);
    case ParameterId::kMainEqBypass:
      return accessors.SetEqBypass(kPageMain, value != 0);
    case ParameterId::kCenterEqBypass:
      return accessors.SetEqBypass(kPageCenter, value != 0);
    case ParameterId::kSubEqBypass:
      return accessors.SetEqBypass(kPageSub, value != 0);
    case ParameterId::kMicSubRestoreTime:
    case ParameterId::kMicSubRatio:
    case ParameterId::kMicSubSensitivity:
      return WriteAutoSubByte(accessors, entry.field.index, value);
    case ParameterId::kMicGateThreshold:
    case ParameterId::kMusicGateThreshold:
      return WriteGateThreshold(accessors, entry.field.index, value);
  }
  return false;
}

}  // namespace v7
