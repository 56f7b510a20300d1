#include "link/SendToken.h"

namespace v7 {

bool SendToken::Take(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  ++waiting_;
  const bool taken = signalled_.wait_for(lock, timeout, [this] { return available_; });
  --waiting_;
  if (taken) available_ = false;
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

}  // namespace v7
