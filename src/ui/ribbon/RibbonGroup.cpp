#include "ui/ribbon/RibbonGroup.h"

#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>

#include "ui/ribbon/RibbonPalette.h"

namespace v7 {

namespace {

constexpr int kRows = 3;
constexpr int kTitleHeight = 18;
constexpr int kMargin = 4;
constexpr int kColumnSpacing = 2;
constexpr qreal kRadius = 3.5;

}  // namespace

RibbonGroup::RibbonGroup(const QString& title, QWidget* parent)
    : QWidget(parent), title_(title), grid_(new QGridLayout(this)) {
  grid_->setContentsMargins(kMargin, 3, kMargin, kTitleHeight + 3);
  grid_->setHorizontalSpacing(kColumnSpacing);
  grid_->setVerticalSpacing(0);
  grid_->setSizeConstraint(QLayout::SetMinimumSize);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void RibbonGroup::SetTitle(const QString& title) {
  if (title == title_) return;
  title_ = title;
  updateGeometry();
  update();
}

void RibbonGroup::StartNewColumn() {
  if (row_ == 0) return;
  ++column_;
  row_ = 0;
}

void RibbonGroup::AddSmall(QWidget* element) {
  grid_->addWidget(element, row_, column_, Qt::AlignLeft | Qt::AlignVCenter);
  if (++row_ == kRows) StartNewColumn();
}

void RibbonGroup::AddLarge(QWidget* element) {
  StartNewColumn();
  grid_->addWidget(element, 0, column_, kRows, 1, Qt::AlignTop);
  ++column_;
}

QSize RibbonGroup::sizeHint() const {
  return minimumSizeHint();
}

QSize RibbonGroup::minimumSizeHint() const {
  const QSize content = grid_->minimumSize();
  const int titleWidth = fontMetrics().horizontalAdvance(title_) + 4 * kMargin;
  return {std::max(content.width(), titleWidth), content.height()};
}

QRect RibbonGroup::TitleBand() const {
  return {1, height() - kTitleHeight - 1, width() - 2, kTitleHeight};
}

void RibbonGroup::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QPainterPath frame;
  frame.addRoundedRect(outer, kRadius, kRadius);
  QLinearGradient body(0, 0, 0, height());
  body.setColorAt(0, RibbonPalette::kGroupTop);
  body.setColorAt(1, RibbonPalette::kGroupBottom);
  painter.fillPath(frame, body);

  const QRect band = TitleBand();
  QPainterPath bandPath;
  bandPath.addRoundedRect(QRectF(band).adjusted(0.5, 0, -0.5, -0.5), kRadius - 1, kRadius - 1);
  QLinearGradient bandFill(band.topLeft(), band.bottomLeft());
  bandFill.setColorAt(0, RibbonPalette::kGroupTitleTop);
  bandFill.setColorAt(1, RibbonPalette::kGroupTitleBottom);
  painter.fillPath(bandPath, bandFill);

  painter.setPen(RibbonPalette::kGroupInnerLight);
  painter.drawRoundedRect(outer.adjusted(1, 1, -1, -1), kRadius - 1, kRadius - 1);
  painter.setPen(RibbonPalette::kGroupBorder);
  painter.drawPath(frame);

  painter.setPen(RibbonPalette::kGroupTitleText);
  painter.drawText(band, Qt::AlignCenter, title_);
}

}  // namespace v7
