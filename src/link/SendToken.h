#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace v7 {

// The pacing token: an auto-reset event, created signalled. A writer takes it before each
// report; the reader gives it back after each incoming report. Once nothing can give it back
// any more (the reader has ended, the link is closing) it is released for good.
class SendToken {
 public:
  // Waits up to `timeout` for the token; true when taken (at once once released for good),
  // false on time-out.
  bool Take(std::chrono::milliseconds timeout);
  void Give();
  // Lets every waiting and every later Take through at once.
  void ReleaseForGood();
  // How many callers are waiting in Take now.
  int Waiting() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable signalled_;
  bool available_ = true;
  bool releasedForGood_ = false;
  int waiting_ = 0;
};

}  // namespace v7
