#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "params/ParameterImage.h"

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

// Every DSP field of the image, ordered by address.
std::span<const DspField> DspFields();
// The field at exactly this word address, or nullptr.
const DspField* FindDspField(int address);

// The words a write of the field sends, most significant byte first.
DspFieldBytes EncodeDspField(const DspParams& params, const DspField& field);
// Decodes the words of a read reply into the field. Returns false (and changes nothing) when
// fewer bytes than the field needs are given.
bool DecodeDspField(DspParams& params, const DspField& field, const uint8_t* data, int length);

}  // namespace v7
