#include "ui/ribbon/RibbonAppButton.h"

#include <QPainter>

#include "ui/ribbon/RibbonIcons.h"

namespace v7 {

RibbonAppButton::RibbonAppButton(QWidget* parent) : QAbstractButton(parent) {
  setAttribute(Qt::WA_Hover);
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(kSize, kSize);
}

QSize RibbonAppButton::sizeHint() const {
  return {kSize, kSize};
}

// Only the round face reacts, not the transparent corners.
bool RibbonAppButton::hitButton(const QPoint& pos) const {
  const QPointF offset = QPointF(pos) - QRectF(rect()).center();
  const qreal radius = kSize / 2.0;
  return offset.x() * offset.x() + offset.y() * offset.y() <= radius * radius;
}

void RibbonAppButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, RibbonIcons::Orb(kSize, underMouse(), isDown()));
}

}  // namespace v7
