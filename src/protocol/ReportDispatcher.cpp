#include "protocol/ReportDispatcher.h"

#include <algorithm>

#include "params/DspFieldTable.h"
#include "protocol/Commands.h"
#include "protocol/Trace.h"

namespace v7 {
namespace {

// The echo length byte may claim more than the report holds; compare what it holds.
constexpr int kMaxEchoCompare = kReportSize - 1;
constexpr uint8_t kUninitialisedByte = 0xFF;
// Reply 32 carries restore time, ratio and sensitivity in bytes 3..5.
constexpr int kAutoSubReplyFirstByte = 3;
constexpr int kAutoSubReplyBytes = 3;

bool IsEchoChecked(uint8_t code) {
  return code == kCmdEcho2 || code == kCmdLoadMode;
}

// Bytes 2.. as one character each, up to a zero byte or `maxChars`.
std::string TextFrom(const Report& report, int maxChars) {
  std::string text;
  for (int i = 2; i < kReportSize && static_cast<int>(text.size()) < maxChars; ++i) {
    if (report.bytes[i] == 0) break;
    text += static_cast<char>(report.bytes[i]);
  }
  return text;
}

}  // namespace

ReportDispatcher::ReportDispatcher(ParameterImage& image) : image_(image) {}

void ReportDispatcher::SetObserver(LinkObserver* observer) {
  observer_ = observer;
}

void ReportDispatcher::RememberSent(const Report& report) {
  if (!IsEchoChecked(report.Code())) return;
  std::lock_guard lock(echoMutex_);
  lastEchoReport_ = report;
}

Report ReportDispatcher::LastEchoReport() const {
  std::lock_guard lock(echoMutex_);
  return lastEchoReport_;
}

void ReportDispatcher::HandleReport(const Report& report) {
  switch (report.Code()) {
    case kCmdEcho2:
    case kCmdLoadMode:
      return CheckEcho(report);
    case kCmdGetMode:
      return StoreMode(report);
    case kCmdParamsChanged:
    case kCmdWriteDsp:
      image_.dirty = true;
      return;
    case kCmdGetVolumes:
      return StoreVolumes(report);
    case kCmdGetLevels:
      return StoreLevels(report);
    case kCmdReadDsp:
      return StoreDspWords(report);
    case kCmdAutoSub:
      return StoreAutoSub(report);
    case kCmdLearnKey:
      return StoreLearnedKey(report);
    case kCmdGetRemoteKeys:
      return StoreRemoteKeys(report);
    case kCmdGetProtocol:
      image_.protocolVersion = report.bytes[2];
      return;
    case kCmdGetModel:
      image_.modelName = TextFrom(report, kModelNameChars);
      return;
    case kCmdGetMcuVersion:
      image_.mcuVersion = TextFrom(report, kMcuVersionChars);
      return;
    case kCmdReadMemory:
      return StoreDeviceMemory(report);
    case kCmdUnsolicitedSub:
      image_.autoSub[kAutoSubUnsolicited] = report.bytes[3];
      return;
    case kCmdGetSettings:
      return StoreSettings(report);
    default:
      return;  // not a reply the program acts on
  }
}

void ReportDispatcher::NotifyReaderEnded() {
  if (LinkObserver* observer = observer_.load()) observer->OnReaderEnded();
}

void ReportDispatcher::CheckEcho(const Report& report) {
  const Report remembered = LastEchoReport();
  const int n = std::min(report.Length(), kMaxEchoCompare);
  const bool same = std::equal(report.bytes.begin() + 1, report.bytes.begin() + 1 + n,
                               remembered.bytes.begin() + 1);
  if (!same) Tell({LinkMessageKind::kEchoMismatch, report, remembered});
}

void ReportDispatcher::StoreMode(const Report& report) {
  const int mode = report.bytes[2];
  if (mode >= kModeCount) {
    Trace("mode reply out of range ignored");
    return;
  }
  image_.currentMode = mode;
}

void ReportDispatcher::StoreVolumes(const Report& report) {
  image_.dsp.micVolume = static_cast<int8_t>(report.bytes[2]);
  image_.dsp.musicVolume = static_cast<int8_t>(report.bytes[3]);
}

void ReportDispatcher::StoreLevels(const Report& report) {
  image_.levelMeters[0] = report.bytes[2];
  image_.levelMeters[1] = report.bytes[3];
}

void ReportDispatcher::StoreDspWords(const Report& report) {
  const DspField* field = FindDspField(report.Address());
  if (field == nullptr) return;
  // The words are decoded from where they stand whatever the length byte says: a machine that
  // answers a two-word read with a short length byte must not have its values dropped.
  DecodeDspField(image_.dsp, *field, report.Data(), kMaxReportData);
}

void ReportDispatcher::StoreAutoSub(const Report& report) {
  if (report.bytes[2] != kAutoSubRead) return;
  std::copy_n(report.bytes.begin() + kAutoSubReplyFirstByte, kAutoSubReplyBytes,
              image_.autoSub.begin());
}

void ReportDispatcher::StoreLearnedKey(const Report& report) {
  const int index = report.bytes[3];
  const uint8_t code = report.bytes[4];
  image_.remoteKeys[0] = report.bytes[2];
  if (index >= 1 && index <= kRemoteKeyCount) image_.remoteKeys[index] = code;
  if (LinkObserver* observer = observer_.load()) observer->OnKeyLearned(code);
}

void ReportDispatcher::StoreRemoteKeys(const Report& report) {
  std::copy_n(report.bytes.begin() + 2, kRemoteKeyBytes, image_.remoteKeys.begin());
}

void ReportDispatcher::StoreDeviceMemory(const Report& report) {
  const int address = report.Address();
  const int recordBytes = std::min(report.DataLength(), kDynamicsRecordBytes);
  if (address < kEqAreaBytes) {
    StoreEqArea(report);
  } else if (address == kMusicDynamicsAddress) {
    std::copy_n(report.Data(), recordBytes, image_.musicDynamicsRecord.begin());
  } else if (address == kMicDynamicsAddress) {
    std::copy_n(report.Data(), recordBytes, image_.micDynamicsRecord.begin());
  } else {
    Tell({LinkMessageKind::kUnknownMemoryAddress, report, {}});
  }
}

void ReportDispatcher::StoreEqArea(const Report& report) {
  const int address = report.Address();
  const uint8_t* data = report.Data();
  if (data[0] == kUninitialisedByte && data[1] == kUninitialisedByte) {
    image_.eqArea.fill(0);
  } else if (address + report.Length() <= kEqAreaBytes) {
    // A length byte above 56 claims more than the report carries: copy what it carries.
    std::copy_n(data, report.DataLength(), image_.eqArea.begin() + address);
  } else {
    Tell({LinkMessageKind::kMemoryPastEqArea, report, {}});
  }
}

void ReportDispatcher::StoreSettings(const Report& report) {
  std::copy_n(report.bytes.begin() + 2, kDeviceSettingsBytes, image_.deviceSettings.begin());
  image_.editSettings = image_.deviceSettings;
}

void ReportDispatcher::Tell(const LinkMessage& message) {
  if (LinkObserver* observer = observer_.load()) observer->OnLinkMessage(message);
}

}  // namespace v7
