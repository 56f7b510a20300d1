#include "sim/DelayedTasks.h"

#include <algorithm>

namespace v7 {

DelayedTasks::~DelayedTasks() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    tasks_.clear();
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

int DelayedTasks::Schedule(std::chrono::milliseconds delay, std::function<void()> task) {
  int id;
  {
    std::lock_guard lock(mutex_);
    id = nextId_++;
    tasks_[id] = {std::chrono::steady_clock::now() + delay, std::move(task)};
    if (!worker_.joinable()) worker_ = std::thread([this] { Run(); });
  }
  changed_.notify_all();
  return id;
}

void DelayedTasks::Cancel(int id) {
  std::lock_guard lock(mutex_);
  tasks_.erase(id);
}

void DelayedTasks::Run() {
  std::unique_lock lock(mutex_);
  while (!stopping_) {
    if (tasks_.empty()) {
      changed_.wait(lock);
      continue;
    }
    const auto next =
        std::min_element(tasks_.begin(), tasks_.end(),
                         [](const auto& a, const auto& b) { return a.second.due < b.second.due; });
    // A copy: a cancel or the destructor may free the task while this waits for it.
    const TimePoint due = next->second.due;
    if (due > std::chrono::steady_clock::now()) {
      changed_.wait_until(lock, due);
      continue;
    }
    std::function<void()> run = std::move(next->second.run);
    tasks_.erase(next);
    lock.unlock();
    run();
    lock.lock();
  }
}

}  // namespace v7
