#include "ui/ribbon/RibbonStepSlider.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/ribbon/RibbonPalette.h"

namespace v7 {

namespace {

constexpr int kHeight = 22;
constexpr int kThumbWidth = 9;
constexpr int kThumbHeight = 15;
constexpr int kTrackMargin = kThumbWidth / 2 + 3;
constexpr int kTrackThickness = 4;

}  // namespace

RibbonStepSlider::RibbonStepSlider(int controlId, int width, int minimum, int maximum,
                                   QWidget* parent)
    : QWidget(parent),
      minimum_(minimum),
      maximum_(maximum),
      position_(std::clamp(0, minimum, maximum)),
      width_(width) {
  setProperty("controlId", controlId);
  setAttribute(Qt::WA_Hover);
  setFocusPolicy(Qt::NoFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setFixedSize(sizeHint());
}

int RibbonStepSlider::controlId() const {
  return property("controlId").toInt();
}

QSize RibbonStepSlider::sizeHint() const {
  return {width_, kHeight};
}

void RibbonStepSlider::setPosition(int position) {
  const int clamped = std::clamp(position, minimum_, maximum_);
  if (clamped == position_) return;
  position_ = clamped;
  update();
}

bool RibbonStepSlider::moveTo(int position) {
  const int before = position_;
  setPosition(position);
  return position_ != before;
}

void RibbonStepSlider::issueCommand() {
  emit positionCommand(position_);
}

QRect RibbonStepSlider::trackRect() const {
  return {kTrackMargin, (height() - kTrackThickness) / 2, width() - 2 * kTrackMargin,
          kTrackThickness};
}

int RibbonStepSlider::xOf(int position) const {
  const QRect track = trackRect();
  const int span = std::max(1, maximum_ - minimum_);
  return track.left() + (position - minimum_) * (track.width() - 1) / span;
}

int RibbonStepSlider::positionAt(int x) const {
  const QRect track = trackRect();
  const int span = maximum_ - minimum_;
  const double fraction = double(x - track.left()) / std::max(1, track.width() - 1);
  return std::clamp(minimum_ + int(std::lround(fraction * span)), minimum_, maximum_);
}

QRect RibbonStepSlider::thumbRect() const {
  return {xOf(position_) - kThumbWidth / 2, (height() - kThumbHeight) / 2, kThumbWidth,
          kThumbHeight};
}

void RibbonStepSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  if (thumbRect().contains(point)) {
    dragging_ = true;
    return;
  }
  const int target = positionAt(point.x());
  const int step = target < position_ ? -1 : (target > position_ ? 1 : 0);
  moveTo(position_ + step);
  emit positionCommand(position_);
}

void RibbonStepSlider::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  if (moveTo(positionAt(event->position().toPoint().x()))) emit positionCommand(position_);
}

void RibbonStepSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  if (thumbRect().contains(event->position().toPoint())) emit positionCommand(position_);
}

// The wheel is the view's: it moves both tabs' sliders together, so it is passed on.
void RibbonStepSlider::wheelEvent(QWheelEvent* event) {
  event->ignore();
}

void RibbonStepSlider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF track = QRectF(trackRect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QPainterPath groove;
  groove.addRoundedRect(track, 2, 2);
  QLinearGradient grooveFill(track.topLeft(), track.bottomLeft());
  grooveFill.setColorAt(0, RibbonPalette::kTrackDark);
  grooveFill.setColorAt(1, RibbonPalette::kTrackLight);
  painter.fillPath(groove, grooveFill);
  QRectF filled = track;
  filled.setRight(xOf(position_));
  QPainterPath level;
  level.addRoundedRect(filled, 2, 2);
  painter.fillPath(level, RibbonPalette::kTrackFill);
  painter.setPen(RibbonPalette::kTrackDark);
  painter.drawPath(groove);

  const QRectF thumb = QRectF(thumbRect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const bool lit = isEnabled() && (underMouse() || dragging_);
  QLinearGradient thumbFill(thumb.topLeft(), thumb.bottomLeft());
  thumbFill.setColorAt(0, lit ? RibbonPalette::kHoverTop : RibbonPalette::kThumbTop);
  thumbFill.setColorAt(1, lit ? RibbonPalette::kHoverBottom : RibbonPalette::kThumbBottom);
  QPainterPath knob;
  knob.moveTo(thumb.left(), thumb.top() + 1);
  knob.lineTo(thumb.right(), thumb.top() + 1);
  knob.lineTo(thumb.right(), thumb.bottom() - 4);
  knob.lineTo(thumb.center().x(), thumb.bottom());
  knob.lineTo(thumb.left(), thumb.bottom() - 4);
  knob.closeSubpath();
  painter.fillPath(knob, thumbFill);
  painter.setPen(lit ? RibbonPalette::kPressedBorder : RibbonPalette::kThumbBorder);
  painter.drawPath(knob);
}

}  // namespace v7
