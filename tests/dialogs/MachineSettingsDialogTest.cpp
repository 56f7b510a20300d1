#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>

#include "app/MainWindow.h"
#include "dialogs/DialogFixture.h"
#include "protocol/Commands.h"
#include "ui/dialogs/InfoBox.h"
#include "ui/dialogs/MachineSettingsDialog.h"
#include "ui/ribbon/MainRibbon.h"
#include "ui/ribbon/RibbonBar.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/ImageSlider.h"

namespace v7 {
namespace {

using Channel = MachineSettingsDialog::Channel;

constexpr DeviceSettings kInvalidMicSettings = {0x00, 0x7F, 0x00, 0x00, 0x00,
                                                0x00, 0x00, 0x00, 0x00};

class MachineSettingsTest : public test::DialogFixture {
 protected:
  void StartWith(const DeviceSettings& settings, Language language = Language::English) {
    machine.SetSettings(settings);
    StartConnected(language);
  }

  MachineSettingsDialog* PressF7() {
    QWidget* target = app->Window();
    QTest::keyRelease(target, Qt::Key_F7);
    return app->MachineSettings();
  }

  // The slider moved by the user to `dB`: its change arrives queued, as from the mouse.
  static void MoveSlider(ImageSlider* slider, int dB) {
    slider->SetValue(dB);
    emit slider->ValueChanged(slider->ControlId(), slider->Value());
  }

  QString RibbonMicReadout() {
    auto* ribbon = dynamic_cast<MainRibbon*>(app->Window()->Ribbon());
    return ribbon->Bar()->ElementText(RibbonId::kMicReadout[0]).trimmed();
  }
};

TEST_F(MachineSettingsTest, ShowsTheMachinesSettingsWithAnInvalidMicStart) {
  StartWith(kInvalidMicSettings);
  MachineSettingsDialog* dialog = PressF7();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Machine Set"));
  EXPECT_FALSE(dialog->EnableBox(Channel::Mic)->isChecked());
  EXPECT_EQ(dialog->StartText(Channel::Mic), QStringLiteral("Invalid"));
  EXPECT_FALSE(dialog->StartSlider(Channel::Mic)->IsSliderEnabled());
  EXPECT_TRUE(dialog->EnableBox(Channel::Music)->isChecked());
  EXPECT_EQ(dialog->StartText(Channel::Music), QStringLiteral("80"));
  EXPECT_TRUE(dialog->StartSlider(Channel::Music)->IsSliderEnabled());
  for (Channel channel : {Channel::Mic, Channel::Music}) {
    EXPECT_EQ(dialog->MaximumText(channel), QStringLiteral("80"));
    EXPECT_EQ(dialog->StartSlider(channel)->Maximum(), 0);  // follows the maximum
    EXPECT_EQ(dialog->MaximumSlider(channel)->Minimum(), -80);
    EXPECT_EQ(dialog->MaximumSlider(channel)->Maximum(), 5);
  }
  EXPECT_TRUE(dialog->SaveModeButton(0)->isChecked());
  EXPECT_FALSE(dialog->PanelLockBox()->isChecked());
  EXPECT_FALSE(dialog->LockBitBox(0)->isVisible());
  EXPECT_EQ(dialog->ApplyButton()->text(), QStringLiteral("Apply"));
  EXPECT_EQ(dialog->CancelButton()->text(), QStringLiteral("Cancel"));
  EXPECT_EQ(PressF7(), dialog);  // one instance
}

TEST_F(MachineSettingsTest, ChineseTextsThroughout) {
  StartWith(kInvalidMicSettings, Language::Chinese);
  MachineSettingsDialog* dialog = PressF7();
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("机器设置"));
  EXPECT_EQ(dialog->StartText(Channel::Mic), QStringLiteral("无效"));
  EXPECT_EQ(dialog->SaveModeButton(0)->text(), QStringLiteral("随开关机保存"));
  app->SwitchLanguage();
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Machine Set"));
  EXPECT_EQ(dialog->StartText(Channel::Mic), QStringLiteral("Invalid"));
  EXPECT_EQ(dialog->SaveModeButton(0)->text(), QStringLiteral("By power"));
  for (QWidget* child : dialog->findChildren<QWidget*>()) {
    if (child->isHidden()) continue;
    for (const QString& text : {child->property("text").toString(), child->toolTip(),
                                child->property("title").toString(), child->accessibleName()})
      EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))))
          << text.toStdString();
  }
}

TEST_F(MachineSettingsTest, TickingEnableTakesTheCurrentVolumeAndSendsNothing) {
  StartWith(kInvalidMicSettings);
  app->Image().dsp.micVolume = -10;
  MachineSettingsDialog* dialog = PressF7();
  dialog->EnableBox(Channel::Mic)->click();
  EXPECT_EQ(static_cast<int8_t>(app->Image().editSettings[kSettingMicStartVolume]), -10);
  EXPECT_EQ(dialog->StartText(Channel::Mic), QStringLiteral("70"));
  EXPECT_TRUE(dialog->StartSlider(Channel::Mic)->IsSliderEnabled());
  dialog->EnableBox(Channel::Mic)->click();
  EXPECT_EQ(app->Image().editSettings[kSettingMicStartVolume], kStartVolumeDisabled);
  EXPECT_EQ(dialog->StartText(Channel::Mic), QStringLiteral("Invalid"));
  QTest::qWait(20);
  EXPECT_TRUE(RequestsWith(kCmdSetSettings).empty());
  EXPECT_TRUE(RequestsWith(kCmdWriteDsp).empty());
}

TEST_F(MachineSettingsTest, AStartMoveIsPlayedAtOnceAndCancelKeepsItOnTheRibbon) {
  StartWith({0, 0, 0, 5, 5, 0, 0, 0, 0});
  MachineSettingsDialog* dialog = PressF7();
  QPointer<MachineSettingsDialog> guard = dialog;
  MoveSlider(dialog->StartSlider(Channel::Mic), -20);
  ASSERT_TRUE(WaitForRequest(kCmdWriteDsp));
  EXPECT_EQ(app->Image().dsp.micVolume, -20);
  EXPECT_EQ(dialog->StartText(Channel::Mic), QStringLiteral("60"));
  EXPECT_EQ(static_cast<int8_t>(app->Image().editSettings[kSettingMicStartVolume]), -20);
  dialog->CancelButton()->click();
  EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }, kWaitMs));
  EXPECT_EQ(app->MachineSettings(), nullptr);
  EXPECT_EQ(app->Image().editSettings, app->Image().deviceSettings);
  EXPECT_EQ(app->Image().dsp.micVolume, -20);
  EXPECT_TRUE(RibbonMicReadout().endsWith(QStringLiteral(":60")))
      << RibbonMicReadout().toStdString();
}

TEST_F(MachineSettingsTest, LoweringTheMaximumPullsTheStartVolumeDown) {
  StartWith({0, 0, 0, 5, 5, 0, 0, 0, 0});
  MachineSettingsDialog* dialog = PressF7();
  MoveSlider(dialog->MaximumSlider(Channel::Mic), -5);
  ASSERT_TRUE(WaitForRequest(kCmdWriteDsp));
  EXPECT_EQ(dialog->StartSlider(Channel::Mic)->Value(), -5);
  EXPECT_EQ(dialog->StartSlider(Channel::Mic)->Maximum(), -5);
  EXPECT_EQ(dialog->StartText(Channel::Mic), QStringLiteral("75"));
  EXPECT_EQ(dialog->MaximumText(Channel::Mic), QStringLiteral("75"));
  EXPECT_EQ(app->Image().dsp.micVolume, -5);
  const DeviceSettings& edit = app->Image().editSettings;
  EXPECT_EQ(static_cast<int8_t>(edit[kSettingMicStartVolume]), -5);
  EXPECT_EQ(static_cast<int8_t>(edit[kSettingMicMaxVolume]), -5);
}

// A disabled start volume stays disabled: its slider follows, nothing is played or stored.
TEST_F(MachineSettingsTest, LoweringTheMaximumLeavesADisabledStartDisabled) {
  StartWith({0, 0x7F, 0, 5, 5, 0, 0, 0, 0});
  MachineSettingsDialog* dialog = PressF7();
  MoveSlider(dialog->MaximumSlider(Channel::Mic), -5);
  QTest::qWait(50);
  EXPECT_EQ(app->Image().editSettings[kSettingMicStartVolume], kStartVolumeDisabled);
  EXPECT_EQ(dialog->StartText(Channel::Mic), QStringLiteral("Invalid"));
  EXPECT_TRUE(RequestsWith(kCmdWriteDsp).empty());
}

TEST_F(MachineSettingsTest, ApplyWithoutChangesSendsExactlyTheBytesRead) {
  const DeviceSettings read = {1, 0xF6, 0xEC, 0x02, 0xFB, 1, 0xA5, 0x3C, 0xC3};
  StartWith(read);
  MachineSettingsDialog* dialog = PressF7();
  EXPECT_TRUE(dialog->LockBitBox(0)->isChecked());
  EXPECT_FALSE(dialog->LockBitBox(1)->isChecked());
  EXPECT_TRUE(dialog->LockBitBox(7)->isChecked());
  dialog->ApplyButton()->click();
  ASSERT_TRUE(WaitForRequest(kCmdSetSettings));
  const Report sent = RequestsWith(kCmdSetSettings).front();
  for (size_t i = 0; i < read.size(); ++i) EXPECT_EQ(sent.bytes[2 + i], read[i]) << i;
  ASSERT_NE(app->ShownInfoBox(), nullptr);
  EXPECT_EQ(app->ShownInfoBox()->Message(), QStringLiteral("Setting valid"));
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(MachineSettingsTest, CancelDropsASaveModeChangeAndF7ShowsTheMachinesAgain) {
  StartWith(kInvalidMicSettings);
  QPointer<MachineSettingsDialog> dialog = PressF7();
  dialog->SaveModeButton(1)->click();
  EXPECT_EQ(app->Image().editSettings[kSettingVolumeSaveMode], 1);
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, kWaitMs));
  MachineSettingsDialog* again = PressF7();
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(again->SaveModeButton(0)->isChecked());
  again->ApplyButton()->click();
  ASSERT_TRUE(WaitForRequest(kCmdSetSettings));
  EXPECT_EQ(RequestsWith(kCmdSetSettings).front().bytes[2], 0);
}

TEST_F(MachineSettingsTest, AReloadAfterASyncShowsTheNewSettingsAndKeepsTheEdits) {
  StartWith(kInvalidMicSettings);
  MachineSettingsDialog* dialog = PressF7();
  dialog->PanelLockBox()->click();
  machine.SetSettings({1, 0xF6, 0, 0, 0, 0, 0, 0, 0});
  app->StartReadSync();
  EXPECT_TRUE(dialog->SaveModeButton(1)->isChecked());
  EXPECT_EQ(dialog->StartText(Channel::Mic), QStringLiteral("70"));
}

TEST_F(MachineSettingsTest, AMachineArrivalClosesIt) {
  StartWith(kInvalidMicSettings);
  QPointer<MachineSettingsDialog> dialog = PressF7();
  machine.Disappear();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !app->IsLinkOpen(); }, kWaitMs));
  machine.Reappear();
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, kWaitMs));
}

}  // namespace
}  // namespace v7
