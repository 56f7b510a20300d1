#include "sim/SimulatedHotplugMonitor.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <utility>

#include "protocol/Trace.h"
#include "sim/SimulatedMachine.h"

namespace v7 {

SimulatedHotplugMonitor::SimulatedHotplugMonitor(SimulatedMachine& machine) : machine_(machine) {
  if (pipe2(pipe_, O_NONBLOCK | O_CLOEXEC) != 0) {
    Trace("simulated hot-plug monitor: no pipe");
    pipe_[0] = pipe_[1] = -1;
  }
  listenerId_ = machine_.AddPresenceListener([this](bool present) {
    Post({present ? HotplugEvent::Kind::kAdded : HotplugEvent::Kind::kRemoved, machine_.Path()});
  });
}

SimulatedHotplugMonitor::~SimulatedHotplugMonitor() {
  machine_.RemovePresenceListener(listenerId_);
  for (int fd : pipe_) {
    if (fd >= 0) close(fd);
  }
}

void SimulatedHotplugMonitor::Post(const HotplugEvent& event) {
  std::lock_guard lock(mutex_);
  pending_.push_back(event);
  const char wake = 1;
  // A full pipe already wakes the reader; the event itself is in pending_ either way.
  if (pipe_[1] >= 0 && write(pipe_[1], &wake, 1) < 0)
    Trace("simulated hot-plug monitor: pipe full");
}

std::vector<HotplugEvent> SimulatedHotplugMonitor::DrainPendingEvents() {
  std::array<char, 64> sink;
  while (pipe_[0] >= 0 && read(pipe_[0], sink.data(), sink.size()) > 0) {
  }
  std::lock_guard lock(mutex_);
  return std::exchange(pending_, {});
}

}  // namespace v7
