#pragma once

#include <vector>

#include "protocol/ReportSink.h"

namespace v7::testing_support {

// Keeps every report it is given and answers like a link that wrote it; while `open` is false
// it refuses them as a closed link does.
struct RecordingSink : ReportSink {
  int WriteUsbData(const Report& report) override {
    if (!open) return 0;
    sent.push_back(report);
    return kReportSize;
  }
  std::vector<Report> sent;
  bool open = true;
};

}  // namespace v7::testing_support
