#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "link/DeviceLink.h"
#include "link/OpenLinkFixture.h"
#include "params/DspFieldTable.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "protocol/RecordingObserver.h"
#include "protocol/TraceCapture.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedMachine.h"

namespace v7 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Polls `condition` until it holds or a second has passed.
template <typename Condition>
bool WaitUntil(Condition condition) {
  const auto deadline = Clock::now() + 1s;
  while (!condition()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::yield();
  }
  return true;
}

class DeviceLinkTest : public OpenLinkFixture {};

TEST_F(DeviceLinkTest, WritingWhileClosedSendsNothing) {
  link.CloseUsbDevice();
  machine.ClearRequests();
  EXPECT_EQ(SendCommand(link, kCmdGetModel), 0);
  EXPECT_TRUE(machine.Requests().empty());
  EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST_F(DeviceLinkTest, RequestReplyRoundTripThroughTheTap) {
  std::mutex mutex;
  std::vector<std::pair<ReportDirection, Report>> seen;
  link.SetReportTap([&](ReportDirection direction, const Report& report) {
    std::lock_guard lock(mutex);
    seen.emplace_back(direction, report);
  });
  machine.SetModelName("X9");
  EXPECT_EQ(SendCommand(link, kCmdGetModel), kReportSize);
  ASSERT_TRUE(link.AwaitReply(1s));
  EXPECT_EQ(image.modelName, "X9");
  std::lock_guard lock(mutex);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].first, ReportDirection::kSent);
  EXPECT_EQ(seen[0].second, BuildCommand(kCmdGetModel, std::span<const uint8_t>{}));
  EXPECT_EQ(seen[1].first, ReportDirection::kReceived);
  EXPECT_EQ(FormatReportHex(seen[1].second).substr(0, 11), "02 80 58 39");
}

TEST_F(DeviceLinkTest, EveryDspFieldAndMemoryBlockReadsBackExactly) {
  MachineParameters parameters = machine.Current();
  DspParams params;
  params.centerVolume = -7;
  params.subVolume = -3;
  params.mainVolume = -1;
  params.micVolume = -25;
  params.musicVolume = -31;
  params.centerMic = -4;
  params.centerMusic = -6;
  params.subMic = -8;
  params.subMusic = -10;
  params.mainMic = -12;
  params.mainMusic = -14;
  params.micMute = 1;
  params.micEqBypass = 1;
  params.centerEqBypass = 1;
  params.fbcBypass = 1;
  params.echoTime = 7300;
  params.echoVolume = -9;
  params.echoRatio = -77;
  params.micDynamicsSwitch = 0;
  EncodeDspFields(params, parameters);
  for (size_t i = 0; i < parameters.memory.size(); ++i)
    parameters.memory[i] = static_cast<uint8_t>(i * 7 + 3);
  machine.SetCurrent(parameters);

  for (const DspField& field : DspFields())
    EXPECT_EQ(ReadDspParam(link, field.address, field.Bytes()), kReportSize);
  for (int address = 0; address < kEqAreaBytes; address += kMaxReportData) {
    EXPECT_EQ(ReadDeviceMemory(link, address, kMaxReportData), kReportSize);
  }
  ReadDeviceMemory(link, kMusicDynamicsAddress, kDynamicsRecordBytes);
  ReadDeviceMemory(link, kMicDynamicsAddress, kDynamicsRecordBytes);
  ASSERT_TRUE(link.AwaitReply(1s));

  EXPECT_EQ(image.dsp, params);
  EXPECT_TRUE(std::equal(image.eqArea.begin(), image.eqArea.end(), parameters.memory.begin()));
  EXPECT_TRUE(std::equal(image.musicDynamicsRecord.begin(), image.musicDynamicsRecord.end(),
                         parameters.memory.begin() + kMusicDynamicsAddress));
  EXPECT_TRUE(std::equal(image.micDynamicsRecord.begin(), image.micDynamicsRecord.end(),
                         parameters.memory.begin() + kMicDynamicsAddress));
  EXPECT_TRUE(observer.Messages().empty());
}

TEST_F(DeviceLinkTest, RepliesAreStoredBeforeTheNextRequestLeaves) {
  // The pacing the read sequence relies on: each reply is in the image when the next write returns.
  machine.SetLatency(2ms);
  machine.SetModelName("Z1");
  SendCommand(link, kCmdGetModel);
  SendCommand(link, kCmdGetMcuVersion);
  EXPECT_EQ(image.modelName, "Z1");
  ASSERT_TRUE(link.AwaitReply(1s));
  EXPECT_EQ(image.mcuVersion, SimulatedMachine::kDefaultMcuVersion);
}

TEST_F(DeviceLinkTest, AMissingReplyDelaysTheNextWriteByTheTokenWaitNotForever) {
  // The program waits 1800 ms; this link waits 200 ms so the test does not sit out the real wait.
  EXPECT_EQ(LinkTimings{}.sendTokenWait, 1800ms);
  EXPECT_EQ(LinkTimings{}.readerExitWait, 1000ms);
  link.CloseUsbDevice();
  DeviceLink shortWait(image, backend, {200ms, 1000ms, 10ms});
  ASSERT_EQ(shortWait.OpenUsbDevice(), OpenResult::kOpened);
  machine.DropNextReplies(1);
  SendCommand(shortWait, kCmdGetLevels);
  const auto start = Clock::now();
  EXPECT_EQ(SendCommand(shortWait, kCmdGetLevels), kReportSize);
  const auto waited = Clock::now() - start;
  EXPECT_GE(waited, 190ms);
  EXPECT_LT(waited, 1s);
  // The link has recovered: the next reply arrives and releases the token as usual.
  EXPECT_TRUE(shortWait.AwaitReply(1s));
}

TEST_F(DeviceLinkTest, ReadErrorEndsTheReaderAndRefusesWrites) {
  image.syncComplete = true;
  machine.SetDropReplies(true);
  SendCommand(link, kCmdGetLevels);  // its reply never comes: the token stays taken
  auto blockedWriter = std::async(std::launch::async, [this] {
    const auto start = Clock::now();
    const int written = SendCommand(link, kCmdGetLevels);
    return std::make_pair(written, Clock::now() - start);
  });
  ASSERT_TRUE(WaitUntil([this] { return link.WaitingForToken() == 1; }));
  machine.Disappear();
  ASSERT_TRUE(observer.WaitForReaderEnded(1s));
  // The waiting writer was let go at once rather than after 1800 ms.
  const auto [written, waited] = blockedWriter.get();
  EXPECT_LT(waited, 1s);
  EXPECT_EQ(written, 0);  // the vanished machine refused the write

  TraceCapture trace;
  EXPECT_TRUE(link.IsReadThreadEnded());
  EXPECT_FALSE(image.syncComplete);
  EXPECT_EQ(SendCommand(link, kCmdGetLevels), 0);
  EXPECT_TRUE(trace.Contains("g_bReadThreadEnd == TRUE ,WriteUsbData return "));
  EXPECT_EQ(link.OpenUsbDevice(), OpenResult::kAlreadyConnected);

  link.CloseUsbDevice();
  machine.Reappear();
  EXPECT_EQ(link.OpenUsbDevice(), OpenResult::kOpened);
  EXPECT_FALSE(link.IsReadThreadEnded());
}

TEST_F(DeviceLinkTest, ClosingWithASilentMachineEndsTheReaderWithinTheWait) {
  DeviceLink realPoll(image, backend);  // the real 100 ms read time-out
  link.CloseUsbDevice();
  ASSERT_EQ(realPoll.OpenUsbDevice(), OpenResult::kOpened);
  machine.SetDropReplies(true);
  SendCommand(realPoll, kCmdGetLevels);
  TraceCapture trace;
  const auto start = Clock::now();
  EXPECT_TRUE(realPoll.CloseUsbDevice());
  EXPECT_LT(Clock::now() - start, 1000ms);
  EXPECT_FALSE(trace.Contains("wait read thread exited time out !"));
  EXPECT_EQ(machine.OpenHandleCount(), 0);
}

TEST_F(DeviceLinkTest, ClosingReleasesEveryWaitingWriter) {
  machine.SetDropReplies(true);
  SendCommand(link, kCmdGetLevels);  // the token stays taken
  auto waitingWriter = [this] {
    const auto start = Clock::now();
    const int written = SendCommand(link, kCmdGetLevels);
    return std::make_pair(written, Clock::now() - start);
  };
  auto first = std::async(std::launch::async, waitingWriter);
  auto second = std::async(std::launch::async, waitingWriter);
  ASSERT_TRUE(WaitUntil([this] { return link.WaitingForToken() == 2; }));
  link.CloseUsbDevice();
  for (auto* writer : {&first, &second}) {
    const auto [written, waited] = writer->get();
    EXPECT_EQ(written, 0);
    EXPECT_LT(waited, 1s);
  }
}

TEST_F(DeviceLinkTest, GoodbyeIsTheLastRequest) {
  SendCommand(link, kCmdGetMode);
  link.CloseUsbDeviceWithGoodbye();
  EXPECT_EQ(machine.RequestCodes(), (std::vector<uint8_t>{kCmdGetMode, kCmdGoodbye}));
  EXPECT_FALSE(link.IsConnected());
}

TEST_F(DeviceLinkTest, LoadModeIsRememberedAndItsEchoAccepted) {
  SendCommand(link, kCmdLoadMode, {2});
  ASSERT_TRUE(link.AwaitReply(1s));
  EXPECT_EQ(link.LastEchoReport(), BuildCommand(kCmdLoadMode, {2}));
  EXPECT_TRUE(observer.Messages().empty());
  EXPECT_EQ(machine.CurrentMode(), 2);
}

TEST_F(DeviceLinkTest, LinkMessagesAreTracedWithTheirTextAndPassedOn) {
  TraceCapture trace;
  const Report stray = BuildMemoryCommand(kCmdReadMemory, 0x0160, std::vector<uint8_t>{1, 2});
  machine.SendUnsolicited(stray);
  ASSERT_TRUE(observer.WaitForMessage(1s));
  const std::vector<LinkMessage> expected = {{LinkMessageKind::kUnknownMemoryAddress, stray, {}}};
  EXPECT_EQ(observer.Messages(), expected);
  EXPECT_TRUE(trace.Contains(" errror copy code:2"));
}

TEST_F(DeviceLinkTest, LearnedKeyIsPostedToTheObserver) {
  machine.SetKeyLearnDelay(5ms);
  machine.SetLearnedKeyCode(0x5A);
  SendCommand(link, kCmdLearnKey, {9});
  ASSERT_TRUE(observer.WaitForKey(1s));
  EXPECT_EQ(observer.Keys(), std::vector<int>{0x5A});
  EXPECT_EQ(image.remoteKeys[9], 0x5A);
}

TEST_F(DeviceLinkTest, ConcurrentWritersEachGetTheirReplies) {
  machine.SetLatency(0us);
  constexpr int kPerWriter = 50;
  auto writer = [this](uint8_t code) {
    int sent = 0;
    for (int i = 0; i < kPerWriter; ++i) sent += SendCommand(link, code) == kReportSize;
    return sent;
  };
  auto levels = std::async(std::launch::async, writer, kCmdGetLevels);
  auto modes = std::async(std::launch::async, writer, kCmdGetMode);
  EXPECT_EQ(levels.get(), kPerWriter);
  EXPECT_EQ(modes.get(), kPerWriter);
  ASSERT_TRUE(link.AwaitReply(1s));
  EXPECT_EQ(machine.Requests().size(), 2u * kPerWriter);
}

}  // namespace
}  // namespace v7
