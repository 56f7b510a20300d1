#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "params/ParameterImage.h"
#include "params/ParameterRange.h"

namespace v7 {

// How a DspParams field becomes DSP words.
enum class DspCoding {
  kGain,              // one word per member, trunc(10^(dB/20) * 2^23)
  kTenths,            // one word, gain in tenths of a dB
  kRaw,               // one word, the integer itself
  kMute,              // one word, unity unless muted
  kSelector,          // two words
  kInvertedSelector,  // two words, mirrored
};

// One addressable run of DSP words and the field(s) it carries. The output mixes are a pair
// of gain words: `first` is the mic member, `second` the music member.
struct DspField {
  int address;
  DspCoding coding;
  int32_t DspParams::*first;
  int32_t DspParams::*second;  // nullptr unless a gain pair

  int Words() const;
  int Bytes() const { return Words() * kDspWordBytes; }
};

inline constexpr int kMaxDspFieldBytes = 8;
struct DspFieldBytes {
  std::array<uint8_t, kMaxDspFieldBytes> bytes{};
  int length = 0;
};

// What a field's words can carry, wider than any control's range. A gain word reaches from
// its smallest positive value (-138 dB) to its largest (+48 dB); the tenths word the same in
// tenths; the echo delay line holds 1..7300 samples; a switch is 0 or 1. These are also
// exactly the values a decoded reply can hold.
inline constexpr ParameterRange kGainWireRange = {-138, 48};
inline constexpr ParameterRange kTenthsWireRange = {-1384, 481};
inline constexpr ParameterRange kEchoTimeWireRange = {kEchoTimeMin, kEchoTimeMax};
inline constexpr ParameterRange kSwitchWireRange = {0, 1};

// A member whose value lay outside its wire range, and the value it was limited to.
struct LimitedValue {
  std::string_view name;  // the DspParams member
  int32_t given;
  int32_t limited;

  bool operator==(const LimitedValue&) const = default;
};

// Every DSP field of the image, ordered by address.
std::span<const DspField> DspFields();
// The field at exactly this word address, or nullptr.
const DspField* FindDspField(int address);

// The range of the field's members (the only raw field is the echo time).
ParameterRange WireRangeOf(const DspField& field);
// The value the machine acts on: a switch is on for anything but 0 and becomes 1; other
// members are clamped to the field's wire range.
int32_t LimitToWireRange(const DspField& field, int32_t value);
// Limits the field's member(s) in place; each one changed is appended to `limited`.
void LimitDspField(DspParams& params, const DspField& field, std::vector<LimitedValue>& limited);
// Limits every DSP field in place and returns the members that were changed, by address.
std::vector<LimitedValue> LimitToWireRanges(DspParams& params);
// The member's name as the image spells it ("echoTime"); empty for a null member.
std::string_view DspMemberName(int32_t DspParams::*member);

// The words a write of the field sends, most significant byte first.
DspFieldBytes EncodeDspField(const DspParams& params, const DspField& field);
// Decodes the words of a read reply into the field. Returns false (and changes nothing) when
// fewer bytes than the field needs are given.
bool DecodeDspField(DspParams& params, const DspField& field, const uint8_t* data, int length);

}  // namespace v7
