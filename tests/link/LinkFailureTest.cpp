// The link when writes fail, replies stay away or the machine vanishes: nobody waits for a
// reply that cannot come.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "link/DeviceLink.h"
#include "link/FakeHidBackend.h"
#include "link/OpenLinkFixture.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "protocol/RecordingObserver.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedMachine.h"

namespace v7 {
namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

// The real 1800 ms reply wait, so that a waiter let go early is told apart from one timed out.
constexpr LinkTimings kRealReplyWait = kLinkTestTimings;
constexpr auto kPrompt = 1s;

template <typename Action>
SteadyClock::duration Timed(Action action) {
  const auto start = SteadyClock::now();
  action();
  return SteadyClock::now() - start;
}

TEST(LinkFailureTest, AFailedWriteLeavesNoReplyToWaitFor) {
  ParameterImage image;
  FakeHidBackend backend;
  backend.interfaces = {{"/dev/hidraw3", DeviceLink::vendorId, DeviceLink::productId}};
  DeviceLink link(image, backend, kRealReplyWait);
  ASSERT_EQ(link.OpenUsbDevice(), OpenResult::kOpened);
  backend.state->SetWritesFail(true);

  EXPECT_EQ(SendCommand(link, kCmdGetMode), 0);
  int second = -1;
  EXPECT_LT(Timed([&] { second = SendCommand(link, kCmdGetMode); }), kPrompt);
  EXPECT_EQ(second, 0);
  bool replied = false;
  EXPECT_LT(Timed([&] { replied = link.AwaitReply(kRealReplyWait.sendTokenWait); }), kPrompt);
  EXPECT_TRUE(replied);  // no request is outstanding
  EXPECT_TRUE(backend.state->writes.empty());
  link.CloseUsbDevice();
}

class VanishingMachineTest : public OpenLinkFixture {};

TEST_F(VanishingMachineTest, AReplyWaiterIsToldAtOnceWhenTheReaderEnds) {
  machine.SetDropReplies(true);
  SendCommand(link, kCmdGetLevels);  // its reply never comes
  auto waiter = std::async(std::launch::async, [this] {
    bool replied = true;
    const auto waited = Timed([&] { replied = link.AwaitReply(kRealReplyWait.sendTokenWait); });
    return std::make_pair(replied, waited);
  });
  const auto deadline = SteadyClock::now() + kPrompt;
  while (link.WaitingForToken() == 0 && SteadyClock::now() < deadline) std::this_thread::yield();
  machine.Disappear();
  const auto [replied, waited] = waiter.get();
  EXPECT_FALSE(replied);
  EXPECT_LT(waited, kPrompt);
  // Once the reader has ended, a reply wait returns false at once.
  EXPECT_LT(Timed([&] { EXPECT_FALSE(link.AwaitReply(kRealReplyWait.sendTokenWait)); }), kPrompt);
}

TEST_F(VanishingMachineTest, AfterVanishingTheNextSendFailsAndTheReplyWaitEndsAtOnce) {
  // The second send races the reader's end: either it is refused before writing, or it takes
  // the token the reader left and its write fails. Both orders are met over the rounds.
  constexpr int kRounds = 20;
  for (int round = 0; round < kRounds; ++round) {
    machine.VanishAfterRequests(1);
    ASSERT_EQ(SendCommand(link, kCmdGetMode), kReportSize);
    bool replied = true;
    const auto waited = Timed([&] {
      EXPECT_EQ(SendCommand(link, kCmdGetMode), 0) << "round " << round;
      replied = link.AwaitReply(kRealReplyWait.sendTokenWait);
    });
    EXPECT_FALSE(replied) << "round " << round;
    ASSERT_LT(waited, kPrompt) << "round " << round;
    link.CloseUsbDevice();
    machine.Reappear();
    ASSERT_EQ(link.OpenUsbDevice(), OpenResult::kOpened);
  }
}

TEST_F(VanishingMachineTest, AReplyGivenUpForLostDoesNotHoldTheNextRequest) {
  machine.DropNextReplies(1);
  SendCommand(link, kCmdGetMode);
  EXPECT_FALSE(link.AwaitReply(50ms));
  int written = 0;
  EXPECT_LT(Timed([&] { written = SendCommand(link, kCmdGetMode); }), kPrompt);
  EXPECT_EQ(written, kReportSize);
  EXPECT_TRUE(link.AwaitReply(kPrompt));
}

}  // namespace
}  // namespace v7
