#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/HidBackend.h"

namespace v7 {

// Shared state of the handles a FakeHidBackend hands out.
struct FakeHidState {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<std::vector<uint8_t>> reads;  // what the next reads return, in order
  bool stuck = false;                      // reads block, ignoring their time-out, until cleared
  bool failing = false;                    // reads fail (once no longer stuck)
  bool writesFail = false;                 // writes return -1 and record nothing
  int blockedReads = 0;                    // reads now held by `stuck`
  std::vector<std::vector<uint8_t>> writes;
  int openHandles = 0;

  void QueueRead(std::vector<uint8_t> bytes) {
    std::lock_guard lock(mutex);
    reads.push_back(std::move(bytes));
    changed.notify_all();
  }
  void SetStuck(bool value) {
    std::lock_guard lock(mutex);
    stuck = value;
    changed.notify_all();
  }
  void SetFailing(bool value) {
    std::lock_guard lock(mutex);
    failing = value;
  }
  void SetWritesFail(bool value) {
    std::lock_guard lock(mutex);
    writesFail = value;
  }
  int OpenHandles() {
    std::lock_guard lock(mutex);
    return openHandles;
  }
  bool WaitForBlockedRead(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, timeout, [this] { return blockedReads > 0; });
  }
  bool WaitForNoOpenHandles(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, timeout, [this] { return openHandles == 0; });
  }
};

class FakeHidDevice : public HidDevice {
 public:
  explicit FakeHidDevice(std::shared_ptr<FakeHidState> state) : state_(std::move(state)) {
    std::lock_guard lock(state_->mutex);
    ++state_->openHandles;
  }
  ~FakeHidDevice() override {
    std::lock_guard lock(state_->mutex);
    --state_->openHandles;
    state_->changed.notify_all();
  }
  int ReadTimeout(uint8_t* buffer, size_t length, int milliseconds) override {
    std::unique_lock lock(state_->mutex);
    ++state_->blockedReads;
    state_->changed.notify_all();
    state_->changed.wait(lock, [this] { return !state_->stuck; });
    --state_->blockedReads;
    if (state_->failing) return -1;
    state_->changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                             [this] { return !state_->reads.empty(); });
    if (state_->reads.empty()) return 0;
    const std::vector<uint8_t> next = std::move(state_->reads.front());
    state_->reads.pop_front();
    const size_t count = std::min(length, next.size());
    std::copy_n(next.begin(), count, buffer);
    return static_cast<int>(count);
  }
  int Write(const uint8_t* data, size_t length) override {
    std::lock_guard lock(state_->mutex);
    if (state_->writesFail) return -1;
    state_->writes.emplace_back(data, data + length);
    return static_cast<int>(length);
  }

 private:
  std::shared_ptr<FakeHidState> state_;
};

// A scripted list of HID interfaces; paths listed in `openStatus` fail to open that way.
class FakeHidBackend : public HidBackend {
 public:
  bool Enumerate(std::vector<HidInterfaceInfo>& list) override {
    list = interfaces;
    return enumerateWorks;
  }
  HidOpenResult Open(const std::string& path) override {
    opened.push_back(path);
    HidOpenResult result;
    const auto failure = openStatus.find(path);
    if (failure != openStatus.end()) {
      result.status = failure->second;
      return result;
    }
    result.device = std::make_unique<FakeHidDevice>(state);
    result.status = HidOpenStatus::kOpened;
    return result;
  }

  std::vector<HidInterfaceInfo> interfaces;
  std::map<std::string, HidOpenStatus> openStatus;
  bool enumerateWorks = true;
  std::vector<std::string> opened;
  std::shared_ptr<FakeHidState> state = std::make_shared<FakeHidState>();
};

}  // namespace v7
