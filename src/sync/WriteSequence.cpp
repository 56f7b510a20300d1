#include "sync/WriteSequence.h"

#include <span>

#include "edit/CoefficientWriter.h"
#include "edit/ParameterAccessors.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"

namespace v7 {
namespace {

constexpr uint8_t kVolumesByMode = 1;
constexpr int kEqAreaWriteBytes = 56;

// In the machine's accustomed order. The mix pairs go out twice, once for each member's
// setter; the echo EQ bypass is not part of the sequence.
constexpr int kDspWrites[] = {
    kDspCenterVolume,      kDspMainVolume,   kDspSubVolume,
    kDspMainMix,           kDspMainMix,      kDspCenterMix,
    kDspCenterMix,         kDspSubMix,       kDspSubMix,
    kDspMicMute,           kDspMusicMute,    kDspMicEqBypass,
    kDspMusicEqBypass,     kDspMainEqBypass, kDspCenterEqBypass,
    kDspSubEqBypass,       kDspFbcBypass,    kDspEchoTime,
    kDspEchoRatio,         kDspEchoVolume,   kDspMusicDynamicsSwitch,
    kDspMicDynamicsSwitch,
};

bool Sent(int written) {
  return written == kReportSize;
}

bool WriteDspFields(ParameterAccessors& accessors, const ParameterImage& image) {
  bool allSent = true;
  if (image.deviceSettings[kSettingVolumeSaveMode] == kVolumesByMode) {
    allSent &= accessors.SendDspField(kDspMicVolume);
    allSent &= accessors.SendDspField(kDspMusicVolume);
  }
  for (int address : kDspWrites) allSent &= accessors.SendDspField(address);
  return allSent;
}

bool WriteEqArea(ReportSink& sink, const ParameterImage& image) {
  bool allSent = true;
  for (int address = 0; address < kEqAreaBytes; address += kEqAreaWriteBytes)
    allSent &= Sent(WriteDeviceMemory(
        sink, address, std::span<const uint8_t>(image.eqArea).subspan(address, kEqAreaWriteBytes)));
  return allSent;
}

bool WriteDynamicsOf(ParameterAccessors& accessors, ParameterImage& image, int page) {
  const bool mic = page == kPageMic;
  DynamicsRecord& record = mic ? image.micDynamicsRecord : image.musicDynamicsRecord;
  const DynamicsTable& table = mic ? image.micDynamicsTable : image.musicDynamicsTable;
  if (IsUninitialisedRecord(record)) record = kWriteDefaultDynamicsRecord;
  bool allSent = accessors.WriteDynamicsRecord(page);
  if (!IsAbsentTable(table))
    allSent &=
        accessors.WriteDynamicsTable(table, mic ? kMicDynamicsTableWord : kMusicDynamicsTableWord);
  return allSent;
}

}  // namespace

bool WriteAllParameters(ReportSink& sink, ParameterImage& image) {
  ParameterAccessors accessors(image, sink);
  const AutoSubParams& sub = image.autoSub;
  bool allSent = Sent(SendCommand(
      sink, kCmdAutoSub,
      {kAutoSubWrite, sub[kAutoSubRestoreTime], sub[kAutoSubRatio], sub[kAutoSubSensitivity]}));
  allSent &= WriteDspFields(accessors, image);
  allSent &= WriteEqArea(sink, image);
  for (int block = 0; block < kEqBlockCount; ++block)
    allSent &= WriteBlockCoefficients(sink, image, block);
  allSent &= Sent(SendCommand(sink, kCmdGetVolumes));
  allSent &= WriteDynamicsOf(accessors, image, kPageMusic);
  allSent &= WriteDynamicsOf(accessors, image, kPageMic);
  return allSent;
}

}  // namespace v7
