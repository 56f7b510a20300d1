#include "link/UdevHotplugMonitor.h"

#include <libudev.h>

#include <string_view>

#include "protocol/Trace.h"

namespace v7 {
namespace {

constexpr char kSubsystem[] = "hidraw";

std::unique_ptr<UdevHotplugMonitor> Failed(udev* context, udev_monitor* monitor) {
  Trace("注册Guid错误，可能不能捕捉设备的连接或移除\n");
  if (monitor != nullptr) udev_monitor_unref(monitor);
  if (context != nullptr) udev_unref(context);
  return nullptr;
}

}  // namespace

std::unique_ptr<UdevHotplugMonitor> UdevHotplugMonitor::Create() {
  udev* context = udev_new();
  if (context == nullptr) return Failed(nullptr, nullptr);
  udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
  if (monitor == nullptr ||
      udev_monitor_filter_add_match_subsystem_devtype(monitor, kSubsystem, nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor) < 0 || udev_monitor_get_fd(monitor) < 0) {
    return Failed(context, monitor);
  }
  return std::unique_ptr<UdevHotplugMonitor>(new UdevHotplugMonitor(context, monitor));
}

UdevHotplugMonitor::UdevHotplugMonitor(udev* context, udev_monitor* monitor)
    : context_(context), monitor_(monitor) {}

UdevHotplugMonitor::~UdevHotplugMonitor() {
  udev_monitor_unref(monitor_);
  udev_unref(context_);
}

int UdevHotplugMonitor::FileDescriptor() const {
  return udev_monitor_get_fd(monitor_);
}

std::vector<HotplugEvent> UdevHotplugMonitor::DrainPendingEvents() {
  std::vector<HotplugEvent> events;
  // The monitor's socket is non-blocking: receiving returns null once nothing is pending.
  while (udev_device* device = udev_monitor_receive_device(monitor_)) {
    const char* action = udev_device_get_action(device);
    const char* node = udev_device_get_devnode(device);
    if (action != nullptr && node != nullptr) {
      const std::string_view kind = action;
      if (kind == "add") events.push_back({HotplugEvent::Kind::kAdded, node});
      if (kind == "remove") events.push_back({HotplugEvent::Kind::kRemoved, node});
    }
    udev_device_unref(device);
  }
  return events;
}

}  // namespace v7
