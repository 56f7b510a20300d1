#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/ScriptedPrompts.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/InfoBox.h"
#include "ui/dialogs/SyncDialog.h"

namespace v7 {
namespace {

template <typename T>
T* ChildWithId(QWidget* parent, int id) {
  for (T* child : parent->findChildren<T*>())
    if (child->property("controlId").toInt() == id) return child;
  return nullptr;
}

// --- information box ---

TEST(InfoBox, TitleByLanguageAndANewMessageRestartsTheTime) {
  QPointer<InfoBox> box = new InfoBox(Language::English, nullptr);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Information"));
  box->ShowMessage(QStringLiteral("first"), 5000);
  box->ShowMessage(QStringLiteral("Setting valid"), 1100);
  EXPECT_EQ(box->Message(), QStringLiteral("Setting valid"));
  EXPECT_LE(box->RemainingMilliseconds(), 1100);
  EXPECT_GT(box->RemainingMilliseconds(), 900);
  delete box;
}

TEST(InfoBox, DeletesItselfWhenItsTimeIsUpOrItIsClosed) {
  QPointer<InfoBox> timed = new InfoBox(Language::Chinese, nullptr);
  EXPECT_EQ(timed->windowTitle(), QStringLiteral("信息"));
  timed->ShowMessage(QStringLiteral("x"), 20);
  EXPECT_TRUE(QTest::qWaitFor([&] { return timed.isNull(); }, 2000));

  QPointer<InfoBox> closed = new InfoBox(Language::Chinese, nullptr);
  closed->ShowMessage(QStringLiteral("x"), 60000);
  auto* button = ChildWithId<QPushButton>(closed, InfoBox::kCloseId);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QStringLiteral("关闭"));
  QTest::keyClick(closed, Qt::Key_Return);  // Enter does nothing
  EXPECT_TRUE(closed->isVisible());
  button->click();
  EXPECT_TRUE(QTest::qWaitFor([&] { return closed.isNull(); }, 2000));
}

// --- sync dialog ---

TEST(SyncDialog, StepsEvery100msWrapsAt100AndFinishEndsIt) {
  test::ScriptedPrompts prompts;
  SyncDialog dialog(Language::English, prompts, nullptr);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Synchronize"));
  auto* text = ChildWithId<QLabel>(&dialog, SyncDialog::kTextId);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(), QStringLiteral("Please wait a moment……"));
  EXPECT_EQ(dialog.cursor().shape(), Qt::WaitCursor);

  dialog.show();
  EXPECT_TRUE(dialog.TimersActive());
  // Eleven steps take 0 .. 100 and back to 0, then one more step.
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.Progress() == 100; }, 3000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.Progress() == 0; }, 1000));
  QTest::keyClick(&dialog, Qt::Key_Escape);  // not a way out
  EXPECT_TRUE(dialog.isVisible());
  dialog.Finish();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(dialog.TimersActive());
  EXPECT_TRUE(prompts.records.empty());
}

TEST(SyncDialog, TimeOutClosesItAndShowsTheErrorBox) {
  test::ScriptedPrompts prompts;
  SyncDialog dialog(Language::Chinese, prompts, nullptr,
                    50);  // the 20 s time-out shortened for the test
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("同步过程"));
  bool visibleWhenTold = true;
  prompts.onPrompt = [&](const test::PromptRecord&) { visibleWhenTold = dialog.isVisible(); };
  dialog.exec();
  ASSERT_EQ(prompts.records.size(), 1u);
  EXPECT_EQ(prompts.records[0].caption, QStringLiteral("错误"));
  EXPECT_EQ(prompts.records[0].text, QStringLiteral("发生错误，与设备数据同步超时……"));
  EXPECT_EQ(prompts.records[0].icon, PromptIcon::Error);
  EXPECT_FALSE(visibleWhenTold);
  EXPECT_FALSE(dialog.TimersActive());
}

// --- About box ---

TEST(AboutDialog, DisconnectedShowsOnlyFixedLinesUntilF11) {
  AboutDialog about(MachineReadout{}, true, nullptr);
  about.show();
  EXPECT_EQ(about.windowTitle(), QStringLiteral("关于 V7 Control"));
  EXPECT_FALSE(about.MachineLinesVisible());
  EXPECT_FALSE(about.PeakSwitchVisible());
  QTest::keyRelease(&about, Qt::Key_F11);
  EXPECT_TRUE(about.MachineLinesVisible());
  EXPECT_TRUE(about.PeakSwitchVisible());
  auto* peak = ChildWithId<QCheckBox>(&about, AboutDialog::kPeakSwitchId);
  ASSERT_NE(peak, nullptr);
  EXPECT_EQ(peak->text(), QStringLiteral("Peak开关"));
  EXPECT_TRUE(peak->isChecked());
}

TEST(AboutDialog, ConnectedShowsVersionsAndThePeakSwitchReportsChanges) {
  AboutDialog about(MachineReadout{true, QStringLiteral("V7"), QStringLiteral("2016-05-20"), 3},
                    false, nullptr);
  about.show();
  auto* versions = ChildWithId<QLabel>(&about, AboutDialog::kVersionsId);
  ASSERT_NE(versions, nullptr);
  EXPECT_TRUE(versions->isVisible());
  EXPECT_EQ(about.VersionsText(), QStringLiteral("MCU版本:2016-05-20 通信版本:03"));
  EXPECT_EQ(about.ModelText(), QStringLiteral("机器型号:V7"));

  QSignalSpy changed(&about, &AboutDialog::MeterPollChanged);
  QTest::keyRelease(&about, Qt::Key_F11);
  auto* peak = ChildWithId<QCheckBox>(&about, AboutDialog::kPeakSwitchId);
  EXPECT_FALSE(peak->isChecked());
  peak->click();
  ASSERT_EQ(changed.size(), 1);
  EXPECT_TRUE(changed[0][0].toBool());
}

}  // namespace
}  // namespace v7
