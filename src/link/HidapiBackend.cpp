#include "link/HidapiBackend.h"

#include <hidapi/hidapi.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>

#include "link/HidapiDevice.h"
#include "protocol/Trace.h"

namespace v7 {
namespace {

bool InitialiseHidapiOnce() {
  static std::once_flag once;
  static bool ok = false;
  std::call_once(once, [] { ok = hid_init() == 0; });
  if (!ok) Trace("hid_init failed");
  return ok;
}

// hid_open_path does not say why it failed; the node's access rights do.
bool LacksPermission(const std::string& path) {
  return access(path.c_str(), R_OK | W_OK) != 0 && errno == EACCES;
}

}  // namespace

HidapiBackend::HidapiBackend() : initialised_(InitialiseHidapiOnce()) {}

bool HidapiBackend::Enumerate(std::vector<HidInterfaceInfo>& interfaces) {
  interfaces.clear();
  if (!initialised_) return false;
  // An empty list and a failed one both come back as null; either way there is nothing to open.
  hid_device_info* list = hid_enumerate(0, 0);
  for (const hid_device_info* info = list; info != nullptr; info = info->next) {
    if (info->path == nullptr) continue;
    const std::string path = info->path;
    // hidapi lists one entry per top-level collection; one interface is one node.
    const bool seen = std::any_of(interfaces.begin(), interfaces.end(),
                                  [&path](const HidInterfaceInfo& i) { return i.path == path; });
    if (!seen) interfaces.push_back({path, info->vendor_id, info->product_id});
  }
  hid_free_enumeration(list);
  return true;
}

HidOpenResult HidapiBackend::Open(const std::string& path) {
  HidOpenResult result;
  if (!initialised_) return result;
  hid_device* handle = hid_open_path(path.c_str());
  if (handle == nullptr) {
    result.status =
        LacksPermission(path) ? HidOpenStatus::kPermissionDenied : HidOpenStatus::kFailed;
    return result;
  }
  result.device = std::make_unique<HidapiDevice>(handle);
  result.status = HidOpenStatus::kOpened;
  return result;
}

}  // namespace v7
