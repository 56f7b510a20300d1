#include "sync/ReadSequence.h"

#include <array>

#include "params/DspFieldTable.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "sync/ModelCheck.h"
#include "sync/PacedRequests.h"

namespace v7 {
namespace {

// The EQ area in six reads of 56 bytes, then the two dynamics records.
constexpr int kEqAreaReadBytes = 56;
constexpr std::array<ReadRange, 8> kMemoryReads = {{
    {0, kEqAreaReadBytes},
    {56, kEqAreaReadBytes},
    {112, kEqAreaReadBytes},
    {168, kEqAreaReadBytes},
    {224, kEqAreaReadBytes},
    {280, kEqAreaReadBytes},
    {kMusicDynamicsAddress, kDynamicsRecordBytes},
    {kMicDynamicsAddress, kDynamicsRecordBytes},
}};

void ReadIdentity(ReportSink& sink) {
  SendCommand(sink, kCmdGetModel);
  SendCommand(sink, kCmdGetMcuVersion);
}

void ReadStatus(ReportSink& sink) {
  SendCommand(sink, kCmdGetProtocol);
  SendCommand(sink, kCmdGetMode);
  SendCommand(sink, kCmdAutoSub, {kAutoSubRead});
  SendCommand(sink, kCmdGetVolumes);
}

void ReadDspFields(ReportSink& sink) {
  for (const ReadRange& r : DspReadRanges()) ReadDspParam(sink, r.address, r.bytes);
}

void ReadMachineRecords(ReportSink& sink) {
  SendCommand(sink, kCmdGetSettings);
  SendCommand(sink, kCmdGetRemoteKeys);
}

void ReadDeviceMemoryAll(ReportSink& sink) {
  for (const ReadRange& r : kMemoryReads) ReadDeviceMemory(sink, r.address, r.bytes);
}

}  // namespace

std::vector<ReadRange> DspReadRanges() {
  std::vector<ReadRange> ranges;
  for (const DspAddress address : kDspReadOrder)
    ranges.push_back({address, FindDspField(address)->Bytes()});
  return ranges;
}

SyncResult ReadAllParameters(ReportSink& sink, ParameterImage& image, Clock& clock,
                             std::chrono::milliseconds replyWait) {
  PacedRequests paced(sink, replyWait);
  ReadIdentity(paced);
  if (paced.Failed()) return paced.Result();
  // The model name's reply was stored before the MCU request left (pacing), so it can be
  // checked now.
  if (!IsExpectedModelExact(image.modelName)) return SyncResult::kIdentityOnly;
  ReadStatus(paced);
  ReadDspFields(paced);
  ReadMachineRecords(paced);
  ReadDeviceMemoryAll(paced);
  // The last reply too is in the image before the sequence counts as done.
  if (paced.Finish() != SyncResult::kCompleted) return paced.Result();
  image.dirty = false;
  clock.SleepFor(kReadSequenceEndPause);
  return SyncResult::kCompleted;
}

}  // namespace v7
