#include <span>

#include "FuzzCheck.h"
#include "Harnesses.h"
#include "JsonCheck.h"
#include "RecordingReportSink.h"
#include "cli/ModeFileJson.h"
#include "files/ModeFile.h"
#include "sync/WriteSequence.h"

namespace v7::fuzz {
namespace {

int32_t FirstWord(const Report& report) {
  return GetDspWord(report.Data());
}

void RequireWriteSequenceStaysInRange(ParameterImage& image) {
  RecordingReportSink sink;
  WriteAllParameters(sink, image);
  for (const Report& report : sink.sent) {
    if (report.Code() != 20 || report.Address() != kDspEchoTime) continue;
    Require(kEchoTimeWireRange.Contains(FirstWord(report)), "the echo time sent is 1..7300");
  }
}

}  // namespace

void FuzzModeFile(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  ParameterImage first;
  for (const LimitedValue& v : DecodeModeFile(bytes, first))
    Require(v.given != v.limited, "only changed values are reported as limited");
  DspParams limited = first.dsp;
  Require(LimitToWireRanges(limited).empty(), "a decoded file lies in the wire ranges");

  const ModeFileBytes once = EncodeModeFile(first);
  ParameterImage second;
  Require(DecodeModeFile(once, second).empty(), "a written file needs no limiting");
  Require(EncodeModeFile(second) == once, "decode, encode, decode is stable");

  const std::string json = ModeFileToJson(bytes);
  Require(IsValidUtf8(json), "the JSON dump is UTF-8");
  Require(IsValidJson(json), "the JSON dump is one JSON value");

  RequireWriteSequenceStaysInRange(first);
}

}  // namespace v7::fuzz
