#pragma once

#include <hidapi/hidapi.h>

#include "link/HidDevice.h"

namespace v7 {

// A handle from hid_open_path (hidraw backend). The report id byte is byte 0 both ways.
class HidapiDevice : public HidDevice {
 public:
  explicit HidapiDevice(hid_device* handle) : handle_(handle) {}
  ~HidapiDevice() override;
  HidapiDevice(const HidapiDevice&) = delete;
  HidapiDevice& operator=(const HidapiDevice&) = delete;

  int ReadTimeout(uint8_t* buffer, size_t length, int milliseconds) override;
  int Write(const uint8_t* data, size_t length) override;

 private:
  hid_device* handle_;
};

}  // namespace v7
