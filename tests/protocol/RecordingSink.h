#pragma once

#include <vector>

#include "protocol/ReportSink.h"

namespace v7 {

// Keeps every report handed to it; answers like a link that wrote it.
class RecordingSink : public ReportSink {
 public:
  int WriteUsbData(const Report& report) override {
    reports.push_back(report);
    return kReportSize;
  }
  std::vector<Report> reports;
};

}  // namespace v7
