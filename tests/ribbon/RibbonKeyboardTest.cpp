// The ribbon from the keyboard and through a screen reader: focus, tab switching, slider keys,
// pressing and ticking, the application menu's keys, and what the accessibility tree reports.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include "controllers/CommandActions.h"
#include "ui/ribbon/RibbonAppMenu.h"
#include "ui/ribbon/RibbonBar.h"
#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/ribbon/RibbonLayout.h"
#include "ui/ribbon/RibbonStepSlider.h"

namespace v7 {
namespace {

namespace Id = RibbonId;
using Command = CommandActions::Command;

bool HasCjk(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
        (u >= 0xFF00 && u <= 0xFFEF))
      return true;
  }
  return false;
}

class RibbonKeyboardTest : public ::testing::TestWithParam<Language> {
 protected:
  void SetUp() override {
    RibbonLayout::Build(bar, actions, GetParam());
    bar.resize(1000, bar.sizeHint().height());
    bar.show();
    bar.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&bar));
  }
  // Focusable elements on the shown tab and the tab row.
  QList<QWidget*> Reachable() const {
    QList<QWidget*> widgets;
    for (QWidget* widget : bar.findChildren<QWidget*>()) {
      if (widget->isVisible() && widget->focusPolicy() & Qt::TabFocus) widgets.append(widget);
    }
    return widgets;
  }
  CommandActions actions{GetParam()};
  RibbonBar bar;
};

TEST_P(RibbonKeyboardTest, TabReachesEveryControlWithAFocusMark) {
  const QList<QWidget*> reachable = Reachable();
  ASSERT_GE(reachable.size(), 15);
  QSet<QWidget*> visited;
  reachable.front()->setFocus(Qt::TabFocusReason);
  for (int press = 0; press < 2 * reachable.size(); ++press) {
    visited.insert(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  for (QWidget* widget : reachable)
    EXPECT_TRUE(visited.contains(widget)) << widget->accessibleName().toStdString();
  // The focused element draws a mark: its picture differs from the unfocused one.
  auto* button = bar.Button(Id::kLoadModeFirst);
  button->clearFocus();
  const QImage plain = button->grab().toImage();
  button->setFocus(Qt::TabFocusReason);
  EXPECT_NE(button->grab().toImage(), plain);
}

TEST_P(RibbonKeyboardTest, CtrlTabAndCtrlPageKeysSwitchTabs) {
  const struct {
    QKeyCombination key;
    int tab;
  } steps[] = {{Qt::CTRL | Qt::Key_Tab, 1},
               {Qt::CTRL | Qt::Key_Tab, 0},
               {Qt::CTRL | Qt::Key_PageDown, 1},
               {Qt::CTRL | Qt::Key_PageUp, 0},
               {Qt::CTRL | Qt::Key_PageUp, 1}};
  for (const auto& step : steps) {
    QTest::keyClick(&bar, step.key.key(), step.key.keyboardModifiers());
    EXPECT_EQ(bar.ActiveTab(), step.tab);
  }
}

TEST_P(RibbonKeyboardTest, SliderStepsWithArrowsAndPageKeys) {
  RibbonStepSlider* slider = bar.Slider(Id::kMicSlider[0]);
  slider->SetPosition(0);
  QSignalSpy commands(slider, &RibbonStepSlider::PositionCommand);
  const int page = (RibbonLayout::kVolumeMax - RibbonLayout::kVolumeMin) / 10;
  const struct {
    Qt::Key key;
    int position;
  } steps[] = {{Qt::Key_Right, 1},
               {Qt::Key_Down, 0},
               {Qt::Key_PageDown, -page},
               {Qt::Key_Up, 1 - page},
               {Qt::Key_PageUp, 1},
               {Qt::Key_End, RibbonLayout::kVolumeMax},
               {Qt::Key_Home, RibbonLayout::kVolumeMin}};
  for (const auto& step : steps) {
    QTest::keyClick(slider, step.key);
    EXPECT_EQ(slider->Position(), step.position);
    EXPECT_EQ(commands.takeLast().at(0).toInt(), step.position);
  }
  QTest::keyClick(slider, Qt::Key_Left);
  EXPECT_EQ(slider->Position(), RibbonLayout::kVolumeMin);
  EXPECT_TRUE(commands.isEmpty());
}

TEST_P(RibbonKeyboardTest, SpaceTogglesCheckBoxesAndEnterPressesButtons) {
  actions.Action(Command::MicMute)->setEnabled(true);
  actions.Action(Command::LoadFile)->setEnabled(true);
  QSignalSpy loads(actions.Action(Command::LoadFile), &QAction::triggered);
  RibbonButton* mute = bar.Button(Id::kMicMute[0]);
  mute->setFocus();
  QTest::keyClick(mute, Qt::Key_Space);
  EXPECT_TRUE(actions.Action(Command::MicMute)->isChecked());
  EXPECT_TRUE(mute->IsTicked());
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
    QTest::keyClick(bar.Button(Id::kLoadFile[0]), key);
  EXPECT_EQ(loads.count(), 2);
}

TEST_P(RibbonKeyboardTest, ScreenReadersSeeRolesStatesAndValues) {
  actions.Action(Command::MicMute)->setChecked(true);
  QAccessibleInterface* mute = QAccessible::queryAccessibleInterface(bar.Button(Id::kMicMute[0]));
  ASSERT_NE(mute, nullptr);
  EXPECT_EQ(mute->role(), QAccessible::CheckBox);
  EXPECT_TRUE(mute->state().checkable);
  EXPECT_TRUE(mute->state().checked);
  QAccessibleInterface* fbc = QAccessible::queryAccessibleInterface(bar.Button(Id::kFbcCheck[0]));
  EXPECT_EQ(fbc->role(), QAccessible::CheckBox);
  EXPECT_FALSE(fbc->state().checked);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(bar.Button(Id::kLoadFile[0]))->role(),
            QAccessible::Button);
  RibbonStepSlider* slider = bar.Slider(Id::kMusicSlider[0]);
  slider->SetPosition(-12);
  QAccessibleInterface* music = QAccessible::queryAccessibleInterface(slider);
  EXPECT_EQ(music->role(), QAccessible::Slider);
  ASSERT_NE(music->valueInterface(), nullptr);
  EXPECT_EQ(music->valueInterface()->currentValue().toInt(), -12);
  EXPECT_EQ(music->valueInterface()->minimumValue().toInt(), RibbonLayout::kVolumeMin);
  EXPECT_EQ(music->text(QAccessible::Value), QStringLiteral("-12"));
  const bool english = GetParam() == Language::English;
  EXPECT_EQ(QAccessible::queryAccessibleInterface(bar.Button(Id::kSaveModeFirst + 2))
                ->text(QAccessible::Name),
            QString::fromUtf8(english ? "Save mode M3" : "保存机器模式 M3"));
}

// Names are present, unpadded and unique among the controls a user can reach, and every one
// carries a tooltip; in English nothing reachable or shown speaks Chinese but the language
// switch, whose text is the same in both languages.
TEST_P(RibbonKeyboardTest, NamesAreUniqueAndEnglishHasNoChinese) {
  const QString languageSwitch = QString::fromUtf8("中/EN");
  QSet<QString> names;
  for (QWidget* widget : Reachable()) {
    QAccessibleInterface* element = QAccessible::queryAccessibleInterface(widget);
    const QString name = element->text(QAccessible::Name);
    EXPECT_FALSE(name.isEmpty());
    EXPECT_EQ(name, name.trimmed());
    EXPECT_FALSE(names.contains(name)) << name.toStdString();
    names.insert(name);
    EXPECT_FALSE(widget->toolTip().isEmpty()) << name.toStdString();
  }
  if (GetParam() != Language::English) return;
  bar.AppMenu()->SetRecentFiles({QStringLiteral("/m/a.V7M")});
  QList<QWidget*> everything = bar.findChildren<QWidget*>();
  everything += bar.AppMenu()->findChildren<QWidget*>();
  for (QWidget* widget : everything) {
    const auto* button = qobject_cast<RibbonButton*>(widget);
    const QString text = button ? button->text() : QString();
    if (text == languageSwitch) continue;
    for (const QString& shown : {text, widget->toolTip(), widget->accessibleName()})
      EXPECT_FALSE(HasCjk(shown)) << shown.toStdString();
  }
  EXPECT_FALSE(HasCjk(bar.AppMenu()->RecentTitle()));
}

TEST(RibbonAppMenuKeys, MnemonicsAndArrowsWork) {
  CommandActions actions(Language::English);
  RibbonBar bar;
  RibbonLayout::Build(bar, actions, Language::English);
  bar.show();
  QSignalSpy opens(actions.Action(Command::OpenFile), &QAction::triggered);
  QSignalSpy exits(actions.Action(Command::Exit), &QAction::triggered);
  RibbonAppMenu* menu = bar.AppMenu();
  menu->SetRecentFiles({QStringLiteral("/m/a.V7M"), QStringLiteral("/m/b.V7M")});
  QSignalSpy chosen(menu, &RibbonAppMenu::RecentFileChosen);
  const QList<RibbonButton*> entries = menu->Entries();
  const struct {
    char key;
    QSignalSpy* spy;
  } presses[] = {{'o', &opens}, {'x', &exits}, {'2', &chosen}};
  for (const auto& press : presses) {
    bar.OpenAppMenu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, press.key);
    EXPECT_EQ(press.spy->count(), 1) << press.key;
    EXPECT_FALSE(menu->isVisible());
  }
  EXPECT_EQ(chosen.takeFirst().at(0).toString(), QStringLiteral("/m/b.V7M"));
  bar.OpenAppMenu();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
  QList<RibbonButton*> enabled = entries;
  enabled.removeIf([](const RibbonButton* entry) { return !entry->isEnabled(); });
  ASSERT_GE(enabled.size(), 3);
  EXPECT_EQ(menu->focusWidget(), enabled[0]);
  QTest::keyClick(menu->focusWidget(), Qt::Key_Down);
  EXPECT_EQ(menu->focusWidget(), enabled[1]);
  QTest::keyClick(menu->focusWidget(), Qt::Key_Up);
  QTest::keyClick(menu->focusWidget(), Qt::Key_Up);
  EXPECT_EQ(menu->focusWidget(), enabled.back());
  menu->hide();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, RibbonKeyboardTest,
                         ::testing::Values(Language::Chinese, Language::English),
                         [](const auto& param) {
                           return param.param == Language::English ? "English" : "Chinese";
                         });

}  // namespace
}  // namespace v7
