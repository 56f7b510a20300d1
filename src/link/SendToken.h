#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace v7 {

// The pacing token: an auto-reset event, created signalled. A writer takes it before each
// report; the reader gives it back after each incoming report and when it stops.
class SendToken {
 public:
  // Waits up to `timeout` for the token; true when taken, false on time-out.
  bool Take(std::chrono::milliseconds timeout);
  void Give();
  // How many callers are waiting in Take now.
  int Waiting() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable signalled_;
  bool available_ = true;
  int waiting_ = 0;
};

}  // namespace v7
