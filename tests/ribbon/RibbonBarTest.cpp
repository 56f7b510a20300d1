// The ribbon widget on its own: layout built in both languages on the command actions, the step
// slider, tabs, wheel.
#include <gtest/gtest.h>

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <string>

#include "controllers/CommandActions.h"
#include "ui/ribbon/RibbonAppMenu.h"
#include "ui/ribbon/RibbonBar.h"
#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonGroup.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/ribbon/RibbonLayout.h"
#include "ui/ribbon/RibbonStepSlider.h"

namespace v7 {
namespace {

namespace Id = RibbonId;
using Command = CommandActions::Command;

// Records which commands' actions were triggered, in order.
class TriggerLog {
 public:
  explicit TriggerLog(const CommandActions& actions) {
    for (int index = 0; index < CommandActions::kCommandCount; ++index) {
      QObject::connect(actions.Action(Command(index)), &QAction::triggered,
                       [this, index] { commands.append(Command(index)); });
    }
  }
  QList<Command> commands;
};

class RibbonBarTest : public ::testing::TestWithParam<Language> {
 protected:
  void SetUp() override {
    RibbonLayout::Build(bar, actions, GetParam());
    bar.resize(1000, bar.sizeHint().height());
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
  }
  int language() const { return GetParam() == Language::English ? 1 : 0; }
  CommandActions actions{GetParam()};
  RibbonBar bar;
};

struct ElementText {
  int id;
  const char* chinese;
  const char* english;
};

TEST_P(RibbonBarTest, BuildsEveryElementWithItsIdAndText) {
  const QString pad16(16, u' ');
  const ElementText expected[] = {
      {32832, "话筒音量:80", "Mic Vol:80"},
      {32857, "话筒音量:80", "Mic Vol:80"},
      {32847, "静音", "Mute"},
      {32859, "静音", "Mute"},
      {32891, "反馈抑制开关     ", "FBC SW     "},
      {32889, "启用反馈抑制   ", "FBC ON   "},
      {32848, "静音", "Mute"},
      {32815, "M1", "M1"},
      {32818, "M4", "M4"},
      {32822, "M4", "M4"},
      {32823, "M1", "M1"},
      {32827, "载入", "Load"},
      {32881, "载入", "Load"},
      {32828, "保存", "Save"},
      {32882, "保存", "Save"},
      {32811, "机器复位", "Reset"},
      {32812, "遥控学习", "Remote control"},
      {32805, "中/EN", "中/EN"},
      {57664, "", ""},
  };
  for (const ElementText& element : expected) {
    QString text = QString::fromUtf8(language() == 1 ? element.english : element.chinese);
    if (element.id == 32832 || element.id == 32857) text += pad16;
    ASSERT_NE(bar.Button(element.id), nullptr) << element.id;
    EXPECT_EQ(bar.ElementText(element.id), text) << element.id;
    EXPECT_EQ(bar.Button(element.id)->property("controlId").toInt(), element.id);
  }
  EXPECT_EQ(bar.ElementText(32834),
            QString::fromUtf8(language() ? "Music Vol:80" : "音乐音量:80") + QString(17, u' '));
  // Mode buttons exist once per tab under the same identifier.
  EXPECT_EQ(bar.Buttons(32816).size(), 2);
  EXPECT_FALSE(bar.Button(32893)->isEnabled());
  EXPECT_FALSE(bar.Button(32894)->isEnabled());
  EXPECT_EQ(bar.TabTitle(0), QString::fromUtf8(language() ? "Input" : "输入控制"));
  EXPECT_EQ(bar.TabTitle(1), QString::fromUtf8(language() ? "Sound" : "音箱调节"));
  const char* groups[2][5] = {
      {"话筒音量", "音乐音量", "载入机器模式", "保存机器模式", "出厂机器模式"},
      {"Mic Vol", "Music Vol", "Load Mode", "Save Mode", "Default Mode"}};
  for (int tab = 0; tab < 2; ++tab) {
    for (int group = 0; group < 5; ++group) {
      EXPECT_EQ(bar.Group(tab, group)->Title(), QString::fromUtf8(groups[language()][group]));
    }
  }
  EXPECT_EQ(bar.AppMenu()->RecentTitle(),
            QString::fromUtf8(language() ? "Last documents" : "最近的文档"));
}

TEST_P(RibbonBarTest, SlidersKeepTheirRangeAndWidth) {
  for (int id : {32829, 32858, 32831, 32867}) {
    RibbonStepSlider* slider = bar.Slider(id);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->width(), 150);
    EXPECT_EQ(slider->Position(), 0);
    slider->SetPosition(-200);
    EXPECT_EQ(slider->Position(), -80);
    slider->SetPosition(200);
    EXPECT_EQ(slider->Position(), 5);
  }
}

std::string LanguageName(const ::testing::TestParamInfo<Language>& param) {
  return param.param == Language::English ? "English" : "Chinese";
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, RibbonBarTest,
                         ::testing::Values(Language::Chinese, Language::English), LanguageName);

class StepSliderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    slider.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&slider));
  }
  QPoint trackPointAt(int x) const { return {x, slider.height() / 2}; }
  RibbonStepSlider slider{32829, 150, -80, 5};
  QSignalSpy commands{&slider, &RibbonStepSlider::PositionCommand};
};

TEST_F(StepSliderTest, TrackPressMovesExactlyOneStepTowardThePointer) {
  QTest::mouseClick(&slider, Qt::LeftButton, {}, trackPointAt(slider.width() - 2));
  EXPECT_EQ(slider.Position(), 1);
  QTest::mouseClick(&slider, Qt::LeftButton, {}, trackPointAt(2));
  QTest::mouseClick(&slider, Qt::LeftButton, {}, trackPointAt(2));
  EXPECT_EQ(slider.Position(), -1);
  ASSERT_EQ(commands.size(), 3);
  EXPECT_EQ(commands[0][0].toInt(), 1);
  EXPECT_EQ(commands[2][0].toInt(), -1);
}

TEST_F(StepSliderTest, TrackPressAtTheEndStillIssuesTheCommand) {
  slider.SetPosition(5);
  EXPECT_TRUE(commands.isEmpty()) << "programmatic moves issue nothing";
  QTest::mouseClick(&slider, Qt::LeftButton, {}, trackPointAt(slider.width() - 1));
  EXPECT_EQ(slider.Position(), 5);
  ASSERT_EQ(commands.size(), 1);
  EXPECT_EQ(commands[0][0].toInt(), 5);
}

TEST_F(StepSliderTest, DragFollowsThePointerAndReleaseOverTheThumbIssuesOnceMore) {
  const QPoint thumb = slider.ThumbRect().center();
  QTest::mousePress(&slider, Qt::LeftButton, {}, thumb);
  EXPECT_TRUE(commands.isEmpty());
  QMouseEvent move(QEvent::MouseMove, QPointF(slider.TrackRect().left(), thumb.y()),
                   slider.mapToGlobal(QPointF(slider.TrackRect().left(), thumb.y())), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&slider, &move);
  EXPECT_EQ(slider.Position(), -80);
  ASSERT_EQ(commands.size(), 1);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, slider.ThumbRect().center());
  ASSERT_EQ(commands.size(), 2);
  EXPECT_EQ(commands[1][0].toInt(), -80);
}

TEST_P(RibbonBarTest, TabsSwitchOnClickOnlyAndTheWheelIsHandedOn) {
  QSignalSpy tabs(&bar, &RibbonBar::ActiveTabChanged);
  QSignalSpy wheel(&bar, &RibbonBar::WheelTurned);
  const QPoint second = bar.TabRect(1).center();
  QTest::mouseClick(&bar, Qt::RightButton, {}, second);
  EXPECT_EQ(bar.ActiveTab(), 0);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, second);
  EXPECT_EQ(bar.ActiveTab(), 1);
  ASSERT_EQ(tabs.size(), 1);
  EXPECT_EQ(tabs[0][0].toInt(), 1);
  QTest::mouseDClick(&bar, Qt::LeftButton, {}, second);
  EXPECT_EQ(bar.ActiveTab(), 1);
  EXPECT_TRUE(bar.isVisible());

  RibbonStepSlider* slider = bar.Slider(Id::kMicSlider[1]);
  const QPoint local = slider->rect().center();
  const QPoint global = slider->mapToGlobal(local);
  QWheelEvent onSlider(local, global, {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
  QApplication::sendEvent(slider, &onSlider);
  EXPECT_FALSE(onSlider.isAccepted()) << "the slider leaves the wheel to the ribbon";
  EXPECT_EQ(slider->Position(), 0);
  const QPoint inBar = bar.mapFromGlobal(global);
  QWheelEvent onBar(inBar, global, {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&bar, &onBar);
  EXPECT_EQ(bar.ActiveTab(), 1);
  ASSERT_EQ(wheel.size(), 1);
  EXPECT_EQ(wheel[0][1].toInt(), 120);
  EXPECT_TRUE(bar.GroupScreenRect(1, Id::kGroupMicVol).contains(wheel[0][0].toPoint()));
}

TEST_P(RibbonBarTest, ElementsTriggerTheirActionsAndShortcutsTheFileCommands) {
  TriggerLog log(actions);
  QTest::mouseClick(bar.Button(32847), Qt::LeftButton);
  QTest::mouseClick(bar.Button(32893), Qt::LeftButton);
  QTest::mouseClick(bar.Button(32811), Qt::LeftButton);
  bar.activateWindow();
  QTest::keyClick(&bar, Qt::Key_O, Qt::ControlModifier);
  QTest::keyClick(&bar, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(log.commands, (QList<Command>{Command::MicMute, Command::ResetMachine,
                                          Command::OpenFile, Command::SaveFile}));
  actions.Action(Command::MicMute)->setEnabled(false);
  RibbonStepSlider* slider = bar.Slider(32829);
  slider->setEnabled(false);
  QSignalSpy moved(slider, &RibbonStepSlider::PositionCommand);
  QTest::mouseClick(bar.Button(32847), Qt::LeftButton);
  QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(1, 10));
  EXPECT_EQ(log.commands.size(), 4) << "disabled elements issue nothing";
  EXPECT_TRUE(moved.isEmpty());
  EXPECT_FALSE(bar.Button(32847)->isEnabled());
}

// Both tabs' elements of a command show one action: its tick, text and enabled state.
TEST_P(RibbonBarTest, BothTabsShowTheSameAction) {
  const std::pair<int, int> pairs[] = {
      {32847, 32859}, {32848, 32862}, {32889, 32890}, {32827, 32881}, {32828, 32882}};
  for (const auto& [first, second] : pairs) {
    ASSERT_NE(bar.Button(first)->Action(), nullptr) << first;
    EXPECT_EQ(bar.Button(first)->Action(), bar.Button(second)->Action()) << first;
  }
  EXPECT_EQ(bar.Buttons(32816)[0]->Action(), bar.Buttons(32816)[1]->Action());
  QAction* mute = actions.Action(Command::MicMute);
  EXPECT_FALSE(bar.IsChecked(32847)) << "ticks come from the action, not from a click";
  mute->setChecked(true);
  EXPECT_TRUE(bar.IsChecked(32847));
  EXPECT_TRUE(bar.IsChecked(32859));
  actions.ApplyLanguage(Language::English);
  EXPECT_EQ(bar.ElementText(32889), QStringLiteral("FBC ON   "));
  EXPECT_EQ(bar.ElementText(32890), QStringLiteral("FBC ON   "));
}

// Keyboard and screen-reader users: every command has a tip, every element a name.
TEST_P(RibbonBarTest, EveryCommandHasATipAndEveryElementAName) {
  for (int index = 0; index < CommandActions::kCommandCount; ++index) {
    const QAction* action = actions.Action(Command(index));
    EXPECT_FALSE(action->statusTip().isEmpty()) << index;
    EXPECT_EQ(action->toolTip(), action->statusTip()) << index;
  }
  for (auto command : {CommandActions::ModeCommand::Load, CommandActions::ModeCommand::Save,
                       CommandActions::ModeCommand::Factory}) {
    EXPECT_TRUE(actions.ModeAction(command, 3)->statusTip().contains(u'4'));
  }
  EXPECT_EQ(actions.Action(Command::OpenFile)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(actions.Action(Command::SaveFile)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  for (QAbstractButton* element : bar.findChildren<QAbstractButton*>()) {
    const auto* button = qobject_cast<RibbonButton*>(element);
    if (button == nullptr || button->Action() == nullptr) continue;
    EXPECT_FALSE(button->accessibleName().isEmpty()) << button->ControlId();
    EXPECT_EQ(button->toolTip(), button->Action()->toolTip()) << button->ControlId();
  }
  EXPECT_EQ(bar.Button(Id::kAppAbout)->accessibleName(), actions.Action(Command::About)->toolTip());
  EXPECT_EQ(bar.Button(Id::kMicMute[0])->accessibleName(),
            QString::fromUtf8(language() == 1 ? "Mute microphones" : "话筒静音"));
  EXPECT_EQ(bar.Button(Id::kLoadModeFirst + 1)->accessibleName(),
            QString::fromUtf8(language() == 1 ? "Load mode M2" : "载入机器模式 M2"));
}

TEST(RibbonAppMenuTest, RecentEntriesReportTheirPath) {
  CommandActions actions(Language::English);
  TriggerLog log(actions);
  RibbonBar bar;
  RibbonLayout::Build(bar, actions, Language::English);
  bar.AppMenu()->SetRecentFiles({"/tmp/a/m2.V7M", "/tmp/b/show.V7M", "/tmp/c/rock&roll.V7M"});
  QSignalSpy chosen(&bar, &RibbonBar::RecentFileChosen);
  bar.show();
  bar.OpenAppMenu();
  ASSERT_EQ(bar.AppMenu()->RecentButtons().size(), 3);
  EXPECT_EQ(bar.AppMenu()->RecentButtons()[1]->text(), QStringLiteral("&2 show.V7M"));
  // Only the number is a mnemonic; the name's '&' is drawn as it is.
  EXPECT_EQ(bar.AppMenu()->RecentButtons()[2]->text(), QStringLiteral("&3 rock&&roll.V7M"));
  QTest::mouseClick(bar.AppMenu()->RecentButtons()[1], Qt::LeftButton);
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen[0][0].toString(), QStringLiteral("/tmp/b/show.V7M"));
  EXPECT_FALSE(bar.AppMenu()->isVisible());
  EXPECT_TRUE(log.commands.isEmpty());
}

// The menu is gone before its command runs, so a dialog the command opens is not behind it.
TEST(RibbonAppMenuTest, CommandEntriesCloseTheMenuBeforeTheirActionRuns) {
  CommandActions actions(Language::Chinese);
  RibbonBar bar;
  RibbonLayout::Build(bar, actions, Language::Chinese);
  bar.show();
  bool menuShownWhileRunning = true;
  QObject::connect(actions.Action(Command::SaveFile), &QAction::triggered,
                   [&] { menuShownWhileRunning = bar.AppMenu()->isVisible(); });
  bar.OpenAppMenu();
  ASSERT_TRUE(bar.AppMenu()->isVisible());
  QTest::mouseClick(bar.AppMenu()->findChildren<RibbonButton*>().value(1), Qt::LeftButton);
  EXPECT_FALSE(menuShownWhileRunning);
  EXPECT_EQ(bar.AppMenu()->findChildren<RibbonButton*>().value(1)->ControlId(), Id::kFileSave);
}

}  // namespace
}  // namespace v7
