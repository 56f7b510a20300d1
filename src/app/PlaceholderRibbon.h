#pragma once

#include <QWidget>

#include "app/MainFrameRibbon.h"

class QLabel;

namespace v7 {

class CKaroApp;

// Stands in for the ribbon and status bar until they are plugged in: the two tab titles in
// the current language across the top and an empty status bar.
class PlaceholderRibbon : public QWidget, public MainFrameRibbon {
 public:
  PlaceholderRibbon(CKaroApp& app, QWidget* frame);

  QWidget* RibbonWidget() override { return this; }
  QStatusBar* TakeStatusBar() override;
  void ApplyRibbonLanguage() override;
  void RefreshRibbonVolumes() override {}
  bool HandleViewWheel(QWheelEvent* /*event*/) override { return false; }

 private:
  CKaroApp& app_;
  QLabel* tabs_ = nullptr;
};

}  // namespace v7
