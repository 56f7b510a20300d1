#include "sync/ReadSequence.h"

#include <array>

#include "params/DspFieldTable.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "sync/ModelCheck.h"

namespace v7 {
namespace {

// As long as a request waits for the previous reply.
constexpr std::chrono::milliseconds kLastReplyWait{1800};

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

bool ReadAllParameters(ReportSink& sink, ParameterImage& image, Clock& clock) {
  ReadIdentity(sink);
  // The model name's reply was stored before the MCU request left (pacing), so it can be
  // checked now.
  if (!IsExpectedModelExact(image.modelName)) return false;
  ReadStatus(sink);
  ReadDspFields(sink);
  ReadMachineRecords(sink);
  ReadDeviceMemoryAll(sink);
  // The last reply too is in the image before the sequence counts as done.
  sink.AwaitReply(kLastReplyWait);
  image.dirty = false;
  clock.SleepFor(kReadSequenceEndPause);
  return true;
}

}  // namespace v7
