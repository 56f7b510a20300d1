#pragma once

#include <condition_variable>
#include <mutex>
#include <vector>

#include "protocol/LinkObserver.h"

namespace v7 {

// Records what the reader thread reports; safe to read from the test thread.
class RecordingObserver : public LinkObserver {
 public:
  void OnKeyLearned(int code) override {
    std::lock_guard lock(mutex_);
    keys_.push_back(code);
    changed_.notify_all();
  }
  void OnLinkMessage(const LinkMessage& message) override {
    std::lock_guard lock(mutex_);
    messages_.push_back(message);
    changed_.notify_all();
  }
  void OnReaderEnded() override {
    std::lock_guard lock(mutex_);
    ++readerEnded_;
    changed_.notify_all();
  }

  std::vector<int> Keys() const {
    std::lock_guard lock(mutex_);
    return keys_;
  }
  std::vector<LinkMessage> Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
  }
  int ReaderEnded() const {
    std::lock_guard lock(mutex_);
    return readerEnded_;
  }
  bool WaitForReaderEnded(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [this] { return readerEnded_ > 0; });
  }
  bool WaitForMessage(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [this] { return !messages_.empty(); });
  }
  bool WaitForKey(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [this] { return !keys_.empty(); });
  }

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<int> keys_;
  std::vector<LinkMessage> messages_;
  int readerEnded_ = 0;
};

}  // namespace v7
