#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/HidDevice.h"

namespace v7 {

struct HidInterfaceInfo {
  std::string path;  // for hidraw the device node, e.g. /dev/hidraw3
  uint16_t vendorId = 0;
  uint16_t productId = 0;
};

enum class HidOpenStatus { kOpened, kPermissionDenied, kFailed };

struct HidOpenResult {
  std::unique_ptr<HidDevice> device;  // set when opened
  HidOpenStatus status = HidOpenStatus::kFailed;
};

// Finds and opens HID interfaces. Enumeration and opening run on one thread (the UI thread).
class HidBackend {
 public:
  virtual ~HidBackend() = default;
  // Every present HID interface in enumeration order; false when the list cannot be had.
  virtual bool Enumerate(std::vector<HidInterfaceInfo>& interfaces) = 0;
  virtual HidOpenResult Open(const std::string& path) = 0;
};

}  // namespace v7
