#pragma once

namespace v7 {

class Clock;
class HidBackend;
class HotplugMonitor;

// The machine's side of the outside world. Null members take the real ones: hidapi, the
// udev monitor and real time; with `simulate` the built-in simulated machine is used.
struct MachineSeams {
  HidBackend* backend = nullptr;
  HotplugMonitor* hotplug = nullptr;
  Clock* clock = nullptr;
  bool simulate = false;
};

}  // namespace v7
