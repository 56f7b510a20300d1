#include <gtest/gtest.h>
#include <poll.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "link/DeviceLink.h"
#include "params/DspFieldTable.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "protocol/RecordingObserver.h"
#include "sim/DelayedTasks.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedHotplugMonitor.h"
#include "sim/SimulatedMachine.h"

namespace v7 {
namespace {

using namespace std::chrono_literals;

// Talks to the machine through one handle, as the link's two handles do.
class SimulatedMachineTest : public ::testing::Test {
 protected:
  SimulatedMachineTest() { machine.SetLatency(0us); }

  // Sends a request and returns the first reply, or nullopt after `wait`.
  std::optional<Report> Ask(const Report& request, std::chrono::milliseconds wait = 200ms) {
    EXPECT_EQ(handle->Write(request.bytes.data(), kReportSize), kReportSize);
    return Next(wait);
  }
  std::optional<Report> Next(std::chrono::milliseconds wait = 200ms) {
    Report reply;
    const int count =
        handle->ReadTimeout(reply.bytes.data(), kReportSize, static_cast<int>(wait.count()));
    if (count != kReportSize) return std::nullopt;
    return reply;
  }

  SimulatedMachine machine;
  SimulatedBackend backend{machine};
  std::unique_ptr<HidDevice> handle = backend.Open(machine.Path()).device;
};

TEST_F(SimulatedMachineTest, AppearsAsTheMachinesHidInterface) {
  std::vector<HidInterfaceInfo> list;
  ASSERT_TRUE(backend.Enumerate(list));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].vendorId, 0x2010);
  EXPECT_EQ(list[0].productId, 0x0115);
  EXPECT_EQ(list[0].path, SimulatedMachine::kDefaultPath);
  EXPECT_EQ(backend.Open("/dev/hidraw0").status, HidOpenStatus::kFailed);
  backend.SetPermissionDenied(true);
  EXPECT_EQ(backend.Open(machine.Path()).status, HidOpenStatus::kPermissionDenied);
}

TEST_F(SimulatedMachineTest, IdentityReplies) {
  const auto model = Ask(BuildCommand(kCmdGetModel, {}));
  ASSERT_TRUE(model);
  EXPECT_EQ(model->bytes[0], kReportId);
  EXPECT_EQ(model->Code(), kCmdGetModel);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&model->bytes[2])), "V7");
  machine.SetModelName("V8");
  EXPECT_EQ(Ask(BuildCommand(kCmdGetModel, {}))->bytes[3], '8');
  EXPECT_EQ(std::string(
                reinterpret_cast<const char*>(&Ask(BuildCommand(kCmdGetMcuVersion, {}))->bytes[2])),
            SimulatedMachine::kDefaultMcuVersion);
  EXPECT_EQ(Ask(BuildCommand(kCmdGetProtocol, {}))->bytes[2],
            SimulatedMachine::kDefaultProtocolVersion);
}

TEST_F(SimulatedMachineTest, RecordsRequestsInOrder) {
  Ask(BuildCommand(kCmdGetModel, {}));
  Ask(BuildCommand(kCmdReadMemory, {0, 0, 56}));
  Ask(BuildCommand(kCmdGoodbye, {}), 5ms);
  EXPECT_EQ(machine.RequestCodes(),
            (std::vector<uint8_t>{kCmdGetModel, kCmdReadMemory, kCmdGoodbye}));
  EXPECT_EQ(machine.Requests()[1], BuildCommand(kCmdReadMemory, {0, 0, 56}));
}

TEST_F(SimulatedMachineTest, DspWritesAreAcknowledgedAndReadBack) {
  const DspWord words[] = {0x00123456, -1};
  const Report write = BuildMemoryCommand(kCmdWriteDsp, 320, {});
  Report request = write;
  request.bytes[4] = 8;
  PutDspWord(&request.bytes[5], words[0]);
  PutDspWord(&request.bytes[9], words[1]);
  const auto ack = Ask(request);
  ASSERT_TRUE(ack);
  EXPECT_EQ(ack->Code(), kCmdWriteDsp);
  EXPECT_EQ(machine.Current().dspRam[320], 0x00123456);
  EXPECT_EQ(machine.Current().dspRam[321], -1);
  const auto read = Ask(BuildCommand(kCmdReadDsp, {0x01, 0x40, 8}));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Address(), 320);
  EXPECT_EQ(read->Length(), 8);
  EXPECT_EQ(GetDspWord(read->Data()), 0x00123456);
  EXPECT_EQ(GetDspWord(read->Data() + 4), -1);
}

TEST_F(SimulatedMachineTest, ReadsAreClampedToTheMachinesMemory) {
  const auto dsp = Ask(BuildCommand(kCmdReadDsp, {0x01, 0xFE, 16}));  // word 510: two words left
  EXPECT_EQ(dsp->Length(), 8);
  const auto memory = Ask(BuildCommand(kCmdReadMemory, {0x01, 0x70, 56}));  // 368: 16 bytes left
  EXPECT_EQ(memory->Length(), 16);
  const auto beyond = Ask(BuildCommand(kCmdReadMemory, {0x02, 0x00, 56}));
  EXPECT_EQ(beyond->Length(), 0);
  Report tooFar = BuildMemoryCommand(kCmdWriteMemory, 380, std::vector<uint8_t>(8, 0x77));
  Ask(tooFar);
  EXPECT_EQ(machine.Current().memory[383], 0x77);
}

TEST_F(SimulatedMachineTest, StoredModesLoadAndFactoryRecall) {
  const MachineParameters factory2 = FactoryMode(2);
  EXPECT_NE(FactoryMode(0), factory2);
  EXPECT_EQ(machine.CurrentMode(), 0);

  // Change a volume, store it as M4, load M3, then M4 again.
  Ask(BuildMemoryCommand(kCmdWriteDsp, kDspMicVolume, std::vector<uint8_t>{0, 0x40, 0x26, 0xE7}));
  Ask(BuildCommand(kCmdStoreMode, {3}));
  EXPECT_EQ(machine.CurrentMode(), 3);
  const auto echo = Ask(BuildCommand(kCmdLoadMode, {2}));
  EXPECT_EQ(*echo, BuildCommand(kCmdLoadMode, {2}));  // the echo the PC checks
  EXPECT_EQ(machine.Current(), factory2);
  EXPECT_EQ(Ask(BuildCommand(kCmdGetMode, {}))->bytes[2], 2);
  Ask(BuildCommand(kCmdLoadMode, {3}));
  const auto volumes = Ask(BuildCommand(kCmdGetVolumes, {}));
  EXPECT_EQ(static_cast<int8_t>(volumes->bytes[2]), -6);

  // Factory recall of M4 restores its factory contents and makes it current.
  Ask(BuildCommand(kCmdFactoryMode, {3}));
  EXPECT_EQ(machine.StoredMode(3), FactoryMode(3));
  EXPECT_EQ(machine.Current(), FactoryMode(3));
}

TEST_F(SimulatedMachineTest, SettingsRemoteTableAndAutoSub) {
  const auto settings = Ask(BuildCommand(kCmdGetSettings, {}));
  EXPECT_EQ(settings->bytes[9], 0x5A);  // reserved bytes the PC must send back unchanged
  Ask(BuildCommand(kCmdSetSettings, {1, 0xF6, 127, 0, 0, 1, 0x03, 0x5A, 0xA5}));
  EXPECT_EQ(machine.Settings(), (DeviceSettings{1, 0xF6, 127, 0, 0, 1, 0x03, 0x5A, 0xA5}));

  RemoteKeyTable keys{};
  keys.fill(0x33);
  Ask(BuildCommand(kCmdSetRemoteKeys, keys));
  const auto table = Ask(BuildCommand(kCmdGetRemoteKeys, {}));
  EXPECT_EQ(table->bytes[17], 0x33);

  Ask(BuildCommand(kCmdAutoSub, {kAutoSubWrite, 7, 8, 9}));
  EXPECT_EQ(*Ask(BuildCommand(kCmdAutoSub, {kAutoSubRead})),
            BuildCommand(kCmdAutoSub, {1, 7, 8, 9}));
}

TEST_F(SimulatedMachineTest, LevelsMove) {
  const auto first = Ask(BuildCommand(kCmdGetLevels, {}));
  const auto second = Ask(BuildCommand(kCmdGetLevels, {}));
  EXPECT_NE(first->bytes[2], second->bytes[2]);
  EXPECT_LE(second->bytes[2], SimulatedMachine::kLevelMaximum);
  EXPECT_LE(second->bytes[3], SimulatedMachine::kLevelMaximum);
}

TEST_F(SimulatedMachineTest, KeyLearningAnswersLaterAndCanBeCancelled) {
  // Until the user presses a key nothing comes back; a cancel drops the pending answer.
  machine.SetKeyLearnDelay(10s);
  EXPECT_FALSE(Ask(BuildCommand(kCmdLearnKey, {17}), 20ms));
  EXPECT_EQ(Ask(BuildCommand(kCmdCancelLearn, {}))->Code(), kCmdCancelLearn);
  EXPECT_FALSE(Next(50ms));

  machine.SetKeyLearnDelay(1ms);
  handle->Write(BuildCommand(kCmdLearnKey, {9}).bytes.data(), kReportSize);
  const auto learned = Next(1s);
  ASSERT_TRUE(learned);
  EXPECT_EQ(*learned, BuildCommand(kCmdLearnKey, {0x01, 9, 0x59}));
  EXPECT_EQ(machine.RemoteKeys()[9], 0x59);
}

TEST_F(SimulatedMachineTest, LatencyDropsAndUnsolicitedReports) {
  machine.SetLatency(30ms);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(Ask(BuildCommand(kCmdGetMode, {}), 1s));
  EXPECT_GE(std::chrono::steady_clock::now() - start, 30ms);
  machine.SetLatency(0us);

  machine.DropNextReplies(1);
  EXPECT_FALSE(Ask(BuildCommand(kCmdGetMode, {}), 20ms));
  EXPECT_TRUE(Ask(BuildCommand(kCmdGetMode, {})));
  machine.SetDropReplies(true);
  EXPECT_FALSE(Ask(BuildCommand(kCmdGetMode, {}), 20ms));
  machine.SetDropReplies(false);

  machine.SendUnsolicited(BuildCommand(kCmdUnsolicitedSub, {0, 0x42}));
  EXPECT_EQ(Next()->bytes[3], 0x42);
  EXPECT_FALSE(Ask(BuildCommand(0x77, {}), 20ms));  // unknown codes get no answer
}

TEST_F(SimulatedMachineTest, ResetDisappearsAndComesBack) {
  SimulatedHotplugMonitor monitor(machine);
  std::promise<void> cameBack;
  const int listener = machine.AddPresenceListener([&cameBack, told = false](bool present) mutable {
    if (present && !told) cameBack.set_value();
    told = told || present;
  });
  machine.SetResetDelay(40ms);
  EXPECT_EQ(handle->Write(BuildCommand(kCmdReset, {kResetMagic}).bytes.data(), kReportSize),
            kReportSize);
  Report buffer;
  EXPECT_EQ(handle->ReadTimeout(buffer.bytes.data(), kReportSize, 10), -1);
  EXPECT_EQ(handle->Write(buffer.bytes.data(), kReportSize), -1);
  EXPECT_FALSE(machine.IsPresent());
  std::vector<HidInterfaceInfo> list;
  backend.Enumerate(list);
  EXPECT_TRUE(list.empty());

  ASSERT_EQ(cameBack.get_future().wait_for(2s), std::future_status::ready);
  machine.RemovePresenceListener(listener);
  ASSERT_TRUE(machine.IsPresent());
  const std::vector<HotplugEvent> events = monitor.DrainPendingEvents();
  EXPECT_EQ(events, (std::vector<HotplugEvent>{{HotplugEvent::Kind::kRemoved, machine.Path()},
                                               {HotplugEvent::Kind::kAdded, machine.Path()}}));
  EXPECT_TRUE(monitor.DrainPendingEvents().empty());
  // The old handle stays dead; a new one works.
  EXPECT_EQ(handle->ReadTimeout(buffer.bytes.data(), kReportSize, 0), -1);
  handle = backend.Open(machine.Path()).device;
  EXPECT_TRUE(Ask(BuildCommand(kCmdGetMode, {})));
}

TEST_F(SimulatedMachineTest, VanishesMidSequence) {
  machine.VanishAfterRequests(2);
  EXPECT_TRUE(Ask(BuildCommand(kCmdGetModel, {})));
  EXPECT_FALSE(Ask(BuildCommand(kCmdGetMcuVersion, {}), 20ms));
  EXPECT_FALSE(machine.IsPresent());
  EXPECT_EQ(handle->Write(BuildCommand(kCmdGetMode, {}).bytes.data(), kReportSize), -1);
  EXPECT_EQ(machine.RequestCodes(), (std::vector<uint8_t>{kCmdGetModel, kCmdGetMcuVersion}));
}

// The worker waits for the earliest task while a cancel or the destructor may free it: the
// wait must not read the task again on waking (AddressSanitizer sees it if it does).
TEST(DelayedTasksTest, ATaskCancelledWhileAwaitedIsDroppedSafely) {
  std::atomic<int> runs{0};
  {
    DelayedTasks tasks;
    const int id = tasks.Schedule(200ms, [&runs] { ++runs; });
    std::this_thread::sleep_for(20ms);
    tasks.Cancel(id);
    tasks.Schedule(30ms, [&runs] { runs += 10; });
    std::this_thread::sleep_for(250ms);
    tasks.Schedule(200ms, [&runs] { ++runs; });
    std::this_thread::sleep_for(20ms);
  }  // destroyed while its worker waits for the last task
  EXPECT_EQ(runs, 10);
}

TEST(SimulatedHotplugMonitorTest, WakesItsFileDescriptor) {
  SimulatedMachine machine;
  SimulatedHotplugMonitor monitor(machine);
  ASSERT_GE(monitor.FileDescriptor(), 0);
  machine.Disappear();
  pollfd watch{monitor.FileDescriptor(), POLLIN, 0};
  EXPECT_EQ(poll(&watch, 1, 100), 1);
  EXPECT_EQ(monitor.DrainPendingEvents().size(), 1u);
  EXPECT_EQ(poll(&watch, 1, 0), 0);
}

// The whole machine through the link: a store into a mode survives a load of another mode.
TEST(SimulatedMachineThroughTheLink, ModeRoundTrip) {
  ParameterImage image;
  SimulatedMachine machine;
  SimulatedBackend backend(machine);
  DeviceLink link(image, backend,
                  {std::chrono::milliseconds(1800), std::chrono::milliseconds(1000), 10ms});
  ASSERT_EQ(link.OpenUsbDevice(), OpenResult::kOpened);
  WriteDspWords(link, kDspEchoTime, std::array<DspWord, 1>{6000});
  SendCommand(link, kCmdStoreMode, {1});
  SendCommand(link, kCmdLoadMode, {0});
  ReadDspParam(link, kDspEchoTime, 4);
  ASSERT_TRUE(link.AwaitReply(1s));
  EXPECT_EQ(image.dsp.echoTime, 3200);
  SendCommand(link, kCmdLoadMode, {1});
  ReadDspParam(link, kDspEchoTime, 4);
  ASSERT_TRUE(link.AwaitReply(1s));
  EXPECT_EQ(image.dsp.echoTime, 6000);
  EXPECT_TRUE(image.dirty);  // the DSP write was acknowledged
}

// What the user interface sees when the machine restarts: the reader ends, a removal notice
// names the open device, and after the delay an arrival lets the link open again.
TEST(SimulatedMachineThroughTheLink, ResetIsARemovalThenAnArrival) {
  ParameterImage image;
  SimulatedMachine machine;
  machine.SetResetDelay(30ms);
  SimulatedBackend backend(machine);
  SimulatedHotplugMonitor monitor(machine);
  RecordingObserver observer;
  DeviceLink link(image, backend,
                  {std::chrono::milliseconds(1800), std::chrono::milliseconds(1000), 10ms});
  link.SetObserver(&observer);
  ASSERT_EQ(link.OpenUsbDevice(), OpenResult::kOpened);

  SendCommand(link, kCmdReset, {kResetMagic});
  ASSERT_TRUE(observer.WaitForReaderEnded(1s));
  pollfd watch{monitor.FileDescriptor(), POLLIN, 0};
  ASSERT_EQ(poll(&watch, 1, 1000), 1);
  std::vector<HotplugEvent> events = monitor.DrainPendingEvents();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events[0].kind, HotplugEvent::Kind::kRemoved);
  EXPECT_TRUE(link.IsOpenDevice(events[0].devnode));
  link.CloseUsbDevice();

  while (events.size() < 2 && poll(&watch, 1, 2000) == 1) {
    for (const HotplugEvent& event : monitor.DrainPendingEvents()) events.push_back(event);
  }
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].kind, HotplugEvent::Kind::kAdded);
  EXPECT_EQ(link.OpenUsbDevice(), OpenResult::kOpened);
}

}  // namespace
}  // namespace v7
