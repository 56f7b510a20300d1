#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "link/Clock.h"
#include "link/DeviceLink.h"
#include "params/ParameterImage.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedMachine.h"

namespace v7::testing_support {

// An image and a link opened on an in-process simulated machine (1 ms reply latency). The
// sequences' pauses run on a clock scaled to a hundredth, so the 1500 ms start pause takes
// 15 ms; they are shortened, not skipped. A lost reply holds the next request for 100 ms
// instead of 1800 ms; sequences given kReplyWaitHere wait as long for each reply.
class SimulatedLinkFixture : public testing::Test {
 protected:
  static constexpr double kClockScale = 0.01;
  static constexpr std::chrono::milliseconds kReplyWaitHere{100};

  SimulatedLinkFixture() { image.FillStartupBands(); }
  void SetUp() override { ASSERT_EQ(link.OpenUsbDevice(), OpenResult::kOpened); }
  void TearDown() override { link.CloseUsbDevice(); }

  // Waits for the reply to the last request, so the machine's record of requests and the
  // image are complete.
  void Settle() { link.AwaitReply(std::chrono::milliseconds(500)); }

  std::vector<Report> Requests() { return machine.Requests(); }

  SimulatedMachine machine;
  SimulatedBackend backend{machine};
  ParameterImage image;
  DeviceLink link{image, backend, LinkTimings{kReplyWaitHere}};
  ScaledClock clock{kClockScale};
};

}  // namespace v7::testing_support
