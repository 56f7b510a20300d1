#include "app/PlaceholderRibbon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>

#include "app/CKaroApp.h"

namespace v7 {

namespace {

constexpr TextPair kTabs{"输入控制    音箱调节", "Input    Sound"};
constexpr int kHeight = 120;

}  // namespace

PlaceholderRibbon::PlaceholderRibbon(CKaroApp& app, QWidget* frame) : QWidget(frame), app_(app) {
  setObjectName(QStringLiteral("placeholderRibbon"));
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet(
      QStringLiteral("#placeholderRibbon { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                     " stop:0 #e3efff, stop:1 #c4dbf6); border-bottom: 1px solid #8db2e3; }"));
  setFixedHeight(kHeight);
  tabs_ = new QLabel(this);
  auto* row = new QHBoxLayout(this);
  row->addWidget(tabs_, 0, Qt::AlignLeft | Qt::AlignTop);
  ApplyRibbonLanguage();
}

QStatusBar* PlaceholderRibbon::TakeStatusBar() {
  return new QStatusBar;
}

void PlaceholderRibbon::ApplyRibbonLanguage() {
  tabs_->setText(app_.Text(kTabs));
}

}  // namespace v7
