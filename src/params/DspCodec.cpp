#include "params/DspCodec.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace v7 {
namespace {

constexpr uint8_t kUnityMarkerByte = 0x80;  // second byte of a unity word

// A linear gain is never negative; NaN (no gain at all) gives silence.
DspWord ScaleToDspWord(double linear) {
  const double scaled = std::trunc(linear * kDspUnityScale);
  if (!(scaled > 0.0)) return 0;
  const double max = std::numeric_limits<DspWord>::max();
  return static_cast<DspWord>(std::min(scaled, max));
}

// log10 of a word relative to unity; non-positive words are taken as the smallest positive one.
double Log10OfWord(DspWord word) {
  return std::log10(std::max(word, 1) / kDspUnityScale);
}

}  // namespace

DspWord GainToDspWord(double dB) {
  return ScaleToDspWord(std::pow(10.0, dB / 20.0));
}

int DspWordToGain(DspWord word) {
  return static_cast<int>(std::lround(20.0 * Log10OfWord(word)));
}

DspWord TenthsToDspWord(int tenths) {
  return GainToDspWord(tenths / 10.0);
}

int DspWordToTenths(DspWord word) {
  return static_cast<int>(std::trunc(200.0 * Log10OfWord(word)));
}

DspWord MuteWord(int32_t field) {
  return field == 0 ? kDspUnity : 0;
}

std::array<DspWord, 2> SelectorWords(int32_t field) {
  return field == 0 ? std::array<DspWord, 2>{kDspUnity, 0} : std::array<DspWord, 2>{0, kDspUnity};
}

std::array<DspWord, 2> InvertedSelectorWords(int32_t field) {
  return SelectorWords(field == 0 ? 1 : 0);
}

int32_t DecodeSelector(DspWord firstWord) {
  return ((static_cast<uint32_t>(firstWord) >> 16) & 0xFF) == kUnityMarkerByte ? 0 : 1;
}

int32_t DecodeInvertedSelector(DspWord firstWord) {
  return DecodeSelector(firstWord) == 0 ? 1 : 0;
}

void PutDspWord(uint8_t* out, DspWord word) {
  const auto value = static_cast<uint32_t>(word);
  out[0] = static_cast<uint8_t>(value >> 24);
  out[1] = static_cast<uint8_t>(value >> 16);
  out[2] = static_cast<uint8_t>(value >> 8);
  out[3] = static_cast<uint8_t>(value);
}

DspWord GetDspWord(const uint8_t* in) {
  const uint32_t value =
      (uint32_t{in[0]} << 24) | (uint32_t{in[1]} << 16) | (uint32_t{in[2]} << 8) | uint32_t{in[3]};
  return static_cast<DspWord>(value);
}

void PutU16BE(uint8_t* out, uint16_t value) {
  out[0] = static_cast<uint8_t>(value >> 8);
  out[1] = static_cast<uint8_t>(value);
}

uint16_t GetU16BE(const uint8_t* in) {
  return static_cast<uint16_t>((in[0] << 8) | in[1]);
}

uint16_t EqGainCode(float gainDb) {
  const double gain = std::isnan(gainDb) ? 0.0
                                         : std::clamp(static_cast<double>(gainDb),
                                                      double{kEqMinGainDb}, double{kEqMaxGainDb});
  // The +0.05 rounds to the nearest tenth for every gain in range.
  return static_cast<uint16_t>(std::trunc((gain + 0.05 + 15.0) * 10.0));
}

uint16_t EqQCode(float q) {
  // Single precision on purpose: Q 0.7 must give 700, as the machine's own records have it.
  const float code = q * 1000.0f;
  if (!(code > 0.0f)) return 0;  // also NaN
  return static_cast<uint16_t>(std::min(std::trunc(code), 65535.0f));
}

EqBand EncodeEqBand(const EqBandSettings& band) {
  EqBand record{};
  PutU16BE(&record[0], EqGainCode(band.gainDb));
  PutU16BE(&record[2], static_cast<uint16_t>(std::clamp(band.freqHz, 0, 0xFFFF)));
  PutU16BE(&record[4], EqQCode(band.q));
  record[6] = static_cast<uint8_t>(std::clamp(band.type, 0, 0xFF));
  return record;
}

EqBandSettings DecodeEqBand(const uint8_t* record) {
  EqBandSettings band;
  band.gainDb = static_cast<float>(GetU16BE(&record[0]) / 10.0 - 15.0);
  band.freqHz = GetU16BE(&record[2]);
  band.q = static_cast<float>(GetU16BE(&record[4]) / 1000.0);
  band.type = record[6];
  return band;
}

}  // namespace v7
