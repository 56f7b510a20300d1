#include "ui/ribbon/RibbonStatusBar.h"

#include <QPainter>

#include "controllers/CommandActions.h"
#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonIds.h"
#include "ui/ribbon/RibbonPalette.h"
#include "ui/ribbon/RibbonTexts.h"
#include "ui/ribbon/StatusBarPane.h"

namespace v7 {

namespace {

constexpr int kFontPixels = 12;
constexpr int kHeight = 24;

class Separator : public QWidget {
 public:
  explicit Separator(QWidget* parent) : QWidget(parent) { setFixedSize(6, kHeight - 6); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(RibbonPalette::kStatusSeparator);
    painter.drawLine(2, 0, 2, height());
    painter.setPen(Qt::white);
    painter.drawLine(3, 0, 3, height());
  }
};

QString WithSpaces(const char* text, int spaces) {
  return QString::fromUtf8(text) + QString(spaces, u' ');
}

}  // namespace

RibbonStatusBar::RibbonStatusBar(const CommandActions& actions, QWidget* parent)
    : QStatusBar(parent),
      devicePane_(new StatusBarPane(RibbonId::kDeviceStatusPane, RibbonText::kPaneWidthSpaces,
                                    Qt::AlignLeft, this)),
      modePane_(new StatusBarPane(RibbonId::kModePane, RibbonText::kPaneWidthSpaces,
                                  Qt::AlignHCenter, this)),
      bypass_(new RibbonButton(RibbonId::kEqBypass, RibbonButton::Kind::Check,
                               actions.Action(CommandActions::Command::EqBypass), this)),
      resetEq_(new RibbonButton(RibbonId::kEqReset, RibbonButton::Kind::Small,
                                actions.Action(CommandActions::Command::EqReset), this)) {
  QFont barFont = font();
  barFont.setPixelSize(kFontPixels);
  setFont(barFont);
  setFixedHeight(kHeight);
  setSizeGripEnabled(false);
  setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));
  devicePane_->SetText(
      WithSpaces(RibbonText::kDeviceStatusBuild, RibbonText::kDeviceStatusBuildSpaces));
  modePane_->SetText(WithSpaces(RibbonText::kModeBuild, RibbonText::kModeBuildSpaces));
  addWidget(devicePane_);
  addWidget(new Separator(this));
  addWidget(modePane_);
  addPermanentWidget(bypass_);
  addPermanentWidget(resetEq_);
  bypass_->SetWidthFollowsText(true);
  resetEq_->SetWidthFollowsText(true);
}

void RibbonStatusBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient fill(0, 0, 0, height());
  fill.setColorAt(0, RibbonPalette::kStatusTop);
  fill.setColorAt(1, RibbonPalette::kStatusBottom);
  painter.fillRect(rect(), fill);
  painter.setPen(RibbonPalette::kBodyBorder);
  painter.drawLine(0, 0, width(), 0);
}

}  // namespace v7
