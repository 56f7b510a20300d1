#include "link/SendToken.h"

namespace v7 {

bool SendToken::Take(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  ++waiting_;
  const bool taken =
      signalled_.wait_for(lock, timeout, [this] { return available_ || releasedForGood_; });
  --waiting_;
  if (taken && !releasedForGood_) available_ = false;
  return taken;
}

int SendToken::Waiting() const {
  std::lock_guard lock(mutex_);
  return waiting_;
}

void SendToken::Give() {
  {
    std::lock_guard lock(mutex_);
    available_ = true;
  }
  signalled_.notify_one();
}

void SendToken::ReleaseForGood() {
  {
    std::lock_guard lock(mutex_);
    releasedForGood_ = true;
  }
  signalled_.notify_all();
}

}  // namespace v7
