// The main window's status bar: the device status pane, a separator, the current mode pane and,
// at the right end, the EQ bypass check and the EQ reset button of the channel panel's page, whose
// widths follow their texts.
#pragma once

#include <QStatusBar>

namespace v7 {

class CommandActions;
class RibbonButton;
class StatusBarPane;

class RibbonStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  // The two EQ elements show the actions' EQ commands.
  explicit RibbonStatusBar(const CommandActions& actions, QWidget* parent = nullptr);

  StatusBarPane* DevicePane() const { return devicePane_; }
  StatusBarPane* ModePane() const { return modePane_; }
  RibbonButton* BypassCheck() const { return bypass_; }
  RibbonButton* ResetEqButton() const { return resetEq_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  StatusBarPane* devicePane_;
  StatusBarPane* modePane_;
  RibbonButton* bypass_;
  RibbonButton* resetEq_;
};

}  // namespace v7
