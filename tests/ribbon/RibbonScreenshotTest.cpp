// Pictures of the main window for review: both tabs, with and without the machine, in both
// languages. Runs only when V7_SHOTS_DIR names a folder to write them to.
#include <gtest/gtest.h>

#include <QDir>
#include <ostream>

#include "app/MainWindow.h"
#include "controllers/RecentFileList.h"
#include "ribbon/RibbonAppFixture.h"
#include "ui/ribbon/RibbonAppMenu.h"
#include "ui/ribbon/RibbonIds.h"

namespace v7::test {
namespace {

struct Shot {
  bool connected;
  int language;
  int tab;
};

void PrintTo(const Shot& shot, std::ostream* out) {
  *out << (shot.language == 1 ? "en" : "zh") << (shot.tab == 0 ? "-input" : "-sound")
       << (shot.connected ? "-connected" : "-disconnected");
}

class RibbonScreenshotTest : public RibbonAppFixture, public ::testing::WithParamInterface<Shot> {};

TEST_P(RibbonScreenshotTest, SavesTheMainWindow) {
  const QString folderName = qEnvironmentVariable("V7_SHOTS_DIR");
  if (folderName.isEmpty()) GTEST_SKIP() << "V7_SHOTS_DIR is not set";
  ASSERT_TRUE(QDir().mkpath(folderName));
  const Shot shot = GetParam();
  StartApp(shot.connected, shot.language);
  MainWindow* frame = app->MainFrame();
  auto* mainRibbon = dynamic_cast<MainRibbon*>(frame->Ribbon());
  ASSERT_NE(mainRibbon, nullptr);
  // The pointer rests over the empty view, so no element shows its hover shade.
  QTest::mouseMove(frame, QPoint(frame->width() / 2, frame->height() / 2));
  mainRibbon->Bar()->setActiveTab(shot.tab);
  mainRibbon->UpdateCommandUI();
  QTest::qWait(50);
  const QString name =
      QStringLiteral("%1/main-%2-%3-%4.png")
          .arg(folderName, shot.language == 1 ? "en" : "zh", shot.tab == 0 ? "input" : "sound",
               shot.connected ? "connected" : "disconnected");
  EXPECT_TRUE(frame->grab().save(name));
  if (shot.connected && shot.tab == 0) {
    app->RecentFiles().Add(QStringLiteral("/home/user/modes/m2 party.V7M"));
    app->RecentFiles().Add(QStringLiteral("/home/user/modes/默认1.V7M"));
    mainRibbon->Bar()->openAppMenu();
    QTest::qWait(50);
    EXPECT_TRUE(mainRibbon->Bar()->appMenu()->grab().save(
        QStringLiteral("%1/menu-%2.png").arg(folderName, shot.language == 1 ? "en" : "zh")));
    mainRibbon->Bar()->appMenu()->hide();
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, RibbonScreenshotTest,
                         ::testing::Values(Shot{true, 0, 0}, Shot{true, 0, 1}, Shot{false, 0, 0},
                                           Shot{false, 0, 1}, Shot{true, 1, 0}, Shot{true, 1, 1},
                                           Shot{false, 1, 0}, Shot{false, 1, 1}));

}  // namespace
}  // namespace v7::test
