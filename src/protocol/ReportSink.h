#pragma once

#include <chrono>

#include "protocol/Report.h"

namespace v7 {

// Where built reports go: the device link, or a recorder in tests.
class ReportSink {
 public:
  virtual ~ReportSink() = default;
  // Returns the number of bytes written: kReportSize on success, 0 when refused or failed.
  virtual int WriteUsbData(const Report& report) = 0;
  // Waits until the reply to the last report written has been handled, so that a sequence can
  // read what its last request brought in. True when it came (a sink without replies: at once).
  virtual bool AwaitReply(std::chrono::milliseconds /*timeout*/) { return true; }
  // False once nothing more can reach the machine: the link is closed or its reader has ended
  // on a read error. Tells a reply that cannot come from one that is late.
  virtual bool IsOpen() const { return true; }
};

}  // namespace v7
