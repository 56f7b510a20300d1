#include "edit/ParameterAccessors.h"

#include <algorithm>
#include <span>
#include <vector>

#include "edit/CoefficientWriter.h"
#include "params/DspFieldTable.h"
#include "params/EqResetBands.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"

namespace v7 {
namespace {

constexpr int kTenBandWriteBytes = 35;  // a 10-band block goes out in two halves
constexpr int kDynamicsChunkWords[] = {11, 11, 12};
constexpr int kLockBitsCount = 8;
constexpr int kLastEditableSetting = kSettingLockBits - 1;  // bytes 0..5

bool Sent(int written) {
  return written == kReportSize;
}

}  // namespace

bool IsAbsentTable(const DynamicsTable& table) {
  return std::all_of(table.begin(), table.begin() + kDspWordBytes,
                     [](uint8_t b) { return b == 0; });
}

bool ParameterAccessors::SendMemory(int address, int length) {
  return Sent(WriteDeviceMemory(
      sink_, address,
      std::span<const uint8_t>(&image_.eqArea[address], static_cast<size_t>(length))));
}

bool ParameterAccessors::SendEqBandRecord(int address) {
  return SendMemory(address, kEqBandBytes);
}

bool ParameterAccessors::SetEqBand(int page, int band, int type, int freqHz, float gainDb,
                                   float q) {
  const float gain = std::clamp(gainDb, kEqMinGainDb, kEqMaxGainDb);
  const int address = image_.PutEqBand(page, band, {gain, freqHz, q, type});
  const int block = ParameterImage::BlockOfPage(page);
  const int clampedBand = std::clamp(band, 0, ParameterImage::BandCountOfBlock(block) - 1);
  const bool recordSent = SendEqBandRecord(address);
  return WriteBandCoefficients(sink_, block, clampedBand, type, freqHz, gain, q) == kReportSize &&
         recordSent;
}

bool ParameterAccessors::ResetEqBlock(int page) {
  page = std::clamp(page, 0, kPageCount - 1);
  const int block = ParameterImage::BlockOfPage(page);
  const int bands = ParameterImage::BandCountOfBlock(block);
  bool allSent = true;
  for (int band = 0; band < bands; ++band) {
    const ResetBand reset = ResetBandOf(page, band);
    allSent &=
        Sent(WriteBandCoefficients(sink_, block, band, reset.record.type, reset.record.freqHz,
                                   reset.record.gainDb, reset.coefficientQ));
  }
  for (int band = 0; band < bands; ++band)
    image_.PutEqBandByBlock(block, band, ResetBandOf(page, band).record);
  const int address = ParameterImage::BlockAddress(block);
  if (bands == kTenBandCount) {
    allSent &= SendMemory(address, kTenBandWriteBytes);
    allSent &= SendMemory(address + kTenBandWriteBytes, kTenBandWriteBytes);
  } else {
    allSent &= SendMemory(address, ParameterImage::BlockBytes(block));
  }
  return allSent;
}

bool ParameterAccessors::SetEqBypass(int page, bool bypassed) {
  image_.EqBypassField(page) = bypassed ? 1 : 0;
  return SendDspField(ParameterImage::EqBypassAddress(page));
}

bool ParameterAccessors::ToggleEqBypass(int page) {
  return SetEqBypass(page, image_.GetEqBypass(page) == 0);
}

bool ParameterAccessors::SetMicVolume(int dB) {
  image_.dsp.micVolume = dB;
  return SendDspField(kDspMicVolume);
}

bool ParameterAccessors::SetMusicVolume(int dB) {
  image_.dsp.musicVolume = dB;
  return SendDspField(kDspMusicVolume);
}

bool ParameterAccessors::SetOutputVolume(int address, int dB) {
  if (address != kDspMainVolume && address != kDspCenterVolume && address != kDspSubVolume)
    return false;
  image_.dsp.*FindDspField(address)->first = dB;
  return SendDspField(address);
}

bool ParameterAccessors::SetOutputMix(int32_t DspParams::*field, int dB) {
  for (int address : {kDspMainMix, kDspCenterMix, kDspSubMix}) {
    const DspField* pair = FindDspField(address);
    if (pair->first == field || pair->second == field) {
      image_.dsp.*field = dB;
      return SendDspField(address);
    }
  }
  return false;
}

bool ParameterAccessors::SetEchoTime(int samples) {
  image_.dsp.echoTime = std::clamp(samples, kEchoTimeMin, kEchoTimeMax);
  return SendDspField(kDspEchoTime);
}

bool ParameterAccessors::SetEchoVolume(int dB) {
  image_.dsp.echoVolume = dB;
  return SendDspField(kDspEchoVolume);
}

bool ParameterAccessors::SetEchoRatio(int tenths) {
  image_.dsp.echoRatio = tenths;
  return SendDspField(kDspEchoRatio);
}

int32_t& ParameterAccessors::MuteField(MuteChannel which) {
  return which == MuteChannel::kMic ? image_.dsp.micMute : image_.dsp.musicMute;
}

bool ParameterAccessors::SetMute(MuteChannel which, bool muted) {
  MuteField(which) = muted ? 1 : 0;
  return SendDspField(which == MuteChannel::kMic ? kDspMicMute : kDspMusicMute);
}

bool ParameterAccessors::ToggleMute(MuteChannel which) {
  return SetMute(which, MuteField(which) == 0);
}

bool ParameterAccessors::SetFbcBypass(bool bypassed) {
  image_.dsp.fbcBypass = bypassed ? 1 : 0;
  return SendDspField(kDspFbcBypass);
}

bool ParameterAccessors::ToggleFbc() {
  return SetFbcBypass(image_.dsp.fbcBypass == 0);
}

bool ParameterAccessors::SetAutoSub(uint8_t restoreTime, uint8_t ratio, uint8_t sensitivity) {
  image_.autoSub[kAutoSubRestoreTime] = restoreTime;
  image_.autoSub[kAutoSubRatio] = ratio;
  image_.autoSub[kAutoSubSensitivity] = sensitivity;
  return Sent(SendCommand(sink_, kCmdAutoSub, {kAutoSubWrite, restoreTime, ratio, sensitivity}));
}

bool ParameterAccessors::WriteDynamicsTable(const DynamicsTable& table, int firstWord) {
  bool allSent = true;
  int word = 0;
  for (int words : kDynamicsChunkWords) {
    const auto chunk = std::span<const uint8_t>(table).subspan(
        static_cast<size_t>(word * kDspWordBytes), static_cast<size_t>(words * kDspWordBytes));
    allSent &= Sent(WriteDspParam(sink_, firstWord + word, chunk));
    word += words;
  }
  return allSent;
}

bool ParameterAccessors::WriteDynamicsRecord(int page) {
  const bool mic = page == kPageMic;
  const DynamicsRecord& record = mic ? image_.micDynamicsRecord : image_.musicDynamicsRecord;
  return Sent(WriteDeviceMemory(sink_, mic ? kMicDynamicsAddress : kMusicDynamicsAddress, record));
}

bool ParameterAccessors::WriteDynamics(int page, const DynamicsTable& table,
                                       const DynamicsRecord& record) {
  if (page != kPageMic && page != kPageMusic) return false;
  const bool mic = page == kPageMic;
  (mic ? image_.micDynamicsTable : image_.musicDynamicsTable) = table;
  const bool tableSent =
      WriteDynamicsTable(table, mic ? kMicDynamicsTableWord : kMusicDynamicsTableWord);
  (mic ? image_.micDynamicsRecord : image_.musicDynamicsRecord) = record;
  return WriteDynamicsRecord(page) && tableSent;
}

bool ParameterAccessors::ReplaceUninitialisedRecord(int page) {
  if (page != kPageMic && page != kPageMusic) return false;
  DynamicsRecord& record = page == kPageMic ? image_.micDynamicsRecord : image_.musicDynamicsRecord;
  if (!IsUninitialisedRecord(record)) return false;
  record = kPanelDefaultDynamicsRecord;
  WriteDynamicsRecord(page);
  return true;
}

void ParameterAccessors::SetLockBit(int bit, bool on) {
  if (bit < 0 || bit >= kLockBitsCount) return;
  const auto mask = static_cast<uint8_t>(1u << bit);
  uint8_t& bits = image_.editSettings[kSettingLockBits];
  bits = on ? static_cast<uint8_t>(bits | mask) : static_cast<uint8_t>(bits & ~mask);
}

void ParameterAccessors::SetEditSetting(int byte, uint8_t value) {
  if (byte < 0 || byte > kLastEditableSetting) return;
  image_.editSettings[static_cast<size_t>(byte)] = value;
}

bool ParameterAccessors::ApplyDeviceSettings() {
  image_.deviceSettings = image_.editSettings;
  return Sent(SendCommand(sink_, kCmdSetSettings, image_.deviceSettings));
}

void ParameterAccessors::ResetEditSettings() {
  image_.editSettings = image_.deviceSettings;
}

bool ParameterAccessors::ApplyRemoteKeys() {
  return Sent(SendCommand(sink_, kCmdSetRemoteKeys, image_.remoteKeys));
}

bool ParameterAccessors::SendDspField(int address) {
  const DspField* field = FindDspField(address);
  if (field == nullptr) return false;
  // The image keeps what the machine was sent, so a value no word can carry is limited first.
  std::vector<LimitedValue> limited;
  LimitDspField(image_.dsp, *field, limited);
  const DspFieldBytes words = EncodeDspField(image_.dsp, *field);
  return Sent(WriteDspParam(
      sink_, address,
      std::span<const uint8_t>(words.bytes.data(), static_cast<size_t>(words.length))));
}

}  // namespace v7
