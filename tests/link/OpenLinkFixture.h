#pragma once

#include <gtest/gtest.h>

#include <chrono>

#include "link/DeviceLink.h"
#include "protocol/RecordingObserver.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedMachine.h"

namespace v7 {

// The reader polls every 10 ms instead of 100 so that closing is quick; the send token keeps
// its real 1800 ms so that a writer released early is told apart from one timed out.
inline constexpr LinkTimings kLinkTestTimings{std::chrono::milliseconds{1800},
                                              std::chrono::milliseconds{1000},
                                              std::chrono::milliseconds{10}};

// A link opened on the simulated machine, its reader's messages recorded.
class OpenLinkFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    link.SetObserver(&observer);
    ASSERT_EQ(link.OpenUsbDevice(), OpenResult::kOpened);
  }

  ParameterImage image;
  SimulatedMachine machine;
  SimulatedBackend backend{machine};
  RecordingObserver observer;
  DeviceLink link{image, backend, kLinkTestTimings};
};

}  // namespace v7
