#pragma once

#include <memory>

#include "link/HidDevice.h"
#include "sim/SimulatedInbox.h"

namespace v7 {

class SimulatedMachine;

// One open handle on the simulated machine. Reads come from the handle's own inbox; writes go
// to the machine. The machine must outlive the handles opened on it.
class SimulatedHidDevice : public HidDevice {
 public:
  SimulatedHidDevice(SimulatedMachine& machine, std::shared_ptr<SimulatedInbox> inbox);
  int ReadTimeout(uint8_t* buffer, size_t length, int milliseconds) override;
  int Write(const uint8_t* data, size_t length) override;

 private:
  SimulatedMachine& machine_;
  std::shared_ptr<SimulatedInbox> inbox_;
};

}  // namespace v7
