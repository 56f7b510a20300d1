#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace v7 {

// Runs tasks after a delay on one worker thread of its own, started on first use. Used by the
// simulated machine for what happens later on its own: a learned key, the return after a reset.
class DelayedTasks {
 public:
  DelayedTasks() = default;
  ~DelayedTasks();  // drops the tasks not yet run and ends the thread
  DelayedTasks(const DelayedTasks&) = delete;
  DelayedTasks& operator=(const DelayedTasks&) = delete;

  int Schedule(std::chrono::milliseconds delay, std::function<void()> task);
  void Cancel(int id);

 private:
  using TimePoint = std::chrono::steady_clock::time_point;
  struct Task {
    TimePoint due;
    std::function<void()> run;
  };

  void Run();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::map<int, Task> tasks_;
  int nextId_ = 1;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace v7
