// The connection handling on its own: the machine connection over the simulated machine, a
// recording host in place of the application, scripted prompts; no window.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <memory>

#include "controllers/ConnectionController.h"
#include "controllers/ConnectionHost.h"
#include "controllers/MachineConnection.h"
#include "controllers/MachineSeams.h"
#include "link/Clock.h"
#include "params/ParameterImage.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedHotplugMonitor.h"
#include "sim/SimulatedMachine.h"
#include "support/ScriptedPrompts.h"
#include "sync/PacedRequests.h"

namespace v7::test {
namespace {

using Kind = PromptRecord::Kind;
constexpr int kWaitMs = 5000;

// Starts the read sequence without a dialog and remembers what it was asked.
class RecordingHost : public ConnectionHost {
 public:
  explicit RecordingHost(MachineConnection& machine) : machine_(machine) {}

  Language language = Language::English;
  int readSyncs = 0;
  int dialogsEnded = 0;
  std::vector<QString> writtenFiles;

  Language InterfaceLanguage() const override { return language; }
  void StartReadSync() override {
    ++readSyncs;
    machine_.StartSync(SyncKind::kRead);
  }
  void EndSyncDialog() override { ++dialogsEnded; }
  bool WriteModeFileReporting(const QString& path) override {
    writtenFiles.push_back(path);
    return true;
  }

 private:
  MachineConnection& machine_;
};

class ConnectionControllerTest : public ::testing::Test {
 protected:
  MachineSeams Seams() {
    MachineSeams seams;
    seams.backend = &backend;
    seams.hotplug = &hotplug;
    seams.clock = &clock;
    return seams;
  }

  // Connects and waits for the end of the completion handling.
  void ConnectAndSync() {
    QSignalSpy handled(&controller, &ConnectionController::SyncHandled);
    ASSERT_TRUE(controller.TryConnect(ConnectionController::kArrivalNoticeMs));
    ASSERT_TRUE(handled.wait(kWaitMs));
  }

  SimulatedMachine machine;
  SimulatedBackend backend{machine};
  SimulatedHotplugMonitor hotplug{machine};
  ScaledClock clock{0.01};
  ScriptedPrompts prompts;
  MachineConnection connection{Seams()};
  RecordingHost host{connection};
  ConnectionController controller{connection, host, prompts};
};

struct NoticeCase {
  Language language;
  const char* title;
  const char* connected;
  const char* synced;
  const char* disconnected;
};

class ConnectionNoticeTest : public ConnectionControllerTest,
                             public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(ConnectionNoticeTest, ConnectingSyncsPollsAndBothNoticesSpeakTheLanguage) {
  const NoticeCase& c = GetParam();
  host.language = c.language;
  QSignalSpy connected(&controller, &ConnectionController::Connected);
  QSignalSpy notices(&controller, &ConnectionController::NoticeRequested);
  QSignalSpy accepted(&controller, &ConnectionController::SyncAccepted);
  ConnectAndSync();
  EXPECT_EQ(connected.size(), 1);
  EXPECT_EQ(host.readSyncs, 1);
  EXPECT_EQ(host.dialogsEnded, 1);
  EXPECT_EQ(accepted.size(), 1);
  EXPECT_FALSE(controller.AwaitingFirstSync());
  EXPECT_TRUE(controller.IsLevelPollingActive());
  ASSERT_EQ(notices.size(), 2);
  EXPECT_EQ(notices[0][0].toString(), QString::fromUtf8(c.title));
  EXPECT_EQ(notices[0][1].toString(), QString::fromUtf8(c.connected));
  EXPECT_EQ(notices[0][2].toInt(), ConnectionController::kArrivalNoticeMs);
  // The sync has ended: the notice no longer says it is running.
  EXPECT_EQ(notices[1][1].toString(), QString::fromUtf8(c.synced));
  EXPECT_EQ(notices[1][2].toInt(), ConnectionController::kArrivalNoticeMs);

  controller.OnDeviceRemoval(QString::fromStdString(machine.Path()));
  EXPECT_FALSE(connection.IsOpen());
  EXPECT_FALSE(controller.IsLevelPollingActive());
  ASSERT_EQ(notices.size(), 3);
  EXPECT_EQ(notices[2][0].toString(), QString::fromUtf8(c.title));
  EXPECT_EQ(notices[2][1].toString(), QString::fromUtf8(c.disconnected));
  EXPECT_EQ(notices[2][2].toInt(), ConnectionController::kRemovalNoticeMs);
  EXPECT_TRUE(prompts.records.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ConnectionNoticeTest,
    ::testing::Values(NoticeCase{Language::Chinese, "信息", "设备已连接，同步中……", "设备已连接!",
                                 "设备已断开!"},
                      NoticeCase{Language::English, "Information", "Device connected!",
                                 "Device connected!", "Device Disconnected!"}));

struct SaveCase {
  const char* name;
  bool yes;
  QString path;  // empty: the file dialog is cancelled
  size_t fileDialogs;
  size_t written;
};

class SaveAfterRemovalTest : public ConnectionControllerTest,
                             public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveAfterRemovalTest, AChangedMachineUnpluggedAsksThroughThePromptsWithTheOwnerGiven) {
  const SaveCase& c = GetParam();
  QWidget owner;
  controller.SetPromptOwner(&owner);
  ConnectAndSync();
  connection.Image().dirty = true;
  prompts.yesNoAnswers = {c.yes};
  if (!c.path.isEmpty()) prompts.fileAnswers = {c.path};
  QSignalSpy notices(&controller, &ConnectionController::NoticeRequested);

  controller.OnDeviceRemoval(QString::fromStdString(machine.Path()));
  const auto questions = prompts.OfKind(Kind::AskYesNo);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].owner, &owner);
  EXPECT_EQ(prompts.OfKind(Kind::SaveFile).size(), c.fileDialogs);
  ASSERT_EQ(host.writtenFiles.size(), c.written);
  if (c.written) {
    EXPECT_EQ(host.writtenFiles[0], c.path);
  }
  EXPECT_TRUE(notices.isEmpty());  // the question stands in for the notice
  EXPECT_TRUE(controller.AwaitingFirstSync());
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveAfterRemovalTest,
                         ::testing::Values(SaveCase{"Saved", true,
                                                    QStringLiteral("/tmp/unplugged.V7M"), 1, 1},
                                           SaveCase{"FileDialogCancelled", true, QString(), 1, 0},
                                           SaveCase{"No", false, QString(), 0, 0}),
                         [](const ::testing::TestParamInfo<SaveCase>& answer) {
                           return std::string(answer.param.name);
                         });

TEST_F(ConnectionControllerTest, AnotherModelClosesTheLinkWithoutRefreshingTheWindows) {
  machine.SetModelName("X9");
  QSignalSpy accepted(&controller, &ConnectionController::SyncAccepted);
  ConnectAndSync();
  EXPECT_TRUE(accepted.isEmpty());
  EXPECT_FALSE(connection.IsOpen());
  EXPECT_FALSE(controller.IsLevelPollingActive());
  EXPECT_TRUE(controller.AwaitingFirstSync());
  EXPECT_EQ(prompts.CountText(QStringLiteral("机器型号与软件不匹配!")), 1);
}

struct StoppedCase {
  Language language;
  const char* caption;
  const char* text;
};

class SyncStoppedTest : public ConnectionControllerTest,
                        public ::testing::WithParamInterface<StoppedCase> {};

TEST_P(SyncStoppedTest, ASilentMachineIsToldInTheLanguageAndTheImageIsLeftAlone) {
  const StoppedCase& c = GetParam();
  host.language = c.language;
  QSignalSpy accepted(&controller, &ConnectionController::SyncAccepted);
  QSignalSpy handled(&controller, &ConnectionController::SyncHandled);
  controller.OnSyncComplete(SyncResult::kNotAnswering);
  EXPECT_EQ(host.dialogsEnded, 1);
  EXPECT_EQ(handled.size(), 1);
  EXPECT_TRUE(accepted.isEmpty());
  ASSERT_EQ(prompts.records.size(), 1u);
  EXPECT_EQ(prompts.records[0].caption, QString::fromUtf8(c.caption));
  EXPECT_EQ(prompts.records[0].text, QString::fromUtf8(c.text));
  EXPECT_EQ(prompts.records[0].icon, PromptIcon::Error);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SyncStoppedTest,
    ::testing::Values(StoppedCase{Language::Chinese, "错误", "机器没有响应，同步已停止!"},
                      StoppedCase{Language::English, "Error",
                                  "The machine is not answering; the synchronisation has "
                                  "stopped."}));

TEST_F(ConnectionControllerTest, AMachineThatNeverAnswersEndsTheSyncWithinThreeReplyWaits) {
  machine.SetDropReplies(true);
  QSignalSpy accepted(&controller, &ConnectionController::SyncAccepted);
  QSignalSpy handled(&controller, &ConnectionController::SyncHandled);
  ASSERT_TRUE(controller.TryConnect(ConnectionController::kArrivalNoticeMs));
  // Three reply waits of 1.8 s, not one for each of the 36 requests.
  ASSERT_TRUE(handled.wait(3 * kWaitMs));
  EXPECT_TRUE(accepted.isEmpty());
  EXPECT_EQ(machine.Requests().size(), static_cast<size_t>(kUnansweredLimit));
  EXPECT_FALSE(connection.Image().syncComplete);
  EXPECT_TRUE(controller.AwaitingFirstSync());
  EXPECT_EQ(prompts.CountText(QStringLiteral("The machine is not answering; the synchronisation "
                                             "has stopped.")),
            1);
}

TEST_F(ConnectionControllerTest, AMachineLostMidReadIsNotTakenForSynchronised) {
  machine.VanishAfterRequests(5);
  QSignalSpy accepted(&controller, &ConnectionController::SyncAccepted);
  QSignalSpy handled(&controller, &ConnectionController::SyncHandled);
  ASSERT_TRUE(controller.TryConnect(ConnectionController::kArrivalNoticeMs));
  ASSERT_TRUE(handled.wait(kWaitMs));
  EXPECT_TRUE(accepted.isEmpty());
  EXPECT_FALSE(connection.Image().syncComplete);
  EXPECT_TRUE(controller.AwaitingFirstSync());
  EXPECT_TRUE(prompts.OfKind(Kind::Tell).empty());  // its removal speaks for it
}

}  // namespace
}  // namespace v7::test
