#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>

#include "ShellFixture.h"
#include "controllers/MachineConnection.h"
#include "protocol/Commands.h"

namespace v7::test {
namespace {

using Kind = PromptRecord::Kind;
constexpr uint8_t kLevels = 13;
constexpr uint8_t kGoodbye = 138;
// Qt may fire a coarse timer up to 5 % early.
constexpr int kShortestPollGapMs = ConnectionController::kLevelPollPeriodMs * 95 / 100;

TEST_F(ShellFixture, MachinePresentAtStartConnectsSyncsAndPollsLevels) {
  Start(Language::English);
  ASSERT_TRUE(WaitForFirstSync());
  EXPECT_TRUE(sawSyncDialog);
  ASSERT_FALSE(tray.notices.empty());
  EXPECT_EQ(tray.notices[0].text, QStringLiteral("Device connected!"));
  EXPECT_EQ(tray.notices[0].title, QStringLiteral("Information"));
  EXPECT_EQ(tray.notices[0].milliseconds, 5000);
  EXPECT_TRUE(app->Image().syncComplete);

  // The level timer runs in real time: it keeps polling, never more often than its period.
  machine.ClearRequests();
  QElapsedTimer polling;
  polling.start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return CountRequests(kLevels) >= 2; }, kWaitMs));
  const int polls = CountRequests(kLevels);
  EXPECT_LE(polls, polling.elapsed() / kShortestPollGapMs + 1);

  tray.Click();  // a click removes the notice at once
  EXPECT_FALSE(tray.IsShown());
}

TEST_F(ShellFixture, OtherModelGetsGoodbyeOneBoxAndNoLevelPolling) {
  machine.SetModelName("X9");
  Start(Language::English);
  QSignalSpy handled(&Connection(), &ConnectionController::SyncHandled);
  ASSERT_TRUE(handled.wait(kWaitMs));
  EXPECT_EQ(prompts.CountText(QStringLiteral("机器型号与软件不匹配!")), 1);
  EXPECT_EQ(prompts.records.back().caption, QStringLiteral("错误"));
  EXPECT_EQ(prompts.records.back().icon, PromptIcon::Error);
  EXPECT_EQ(CountRequests(kGoodbye), 1);
  EXPECT_FALSE(app->IsLinkOpen());
  EXPECT_FALSE(Connection().IsLevelPollingActive());
  EXPECT_TRUE(Connection().AwaitingFirstSync());
  // Nothing to wait for: over a poll period and more, no level request goes out.
  machine.ClearRequests();
  QTest::qWait(ConnectionController::kLevelPollPeriodMs + 100);
  EXPECT_EQ(CountRequests(kLevels), 0);
}

TEST_F(ShellFixture, RemovalAfterSyncWithChangesAsksToSaveAFile) {
  Start(Language::English);
  ASSERT_TRUE(WaitForFirstSync());
  app->Image().dirty = true;
  const QString path = dir.filePath(QStringLiteral("after-removal.V7M"));
  prompts.yesNoAnswers = {true};
  prompts.fileAnswers = {path};
  machine.Disappear();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(path); }, kWaitMs));
  const auto questions = prompts.OfKind(Kind::AskYesNo);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].caption, QStringLiteral("保存?"));
  EXPECT_EQ(questions[0].text, QStringLiteral("设备已断开，请问是否需要保存参数文件?"));
  const auto saves = prompts.OfKind(Kind::SaveFile);
  ASSERT_EQ(saves.size(), 1u);
  EXPECT_EQ(saves[0].filter, QStringLiteral("Mode Files (*.V7M)|*.V7M|"));
  EXPECT_EQ(saves[0].proposedName, QStringLiteral("preset"));
  EXPECT_EQ(QFileInfo(path).size(), 907);
  EXPECT_FALSE(app->IsLinkOpen());
  EXPECT_TRUE(Connection().AwaitingFirstSync());
  EXPECT_EQ(CountRequests(4), 0);  // the machine is gone: no mode is stored
}

TEST_F(ShellFixture, RemovalDuringTheFirstSyncOnlyNotices) {
  clock = std::make_unique<ScaledClock>(0.3);  // a 450 ms start pause to unplug in
  Start(Language::English);
  app->Image().dirty = true;
  WaitForFirstSync([&] { machine.Disappear(); });
  ASSERT_TRUE(sawSyncDialog);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !app->RunningSyncDialog(); }, kWaitMs));
  EXPECT_TRUE(prompts.OfKind(Kind::AskYesNo).empty());
  ASSERT_GE(tray.notices.size(), 2u);
  EXPECT_EQ(tray.notices.back().text, QStringLiteral("Device Disconnected!"));
  EXPECT_EQ(tray.notices.back().milliseconds, 5000);
  EXPECT_FALSE(Connection().IsLevelPollingActive());
}

TEST_F(ShellFixture, AReadErrorWithoutAHotplugNoticeIsTheMachinesRemoval) {
  // Hot-plug notices come from a bystander that never changes: only the reader sees the loss.
  SimulatedMachine bystander;
  SimulatedHotplugMonitor deaf{bystander};
  SettingsStore(settingsPath).SetInterfaceLanguage(Language::English);
  AppSeams seams = Seams();
  seams.machine.hotplug = &deaf;
  app = std::make_unique<Application>(seams);
  ASSERT_TRUE(app->Start());
  ASSERT_TRUE(WaitForFirstSync());
  ASSERT_TRUE(Connection().IsLevelPollingActive());
  machine.Disappear();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !app->IsLinkOpen(); }, kWaitMs));
  EXPECT_EQ(tray.notices.back().text, QStringLiteral("Device Disconnected!"));
  EXPECT_FALSE(Connection().IsLevelPollingActive());
  app.reset();  // before the monitor it watches
}

TEST_F(ShellFixture, ArrivalReconnectsWithAFourSecondNotice) {
  Start(Language::Chinese);
  ASSERT_TRUE(WaitForFirstSync());
  machine.Disappear();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !app->IsLinkOpen(); }, kWaitMs));
  machine.Reappear();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return app->IsLinkOpen() && !Connection().AwaitingFirstSync(); }, kWaitMs));
  ASSERT_GE(tray.notices.size(), 2u);
  const auto& connecting = tray.notices[tray.notices.size() - 2];
  EXPECT_EQ(connecting.text, QStringLiteral("设备已连接，同步中……"));
  EXPECT_EQ(connecting.milliseconds, 4000);
  // Once the sync has ended the notice stops saying it is running.
  EXPECT_EQ(tray.notices.back().text, QStringLiteral("设备已连接!"));
  EXPECT_EQ(tray.notices.back().title, QStringLiteral("信息"));
  EXPECT_EQ(tray.notices.back().milliseconds, 4000);
}

TEST_F(ShellFixture, PendingModeIsStoredAfterTheWriteSequence) {
  Start(Language::English);
  ASSERT_TRUE(WaitForFirstSync());
  machine.ClearRequests();
  app->SetPendingModeIndex(1);
  app->StartWriteSync();  // returns when the completion handling closed the dialog
  const auto requests = machine.Requests();
  ASSERT_GE(requests.size(), 2u);
  const auto preamble = PositionsOf(3);
  const auto store = PositionsOf(4);
  ASSERT_EQ(preamble.size(), 1u);
  ASSERT_EQ(store.size(), 1u);
  EXPECT_EQ(store[0], preamble[0] + 1);
  EXPECT_EQ(requests[store[0]].bytes[2], 1);
  EXPECT_EQ(Connection().PendingMode(), kNoPendingMode);
  EXPECT_EQ(app->Image().currentMode, 1);
}

TEST_F(ShellFixture, MachineWithoutPermissionIsExplainedOnce) {
  backend.SetPermissionDenied(true);
  Start(Language::English);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.records.empty(); }, kWaitMs));
  EXPECT_TRUE(prompts.records[0].text.contains(QStringLiteral("udevadm trigger")));
  // The handling of the arrival has run when the spy (connected after it) hears of it.
  QSignalSpy arrived(&app->Connection(), &MachineConnection::DeviceArrived);
  machine.Disappear();
  machine.Reappear();
  ASSERT_TRUE(arrived.wait(kWaitMs));
  EXPECT_EQ(prompts.records.size(), 1u);
  EXPECT_FALSE(app->IsLinkOpen());
}

}  // namespace
}  // namespace v7::test
