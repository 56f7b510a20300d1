#pragma once

#include <functional>
#include <mutex>

#include "protocol/Report.h"

namespace v7 {

enum class ReportDirection { kSent, kReceived };
using ReportTap = std::function<void(ReportDirection direction, const Report& report)>;

// Hands every report crossing the link to an optional tap (v7ctl --trace prints them). Calls
// are serialised, so the tap sees one report at a time from either thread.
class ReportTapRelay {
 public:
  void Set(ReportTap tap);
  void Relay(ReportDirection direction, const Report& report);

 private:
  std::mutex mutex_;
  ReportTap tap_;
};

}  // namespace v7
