#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "link/HidapiBackend.h"
#include "link/UdevHotplugMonitor.h"

namespace v7 {
namespace {

// The real backends on a machine without the device: they must answer, not fail hard.
TEST(HidapiBackendTest, EnumeratesAndRefusesMissingPaths) {
  HidapiBackend backend;
  std::vector<HidInterfaceInfo> interfaces;
  EXPECT_TRUE(backend.Enumerate(interfaces));
  const HidOpenResult result = backend.Open("/dev/hidraw-does-not-exist");
  EXPECT_EQ(result.status, HidOpenStatus::kFailed);
  EXPECT_EQ(result.device, nullptr);
}

TEST(HidapiBackendTest, NodeWithoutAccessRightsIsPermissionDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "root may open any node";
  const auto path = std::filesystem::temp_directory_path() / "v7-no-access-node";
  std::FILE* file = std::fopen(path.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  std::filesystem::permissions(path, std::filesystem::perms::none);
  HidapiBackend backend;
  EXPECT_EQ(backend.Open(path.string()).status, HidOpenStatus::kPermissionDenied);
  std::filesystem::remove(path);
}

TEST(UdevHotplugMonitorTest, DrainsWithoutBlocking) {
  const auto monitor = UdevHotplugMonitor::Create();
  if (!monitor) GTEST_SKIP() << "no udev netlink socket here";
  EXPECT_GE(monitor->FileDescriptor(), 0);
  // Returns at once with whatever is pending (the socket is non-blocking).
  const auto start = std::chrono::steady_clock::now();
  monitor->DrainPendingEvents();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

}  // namespace
}  // namespace v7
