// Many connections in a row leave nothing behind: every open file descriptor and thread a
// connection takes is given back when it closes. Each cycle also looks for a real machine
// through hidapi and udev, which is where descriptors are opened.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "link/DeviceLink.h"
#include "link/HidapiBackend.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedMachine.h"

namespace v7 {
namespace {

using namespace std::chrono_literals;

constexpr int kCycles = 200;
// A short read poll so that each close finds the reader quickly.
constexpr LinkTimings kQuickClose{1800ms, 1000ms, 2ms};

int EntriesIn(const char* folder) {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

struct ProcessCounts {
  int fileDescriptors = EntriesIn("/proc/self/fd");
  int threads = EntriesIn("/proc/self/task");
  bool operator==(const ProcessCounts&) const = default;
};

// A joined thread may linger in /proc for a moment: give the counts a second to settle.
ProcessCounts SettledCounts(const ProcessCounts& expected) {
  const auto deadline = std::chrono::steady_clock::now() + 1s;
  ProcessCounts now;
  while (!(now == expected) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(5ms);
    now = ProcessCounts{};
  }
  return now;
}

TEST(LinkSoakTest, ConnectRequestCloseCyclesLeaveNoDescriptorOrThreadBehind) {
  SimulatedMachine machine;
  machine.SetLatency(0us);
  SimulatedBackend backend(machine);
  ParameterImage image;
  DeviceLink link(image, backend, kQuickClose);
  HidapiBackend hidapi;
  DeviceLink realLink(image, hidapi, kQuickClose);
  auto lookForARealMachine = [&realLink] {
    if (realLink.OpenUsbDevice() == OpenResult::kOpened) realLink.CloseUsbDevice();
  };
  auto connectRequestClose = [&](int cycle) {
    ASSERT_EQ(link.OpenUsbDevice(), OpenResult::kOpened) << "cycle " << cycle;
    ASSERT_EQ(SendCommand(link, kCmdGetMode), kReportSize) << "cycle " << cycle;
    ASSERT_TRUE(link.AwaitReply(1s)) << "cycle " << cycle;
    link.CloseUsbDevice();
    lookForARealMachine();
  };
  // One cycle before counting: hidapi keeps what its first use sets up, and a sanitizer's
  // runtime starts a thread of its own when the first thread is created.
  ASSERT_NO_FATAL_FAILURE(connectRequestClose(-1));
  const ProcessCounts before;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    ASSERT_NO_FATAL_FAILURE(connectRequestClose(cycle));
  }
  const ProcessCounts after = SettledCounts(before);
  EXPECT_EQ(after.fileDescriptors, before.fileDescriptors);
  EXPECT_EQ(after.threads, before.threads);
  EXPECT_EQ(machine.OpenHandleCount(), 0);
  EXPECT_EQ(machine.Requests().size(), static_cast<size_t>(kCycles + 1));
}

}  // namespace
}  // namespace v7
