#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "protocol/Report.h"

namespace v7 {

// The input reports waiting on one open handle of the simulated machine, each with the time
// it becomes readable. Like a hidraw node, every open handle gets its own copy of each report
// and holds a bounded number of them (the oldest is dropped when full).
class SimulatedInbox {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  static constexpr size_t kCapacity = 64;

  void Deliver(const Report& report, TimePoint due);
  // From now on reads fail, as they do when the device is gone.
  void Fail();
  bool IsFailed() const;
  // Copies the next due report (61 bytes, report id first); 0 on time-out, -1 once failed.
  // A negative time-out waits without limit.
  int Read(uint8_t* buffer, size_t length, int timeoutMs);

 private:
  struct Pending {
    TimePoint due;
    Report report;
  };

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Pending> pending_;  // ordered by due time
  bool failed_ = false;
};

}  // namespace v7
