#include "sim/SimulatedInbox.h"

#include <algorithm>

namespace v7 {

void SimulatedInbox::Deliver(const Report& report, TimePoint due) {
  {
    std::lock_guard lock(mutex_);
    if (failed_) return;
    if (pending_.size() >= kCapacity) pending_.pop_front();
    const auto at = std::upper_bound(pending_.begin(), pending_.end(), due,
                                     [](TimePoint t, const Pending& p) { return t < p.due; });
    pending_.insert(at, {due, report});
  }
  changed_.notify_all();
}

void SimulatedInbox::Fail() {
  {
    std::lock_guard lock(mutex_);
    failed_ = true;
    pending_.clear();
  }
  changed_.notify_all();
}

bool SimulatedInbox::IsFailed() const {
  std::lock_guard lock(mutex_);
  return failed_;
}

int SimulatedInbox::Read(uint8_t* buffer, size_t length, int timeoutMs) {
  const auto now = std::chrono::steady_clock::now();
  const auto deadline =
      timeoutMs < 0 ? TimePoint::max() : now + std::chrono::milliseconds(timeoutMs);
  std::unique_lock lock(mutex_);
  for (;;) {
    if (failed_) return -1;
    const auto current = std::chrono::steady_clock::now();
    if (!pending_.empty() && pending_.front().due <= current) {
      const Report report = pending_.front().report;
      pending_.pop_front();
      const size_t count = std::min(length, report.bytes.size());
      std::copy_n(report.bytes.begin(), count, buffer);
      return static_cast<int>(count);
    }
    if (current >= deadline) return 0;
    const auto wake = pending_.empty() ? deadline : std::min(deadline, pending_.front().due);
    changed_.wait_until(lock, wake);
  }
}

}  // namespace v7
