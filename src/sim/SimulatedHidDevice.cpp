#include "sim/SimulatedHidDevice.h"

#include <algorithm>

#include "sim/SimulatedMachine.h"

namespace v7 {

SimulatedHidDevice::SimulatedHidDevice(SimulatedMachine& machine,
                                       std::shared_ptr<SimulatedInbox> inbox)
    : machine_(machine), inbox_(std::move(inbox)) {}

int SimulatedHidDevice::ReadTimeout(uint8_t* buffer, size_t length, int milliseconds) {
  return inbox_->Read(buffer, length, milliseconds);
}

int SimulatedHidDevice::Write(const uint8_t* data, size_t length) {
  if (inbox_->IsFailed()) return -1;
  Report request;
  std::copy_n(data, std::min(length, request.bytes.size()), request.bytes.begin());
  if (!machine_.Receive(request)) return -1;
  return static_cast<int>(length);
}

}  // namespace v7
