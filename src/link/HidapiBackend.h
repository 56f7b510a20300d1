#pragma once

#include "link/HidBackend.h"

namespace v7 {

// The real machine through hidapi's hidraw backend. hid_init runs once per process, on first
// construction; enumerate, open and close belong to one thread (the UI thread).
class HidapiBackend : public HidBackend {
 public:
  HidapiBackend();
  bool Enumerate(std::vector<HidInterfaceInfo>& interfaces) override;
  HidOpenResult Open(const std::string& path) override;

 private:
  bool initialised_;
};

}  // namespace v7
