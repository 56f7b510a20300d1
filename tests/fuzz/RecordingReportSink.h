#pragma once

#include <vector>

#include "protocol/ReportSink.h"

namespace v7::fuzz {

// Keeps every report as a link that wrote it would.
struct RecordingReportSink : ReportSink {
  int WriteUsbData(const Report& report) override {
    sent.push_back(report);
    return kReportSize;
  }
  std::vector<Report> sent;
};

}  // namespace v7::fuzz
