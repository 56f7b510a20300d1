#include <algorithm>

#include "FuzzCheck.h"
#include "Harnesses.h"
#include "RecordingReportSink.h"
#include "edit/ParameterAccessors.h"
#include "params/DspFieldTable.h"
#include "protocol/ReportDispatcher.h"

namespace v7::fuzz {

void FuzzReportSequence(const uint8_t* data, size_t size) {
  ParameterImage image;
  ReportDispatcher dispatcher(image);
  for (size_t offset = 0; offset < size; offset += kReportSize) {
    Report report;
    std::copy_n(data + offset, std::min<size_t>(kReportSize, size - offset), report.bytes.begin());
    dispatcher.HandleReport(report);
  }
  Require(image.fileVersion.size() < kFileVersionUnits, "the file version fits its 30 units");
  Require(image.modelName.size() <= kReportSize, "the model name comes from one report");
  Require(image.mcuVersion.size() <= kReportSize, "the MCU version comes from one report");

  // Whatever the replies stored, what goes back to the machine lies in the wire ranges.
  RecordingReportSink sink;
  ParameterAccessors accessors(image, sink);
  for (const DspField& field : DspFields()) {
    accessors.SendDspField(field.address);
    const ParameterRange range = WireRangeOf(field);
    Require(range.Contains(image.dsp.*field.first), "a sent DSP field lies in its wire range");
  }
  Require(sink.sent.size() == DspFields().size(), "every DSP field is sent once");
}

}  // namespace v7::fuzz
