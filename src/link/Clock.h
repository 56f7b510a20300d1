#pragma once

#include <atomic>
#include <chrono>

namespace v7 {

// Sleeps of the program's sequences (the pauses before and after a synchronisation, the gap
// between a mode preamble and its store) go through a Clock, so tests can shorten them.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual void SleepFor(std::chrono::milliseconds duration) = 0;
};

// Real time.
class SystemClock : public Clock {
 public:
  void SleepFor(std::chrono::milliseconds duration) override;
  // The process-wide real clock, for callers that are not given one.
  static SystemClock& Instance();
};

// Real sleeps scaled by a factor (tests use e.g. 0.01 so a 1500 ms pause takes 15 ms); the
// pause still happens, it is only shorter. Counts the requested time for checks.
class ScaledClock : public Clock {
 public:
  explicit ScaledClock(double factor) : factor_(factor) {}
  void SleepFor(std::chrono::milliseconds duration) override;
  std::chrono::milliseconds Requested() const { return requested_.load(); }

 private:
  double factor_;
  std::atomic<std::chrono::milliseconds> requested_{std::chrono::milliseconds{0}};
};

}  // namespace v7
