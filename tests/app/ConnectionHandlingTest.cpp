#include <QFileInfo>
#include <QSignalSpy>

#include "ShellFixture.h"
#include "app/MainWindow.h"
#include "protocol/Commands.h"

namespace v7::test {
namespace {

using Kind = PromptRecord::Kind;
constexpr uint8_t kLevels = 13;
constexpr uint8_t kGoodbye = 138;

TEST_F(ShellFixture, MachinePresentAtStartConnectsSyncsAndPollsLevels) {
  Start(1);
  ASSERT_TRUE(WaitForFirstSync());
  EXPECT_TRUE(sawSyncDialog);
  ASSERT_FALSE(tray.notices.empty());
  EXPECT_EQ(tray.notices[0].text, QStringLiteral("Device connected!"));
  EXPECT_EQ(tray.notices[0].title, QStringLiteral("Information"));
  EXPECT_EQ(tray.notices[0].milliseconds, 5000);
  EXPECT_TRUE(app->Image().syncComplete);

  machine.ClearRequests();
  QTest::qWait(700);  // the 300 ms level timer runs in real time
  EXPECT_GE(CountRequests(kLevels), 2);
  EXPECT_LE(CountRequests(kLevels), 3);

  tray.Click();  // a click removes the notice at once
  EXPECT_FALSE(tray.IsShown());
}

TEST_F(ShellFixture, OtherModelGetsGoodbyeOneBoxAndNoLevelPolling) {
  machine.SetModelName("X9");
  Start(1);
  QSignalSpy handled(app->View(), &MainView::SyncHandled);
  ASSERT_TRUE(handled.wait(kWaitMs));
  EXPECT_EQ(prompts.CountText(QStringLiteral("机器型号与软件不匹配!")), 1);
  EXPECT_EQ(prompts.records.back().caption, QStringLiteral("错误"));
  EXPECT_EQ(prompts.records.back().icon, PromptIcon::Error);
  EXPECT_EQ(CountRequests(kGoodbye), 1);
  EXPECT_FALSE(app->IsLinkOpen());
  EXPECT_FALSE(app->View()->IsMeterTimerActive());
  EXPECT_TRUE(app->View()->AwaitingFirstSync());
  machine.ClearRequests();
  QTest::qWait(400);
  EXPECT_EQ(CountRequests(kLevels), 0);
}

TEST_F(ShellFixture, RemovalAfterSyncWithChangesAsksToSaveAFile) {
  Start(1);
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
  EXPECT_TRUE(app->View()->AwaitingFirstSync());
  EXPECT_EQ(CountRequests(4), 0);  // the machine is gone: no mode is stored
}

TEST_F(ShellFixture, RemovalDuringTheFirstSyncOnlyNotices) {
  clock = std::make_unique<ScaledClock>(0.3);  // a 450 ms start pause to unplug in
  Start(1);
  app->Image().dirty = true;
  WaitForFirstSync([&] { machine.Disappear(); });
  ASSERT_TRUE(sawSyncDialog);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !app->RunningSyncDialog(); }, kWaitMs));
  EXPECT_TRUE(prompts.OfKind(Kind::AskYesNo).empty());
  ASSERT_GE(tray.notices.size(), 2u);
  EXPECT_EQ(tray.notices.back().text, QStringLiteral("Device Disconnected!"));
  EXPECT_EQ(tray.notices.back().milliseconds, 5000);
  EXPECT_FALSE(app->View()->IsMeterTimerActive());
}

TEST_F(ShellFixture, AReadErrorWithoutAHotplugNoticeIsTheMachinesRemoval) {
  // Hot-plug notices come from a bystander that never changes: only the reader sees the loss.
  SimulatedMachine bystander;
  SimulatedHotplugMonitor deaf{bystander};
  SettingsStore(settingsPath).SetLanguage(1);
  AppSeams seams = Seams();
  seams.machine.hotplug = &deaf;
  app = std::make_unique<Application>(seams);
  ASSERT_TRUE(app->InitInstance());
  ASSERT_TRUE(WaitForFirstSync());
  ASSERT_TRUE(app->View()->IsMeterTimerActive());
  machine.Disappear();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !app->IsLinkOpen(); }, kWaitMs));
  EXPECT_EQ(tray.notices.back().text, QStringLiteral("Device Disconnected!"));
  EXPECT_FALSE(app->View()->IsMeterTimerActive());
  app.reset();  // before the monitor it watches
}

TEST_F(ShellFixture, ArrivalReconnectsWithAFourSecondNotice) {
  Start(0);
  ASSERT_TRUE(WaitForFirstSync());
  machine.Disappear();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !app->IsLinkOpen(); }, kWaitMs));
  machine.Reappear();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return app->IsLinkOpen() && !app->View()->AwaitingFirstSync(); }, kWaitMs));
  EXPECT_EQ(tray.notices.back().text, QStringLiteral("设备已连接，同步中……"));
  EXPECT_EQ(tray.notices.back().title, QStringLiteral("信息"));
  EXPECT_EQ(tray.notices.back().milliseconds, 4000);
}

TEST_F(ShellFixture, PendingModeIsStoredAfterTheWriteSequence) {
  Start(1);
  ASSERT_TRUE(WaitForFirstSync());
  machine.ClearRequests();
  app->pendingModeIndex = 1;
  app->StartWriteSync();  // returns when the completion handling closed the dialog
  const auto requests = machine.Requests();
  ASSERT_GE(requests.size(), 2u);
  const auto preamble = PositionsOf(3);
  const auto store = PositionsOf(4);
  ASSERT_EQ(preamble.size(), 1u);
  ASSERT_EQ(store.size(), 1u);
  EXPECT_EQ(store[0], preamble[0] + 1);
  EXPECT_EQ(requests[store[0]].bytes[2], 1);
  EXPECT_EQ(app->pendingModeIndex, -1);
  EXPECT_EQ(app->Image().currentMode, 1);
}

TEST_F(ShellFixture, MachineWithoutPermissionIsExplainedOnce) {
  backend.SetPermissionDenied(true);
  Start(1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.records.empty(); }, kWaitMs));
  EXPECT_TRUE(prompts.records[0].text.contains(QStringLiteral("udevadm trigger")));
  machine.Disappear();
  machine.Reappear();
  QTest::qWait(200);
  EXPECT_EQ(prompts.records.size(), 1u);
  EXPECT_FALSE(app->IsLinkOpen());
}

}  // namespace
}  // namespace v7::test
