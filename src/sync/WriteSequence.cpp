#include "sync/WriteSequence.h"

#include <span>

#include "edit/CoefficientWriter.h"
#include "edit/ParameterAccessors.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "sync/PacedRequests.h"

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

void WriteDspFields(ParameterAccessors& accessors, const ParameterImage& image) {
  if (image.deviceSettings[kSettingVolumeSaveMode] == kVolumesByMode) {
    accessors.SendDspField(kDspMicVolume);
    accessors.SendDspField(kDspMusicVolume);
  }
  for (int address : kDspWrites) accessors.SendDspField(address);
}

void WriteEqArea(ReportSink& sink, const ParameterImage& image) {
  for (int address = 0; address < kEqAreaBytes; address += kEqAreaWriteBytes)
    WriteDeviceMemory(sink, address,
                      std::span<const uint8_t>(image.eqArea).subspan(address, kEqAreaWriteBytes));
}

void WriteDynamicsOf(ParameterAccessors& accessors, ParameterImage& image, int page) {
  const bool mic = page == kPageMic;
  DynamicsRecord& record = mic ? image.micDynamicsRecord : image.musicDynamicsRecord;
  const DynamicsTable& table = mic ? image.micDynamicsTable : image.musicDynamicsTable;
  if (IsUninitialisedRecord(record)) record = kWriteDefaultDynamicsRecord;
  accessors.WriteDynamicsRecord(page);
  if (!IsAbsentTable(table))
    accessors.WriteDynamicsTable(table, mic ? kMicDynamicsTableWord : kMusicDynamicsTableWord);
}

}  // namespace

SyncResult WriteAllParameters(ReportSink& sink, ParameterImage& image,
                              std::chrono::milliseconds replyWait) {
  PacedRequests paced(sink, replyWait);
  ParameterAccessors accessors(image, paced);
  const AutoSubParams& sub = image.autoSub;
  SendCommand(
      paced, kCmdAutoSub,
      {kAutoSubWrite, sub[kAutoSubRestoreTime], sub[kAutoSubRatio], sub[kAutoSubSensitivity]});
  WriteDspFields(accessors, image);
  WriteEqArea(paced, image);
  for (int block = 0; block < kEqBlockCount; ++block) WriteBlockCoefficients(paced, image, block);
  SendCommand(paced, kCmdGetVolumes);
  WriteDynamicsOf(accessors, image, kPageMusic);
  WriteDynamicsOf(accessors, image, kPageMic);
  return paced.Finish();
}

}  // namespace v7
