#pragma once

#include <memory>

#include "link/HotplugMonitor.h"

struct udev;
struct udev_monitor;

namespace v7 {

inline constexpr char kHotplugRegisterErrorCaption[] = "Error";
inline constexpr char kHotplugRegisterErrorText[] = "Can't register device notification: ";

// hidraw add and remove events from the udev daemon's netlink source.
class UdevHotplugMonitor : public HotplugMonitor {
 public:
  // Null when the monitor cannot be set up (traced); the caller then shows the
  // kHotplugRegisterError box and carries on without notices.
  static std::unique_ptr<UdevHotplugMonitor> Create();
  ~UdevHotplugMonitor() override;
  UdevHotplugMonitor(const UdevHotplugMonitor&) = delete;
  UdevHotplugMonitor& operator=(const UdevHotplugMonitor&) = delete;

  int FileDescriptor() const override;
  std::vector<HotplugEvent> DrainPendingEvents() override;

 private:
  UdevHotplugMonitor(udev* context, udev_monitor* monitor);

  udev* context_;
  udev_monitor* monitor_;
};

}  // namespace v7
