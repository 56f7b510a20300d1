#include "sim/MachineParameters.h"

#include <algorithm>

#include "edit/ParameterAccessors.h"
#include "params/DspFieldTable.h"
#include "params/EqResetBands.h"

namespace v7 {
namespace {

constexpr AutoSubParams kFactoryAutoSub = {20, 50, 30, 0, 0, 0};

// A new machine's modes hold the bands and dynamics records the program resets to.
void FillFactoryEqArea(MachineParameters& parameters) {
  for (int block = 0; block < kEqBlockCount; ++block) {
    for (int band = 0; band < ParameterImage::BandCountOfBlock(block); ++band) {
      const EqBand record =
          EncodeEqBand(ResetBandOf(ParameterImage::PageOfBlock(block), band).record);
      std::copy(record.begin(), record.end(),
                parameters.memory.begin() + ParameterImage::EqBandAddressByBlock(block, band));
    }
  }
  for (int address : {kMusicDynamicsAddress, kMicDynamicsAddress}) {
    std::copy(kWriteDefaultDynamicsRecord.begin(), kWriteDefaultDynamicsRecord.end(),
              parameters.memory.begin() + address);
  }
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
