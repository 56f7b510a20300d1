#pragma once

#include "link/Report.h"

namespace v7 {

// Where built reports go: the device link, or a recorder in tests.
class ReportSink {
 public:
  virtual ~ReportSink() = default;
  // Returns the number of bytes written: kReportSize on success, 0 when refused or failed.
  virtual int WriteUsbData(const Report& report) = 0;
};

}  // namespace v7
