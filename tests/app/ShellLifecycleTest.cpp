#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <QTimer>

#include "ShellFixture.h"
#include "app/AppOptions.h"
#include "app/MainView.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/InfoBox.h"

namespace v7::test {
namespace {

using Kind = PromptRecord::Kind;

TEST_F(ShellFixture, MainWindowTitleSizeAndLookAreFixed) {
  QSettings(settingsPath, QSettings::IniFormat).setValue("Workspace/ApplicationLook", 212);
  Start(Language::English);
  MainWindow* window = app->Window();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("DSP-V7-v1.4"));
  EXPECT_EQ(window->minimumSize(), QSize(880, 620));
  EXPECT_EQ(SettingsStore(settingsPath).ApplicationLook(), 215);
}

TEST_F(ShellFixture, ThePanelIsNeverLaidOutSmallerThan800By500) {
  Start(Language::English);
  MainView* view = app->View();
  view->resize(600, 300);
  EXPECT_EQ(view->PanelRect(), QRect(0, 0, 800, 500));
  EXPECT_EQ(view->ChannelPanel()->geometry(), QRect(0, 0, 800, 500));
  view->resize(900, 560);
  EXPECT_EQ(view->PanelRect(), QRect(0, 0, 900, 560));
  EXPECT_EQ(view->ChannelPanel()->geometry(), QRect(0, 0, 900, 560));
}

TEST_F(ShellFixture, SecondCopyBringsTheFirstForwardAndEnds) {
  Start(Language::English);
  app->Window()->showMinimized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->Window()->isMinimized(); }, kWaitMs));
  Application second(Seams());
  EXPECT_FALSE(second.Start());
  EXPECT_TRUE(second.AnotherCopyRuns());
  EXPECT_EQ(second.Window(), nullptr);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !app->Window()->isMinimized(); }, kWaitMs));
  EXPECT_TRUE(prompts.records.empty());
}

TEST_F(ShellFixture, BringingTheFirstCopyForwardKeepsItsModalDialogInFront) {
  Start(Language::English);
  QDialog dialog(app->Window());
  dialog.setModal(true);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  app->Window()->showMinimized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->Window()->isMinimized(); }, kWaitMs));
  Application second(Seams());
  EXPECT_FALSE(second.Start());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !app->Window()->isMinimized(); }, kWaitMs));
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }, kWaitMs));
}

// A second copy asked for what only a copy of its own can do ends with a nonzero status.
TEST(SecondCopyOptions, OnlyAPlainStartIsSatisfiedByTheRunningCopy) {
  struct Case {
    QStringList arguments;
    bool needOwnCopy;
  };
  const Case cases[] = {
      {{QStringLiteral("v7-control")}, false},
      {{QStringLiteral("v7-control"), QStringLiteral("--screenshot"), QStringLiteral("x.png")},
       true},
      {{QStringLiteral("v7-control"), QStringLiteral("--simulate")}, true},
      {{QStringLiteral("v7-control"), QStringLiteral("--trace")}, true},
      {{QStringLiteral("v7-control"), QStringLiteral("--page"), QStringLiteral("echo")}, true},
  };
  for (const Case& c : cases) {
    const AppOptions options = AppOptions::Parse(c.arguments);
    ASSERT_TRUE(options.error.isEmpty()) << options.error.toStdString();
    EXPECT_EQ(options.NeedOwnCopy(), c.needOwnCopy) << c.arguments.join(u' ').toStdString();
  }
  EXPECT_NE(AppOptions::kExitAlreadyRunning, 0);
}

TEST_F(ShellFixture, ClosingWithChangesStoresTheModeAndWritesTheFileBeforeGoodbye) {
  Start(Language::Chinese);
  ASSERT_TRUE(WaitForFirstSync());
  app->Image().dirty = true;
  app->Image().currentMode = 2;
  const QString path = dir.filePath(QStringLiteral("closing.V7M"));
  prompts.yesNoAnswers = {true};
  prompts.fileAnswers = {path};
  machine.ClearRequests();
  app->Window()->close();

  const auto questions = prompts.OfKind(Kind::AskYesNo);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].caption, QStringLiteral("保存?"));
  EXPECT_EQ(questions[0].text,
            QStringLiteral(
                "参数已改动，请问是否需要保存?\r\n提示：保存成电脑文件并同时保存至机器的当前模式"));
  EXPECT_EQ(questions[0].owner, nullptr);
  EXPECT_EQ(questions[0].choices, PromptChoices::YesNoCancel);
  EXPECT_EQ(questions[0].preset, PromptAnswer::Cancel);
  const auto stores = PositionsOf(4);
  const auto goodbyes = PositionsOf(138);
  ASSERT_EQ(stores.size(), 1u);
  ASSERT_EQ(goodbyes.size(), 1u);
  EXPECT_LT(stores[0], goodbyes[0]);
  EXPECT_EQ(machine.Requests()[stores[0]].bytes[2], 2);
  EXPECT_EQ(QFileInfo(path).size(), 907);
  EXPECT_FALSE(app->IsLinkOpen());
  EXPECT_FALSE(app->Image().dirty);
}

TEST_F(ShellFixture, ClosingWithChangesButNoMachineOnlyWritesTheFile) {
  machine.Disappear();
  Start(Language::English);
  app->Image().dirty = true;
  const QString path = dir.filePath(QStringLiteral("offline.V7M"));
  prompts.yesNoAnswers = {true};
  prompts.fileAnswers = {path};
  app->Window()->close();
  EXPECT_EQ(prompts.OfKind(Kind::AskYesNo).size(), 1u);
  EXPECT_EQ(QFileInfo(path).size(), 907);
  EXPECT_EQ(CountRequests(4), 0);
}

TEST_F(ShellFixture, ClosingWithTheFileDialogCancelledStoresNothingAndStillCloses) {
  Start(Language::English);
  ASSERT_TRUE(WaitForFirstSync());
  app->Image().dirty = true;
  prompts.yesNoAnswers = {true};  // no file answer: the save dialog is cancelled
  machine.ClearRequests();
  app->Window()->close();
  EXPECT_EQ(prompts.OfKind(Kind::SaveFile).size(), 1u);
  EXPECT_EQ(CountRequests(4), 0);
  EXPECT_EQ(CountRequests(138), 1);
  EXPECT_FALSE(app->IsLinkOpen());
  EXPECT_FALSE(app->Window()->isVisible());
}

TEST_F(ShellFixture, CancellingTheCloseQuestionKeepsTheProgramOpenWithItsChanges) {
  Start(Language::English);
  ASSERT_TRUE(WaitForFirstSync());
  app->Image().dirty = true;
  prompts.answers = {PromptAnswer::Cancel};
  machine.ClearRequests();
  EXPECT_FALSE(app->Window()->close());
  const auto questions = prompts.OfKind(Kind::AskYesNo);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].caption, QStringLiteral("Save?"));
  EXPECT_TRUE(questions[0].text.startsWith(QStringLiteral("Parameters changed.")));
  EXPECT_TRUE(app->Window()->isVisible());
  EXPECT_TRUE(app->IsLinkOpen());
  EXPECT_TRUE(app->Image().dirty);
  EXPECT_EQ(CountRequests(138), 0);

  prompts.answers = {PromptAnswer::No};
  EXPECT_TRUE(app->Window()->close());
  EXPECT_TRUE(prompts.OfKind(Kind::SaveFile).empty());
  EXPECT_EQ(CountRequests(138), 1);
}

TEST_F(ShellFixture, ClosingUnchangedAsksNothing) {
  Start(Language::English);
  ASSERT_TRUE(WaitForFirstSync());
  machine.ClearRequests();
  app->Window()->close();
  EXPECT_TRUE(prompts.records.empty());
  EXPECT_EQ(CountRequests(138), 1);
}

QStringList VisibleTexts(QWidget* root) {
  QStringList texts{root->windowTitle()};
  for (auto* label : root->findChildren<QLabel*>()) texts << label->text();
  for (auto* button : root->findChildren<QAbstractButton*>()) texts << button->text();
  return texts;
}

TEST_F(ShellFixture, SwitchingLanguageTwiceRestoresTheTexts) {
  Start(Language::Chinese);
  const QStringList before = VisibleTexts(app->View());
  app->SwitchLanguage();
  EXPECT_EQ(app->InterfaceLanguage(), Language::English);
  EXPECT_EQ(SettingsStore(settingsPath).InterfaceLanguage(), Language::English);
  EXPECT_NE(VisibleTexts(app->View()), before);
  app->SwitchLanguage();
  EXPECT_EQ(app->InterfaceLanguage(), Language::Chinese);
  EXPECT_EQ(SettingsStore(settingsPath).InterfaceLanguage(), Language::Chinese);
  EXPECT_EQ(VisibleTexts(app->View()), before);
}

TEST_F(ShellFixture, LanguageComesFromTheSettings) {
  Start(Language::English);
  EXPECT_EQ(app->InterfaceLanguage(), Language::English);
  EXPECT_EQ(app->CurrentLanguageTable().Title(335), QStringLiteral("Machine Set"));
}

TEST_F(ShellFixture, F11AndThePeakSwitchInTheAboutBoxStopLevelPolling) {
  Start(Language::English);
  ASSERT_TRUE(WaitForFirstSync());
  QTimer::singleShot(50, [] {
    auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(about->PeakSwitchVisible());
    QTest::keyRelease(about, Qt::Key_F11);
    EXPECT_TRUE(about->PeakSwitchVisible());
    EXPECT_EQ(about->ModelText(), QStringLiteral("Machine model:V7"));
    auto* peak = about->findChild<QCheckBox*>();
    ASSERT_NE(peak, nullptr);
    EXPECT_TRUE(peak->isChecked());
    peak->click();
    about->accept();
  });
  app->ShowAboutBox();
  EXPECT_FALSE(Connection().LevelPollingEnabled());
  // The poll keeps running but sends nothing; nothing to wait for, so two periods and more.
  EXPECT_TRUE(Connection().IsLevelPollingActive());
  machine.ClearRequests();
  QTest::qWait(2 * ConnectionController::kLevelPollPeriodMs + 100);
  EXPECT_EQ(CountRequests(13), 0);
}

TEST_F(ShellFixture, ShowInfoKeepsOneBoxWithTheNewestText) {
  Start(Language::English);
  app->ShowInfo(QStringLiteral("Please connect device!"), 1100);
  InfoBox* first = app->ShownInfoBox();
  app->ShowInfo(QStringLiteral("Setting valid"), 1100);
  EXPECT_EQ(app->ShownInfoBox(), first);
  EXPECT_EQ(first->Message(), QStringLiteral("Setting valid"));
  EXPECT_EQ(first->windowTitle(), QStringLiteral("Information"));
}

TEST_F(ShellFixture, ShowInfoRightAfterTheBoxClosedOpensANewOne) {
  Start(Language::English);
  app->ShowInfo(QStringLiteral("Please connect device!"), 1100);
  app->ShownInfoBox()->close();  // its close button; the box is deleted at the next loop pass
  app->ShowInfo(QStringLiteral("Setting valid"), 1100);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_NE(app->ShownInfoBox(), nullptr);
  EXPECT_TRUE(app->ShownInfoBox()->isVisible());
  EXPECT_EQ(app->ShownInfoBox()->Message(), QStringLiteral("Setting valid"));
}

TEST_F(ShellFixture, ANewNoticeReplacesTheOldAndRestartsItsTime) {
  Start(Language::English);
  // After the connection's own notices, so that none of them can arrive in between.
  ASSERT_TRUE(WaitForFirstSync());
  const int removalsBefore = tray.removals;
  app->View()->ShowTrayNotice(QStringLiteral("Information"), QStringLiteral("first"), 5000);
  app->View()->ShowTrayNotice(QStringLiteral("Information"), QStringLiteral("second"), 60);
  EXPECT_TRUE(tray.IsShown());
  EXPECT_EQ(tray.notices.back().text, QStringLiteral("second"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !tray.IsShown(); }, kWaitMs));
  EXPECT_EQ(tray.removals, removalsBefore + 1);
}

}  // namespace
}  // namespace v7::test
