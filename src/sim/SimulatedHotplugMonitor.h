#pragma once

#include <mutex>
#include <vector>

#include "link/HotplugMonitor.h"

namespace v7 {

class SimulatedMachine;

// Arrival and removal notices of the simulated machine, with a real file descriptor (a pipe)
// so the UI watches it exactly as it watches the udev monitor. Tests may also post their own.
class SimulatedHotplugMonitor : public HotplugMonitor {
 public:
  explicit SimulatedHotplugMonitor(SimulatedMachine& machine);
  ~SimulatedHotplugMonitor() override;
  SimulatedHotplugMonitor(const SimulatedHotplugMonitor&) = delete;
  SimulatedHotplugMonitor& operator=(const SimulatedHotplugMonitor&) = delete;

  int FileDescriptor() const override { return pipe_[0]; }
  std::vector<HotplugEvent> DrainPendingEvents() override;
  void Post(const HotplugEvent& event);

 private:
  SimulatedMachine& machine_;
  int listenerId_;
  int pipe_[2] = {-1, -1};
  std::mutex mutex_;
  std::vector<HotplugEvent> pending_;
};

}  // namespace v7
