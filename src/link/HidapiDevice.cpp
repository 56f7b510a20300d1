#include "link/HidapiDevice.h"

namespace v7 {

HidapiDevice::~HidapiDevice() {
  hid_close(handle_);
}

int HidapiDevice::ReadTimeout(uint8_t* buffer, size_t length, int milliseconds) {
  // hidraw hands numbered reports over with their report id as byte 0.
  return hid_read_timeout(handle_, buffer, length, milliseconds);
}

int HidapiDevice::Write(const uint8_t* data, size_t length) {
  return hid_write(handle_, data, length);
}

}  // namespace v7
