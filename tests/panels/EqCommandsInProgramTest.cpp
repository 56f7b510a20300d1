// The status bar's Bypass and Reset EQ in the running program, served by the channel panel.

#include <QAction>

#include "app/MainView.h"
#include "app/MainWindow.h"
#include "app/ShellFixture.h"
#include "controllers/CommandActions.h"
#include "ui/panels/BandTable.h"
#include "ui/panels/BandTableModel.h"
#include "ui/panels/ChannelPanel.h"
#include "ui/ribbon/MainRibbon.h"
#include "ui/widgets/EqGraph.h"

namespace v7::test {
namespace {

using Command = CommandActions::Command;

class EqCommandsTest : public ShellFixture {
 protected:
  void SetUp() override {
    Start(Language::English);
    panel = qobject_cast<ChannelPanel*>(app->View()->ChannelPanel());
    ribbon = dynamic_cast<MainRibbon*>(app->Window()->Ribbon());
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(ribbon, nullptr);
    app->ShowPanelPage(kPageSub);
  }
  QAction* Action(Command command) const { return ribbon->Actions().Action(command); }

  ChannelPanel* panel = nullptr;
  MainRibbon* ribbon = nullptr;
};

TEST_F(EqCommandsTest, BypassIsEnabledAndTicksWithThePagesBypass) {
  ribbon->Commands().UpdateActionStates();
  ASSERT_TRUE(Action(Command::EqBypass)->isEnabled());
  EXPECT_TRUE(Action(Command::EqReset)->isEnabled());
  EXPECT_FALSE(Action(Command::EqBypass)->isChecked());
  Action(Command::EqBypass)->trigger();
  EXPECT_EQ(app->Image().GetEqBypass(kPageSub), 1);
  ribbon->Commands().UpdateActionStates();
  EXPECT_TRUE(Action(Command::EqBypass)->isChecked());
  EXPECT_TRUE(panel->Graph()->Bypass());
}

TEST_F(EqCommandsTest, ResetEqAsksAndOnYesResetsThePage) {
  app->Image().PutEqBand(kPageSub, 2, {5.0f, 3000, 2.0f, 1});
  panel->LoadBands();
  const auto typeCell = [&] {
    return panel->Table()->Model().Cell(2, BandTableModel::kTypeColumn);
  };
  ASSERT_EQ(typeCell(), "PEQ");
  prompts.yesNoAnswers = {false, true};
  Action(Command::EqReset)->trigger();
  EXPECT_EQ(typeCell(), "PEQ");
  Action(Command::EqReset)->trigger();
  EXPECT_EQ(typeCell(), "LP");
  ASSERT_EQ(prompts.records.size(), 2u);
  EXPECT_EQ(prompts.records[0].text, "Are you sure to reset the eq?");
  EXPECT_EQ(prompts.records[0].caption, QString::fromUtf8("提示"));
}

}  // namespace
}  // namespace v7::test
