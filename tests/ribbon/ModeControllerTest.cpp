// Machine modes and mode files from the ribbon, on the running program with a simulated machine.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <ostream>

#include "controllers/ModeController.h"
#include "controllers/RecentFileList.h"
#include "protocol/Commands.h"
#include "ribbon/RibbonAppFixture.h"
#include "ui/dialogs/InfoBox.h"
#include "ui/ribbon/RibbonAppMenu.h"
#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/ribbon/RibbonStatusBar.h"
#include "ui/ribbon/StatusBarPane.h"

namespace v7::test {
namespace {

namespace Id = RibbonId;
using Kind = PromptRecord::Kind;

const QString kFilter = QStringLiteral("Mode Files (*.V7M)|*.V7M|");

class ModeControllerTest : public RibbonAppFixture {
 protected:
  ModeController& modes() { return ribbon->Modes(); }

  // A mode file written from the image as it is now.
  QString MakeModeFile(const QString& name) {
    const QString path = folder.filePath(name);
    EXPECT_TRUE(app->WriteModeFileReporting(path));
    return path;
  }

  // The argument bytes of every request with this code.
  std::vector<uint8_t> ModesSent(uint8_t code) {
    std::vector<uint8_t> found;
    for (const Report& report : Sent(code)) found.push_back(report.bytes[2]);
    return found;
  }
};

TEST_F(ModeControllerTest, LoadingWithCleanParametersSendsTheModeWithoutAsking) {
  Start(true, Language::English);
  image().dirty = false;
  QTest::mouseClick(bar().Buttons(32816).first(), Qt::LeftButton);
  const std::vector<Report> loads = Sent(kCmdLoadMode);
  ASSERT_EQ(loads.size(), 1u);
  EXPECT_EQ(loads[0].bytes[0], 0x02);
  EXPECT_EQ(loads[0].bytes[1], 0x05);
  EXPECT_EQ(loads[0].bytes[2], 0x01);
  EXPECT_TRUE(prompts.records.empty());
  EXPECT_EQ(image().currentMode, 1);
}

TEST_F(ModeControllerTest, LoadingWithChangedParametersAsksFirst) {
  Start(true, Language::English);
  image().dirty = true;
  modes().LoadMachineMode(3);
  ASSERT_EQ(prompts.records.size(), 1u);
  EXPECT_EQ(prompts.records[0].kind, Kind::AskYesNo);
  EXPECT_EQ(prompts.records[0].text, QStringLiteral("Setting changed ! Are you sure load mode4?"));
  EXPECT_EQ(prompts.records[0].caption, QStringLiteral("Information"));
  EXPECT_EQ(prompts.records[0].owner, host);
  EXPECT_TRUE(Sent(kCmdLoadMode).empty());

  SetLanguage(Language::Chinese);
  prompts.yesNoAnswers = {true};
  modes().LoadMachineMode(0);
  EXPECT_EQ(prompts.records[1].text, QString::fromUtf8("参数已更改，确定要直接载入模式一?"));
  EXPECT_EQ(prompts.records[1].caption, QString::fromUtf8("信息"));
  EXPECT_EQ(ModesSent(kCmdLoadMode), std::vector<uint8_t>{0});
}

TEST_F(ModeControllerTest, SavingAModeAsksStoresWaitsAndTells) {
  Start(true, Language::English);
  image().dirty = true;
  image().currentMode = 2;
  prompts.yesNoAnswers = {true};
  const auto before = clock.Requested();
  QTest::mouseClick(bar().Buttons(32819).first(), Qt::LeftButton);
  ASSERT_EQ(prompts.records.size(), 1u);
  EXPECT_EQ(prompts.records[0].text, QStringLiteral("Are you sure save?"));
  EXPECT_TRUE(prompts.records[0].caption.isEmpty());
  EXPECT_EQ(ModesSent(kCmdStoreMode), std::vector<uint8_t>{0});
  EXPECT_FALSE(image().dirty);
  EXPECT_EQ(clock.Requested() - before, std::chrono::milliseconds(500));
  ASSERT_NE(app->ShownInfoBox(), nullptr);
  EXPECT_EQ(app->ShownInfoBox()->Message(), QStringLiteral("Saving Mode 1 ……"));
  EXPECT_GT(app->ShownInfoBox()->RemainingMilliseconds(), 2000);
  EXPECT_EQ(ribbon->StatusBar()->ModePane()->Text(), QStringLiteral("Current Mode:Mode1"));

  SetLanguage(Language::Chinese);
  prompts.yesNoAnswers = {true};
  modes().SaveMachineMode(3);
  EXPECT_EQ(app->ShownInfoBox()->Message(), QString::fromUtf8("正在储存模式四,请稍等"));
  prompts.yesNoAnswers = {false};
  modes().SaveMachineMode(1);
  EXPECT_EQ(ModesSent(kCmdStoreMode), (std::vector<uint8_t>{0, 3}));
}

TEST_F(ModeControllerTest, FactoryRecallWithCleanParametersSendsAtOnce) {
  Start(true, Language::Chinese);
  image().dirty = false;
  QTest::mouseClick(bar().Buttons(32825).first(), Qt::LeftButton);
  const std::vector<Report> recalls = Sent(kCmdFactoryMode);
  ASSERT_EQ(recalls.size(), 1u);
  EXPECT_EQ(recalls[0].bytes[1], 0x06);
  EXPECT_EQ(recalls[0].bytes[2], 0x02);
  EXPECT_TRUE(prompts.records.empty());
}

TEST_F(ModeControllerTest, FactoryRecallWithChangedParametersAsksFirst) {
  Start(true, Language::English);
  image().dirty = true;
  modes().RecallFactoryMode(2);
  ASSERT_EQ(prompts.records.size(), 1u);
  EXPECT_EQ(prompts.records[0].kind, Kind::AskYesNo);
  EXPECT_EQ(prompts.records[0].caption, QStringLiteral("Information"));
  EXPECT_EQ(prompts.records[0].text,
            QStringLiteral("Setting changed ! Are you sure restore factory mode3?"));
  EXPECT_TRUE(Sent(kCmdFactoryMode).empty());
  EXPECT_TRUE(image().dirty);

  SetLanguage(Language::Chinese);
  prompts.yesNoAnswers = {true};
  modes().RecallFactoryMode(1);
  EXPECT_EQ(prompts.records[1].text, QString::fromUtf8("参数已更改，确定要恢复出厂模式二?"));
  EXPECT_EQ(ModesSent(kCmdFactoryMode), std::vector<uint8_t>{1});
}

TEST_F(ModeControllerTest, StoringIntoAModeHasNoAsTheDefaultButton) {
  Start(true, Language::English);
  modes().SaveMachineMode(0);
  ASSERT_EQ(prompts.records.size(), 1u);
  EXPECT_EQ(prompts.records[0].preset, PromptAnswer::No);
  EXPECT_EQ(prompts.records[0].choices, PromptChoices::YesNo);
  EXPECT_TRUE(Sent(kCmdStoreMode).empty());
}

// /etc/passwd and the like: asked about with No as the default, and sent only on Yes.
TEST_F(ModeControllerTest, AFileThatIsNotAModeFileIsSentOnlyWhenTheUserSaysSo) {
  Start(true, Language::English);
  const QString path = folder.filePath(QStringLiteral("passwd"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("root:x:0:0:root:/root:/bin/bash\n");
  file.close();
  machine.ClearRequests();

  prompts.fileAnswers = {path};
  modes().OpenModeFile();
  const auto questions = prompts.OfKind(Kind::AskYesNo);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].text, QStringLiteral("This file does not look like a V7 mode file (it "
                                              "is not 907 bytes long). Load it anyway?"));
  EXPECT_EQ(questions[0].preset, PromptAnswer::No);
  EXPECT_TRUE(Sent(kCmdWriteDsp).empty());
  EXPECT_TRUE(app->RecentFiles().Entries().isEmpty());

  SetLanguage(Language::Chinese);
  prompts.fileAnswers = {path};
  prompts.yesNoAnswers = {true};
  modes().OpenModeFile();
  EXPECT_EQ(prompts.OfKind(Kind::AskYesNo)[1].text,
            QString::fromUtf8("此文件看起来不是V7模式文件（长度不是907字节）。仍要载入吗？"));
  EXPECT_FALSE(Sent(kCmdWriteDsp).empty());
  EXPECT_EQ(app->RecentFiles().Entries().value(0), path);
}

TEST_F(ModeControllerTest, AFileThisProgramWroteIsSentWithoutAQuestion) {
  Start(true, Language::English);
  const QString path = MakeModeFile(QStringLiteral("show.V7M"));
  machine.ClearRequests();
  modes().OpenRecentModeFile(path);
  EXPECT_TRUE(prompts.OfKind(Kind::AskYesNo).empty());
  EXPECT_FALSE(Sent(kCmdWriteDsp).empty());
}

TEST_F(ModeControllerTest, MachineModeCommandsDoNothingWithoutTheMachine) {
  Start(false, Language::Chinese);
  image().dirty = true;
  modes().LoadMachineMode(1);
  modes().SaveMachineMode(1);
  modes().RecallFactoryMode(1);
  EXPECT_TRUE(prompts.records.empty());
  EXPECT_TRUE(machine.Requests().empty());
  EXPECT_EQ(image().currentMode, 0);
}

struct DesignatedCase {
  const char* fileName;
  int storedMode;  // -1: the file designates no mode and nothing is stored
};

void PrintTo(const DesignatedCase& test, std::ostream* out) {
  *out << test.fileName << " -> " << test.storedMode;
}

class DesignatedModeTest : public ModeControllerTest,
                           public ::testing::WithParamInterface<DesignatedCase> {};

// After the write sequence the designated mode is stored (commands 3 and 4 with its index).
TEST_P(DesignatedModeTest, OpeningAFileStoresTheModeItsNameDesignates) {
  Start(true, Language::English);
  const QString path = MakeModeFile(QString::fromUtf8(GetParam().fileName));
  machine.ClearRequests();
  prompts.fileAnswers = {path};
  QTest::mouseClick(bar().Button(Id::kLoadFile[0]), Qt::LeftButton);
  ASSERT_EQ(prompts.OfKind(Kind::OpenFile).size(), 1u);
  EXPECT_EQ(prompts.OfKind(Kind::OpenFile)[0].filter, kFilter);
  const int mode = GetParam().storedMode;
  const std::vector<uint8_t> expected =
      mode < 0 ? std::vector<uint8_t>{} : std::vector<uint8_t>{uint8_t(mode)};
  EXPECT_EQ(ModesSent(kCmdModePreamble), expected);
  EXPECT_EQ(ModesSent(kCmdStoreMode), expected);
  EXPECT_EQ(PendingMode(), -1);
  if (mode >= 0) {
    EXPECT_EQ(image().currentMode, mode);
  }
  EXPECT_EQ(app->RecentFiles().Entries().value(0), path);
  bar().OpenAppMenu();
  EXPECT_EQ(bar().AppMenu()->RecentFiles().value(0), path);
}

INSTANTIATE_TEST_SUITE_P(FileNames, DesignatedModeTest,
                         ::testing::Values(DesignatedCase{"默认2.V7M", 1},
                                           DesignatedCase{"Corvane4.V7M", 3},
                                           DesignatedCase{"m2.V7M", 1},
                                           DesignatedCase{"show.V7M", -1},
                                           DesignatedCase{"m1.v7m", -1}));

TEST_F(ModeControllerTest, FileCommandsAskForTheMachineFirst) {
  Start(false, Language::English);
  prompts.fileAnswers = {folder.filePath(QStringLiteral("never.V7M"))};
  QTest::keyClick(host, Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(prompts.OfKind(Kind::SaveFile).empty());
  EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("never.V7M"))));
  ASSERT_NE(app->ShownInfoBox(), nullptr);
  EXPECT_EQ(app->ShownInfoBox()->Message(), QStringLiteral("Please connect device!"));
  SetLanguage(Language::Chinese);
  modes().OpenModeFile();
  EXPECT_TRUE(prompts.OfKind(Kind::OpenFile).empty());
  EXPECT_EQ(app->ShownInfoBox()->Message(), QString::fromUtf8("请先连接设备!"));
  EXPECT_LE(app->ShownInfoBox()->RemainingMilliseconds(), 1100);
}

TEST_F(ModeControllerTest, SavingAFileStoresTheCurrentModeThenWritesIt) {
  Start(true, Language::Chinese);
  image().currentMode = 3;
  image().dirty = true;
  const QString path = folder.filePath(QStringLiteral("party.V7M"));
  prompts.fileAnswers = {path};
  QTest::mouseClick(bar().Button(Id::kSaveFile[1]), Qt::LeftButton);
  const std::vector<PromptRecord> dialogs = prompts.OfKind(Kind::SaveFile);
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].filter, kFilter);
  EXPECT_EQ(dialogs[0].defaultSuffix, QStringLiteral("V7M"));
  EXPECT_EQ(dialogs[0].proposedName, QStringLiteral("name"));
  EXPECT_EQ(ModesSent(kCmdStoreMode), std::vector<uint8_t>{3});
  EXPECT_FALSE(image().dirty);
  EXPECT_EQ(QFileInfo(path).size(), 907);
  EXPECT_EQ(app->RecentFiles().Entries().value(0), path);
  ASSERT_NE(app->ShownInfoBox(), nullptr);
  EXPECT_EQ(app->ShownInfoBox()->Message(), QString::fromUtf8("已保存 party.V7M"));

  // A cancelled dialog stores nothing.
  machine.ClearRequests();
  modes().SaveModeFile();
  EXPECT_TRUE(Sent(kCmdStoreMode).empty());
}

TEST_F(ModeControllerTest, RecentEntriesThatAreGoneOrNotModeFilesAreRemoved) {
  Start(true, Language::English);
  const QString kept = MakeModeFile(QStringLiteral("kept.V7M"));
  const QString gone = folder.filePath(QStringLiteral("gone.V7M"));
  const QString text = folder.filePath(QStringLiteral("notes.txt"));
  QFile file(text);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  RecentFileList& recent = app->RecentFiles();
  for (const QString& path : {kept, text, gone}) recent.Add(path);

  modes().OpenRecentModeFile(gone);
  ASSERT_EQ(prompts.records.size(), 1u);
  EXPECT_EQ(prompts.records[0].text, QString::fromUtf8("文件不存在！"));
  EXPECT_EQ(prompts.records[0].caption, QString::fromUtf8("文件打开错误"));
  EXPECT_EQ(prompts.records[0].icon, PromptIcon::Information);
  EXPECT_EQ(prompts.records[0].owner, nullptr);
  modes().OpenRecentModeFile(text);
  EXPECT_EQ(prompts.records.size(), 1u) << "a wrong extension is removed silently";
  EXPECT_EQ(recent.Entries(), QStringList{kept});

  image().fileVersion = u"other";
  QSignalSpy syncs(&app->ConnectionHandling(), &ConnectionController::SyncHandled);
  bar().OpenAppMenu();
  QTest::mouseClick(bar().AppMenu()->RecentButtons().value(0), Qt::LeftButton);
  EXPECT_EQ(image().fileVersion, u"Ver1.0.1") << "the file was read";
  EXPECT_EQ(syncs.size(), 1) << "and written to the machine";
  EXPECT_EQ(recent.Entries(), QStringList{kept});
  EXPECT_EQ(PendingMode(), -1);
}

TEST_F(ModeControllerTest, RecentEntryChosenWhileDisconnectedStays) {
  Start(false, Language::English);
  const QString path = MakeModeFile(QStringLiteral("m3.V7M"));
  app->RecentFiles().Add(path);
  const std::u16string version = image().fileVersion;
  image().fileVersion = u"other";
  modes().OpenRecentModeFile(path);
  EXPECT_TRUE(prompts.records.empty());
  EXPECT_EQ(app->RecentFiles().Entries(), QStringList{path});
  EXPECT_EQ(image().fileVersion, u"other") << "nothing is read without the machine";
  EXPECT_EQ(PendingMode(), -1);
}

}  // namespace
}  // namespace v7::test
