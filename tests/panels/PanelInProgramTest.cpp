// The channel panel inside the running program: the reload after a synchronisation, the level
// polling, the ribbon's page choice and the --page option.

#include <QLabel>

#include "app/AppOptions.h"
#include "app/MainView.h"
#include "app/ShellFixture.h"
#include "ui/panels/ChannelPanel.h"
#include "ui/panels/SliderRows.h"
#include "ui/widgets/LevelMeter.h"

namespace v7::test {
namespace {

ChannelPanel* PanelOf(Application& app) {
  return qobject_cast<ChannelPanel*>(app.View()->ChannelPanel());
}

TEST_F(ShellFixture, AfterASynchronisationThePanelShowsTheMachinesValues) {
  Start(Language::English);
  ASSERT_TRUE(WaitForFirstSync());
  ChannelPanel* panel = PanelOf(*app);
  ASSERT_NE(panel, nullptr);
  app->Image().dsp.echoVolume = -77;  // not the machine's: the next read replaces it
  panel->ReloadFromImage();
  ASSERT_EQ(panel->Rows().Label(0)->text(), QStringLiteral("-77dB"));
  app->StartReadSync();
  ASSERT_NE(app->Image().dsp.echoVolume, -77);
  EXPECT_EQ(panel->Rows().Label(0)->text(),
            QStringLiteral("%1dB").arg(app->Image().dsp.echoVolume));
}

TEST_F(ShellFixture, EveryLevelPollShowsTheImagesLevelsOnTheMeters) {
  Start(Language::English);
  ChannelPanel* panel = PanelOf(*app);
  app->Image().levelMeters[0] = 150;
  app->Image().levelMeters[1] = 60;
  emit Connection().LevelsPolled();
  EXPECT_EQ(panel->Meter(0)->Bands()[0].level, 150);
  EXPECT_EQ(panel->Meter(1)->Bands()[0].level, 60);
}

TEST_F(ShellFixture, TheRibbonsPageChoiceReachesThePanel) {
  Start(Language::English);
  app->ShowPanelPage(kPageMain);
  EXPECT_EQ(PanelOf(*app)->Page(), kPageMain);
  EXPECT_EQ(app->View()->CurrentPage(), kPageMain);
}

TEST(PageOption, NamesEachPageAndRefusesOthers) {
  const std::pair<const char*, int> names[] = {{"mic", kPageMic},       {"music", kPageMusic},
                                               {"echo", kPageEcho},     {"main", kPageMain},
                                               {"center", kPageCenter}, {"sub", kPageSub}};
  for (const auto& [name, page] : names) {
    const QString value = QString::fromLatin1(name);
    EXPECT_EQ(AppOptions::Parse({"v7-control", "--page", value}).page, page);
    EXPECT_EQ(AppOptions::Parse({"v7-control", "--page=" + value}).page, page);
  }
  EXPECT_FALSE(AppOptions::Parse({"v7-control", "--page", "bass"}).error.isEmpty());
  EXPECT_FALSE(AppOptions::Parse({"v7-control", "--page"}).error.isEmpty());
  EXPECT_FALSE(AppOptions::Parse({"v7-control"}).page.has_value());
}

}  // namespace
}  // namespace v7::test
