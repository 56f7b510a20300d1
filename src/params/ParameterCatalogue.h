#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "params/ParameterImage.h"
#include "params/ParameterRange.h"

namespace v7 {

// Every parameter a user can set with one value. The writer that sends a change lives in
// edit/ (ParameterWriter), keyed by this id.
enum class ParameterId {
  kMicVolume,
  kMusicVolume,
  kMainVolume,
  kCenterVolume,
  kSubVolume,
  kMainMic,
  kMainMusic,
  kCenterMic,
  kCenterMusic,
  kSubMic,
  kSubMusic,
  kEchoVolume,
  kEchoRatio,
  kEchoTime,
  kMicMute,
  kMusicMute,
  kFbcBypass,
  kMicEqBypass,
  kMusicEqBypass,
  kEchoEqBypass,
  kMainEqBypass,
  kCenterEqBypass,
  kSubEqBypass,
  kMicSubRestoreTime,
  kMicSubRatio,
  kMicSubSensitivity,
  kMicGateThreshold,
  kMusicGateThreshold,
};

enum class ParameterUnit {
  kDecibel,
  kTenthDecibel,
  kSamples,       // at 32 kHz
  kSwitch,        // 0 off, 1 on
  kMachineUnits,  // a byte the machine interprets
};

// What happens to a value outside the range: the command line refuses it, or it is clamped
// (as the echo-time slider's are by the accessor).
enum class OutOfRange { kRefused, kClamped };

// Where a parameter lives in the image: a DSP field, a byte of the mic-controlled subwoofer,
// or the noise gate of a page (held as its point record).
struct ImageField {
  enum class Kind { kDsp, kAutoSub, kGate };
  Kind kind;
  int32_t DspParams::*dsp = nullptr;
  int index = 0;  // the autoSub byte, or the gate's page
};

struct ParameterEntry {
  ParameterId id;
  std::string_view name;  // as v7ctl set takes it
  ImageField field;
  ParameterUnit unit;
  ParameterRange range;  // what the program's controls allow
  // What the machine's field can take (wider than `range`): every value is limited to it
  // before it is sent.
  ParameterRange wire;
  OutOfRange outOfRange;
  std::optional<int> defaultValue;  // the start-up value, where the program has one
};

std::span<const ParameterEntry> ParameterCatalogue();
const ParameterEntry* FindParameter(std::string_view name);
const ParameterEntry& ParameterOf(ParameterId id);

// The parameter's value as the image holds it; a gate whose record was never written reads as
// its reset threshold, and a gate threshold is rounded to whole dB.
int ReadParameter(const ParameterImage& image, const ParameterEntry& entry);

// The value that is sent for `value`: a switch is on for any value but 0, anything else is
// clamped to the entry's wire range.
int LimitToWire(const ParameterEntry& entry, int value);

}  // namespace v7
