#pragma once

#include <array>
#include <cstdint>

#include "dsp/EqLimits.h"

namespace v7 {

// A DSP parameter RAM word: signed 32-bit, 5.23 fixed point, sent most significant byte first.
using DspWord = int32_t;

inline constexpr DspWord kDspUnity = 0x00800000;  // 1.0
inline constexpr double kDspUnityScale = 8388608.0;
inline constexpr int kDspWordBytes = 4;

// Gain coding: trunc(10^(dB/20) * 2^23); gains too large for the word (+inf too) are clamped
// to its maximum. -inf and NaN, which are no gain at all, give 0 (silence).
DspWord GainToDspWord(double dB);
// Whole dB, rounded half away from zero. Words of zero or less (no valid gain) decode as the
// smallest positive word would.
int DspWordToGain(DspWord word);

// The echo ratio's coding in tenths of a dB. Any int is fine: the word saturates as above.
DspWord TenthsToDspWord(int tenths);
int DspWordToTenths(DspWord word);

// Mute: one word, unity while the field is 0, silence while it is 1.
DspWord MuteWord(int32_t field);
// Selector: field 0 sends (unity, 0), field 1 sends (0, unity). The inverted selector is the
// mirror image.
std::array<DspWord, 2> SelectorWords(int32_t field);
std::array<DspWord, 2> InvertedSelectorWords(int32_t field);
// Decoding of mute and selector words looks only at the second byte of the first word.
int32_t DecodeSelector(DspWord firstWord);
int32_t DecodeInvertedSelector(DspWord firstWord);

// Big-endian byte helpers shared by the image, the protocol and the simulated machine.
void PutDspWord(uint8_t* out, DspWord word);
DspWord GetDspWord(const uint8_t* in);
void PutU16BE(uint8_t* out, uint16_t value);
uint16_t GetU16BE(const uint8_t* in);

// One equaliser band as the editors see it.
struct EqBandSettings {
  float gainDb = 0.0f;
  int freqHz = 0;
  float q = 0.0f;
  int type = 0;

  bool operator==(const EqBandSettings&) const = default;
};

// The 7-byte band record of device memory and mode files: gain code (dB + 15) * 10, frequency
// in Hz, Q * 1000 (each big-endian u16), then the filter type byte.
inline constexpr int kEqBandBytes = 7;
using EqBand = std::array<uint8_t, kEqBandBytes>;

// Gains are clamped to +-15 dB (NaN is taken as 0 dB); frequency, Q code and type to what
// their fields can hold (a NaN or non-positive Q gives code 0).
EqBand EncodeEqBand(const EqBandSettings& band);
EqBandSettings DecodeEqBand(const uint8_t* record);
uint16_t EqGainCode(float gainDb);
uint16_t EqQCode(float q);

}  // namespace v7
