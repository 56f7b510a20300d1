// The ribbon's commands and state on the running program: volumes, mutes, the wheel, reset,
// status texts and the language switch.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <string>

#include "app/MainView.h"
#include "controllers/CommandActions.h"
#include "controllers/EqCommandTarget.h"
#include "controllers/MachineConnection.h"
#include "edit/ParameterAccessors.h"
#include "protocol/Commands.h"
#include "ribbon/RibbonAppFixture.h"
#include "ui/dialogs/InfoBox.h"
#include "ui/ribbon/RibbonAppMenu.h"
#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonGroup.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/ribbon/RibbonStatusBar.h"
#include "ui/ribbon/RibbonStepSlider.h"
#include "ui/ribbon/StatusBarPane.h"

namespace v7::test {
namespace {

namespace Id = RibbonId;

constexpr int kMicVolumeWord = 311;
constexpr int kMicMuteWord = 310;
constexpr int kMusicVolumeWord = 153;

QPoint TrackPoint(RibbonStepSlider* slider, bool right) {
  return {right ? slider->width() - 1 : 0, slider->height() / 2};
}

QPoint GroupCentre(RibbonBar& bar, int group) {
  return bar.GroupScreenRect(bar.ActiveTab(), group).center();
}

// A wheel notch as the view passes it on.
bool TurnWheel(MainRibbon& ribbon, const QPoint& global, int delta) {
  QWheelEvent event(QPointF(), global, {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  return ribbon.HandleViewWheel(&event);
}

std::vector<int> DspAddresses(const std::vector<Report>& writes) {
  std::vector<int> addresses;
  for (const Report& report : writes) addresses.push_back(report.Address());
  return addresses;
}

class MainRibbonTest : public RibbonAppFixture {};

TEST_F(MainRibbonTest, SliderEndsShowZeroAndEightyFiveOnBothTabs) {
  Start(true, Language::English);
  RibbonStepSlider* slider = bar().Slider(Id::kMicSlider[0]);
  slider->SetPosition(-79);
  QTest::mouseClick(slider, Qt::LeftButton, {}, TrackPoint(slider, false));
  QTest::mouseClick(slider, Qt::LeftButton, {}, TrackPoint(slider, false));
  EXPECT_EQ(slider->Position(), -80);
  EXPECT_EQ(image().dsp.micVolume, -80);
  EXPECT_EQ(bar().ElementText(Id::kMicReadout[0]), QStringLiteral("Mic Vol:0"));
  EXPECT_EQ(bar().ElementText(Id::kMicReadout[1]), QStringLiteral("Mic Vol:0"));
  EXPECT_EQ(bar().SliderPosition(Id::kMicSlider[1]), -80);

  slider->SetPosition(4);
  QTest::mouseClick(slider, Qt::LeftButton, {}, TrackPoint(slider, true));
  QTest::mouseClick(slider, Qt::LeftButton, {}, TrackPoint(slider, true));
  EXPECT_EQ(image().dsp.micVolume, 5);
  EXPECT_EQ(bar().ElementText(Id::kMicReadout[1]), QStringLiteral("Mic Vol:85"));
  // Every click sent the volume word, also the one at the end of the range.
  EXPECT_EQ(DspAddresses(Sent(kCmdWriteDsp)), std::vector<int>(4, kMicVolumeWord));
}

TEST_F(MainRibbonTest, TheSecondTabsSliderDecidesWhileThatTabIsInFront) {
  Start(true, Language::Chinese);
  bar().SetActiveTab(Id::kSoundTab);
  RibbonStepSlider* slider = bar().Slider(Id::kMusicSlider[1]);
  QTest::mouseClick(slider, Qt::LeftButton, {}, TrackPoint(slider, false));
  EXPECT_EQ(image().dsp.musicVolume, -1);
  EXPECT_EQ(bar().SliderPosition(Id::kMusicSlider[0]), -1);
  EXPECT_EQ(bar().ElementText(Id::kMusicReadout[0]), QString::fromUtf8("音乐音量:79"));
}

TEST_F(MainRibbonTest, MovingAMutedVolumeUnmutesAfterSendingTheVolume) {
  Start(true, Language::English);
  ParameterAccessors(image(), app->Link()).SetMute(MuteChannel::kMic, true);
  ribbon->UpdateCommandUI();
  EXPECT_TRUE(bar().IsChecked(Id::kMicMute[0]));
  machine.ClearRequests();

  RibbonStepSlider* slider = bar().Slider(Id::kMicSlider[0]);
  QTest::mouseClick(slider, Qt::LeftButton, {}, TrackPoint(slider, true));
  EXPECT_EQ(image().dsp.micMute, 0);
  EXPECT_FALSE(bar().IsChecked(Id::kMicMute[0]));
  EXPECT_FALSE(bar().IsChecked(Id::kMicMute[1]));
  const std::vector<Report> writes = Sent(kCmdWriteDsp);
  ASSERT_EQ(DspAddresses(writes), (std::vector<int>{kMicVolumeWord, kMicMuteWord}));
  EXPECT_EQ(std::vector<uint8_t>(writes[1].Data(), writes[1].Data() + 4),
            (std::vector<uint8_t>{0x00, 0x80, 0x00, 0x00}));
}

TEST_F(MainRibbonTest, WheelOverMusicVolAtTheTopSendsTheVolumeTwice) {
  Start(true, Language::English);
  image().dsp.micVolume = 0;
  image().dsp.musicVolume = 5;
  ribbon->RefreshRibbonVolumes();
  EXPECT_TRUE(TurnWheel(*ribbon, GroupCentre(bar(), Id::kGroupMusicVol), 120));
  EXPECT_EQ(image().dsp.musicVolume, 5);
  EXPECT_EQ(bar().ElementText(Id::kMusicReadout[0]), QStringLiteral("Music Vol:85"));
  EXPECT_EQ(DspAddresses(Sent(kCmdWriteDsp)), (std::vector<int>{153, 153}));

  machine.ClearRequests();
  EXPECT_TRUE(ribbon->HandleWheel(GroupCentre(bar(), Id::kGroupMicVol), -120));
  EXPECT_EQ(image().dsp.micVolume, -1);
  EXPECT_EQ(bar().SliderPosition(Id::kMicSlider[1]), -1);
  EXPECT_EQ(DspAddresses(Sent(kCmdWriteDsp)), (std::vector<int>{kMicVolumeWord, kMicVolumeWord}));
}

// On the second tab the handler reads the second tab's slider: both sends still carry the new
// volume, never the old one in between.
TEST_F(MainRibbonTest, WheelOnTheSoundTabSendsTheNewVolumeTwice) {
  Start(true, Language::English);
  bar().SetActiveTab(Id::kSoundTab);
  image().dsp.micVolume = -10;
  ribbon->RefreshRibbonVolumes();
  EXPECT_TRUE(TurnWheel(*ribbon, GroupCentre(bar(), Id::kGroupMicVol), 120));
  EXPECT_EQ(image().dsp.micVolume, -9);
  EXPECT_EQ(bar().SliderPosition(Id::kMicSlider[0]), -9);
  EXPECT_EQ(bar().SliderPosition(Id::kMicSlider[1]), -9);
  const std::vector<Report> writes = Sent(kCmdWriteDsp);
  ASSERT_EQ(DspAddresses(writes), (std::vector<int>{kMicVolumeWord, kMicVolumeWord}));
  EXPECT_TRUE(std::equal(writes[0].Data(), writes[0].Data() + 4, writes[1].Data()));
}

// Touchpads and fine wheels report parts of a notch; only whole notches move the volume.
TEST_F(MainRibbonTest, WheelFractionsMoveTheVolumeOncePerWholeNotch) {
  Start(true, Language::English);
  image().dsp.micVolume = -20;
  ribbon->RefreshRibbonVolumes();
  const QPoint mic = GroupCentre(bar(), Id::kGroupMicVol);
  EXPECT_TRUE(TurnWheel(*ribbon, mic, 40));
  EXPECT_TRUE(TurnWheel(*ribbon, mic, 40));
  EXPECT_TRUE(Sent(kCmdWriteDsp).empty());
  EXPECT_TRUE(TurnWheel(*ribbon, mic, 40));
  EXPECT_EQ(image().dsp.micVolume, -19);
  EXPECT_EQ(Sent(kCmdWriteDsp).size(), 2u);
  // Turning back drops what was collected the other way.
  TurnWheel(*ribbon, mic, 80);
  TurnWheel(*ribbon, mic, -60);
  EXPECT_EQ(image().dsp.micVolume, -19);
  TurnWheel(*ribbon, mic, -60);
  EXPECT_EQ(image().dsp.micVolume, -20);
  TurnWheel(*ribbon, mic, 240);
  EXPECT_EQ(image().dsp.micVolume, -18);
  EXPECT_EQ(bar().ElementText(Id::kMicReadout[1]), QStringLiteral("Mic Vol:62"));
}

TEST_F(MainRibbonTest, WheelOverTheLoadModeGroupDoesNothing) {
  Start(true, Language::Chinese);
  EXPECT_TRUE(TurnWheel(*ribbon, GroupCentre(bar(), Id::kGroupLoadMode), 120));
  EXPECT_TRUE(Sent(kCmdWriteDsp).empty());
  EXPECT_TRUE(Sent(kCmdLoadMode).empty());
  EXPECT_EQ(bar().SliderPosition(Id::kMicSlider[0]), 0);
  EXPECT_EQ(bar().SliderPosition(Id::kMusicSlider[0]), 0);
  EXPECT_EQ(bar().ActiveTab(), Id::kInputTab);
}

TEST_F(MainRibbonTest, WithoutTheMachineResetAndRemoteDoNothingButMuteStillToggles) {
  Start(false, Language::English);
  QTest::mouseClick(bar().Button(Id::kResetMachine), Qt::LeftButton);
  QTest::mouseClick(bar().Button(Id::kRemoteLearning), Qt::LeftButton);
  EXPECT_TRUE(prompts.records.empty());
  EXPECT_EQ(app->ShownInfoBox(), nullptr);
  QTest::mouseClick(bar().Buttons(Id::kMusicMute[1]).first(), Qt::LeftButton);
  EXPECT_EQ(image().dsp.musicMute, 1);
  EXPECT_TRUE(bar().IsChecked(Id::kMusicMute[0]));
  EXPECT_TRUE(bar().IsChecked(Id::kFbcCheck[0]));
  QTest::mouseClick(bar().Button(Id::kFbcCheck[0]), Qt::LeftButton);
  EXPECT_EQ(image().dsp.fbcBypass, 1);
  EXPECT_FALSE(bar().IsChecked(Id::kFbcCheck[1]));
}

TEST_F(MainRibbonTest, ResetAsksAndRestartsTheMachineOnYes) {
  Start(true, Language::Chinese);
  prompts.yesNoAnswers = {false, true};
  QTest::mouseClick(bar().Button(Id::kResetMachine), Qt::LeftButton);
  EXPECT_TRUE(Sent(kCmdReset).empty());
  QTest::mouseClick(bar().Button(Id::kResetMachine), Qt::LeftButton);
  ASSERT_EQ(prompts.records.size(), 2u);
  EXPECT_EQ(prompts.records[0].preset, PromptAnswer::No);  // a slip of Enter resets nothing
  EXPECT_EQ(prompts.records[0].caption, QString::fromUtf8("提示"));
  EXPECT_EQ(prompts.records[0].text,
            QString::fromUtf8("您确定要将机器复位吗? \n机器复位后将自动重新启动并连接."));
  const std::vector<Report> resets = Sent(kCmdReset);
  ASSERT_EQ(resets.size(), 1u);
  EXPECT_EQ(resets[0].bytes[2], kResetMagic);
  ASSERT_NE(app->ShownInfoBox(), nullptr);
  EXPECT_EQ(app->ShownInfoBox()->Message(), QString::fromUtf8("机器正在重启……"));
  EXPECT_GT(app->ShownInfoBox()->RemainingMilliseconds(), 7000);
}

TEST_F(MainRibbonTest, StatusPanesFollowTheLinkAndTheMode) {
  Start(true, Language::English);
  RibbonStatusBar& status = *ribbon->StatusBar();
  image().currentMode = 2;
  ribbon->UpdateCommandUI();
  EXPECT_EQ(status.ModePane()->Text(), QStringLiteral("Current Mode:Mode3"));
  EXPECT_EQ(status.ModePane()->TextColour(), QColor(255, 0, 0));
  EXPECT_EQ(status.DevicePane()->Text(), QStringLiteral("Device status:Connected"));
  EXPECT_EQ(status.DevicePane()->TextColour(), QColor(0, 150, 0));
  EXPECT_EQ(status.BypassCheck()->text(), QStringLiteral("Bypass"));
  EXPECT_EQ(status.ResetEqButton()->text(), QStringLiteral("Reset EQ"));
  // No channel panel offers the EQ commands yet.
  EXPECT_FALSE(status.BypassCheck()->isEnabled());

  app->Connection().CloseUsbDevice();
  SetLanguage(Language::Chinese);
  ribbon->UpdateCommandUI();
  EXPECT_EQ(status.DevicePane()->Text(), QString::fromUtf8("设备状态：未连接"));
  EXPECT_EQ(status.DevicePane()->TextColour(), QColor(220, 0, 0));
  EXPECT_EQ(status.ModePane()->Text(), QString::fromUtf8("当前模式:模式三"));
}

// The channel panel's side of the EQ commands, recording what was asked of it.
class FakeEqPanel : public EqCommandTarget {
 public:
  void ToggleBypass() override { calls.push_back("ToggleBypass"); }
  int BypassState() override { return bypass; }
  void ResetCurrentEq() override { calls.push_back("ResetCurrentEq"); }
  void LoadBands() override { calls.push_back("LoadBands"); }
  int bypass = 0;
  std::vector<std::string> calls;
};

TEST_F(MainRibbonTest, EqCommandsReachThePanelOnceItIsThere) {
  FakeEqPanel fake;
  FakeEqPanel* panel = nullptr;
  Start(true, Language::English, [&panel]() -> EqCommandTarget* { return panel; });
  RibbonStatusBar& status = *ribbon->StatusBar();
  QTest::mouseClick(status.BypassCheck(), Qt::LeftButton);
  EXPECT_FALSE(status.ResetEqButton()->isEnabled());

  panel = &fake;
  fake.bypass = 1;
  ribbon->UpdateCommandUI();
  EXPECT_TRUE(status.BypassCheck()->isEnabled());
  EXPECT_TRUE(status.BypassCheck()->IsTicked());
  QTest::mouseClick(status.BypassCheck(), Qt::LeftButton);
  prompts.yesNoAnswers = {false, true};
  QTest::mouseClick(status.ResetEqButton(), Qt::LeftButton);
  EXPECT_EQ(fake.calls, std::vector<std::string>{"ToggleBypass"});
  QTest::mouseClick(status.ResetEqButton(), Qt::LeftButton);
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"ToggleBypass", "ResetCurrentEq", "LoadBands"}));
  ASSERT_EQ(prompts.records.size(), 2u);
  EXPECT_EQ(prompts.records[0].text, QStringLiteral("Are you sure to reset the eq?"));
  EXPECT_EQ(prompts.records[0].caption, QString::fromUtf8("提示"));
}

TEST(RibbonStatusBarTest, StartsWithTheBuildTextsInRed) {
  CommandActions actions(Language::English);
  RibbonStatusBar status(actions);
  EXPECT_EQ(status.DevicePane()->Text(), QString::fromUtf8("设备状态:未连接") + QString(111, u' '));
  EXPECT_EQ(status.ModePane()->Text(), QString::fromUtf8("当前模式：模式一") + QString(19, u' '));
  EXPECT_EQ(status.DevicePane()->TextColour(), QColor(255, 0, 0));
  EXPECT_EQ(status.BypassCheck()->text(), QString::fromUtf8("均衡绕过"));
  EXPECT_EQ(status.ResetEqButton()->text(), QString::fromUtf8("重置均衡"));
  EXPECT_EQ(status.BypassCheck()->property("controlId").toInt(), 1121);
  EXPECT_EQ(status.ResetEqButton()->property("controlId").toInt(), 1122);
}

TEST_F(MainRibbonTest, LanguageSwitchRetitlesTheFifthGroupAndPadsTheReadouts) {
  Start(true, Language::Chinese);
  bar().SetActiveTab(Id::kSoundTab);
  image().dsp.micVolume = -10;
  image().dsp.musicVolume = 3;
  SetLanguage(Language::English);
  ribbon->ApplyRibbonLanguage();
  EXPECT_EQ(bar().Group(Id::kSoundTab, Id::kGroupFactoryMode)->Title(),
            QStringLiteral("Reset Mode"));
  EXPECT_EQ(bar().TabTitle(bar().ActiveTab()), QStringLiteral("Sound"));
  EXPECT_EQ(bar().ElementText(Id::kMicReadout[1]), QStringLiteral("Mic Vol:70   "));
  EXPECT_EQ(bar().ElementText(Id::kMusicReadout[0]), QStringLiteral("Music Vol:83     "));
  EXPECT_EQ(bar().ElementText(Id::kFbcCaption[0]), QStringLiteral("FBC SW     "));
  EXPECT_EQ(bar().ElementText(Id::kFbcCheck[1]), QStringLiteral("FBC ON   "));
  EXPECT_EQ(bar().ElementText(Id::kRemoteLearning), QStringLiteral("Remote control"));

  SetLanguage(Language::Chinese);
  ribbon->ApplyRibbonLanguage();
  EXPECT_EQ(bar().Group(Id::kInputTab, Id::kGroupFactoryMode)->Title(),
            QString::fromUtf8("复位机器模式"));
  EXPECT_EQ(bar().TabTitle(Id::kInputTab), QString::fromUtf8("输入控制"));
  EXPECT_EQ(bar().ElementText(Id::kLoadFile[0]), QString::fromUtf8("载入"));
  // The application menu keeps the language it was built with.
  EXPECT_EQ(bar().AppMenu()->RecentTitle(), QString::fromUtf8("最近的文档"));
}

// Counts paint events of a widget and its children.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* root) {
    root->installEventFilter(this);
    for (QWidget* child : root->findChildren<QWidget*>()) child->installEventFilter(this);
  }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Repaints of the window are flushed together: once a probe widget has painted after its own
// update, every earlier update of the window has been painted too.
void FlushPaints(QMainWindow& host) {
  auto* probe = host.findChild<QWidget*>(QStringLiteral("probe"));
  if (probe == nullptr) {
    probe = new QWidget(&host);
    probe->setObjectName(QStringLiteral("probe"));
    host.setCentralWidget(probe);
  }
  PaintCounter probePaints(probe);
  probe->update();
  ASSERT_TRUE(QTest::qWaitFor([&probePaints] { return probePaints.paints > 0; }));
}

TEST_F(MainRibbonTest, IdleUpdatesRepaintOnlyWhatChanged) {
  Start(true, Language::English);
  ribbon->UpdateCommandUI();
  FlushPaints(*host);
  PaintCounter ribbonPaints(&bar());
  PaintCounter statusPaints(ribbon->StatusBar());
  ribbon->UpdateCommandUI();
  ribbon->UpdateCommandUI();
  FlushPaints(*host);
  EXPECT_EQ(ribbonPaints.paints, 0);
  EXPECT_EQ(statusPaints.paints, 0);

  image().currentMode = 3;
  ribbon->UpdateCommandUI();
  FlushPaints(*host);
  EXPECT_EQ(ribbonPaints.paints, 0);
  EXPECT_GT(statusPaints.paints, 0);
}

TEST_F(MainRibbonTest, TabChangeShowsTheMicOrTheMainPage) {
  Start(true, Language::Chinese);
  QTest::mouseClick(&bar(), Qt::LeftButton, {}, bar().TabRect(Id::kSoundTab).center());
  EXPECT_EQ(app->View()->CurrentPage(), 3);
  QTest::mouseClick(&bar(), Qt::LeftButton, {}, bar().TabRect(Id::kInputTab).center());
  EXPECT_EQ(app->View()->CurrentPage(), 0);
}

}  // namespace
}  // namespace v7::test
