#pragma once

#include <string>
#include <vector>

namespace v7 {

struct HotplugEvent {
  enum class Kind { kAdded, kRemoved };
  Kind kind = Kind::kAdded;
  std::string devnode;  // e.g. /dev/hidraw3; a removal is matched to the open device by it

  bool operator==(const HotplugEvent&) const = default;
};

// Arrival and removal notices of HID interfaces. The UI watches FileDescriptor() for
// readability (a QSocketNotifier) and then calls DrainPendingEvents() on its own thread.
class HotplugMonitor {
 public:
  virtual ~HotplugMonitor() = default;
  virtual int FileDescriptor() const = 0;
  // Every event that has arrived since the last call, oldest first; never blocks.
  virtual std::vector<HotplugEvent> DrainPendingEvents() = 0;
};

}  // namespace v7
