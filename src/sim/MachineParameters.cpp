#include "sim/MachineParameters.h"

#include <algorithm>

#include "params/DspFieldTable.h"

namespace v7 {
namespace {

// The default EQ records a reset block holds: 0 dB PEQ, Q 1.414; on the sub page band 2 is a
// 100 Hz and band 3 a 130 Hz low pass.
constexpr std::array<int, kTenBandCount> kFactoryFrequencies = {31,   62,   125,  250,  500,
                                                                1000, 2300, 4500, 9000, 15000};
constexpr DynamicsRecord kFactoryDynamicsRecord = {0x00, 0x2D, 0x01, 0x56, 0x00, 0x9B, 0x00, 0xF3,
                                                   0x02, 0x3D, 0x00, 0x37, 0x00, 0x96, 0x01, 0x56};
constexpr AutoSubParams kFactoryAutoSub = {20, 50, 30, 0, 0, 0};

EqBandSettings FactoryBand(int block, int band) {
  if (ParameterImage::PageOfBlock(block) == kPageSub && band == 2) return {0.0f, 100, 0.707f, 2};
  if (ParameterImage::PageOfBlock(block) == kPageSub && band == 3) return {0.0f, 130, 1.0f, 2};
  return {0.0f, kFactoryFrequencies[band], 1.414f, 1};
}

void FillFactoryEqArea(MachineParameters& parameters) {
  for (int block = 0; block < kEqBlockCount; ++block) {
    for (int band = 0; band < ParameterImage::BandCountOfBlock(block); ++band) {
      const EqBand record = EncodeEqBand(FactoryBand(block, band));
      std::copy(record.begin(), record.end(),
                parameters.memory.begin() + ParameterImage::EqBandAddressByBlock(block, band));
    }
  }
  std::copy(kFactoryDynamicsRecord.begin(), kFactoryDynamicsRecord.end(),
            parameters.memory.begin() + kMusicDynamicsAddress);
  std::copy(kFactoryDynamicsRecord.begin(), kFactoryDynamicsRecord.end(),
            parameters.memory.begin() + kMicDynamicsAddress);
}

DspParams FactoryDspFields(int mode) {
  DspParams p;
  p.micVolume = -6 - 2 * mode;
  p.musicVolume = -10 - 2 * mode;
  p.mainVolume = 0;
  p.centerVolume = -2;
  p.subVolume = -4;
  p.centerMic = -3;
  p.centerMusic = -3;
  p.subMic = -6;
  p.echoVolume = -8 + mode;
  p.echoTime = 3200 + 800 * mode;
  p.echoRatio = -40 - 10 * mode;
  return p;
}

}  // namespace

MachineParameters FactoryMode(int mode) {
  MachineParameters parameters;
  FillFactoryEqArea(parameters);
  EncodeDspFields(FactoryDspFields(std::clamp(mode, 0, kModeCount - 1)), parameters);
  parameters.autoSub = kFactoryAutoSub;
  return parameters;
}

DspParams DecodeDspFields(const MachineParameters& parameters) {
  DspParams params;
  for (const DspField& field : DspFields()) {
    std::array<uint8_t, kMaxDspFieldBytes> bytes{};
    for (int i = 0; i < field.Words(); ++i) {
      PutDspWord(&bytes[i * kDspWordBytes], parameters.dspRam[field.address + i]);
    }
    DecodeDspField(params, field, bytes.data(), field.Bytes());
  }
  return params;
}

void EncodeDspFields(const DspParams& params, MachineParameters& parameters) {
  for (const DspField& field : DspFields()) {
    const DspFieldBytes encoded = EncodeDspField(params, field);
    for (int i = 0; i < field.Words(); ++i) {
      parameters.dspRam[field.address + i] = GetDspWord(&encoded.bytes[i * kDspWordBytes]);
    }
  }
}

}  // namespace v7
