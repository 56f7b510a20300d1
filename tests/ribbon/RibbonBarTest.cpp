// The ribbon widget on its own: layout built in both languages, the step slider, tabs, wheel.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

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

class RibbonBarTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    RibbonLayout::Build(bar, GetParam());
    bar.resize(1000, bar.sizeHint().height());
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
  }
  int language() const { return GetParam(); }
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
    ASSERT_NE(bar.button(element.id), nullptr) << element.id;
    EXPECT_EQ(bar.elementText(element.id), text) << element.id;
    EXPECT_EQ(bar.button(element.id)->property("controlId").toInt(), element.id);
  }
  EXPECT_EQ(bar.elementText(32834),
            QString::fromUtf8(language() ? "Music Vol:80" : "音乐音量:80") + QString(17, u' '));
  // Mode buttons exist once per tab under the same identifier.
  EXPECT_EQ(bar.buttons(32816).size(), 2);
  EXPECT_FALSE(bar.button(32893)->isEnabled());
  EXPECT_FALSE(bar.button(32894)->isEnabled());
  EXPECT_EQ(bar.tabTitle(0), QString::fromUtf8(language() ? "Input" : "输入控制"));
  EXPECT_EQ(bar.tabTitle(1), QString::fromUtf8(language() ? "Sound" : "音箱调节"));
  const char* groups[2][5] = {
      {"话筒音量", "音乐音量", "载入机器模式", "保存机器模式", "出厂机器模式"},
      {"Mic Vol", "Music Vol", "Load Mode", "Save Mode", "Default Mode"}};
  for (int tab = 0; tab < 2; ++tab) {
    for (int group = 0; group < 5; ++group) {
      EXPECT_EQ(bar.group(tab, group)->title(), QString::fromUtf8(groups[language()][group]));
    }
  }
  EXPECT_EQ(bar.appMenu()->recentTitle(),
            QString::fromUtf8(language() ? "Last documents" : "最近的文档"));
}

TEST_P(RibbonBarTest, SlidersKeepTheirRangeAndWidth) {
  for (int id : {32829, 32858, 32831, 32867}) {
    RibbonStepSlider* slider = bar.slider(id);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->width(), 150);
    EXPECT_EQ(slider->position(), 0);
    slider->setPosition(-200);
    EXPECT_EQ(slider->position(), -80);
    slider->setPosition(200);
    EXPECT_EQ(slider->position(), 5);
  }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, RibbonBarTest, ::testing::Values(0, 1));

class StepSliderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    slider.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&slider));
  }
  QPoint trackPointAt(int x) const { return {x, slider.height() / 2}; }
  RibbonStepSlider slider{32829, 150, -80, 5};
  QSignalSpy commands{&slider, &RibbonStepSlider::positionCommand};
};

TEST_F(StepSliderTest, TrackPressMovesExactlyOneStepTowardThePointer) {
  QTest::mouseClick(&slider, Qt::LeftButton, {}, trackPointAt(slider.width() - 2));
  EXPECT_EQ(slider.position(), 1);
  QTest::mouseClick(&slider, Qt::LeftButton, {}, trackPointAt(2));
  QTest::mouseClick(&slider, Qt::LeftButton, {}, trackPointAt(2));
  EXPECT_EQ(slider.position(), -1);
  ASSERT_EQ(commands.size(), 3);
  EXPECT_EQ(commands[0][0].toInt(), 1);
  EXPECT_EQ(commands[2][0].toInt(), -1);
}

TEST_F(StepSliderTest, TrackPressAtTheEndStillIssuesTheCommand) {
  slider.setPosition(5);
  EXPECT_TRUE(commands.isEmpty()) << "programmatic moves issue nothing";
  QTest::mouseClick(&slider, Qt::LeftButton, {}, trackPointAt(slider.width() - 1));
  EXPECT_EQ(slider.position(), 5);
  ASSERT_EQ(commands.size(), 1);
  EXPECT_EQ(commands[0][0].toInt(), 5);
}

TEST_F(StepSliderTest, DragFollowsThePointerAndReleaseOverTheThumbIssuesOnceMore) {
  const QPoint thumb = slider.thumbRect().center();
  QTest::mousePress(&slider, Qt::LeftButton, {}, thumb);
  EXPECT_TRUE(commands.isEmpty());
  QMouseEvent move(QEvent::MouseMove, QPointF(slider.trackRect().left(), thumb.y()),
                   slider.mapToGlobal(QPointF(slider.trackRect().left(), thumb.y())), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&slider, &move);
  EXPECT_EQ(slider.position(), -80);
  ASSERT_EQ(commands.size(), 1);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, slider.thumbRect().center());
  ASSERT_EQ(commands.size(), 2);
  EXPECT_EQ(commands[1][0].toInt(), -80);
}

TEST_P(RibbonBarTest, TabsSwitchOnClickOnlyAndTheWheelIsHandedOn) {
  QSignalSpy tabs(&bar, &RibbonBar::activeTabChanged);
  QSignalSpy wheel(&bar, &RibbonBar::wheelTurned);
  const QPoint second = bar.tabRect(1).center();
  QTest::mouseClick(&bar, Qt::RightButton, {}, second);
  EXPECT_EQ(bar.activeTab(), 0);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, second);
  EXPECT_EQ(bar.activeTab(), 1);
  ASSERT_EQ(tabs.size(), 1);
  EXPECT_EQ(tabs[0][0].toInt(), 1);
  QTest::mouseDClick(&bar, Qt::LeftButton, {}, second);
  EXPECT_EQ(bar.activeTab(), 1);
  EXPECT_TRUE(bar.isVisible());

  RibbonStepSlider* slider = bar.slider(Id::kMicSlider[1]);
  const QPoint local = slider->rect().center();
  const QPoint global = slider->mapToGlobal(local);
  QWheelEvent onSlider(local, global, {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
  QApplication::sendEvent(slider, &onSlider);
  EXPECT_FALSE(onSlider.isAccepted()) << "the slider leaves the wheel to the ribbon";
  EXPECT_EQ(slider->position(), 0);
  const QPoint inBar = bar.mapFromGlobal(global);
  QWheelEvent onBar(inBar, global, {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&bar, &onBar);
  EXPECT_EQ(bar.activeTab(), 1);
  ASSERT_EQ(wheel.size(), 1);
  EXPECT_EQ(wheel[0][1].toInt(), 120);
  EXPECT_TRUE(bar.groupScreenRect(1, Id::kGroupMicVol).contains(wheel[0][0].toPoint()));
}

TEST_P(RibbonBarTest, ElementsIssueTheirIdsAndShortcutsTheFileCommands) {
  QSignalSpy commands(&bar, &RibbonBar::command);
  QTest::mouseClick(bar.button(32847), Qt::LeftButton);
  QTest::mouseClick(bar.button(32893), Qt::LeftButton);
  QTest::mouseClick(bar.button(32811), Qt::LeftButton);
  bar.activateWindow();
  QTest::keyClick(&bar, Qt::Key_O, Qt::ControlModifier);
  QTest::keyClick(&bar, Qt::Key_S, Qt::ControlModifier);
  QList<int> ids;
  for (const auto& call : commands) ids.append(call[0].toInt());
  EXPECT_EQ(ids, (QList<int>{32847, 32811, 57601, 57603}));
  bar.setElementEnabled(32847, false);
  bar.setElementEnabled(32829, false);
  QTest::mouseClick(bar.button(32847), Qt::LeftButton);
  QTest::mouseClick(bar.slider(32829), Qt::LeftButton, {}, QPoint(1, 10));
  EXPECT_EQ(commands.size(), 4) << "disabled elements issue nothing";
  EXPECT_FALSE(bar.isChecked(32847)) << "ticks come from the image, not from the click";
}

TEST(RibbonAppMenuTest, RecentEntriesReportTheirPath) {
  RibbonBar bar;
  RibbonLayout::Build(bar, 1);
  bar.appMenu()->setRecentFiles({"/tmp/a/m2.V7M", "/tmp/b/show.V7M", "/tmp/c/rock&roll.V7M"});
  QSignalSpy chosen(&bar, &RibbonBar::recentFileChosen);
  QSignalSpy commands(&bar, &RibbonBar::command);
  bar.show();
  bar.openAppMenu();
  ASSERT_EQ(bar.appMenu()->recentButtons().size(), 3);
  EXPECT_EQ(bar.appMenu()->recentButtons()[1]->text(), QStringLiteral("&2 show.V7M"));
  // Only the number is a mnemonic; the name's '&' is drawn as it is.
  EXPECT_EQ(bar.appMenu()->recentButtons()[2]->text(), QStringLiteral("&3 rock&&roll.V7M"));
  QTest::mouseClick(bar.appMenu()->recentButtons()[1], Qt::LeftButton);
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen[0][0].toString(), QStringLiteral("/tmp/b/show.V7M"));
  EXPECT_FALSE(bar.appMenu()->isVisible());
  EXPECT_TRUE(commands.isEmpty());
}

}  // namespace
}  // namespace v7
