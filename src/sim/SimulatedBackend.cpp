#include "sim/SimulatedBackend.h"

#include "sim/SimulatedHidDevice.h"
#include "sim/SimulatedMachine.h"

namespace v7 {

bool SimulatedBackend::Enumerate(std::vector<HidInterfaceInfo>& interfaces) {
  interfaces.clear();
  if (machine_.IsPresent()) interfaces.push_back({machine_.Path(), kVendorId, kProductId});
  return true;
}

HidOpenResult SimulatedBackend::Open(const std::string& path) {
  HidOpenResult result;
  if (path != machine_.Path()) return result;
  if (permissionDenied_) {
    result.status = HidOpenStatus::kPermissionDenied;
    return result;
  }
  auto inbox = machine_.OpenHandle();
  if (!inbox) return result;
  result.device = std::make_unique<SimulatedHidDevice>(machine_, std::move(inbox));
  result.status = HidOpenStatus::kOpened;
  return result;
}

}  // namespace v7
