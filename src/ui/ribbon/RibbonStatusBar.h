// The main window's status bar: the device status pane, a separator, the current mode pane and,
// at the right end, the EQ bypass check and the EQ reset button of the channel panel's page.
#pragma once

#include <QStatusBar>

namespace v7 {

class RibbonButton;
class StatusBarPane;

class RibbonStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  explicit RibbonStatusBar(QWidget* parent = nullptr);

  StatusBarPane* devicePane() const { return devicePane_; }
  StatusBarPane* modePane() const { return modePane_; }
  RibbonButton* bypassCheck() const { return bypass_; }
  RibbonButton* resetEqButton() const { return resetEq_; }

 signals:
  void command(int id);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  StatusBarPane* devicePane_;
  StatusBarPane* modePane_;
  RibbonButton* bypass_;
  RibbonButton* resetEq_;
};

}  // namespace v7
