#pragma once

#include <cstddef>
#include <cstdint>

namespace v7 {

// One open HID interface handle. Closed when destroyed. A handle is used by one thread at a
// time (the link keeps a read handle and a write handle).
class HidDevice {
 public:
  virtual ~HidDevice() = default;
  // Bytes read (for numbered reports the report id is byte 0), 0 on time-out, -1 on error.
  virtual int ReadTimeout(uint8_t* buffer, size_t length, int milliseconds) = 0;
  // Bytes written (byte 0 is the report id), -1 on error.
  virtual int Write(const uint8_t* data, size_t length) = 0;
};

}  // namespace v7
