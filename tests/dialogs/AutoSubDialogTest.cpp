#include <gtest/gtest.h>

#include <QPointer>

#include "app/MainWindow.h"
#include "controllers/MachineConnection.h"
#include "dialogs/DialogFixture.h"
#include "protocol/Commands.h"
#include "ui/dialogs/AutoSubDialog.h"
#include "ui/ribbon/MainRibbon.h"
#include "ui/ribbon/RibbonAppMenu.h"
#include "ui/ribbon/RibbonBar.h"
#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/widgets/ImageSlider.h"

namespace v7 {
namespace {

class AutoSubDialogTest : public test::DialogFixture {
 protected:
  AutoSubDialog* Open() {
    app->OpenMicSubDialog();
    return app->MicSubDialog();
  }
  static void MoveSlider(ImageSlider* slider, int value) {
    slider->SetValue(value);
    emit slider->ValueChanged(slider->ControlId(), slider->Value());
  }
};

TEST_F(AutoSubDialogTest, RestoreTimeZeroShowsOffEverywhereAndSendsZero) {
  StartConnected(Language::English);
  app->Image().autoSub = {30, 40, 50, 0, 0, 0};
  AutoSubDialog* dialog = Open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Auto sub"));
  EXPECT_EQ(dialog->LabelText(AutoSubControl::RestoreTime), QStringLiteral("3.0 s"));
  MoveSlider(dialog->Slider(AutoSubControl::RestoreTime), 0);
  ASSERT_TRUE(WaitForRequest(kCmdAutoSub));
  const Report sent = RequestsWith(kCmdAutoSub).front();
  EXPECT_EQ(sent.bytes[2], 0);
  EXPECT_EQ(sent.bytes[3], 0);
  EXPECT_EQ(sent.bytes[4], 40);
  EXPECT_EQ(sent.bytes[5], 50);
  for (const AutoSubControlInfo& info : AutoSubControls())
    EXPECT_EQ(dialog->LabelText(info.control), QStringLiteral("OFF"));
}

TEST_F(AutoSubDialogTest, MovesShowTheirValuesInEitherLanguage) {
  StartConnected(Language::Chinese);
  app->Image().autoSub = {0, 40, 50, 0, 0, 0};
  AutoSubDialog* dialog = Open();
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("话筒控超低"));
  EXPECT_EQ(dialog->LabelText(AutoSubControl::Ratio), QStringLiteral("关闭"));
  MoveSlider(dialog->Slider(AutoSubControl::RestoreTime), 255);
  MoveSlider(dialog->Slider(AutoSubControl::Ratio), 99);
  MoveSlider(dialog->Slider(AutoSubControl::Sensitivity), 20);
  ASSERT_TRUE(WaitForRequest(kCmdAutoSub, 3));
  EXPECT_EQ(dialog->LabelText(AutoSubControl::RestoreTime), QStringLiteral("25.5 s"));
  EXPECT_EQ(dialog->LabelText(AutoSubControl::Ratio), QStringLiteral("99%"));
  EXPECT_EQ(dialog->LabelText(AutoSubControl::Sensitivity), QStringLiteral("20"));
  const Report last = RequestsWith(kCmdAutoSub).back();
  EXPECT_EQ(last.bytes[3], 255);
  EXPECT_EQ(last.bytes[4], 99);
  EXPECT_EQ(last.bytes[5], 20);
}

TEST_F(AutoSubDialogTest, ASensitivityBelowTheRangeShowsAsStored) {
  StartConnected(Language::English);
  app->Image().autoSub = {10, 0, 10, 0, 0, 0};
  AutoSubDialog* dialog = Open();
  EXPECT_EQ(dialog->Slider(AutoSubControl::Sensitivity)->Value(), 20);
  EXPECT_EQ(dialog->LabelText(AutoSubControl::Sensitivity), QStringLiteral("10"));
  QTest::qWait(20);
  EXPECT_TRUE(RequestsWith(kCmdAutoSub).empty());  // opening sends nothing
}

TEST_F(AutoSubDialogTest, OpeningTwiceGivesOneWindowWithFreshValues) {
  StartConnected(Language::English);
  AutoSubDialog* first = Open();
  app->Image().autoSub = {50, 20, 30, 0, 0, 0};
  EXPECT_EQ(Open(), first);
  EXPECT_EQ(app->Window()->findChildren<AutoSubDialog*>().size(), 1);
  EXPECT_EQ(first->Slider(AutoSubControl::Ratio)->Value(), 20);
  EXPECT_EQ(first->LabelText(AutoSubControl::RestoreTime), QStringLiteral("5.0 s"));
}

TEST_F(AutoSubDialogTest, ASyncReloadsItAndEscapeClosesIt) {
  StartConnected(Language::English);
  QPointer<AutoSubDialog> dialog = Open();
  MoveSlider(dialog->Slider(AutoSubControl::Ratio), 33);  // the machine now holds 33
  ASSERT_TRUE(WaitForRequest(kCmdAutoSub));
  dialog->Slider(AutoSubControl::Ratio)->SetValue(1);
  app->StartReadSync();
  EXPECT_EQ(dialog->Slider(AutoSubControl::Ratio)->Value(), 33);
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, kWaitMs));
  EXPECT_EQ(app->MicSubDialog(), nullptr);
}

TEST_F(AutoSubDialogTest, TheApplicationMenuOffersItWhileConnected) {
  StartConnected(Language::English);
  auto* ribbon = dynamic_cast<MainRibbon*>(app->Window()->Ribbon());
  RibbonButton* entry =
      test::DialogFixture::ChildWithId<RibbonButton>(ribbon->Bar()->AppMenu(), RibbonId::kMicSub);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->Action()->text(), QStringLiteral("Mic Sub"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return entry->Action()->isEnabled(); }, kWaitMs));
  entry->Action()->trigger();
  ASSERT_NE(app->MicSubDialog(), nullptr);
  EXPECT_TRUE(app->MicSubDialog()->isVisible());
  app->Connection().CloseUsbDevice();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !entry->Action()->isEnabled(); }, kWaitMs));
}

}  // namespace
}  // namespace v7
