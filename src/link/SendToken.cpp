#include "link/SendToken.h"

namespace v7 {

bool SendToken::Take(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  if (!signalled_.wait_for(lock, timeout, [this] { return available_; })) return false;
  available_ = false;
  return true;
}

void SendToken::Give() {
  {
    std::lock_guard lock(mutex_);
    available_ = true;
  }
  signalled_.notify_one();
}

}  // namespace v7
