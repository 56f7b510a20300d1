#include "link/Clock.h"

#include <thread>

namespace v7 {

void SystemClock::SleepFor(std::chrono::milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

SystemClock& SystemClock::Instance() {
  static SystemClock clock;
  return clock;
}

void ScaledClock::SleepFor(std::chrono::milliseconds duration) {
  auto total = requested_.load();
  while (!requested_.compare_exchange_weak(total, total + duration)) {
  }
  std::this_thread::sleep_for(
      std::chrono::duration_cast<std::chrono::microseconds>(duration * factor_));
}

}  // namespace v7
