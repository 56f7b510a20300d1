#include "link/ReportTapRelay.h"

namespace v7 {

void ReportTapRelay::Set(ReportTap tap) {
  std::lock_guard lock(mutex_);
  tap_ = std::move(tap);
}

void ReportTapRelay::Relay(ReportDirection direction, const Report& report) {
  std::lock_guard lock(mutex_);
  if (tap_) tap_(direction, report);
}

}  // namespace v7
