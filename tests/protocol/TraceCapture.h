#pragma once

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "protocol/Trace.h"

namespace v7 {

// Collects trace lines for the life of the object.
class TraceCapture {
 public:
  TraceCapture() {
    SetTraceSink([this](std::string_view line) {
      std::lock_guard lock(mutex_);
      lines_.emplace_back(line);
    });
  }
  ~TraceCapture() { SetTraceSink({}); }

  bool Contains(const std::string& line) const {
    std::lock_guard lock(mutex_);
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
  }
  std::vector<std::string> Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

}  // namespace v7
