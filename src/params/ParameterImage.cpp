#include "params/ParameterImage.h"

#include <algorithm>

namespace v7 {
namespace {

struct BlockLayout {
  int page;
  int address;
  int bands;
};

// The six EQ blocks as they lie in device memory 0..335.
constexpr std::array<BlockLayout, kEqBlockCount> kBlocks = {{
    {kPageMusic, 0, kTenBandCount},
    {kPageMic, 70, kTenBandCount},
    {kPageMain, 140, kSevenBandCount},
    {kPageCenter, 189, kSevenBandCount},
    {kPageSub, 238, kSevenBandCount},
    {kPageEcho, 287, kSevenBandCount},
}};

constexpr std::array<int, kTenBandCount> kStartupBandFrequencies = {22,   62,   125,  250,  500,
                                                                    1000, 2300, 4500, 9000, 12000};
constexpr int kStartupBandType = static_cast<int>(FilterType::Peq);

struct BypassField {
  int32_t DspParams::*field;
  int address;
};

// Indexed by page.
constexpr std::array<BypassField, kPageCount> kBypassFields = {{
    {&DspParams::micEqBypass, kDspMicEqBypass},
    {&DspParams::musicEqBypass, kDspMusicEqBypass},
    {&DspParams::echoEqBypass, kDspEchoEqBypass},
    {&DspParams::mainEqBypass, kDspMainEqBypass},
    {&DspParams::centerEqBypass, kDspCenterEqBypass},
    {&DspParams::subEqBypass, kDspSubEqBypass},
}};

int ClampPage(int page) {
  return std::clamp(page, 0, kPageCount - 1);
}
int ClampBlock(int block) {
  return std::clamp(block, 0, kEqBlockCount - 1);
}

}  // namespace

bool IsUninitialisedRecord(const DynamicsRecord& record) {
  return record[0] == 0xFF && record[1] == 0xFF;
}

ParameterImage::ParameterImage() {
  Reset();
}

void ParameterImage::Reset() {
  deviceSettings = {};
  editSettings = {};
  for (auto& level : levelMeters) level = 0;
  dsp = DspParams{};
  remoteKeys = kStartupRemoteKeys;
  autoSub = {};
  fileVersion = kStartupFileVersion;
  syncComplete = false;
  eqArea = {};
  musicDynamicsRecord = {};
  micDynamicsRecord = {};
  musicDynamicsTable = {};
  micDynamicsTable = {};
  currentMode = 0;
  modelName = kStartupModelName;
  mcuVersion = kStartupMcuVersion;
  protocolVersion = 0;
  dirty = false;
}

void ParameterImage::FillStartupBands() {
  for (int block = 0; block < kEqBlockCount; ++block) {
    for (int band = 0; band < BandCountOfBlock(block); ++band) {
      PutEqBandByBlock(block, band,
                       {0.0f, kStartupBandFrequencies[band], kStartupBandQ, kStartupBandType});
    }
  }
}

int ParameterImage::BlockOfPage(int page) {
  const int clamped = ClampPage(page);
  const auto it = std::find_if(kBlocks.begin(), kBlocks.end(),
                               [clamped](const BlockLayout& b) { return b.page == clamped; });
  return static_cast<int>(it - kBlocks.begin());
}

int ParameterImage::PageOfBlock(int block) {
  return kBlocks[ClampBlock(block)].page;
}

int ParameterImage::BandCountOfBlock(int block) {
  return kBlocks[ClampBlock(block)].bands;
}

int ParameterImage::BandCountOfPage(int page) {
  return BandCountOfBlock(BlockOfPage(page));
}

int ParameterImage::BlockAddress(int block) {
  return kBlocks[ClampBlock(block)].address;
}

int ParameterImage::BlockBytes(int block) {
  return BandCountOfBlock(block) * kEqBandBytes;
}

int ParameterImage::EqBandAddress(int page, int band) {
  return EqBandAddressByBlock(BlockOfPage(page), band);
}

int ParameterImage::EqBandAddressByBlock(int block, int band) {
  const int clampedBand = std::clamp(band, 0, BandCountOfBlock(block) - 1);
  return BlockAddress(block) + clampedBand * kEqBandBytes;
}

EqBandSettings ParameterImage::GetEqBand(int page, int band) const {
  return GetEqBandByBlock(BlockOfPage(page), band);
}

EqBandSettings ParameterImage::GetEqBandByBlock(int block, int band) const {
  return DecodeEqBand(&eqArea[EqBandAddressByBlock(block, band)]);
}

int ParameterImage::PutEqBand(int page, int band, const EqBandSettings& settings) {
  return PutEqBandByBlock(BlockOfPage(page), band, settings);
}

int ParameterImage::PutEqBandByBlock(int block, int band, const EqBandSettings& settings) {
  const int address = EqBandAddressByBlock(block, band);
  const EqBand record = EncodeEqBand(settings);
  std::copy(record.begin(), record.end(), eqArea.begin() + address);
  return address;
}

int32_t ParameterImage::GetEqBypass(int page) const {
  return dsp.*kBypassFields[ClampPage(page)].field;
}

int32_t& ParameterImage::EqBypassField(int page) {
  return dsp.*kBypassFields[ClampPage(page)].field;
}

int ParameterImage::EqBypassAddress(int page) {
  return kBypassFields[ClampPage(page)].address;
}

}  // namespace v7
