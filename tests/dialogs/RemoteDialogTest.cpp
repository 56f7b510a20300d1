#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>

#include "controllers/MachineConnection.h"
#include "dialogs/DialogFixture.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "ui/dialogs/InfoBox.h"
#include "ui/dialogs/KeyLearningDialog.h"
#include "ui/dialogs/RemoteDialog.h"
#include "ui/dialogs/RemoteKeyLayout.h"
#include "ui/widgets/ImageButton.h"

namespace v7 {
namespace {

using std::chrono::milliseconds;

class RemoteDialogTest : public test::DialogFixture {
 protected:
  RemoteDialog* Open() {
    app->OpenRemoteLearning();
    return app->RemoteLearning();
  }
  QString Notice() const {
    return app->ShownInfoBox() != nullptr ? app->ShownInfoBox()->Message() : QString();
  }
};

TEST_F(RemoteDialogTest, LearningKeyNineStoresHeaderAndCodeAndShowsIt) {
  RemoteKeyTable keys{};
  keys[0] = 0x01;
  machine.SetRemoteKeys(keys);
  machine.SetLearnedKeyCode(0x5A);
  machine.SetKeyLearnDelay(milliseconds(50));
  StartConnected(Language::English);
  RemoteDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  QPushButton* mute = dialog->KeyArea(9);
  ASSERT_NE(mute, nullptr);
  EXPECT_EQ(mute->toolTip(), QStringLiteral("Mute"));
  EXPECT_EQ(mute->cursor().shape(), Qt::PointingHandCursor);
  mute->click();
  ASSERT_TRUE(WaitForRequest(kCmdLearnKey));
  EXPECT_EQ(RequestsWith(kCmdLearnKey).front().bytes[2], 9);
  QPointer<KeyLearningDialog> learning = dialog->LearningDialog();
  ASSERT_FALSE(learning.isNull());
  EXPECT_EQ(learning->KeyText(), QStringLiteral("you are studying key is mute vol"));
  EXPECT_TRUE(learning->CancelButton()->isVisible());
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return learning && !learning->CodeText().isEmpty(); }, kWaitMs));
  EXPECT_EQ(learning->CodeText(), QStringLiteral("5A"));
  EXPECT_FALSE(learning->CancelButton()->isVisible());
  EXPECT_TRUE(learning->CloseButton()->isVisible());
  EXPECT_EQ(app->Image().remoteKeys[0], 0x01);
  EXPECT_EQ(app->Image().remoteKeys[9], 0x5A);
  EXPECT_TRUE(QTest::qWaitFor([&] { return learning.isNull(); }, kWaitMs));  // closes itself
  EXPECT_TRUE(RequestsWith(kCmdCancelLearn).empty());
}

TEST_F(RemoteDialogTest, CancelSendsTheCancelCommand) {
  machine.SetKeyLearnDelay(milliseconds(60000));
  StartConnected(Language::Chinese);
  RemoteDialog* dialog = Open();
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("遥控学习"));
  dialog->KeyArea(1)->click();
  QPointer<KeyLearningDialog> learning = dialog->LearningDialog();
  ASSERT_FALSE(learning.isNull());
  EXPECT_EQ(learning->KeyText(), QStringLiteral("您正在学习的键：载入模式一"));
  EXPECT_EQ(learning->CancelButton()->text(), QStringLiteral("放弃学习"));
  learning->CancelButton()->click();
  ASSERT_TRUE(WaitForRequest(kCmdCancelLearn));
  EXPECT_TRUE(QTest::qWaitFor([&] { return learning.isNull(); }, kWaitMs));
}

TEST_F(RemoteDialogTest, ACodeWithNoLearningDialogOnlyUpdatesTheTable) {
  machine.SetLearnedKeyCode(0x33);
  machine.SetKeyLearnDelay(milliseconds(1));
  StartConnected(Language::English);
  RemoteDialog* dialog = Open();
  SendCommand(app->Link(), kCmdLearnKey, {5});
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->Image().remoteKeys[5] == 0x33; }, kWaitMs));
  QTest::qWait(20);
  EXPECT_EQ(dialog->LearningDialog(), nullptr);
  EXPECT_EQ(app->ShownInfoBox(), nullptr);
}

TEST_F(RemoteDialogTest, ApplySendsTheTable) {
  StartConnected(Language::English);
  app->Image().remoteKeys[3] = 0x77;
  Open()->ApplyButton()->click();
  ASSERT_TRUE(WaitForRequest(kCmdSetRemoteKeys));
  const Report sent = RequestsWith(kCmdSetRemoteKeys).front();
  for (size_t i = 0; i < kRemoteKeyBytes; ++i)
    EXPECT_EQ(sent.bytes[2 + i], app->Image().remoteKeys[i]);
  EXPECT_EQ(Notice(), QStringLiteral("Save successed !"));
}

TEST_F(RemoteDialogTest, FilesNeedTheMachine) {
  StartConnected(Language::Chinese);
  RemoteDialog* dialog = Open();
  app->Connection().CloseUsbDevice();
  for (ImageButton* button : {dialog->SaveButton(), dialog->LoadButton()}) {
    button->click();
    EXPECT_EQ(Notice(), QStringLiteral("请先连接机器再进行此操作!"));
  }
  EXPECT_TRUE(prompts.OfKind(test::PromptRecord::Kind::SaveFile).empty());
  EXPECT_TRUE(prompts.OfKind(test::PromptRecord::Kind::OpenFile).empty());
}

TEST_F(RemoteDialogTest, SavingKeysTxtWritesKeysRemoAndLoadingSendsIt) {
  StartConnected(Language::Chinese);
  RemoteDialog* dialog = Open();
  app->Image().remoteKeys[2] = 0x42;
  prompts.fileAnswers = {dir.filePath(QStringLiteral("keys.txt"))};
  dialog->SaveButton()->click();
  const auto asked = prompts.OfKind(test::PromptRecord::Kind::SaveFile);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].filter, QStringLiteral("Remote Data File(*.remo)|*.remo|"));
  EXPECT_EQ(asked[0].defaultSuffix, QStringLiteral("remo"));
  EXPECT_EQ(Notice(), QStringLiteral("保存遥控文件成功"));
  QFile written(dir.filePath(QStringLiteral("keys.remo")));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.size(), kRemoteKeyBytes);
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("keys.txt"))));

  app->Image().remoteKeys[2] = 0;
  prompts.fileAnswers = {dir.filePath(QStringLiteral("keys.txt"))};
  dialog->LoadButton()->click();
  EXPECT_EQ(app->Image().remoteKeys[2], 0x42);
  EXPECT_EQ(Notice(), QStringLiteral("载入遥控文件成功"));
  ASSERT_TRUE(WaitForRequest(kCmdSetRemoteKeys));
}

TEST_F(RemoteDialogTest, AFailedWriteShowsItsBoxAndTheNotice) {
  StartConnected(Language::Chinese);
  RemoteDialog* dialog = Open();
  prompts.fileAnswers = {dir.filePath(QStringLiteral("missing/folder/keys.remo"))};
  dialog->SaveButton()->click();
  const auto told = prompts.OfKind(test::PromptRecord::Kind::Tell);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].caption, QStringLiteral("Can't write to file"));
  EXPECT_EQ(told[0].icon, PromptIcon::Warning);
  EXPECT_EQ(Notice(), QStringLiteral("保存遥控文件失败"));

  prompts.fileAnswers = {dir.filePath(QStringLiteral("absent.remo"))};
  dialog->LoadButton()->click();
  EXPECT_EQ(prompts.OfKind(test::PromptRecord::Kind::Tell).size(), 2u);
  EXPECT_EQ(Notice(), QStringLiteral("载入遥控文件失败"));
  QTest::qWait(20);
  EXPECT_TRUE(RequestsWith(kCmdSetRemoteKeys).empty());
}

TEST_F(RemoteDialogTest, EveryKeyIsNamedAndReachableByKeyboard) {
  StartConnected(Language::English);
  RemoteDialog* dialog = Open();
  for (const RemoteKey& key : kRemoteKeys) {
    QPushButton* area = dialog->KeyArea(key.index);
    ASSERT_NE(area, nullptr);
    EXPECT_FALSE(area->accessibleName().isEmpty());
    EXPECT_EQ(area->focusPolicy(), Qt::StrongFocus);
  }
  QPointer<RemoteDialog> guard = dialog;
  dialog->close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }, kWaitMs));
  EXPECT_EQ(app->RemoteLearning(), nullptr);
}

}  // namespace
}  // namespace v7
