#pragma once

#include <atomic>

#include "link/HidBackend.h"

namespace v7 {

class SimulatedMachine;

// Shows the simulated machine as one HID interface (vendor 0x2010, product 0x0115, the
// machine's own path) while it is present.
class SimulatedBackend : public HidBackend {
 public:
  static constexpr uint16_t kVendorId = 0x2010;
  static constexpr uint16_t kProductId = 0x0115;

  explicit SimulatedBackend(SimulatedMachine& machine) : machine_(machine) {}
  bool Enumerate(std::vector<HidInterfaceInfo>& interfaces) override;
  HidOpenResult Open(const std::string& path) override;

  // Makes opens fail as a device node without access rights does (for the permission notice).
  void SetPermissionDenied(bool denied) { permissionDenied_ = denied; }

 private:
  SimulatedMachine& machine_;
  std::atomic<bool> permissionDenied_{false};
};

}  // namespace v7
