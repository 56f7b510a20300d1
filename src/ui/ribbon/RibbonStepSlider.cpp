#include "ui/ribbon/RibbonStepSlider.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>

#include "ui/ribbon/RibbonAccessibility.h"
#include "ui/ribbon/RibbonPalette.h"

namespace v7 {

namespace {

constexpr int kHeight = 22;
constexpr int kThumbWidth = 9;
constexpr int kThumbHeight = 15;
constexpr int kTrackMargin = kThumbWidth / 2 + 3;
constexpr int kTrackThickness = 4;
constexpr int kPagesPerRange = 10;

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
  RibbonAccessibility::Install();
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setFixedSize(sizeHint());
}

int RibbonStepSlider::ControlId() const {
  return property("controlId").toInt();
}

QSize RibbonStepSlider::sizeHint() const {
  return {width_, kHeight};
}

void RibbonStepSlider::SetPosition(int position) {
  const int clamped = std::clamp(position, minimum_, maximum_);
  if (clamped == position_) return;
  position_ = clamped;
  update();
  QAccessibleValueChangeEvent changed(this, position_);
  QAccessible::updateAccessibility(&changed);
}

bool RibbonStepSlider::MoveTo(int position) {
  const int before = position_;
  SetPosition(position);
  return position_ != before;
}

void RibbonStepSlider::IssueCommand() {
  emit PositionCommand(position_);
}

QRect RibbonStepSlider::TrackRect() const {
  return {kTrackMargin, (height() - kTrackThickness) / 2, width() - 2 * kTrackMargin,
          kTrackThickness};
}

int RibbonStepSlider::XOf(int position) const {
  const QRect track = TrackRect();
  const int span = std::max(1, maximum_ - minimum_);
  return track.left() + (position - minimum_) * (track.width() - 1) / span;
}

int RibbonStepSlider::PositionAt(int x) const {
  const QRect track = TrackRect();
  const int span = maximum_ - minimum_;
  const double fraction = double(x - track.left()) / std::max(1, track.width() - 1);
  return std::clamp(minimum_ + int(std::lround(fraction * span)), minimum_, maximum_);
}

QRect RibbonStepSlider::ThumbRect() const {
  return {XOf(position_) - kThumbWidth / 2, (height() - kThumbHeight) / 2, kThumbWidth,
          kThumbHeight};
}

void RibbonStepSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  if (ThumbRect().contains(point)) {
    dragging_ = true;
    return;
  }
  const int target = PositionAt(point.x());
  const int step = target < position_ ? -1 : (target > position_ ? 1 : 0);
  MoveTo(position_ + step);
  emit PositionCommand(position_);
}

void RibbonStepSlider::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  if (MoveTo(PositionAt(event->position().toPoint().x()))) emit PositionCommand(position_);
}

void RibbonStepSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  if (ThumbRect().contains(event->position().toPoint())) emit PositionCommand(position_);
}

// The wheel is the view's: it moves both tabs' sliders together, so it is passed on.
void RibbonStepSlider::wheelEvent(QWheelEvent* event) {
  event->ignore();
}

std::optional<int> RibbonStepSlider::PositionForKey(int key) const {
  const int page = std::max(1, (maximum_ - minimum_) / kPagesPerRange);
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Down:
      return position_ - 1;
    case Qt::Key_Right:
    case Qt::Key_Up:
      return position_ + 1;
    case Qt::Key_PageDown:
      return position_ - page;
    case Qt::Key_PageUp:
      return position_ + page;
    case Qt::Key_Home:
      return minimum_;
    case Qt::Key_End:
      return maximum_;
    default:
      return std::nullopt;
  }
}

// Keys with modifiers (Ctrl+PgUp switches tabs) are left to the window.
void RibbonStepSlider::keyPressEvent(QKeyEvent* event) {
  const std::optional<int> target = PositionForKey(event->key());
  if (!target || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (MoveTo(*target)) emit PositionCommand(position_);
}

void RibbonStepSlider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF track = QRectF(TrackRect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QPainterPath groove;
  groove.addRoundedRect(track, 2, 2);
  QLinearGradient grooveFill(track.topLeft(), track.bottomLeft());
  grooveFill.setColorAt(0, RibbonPalette::kTrackDark);
  grooveFill.setColorAt(1, RibbonPalette::kTrackLight);
  painter.fillPath(groove, grooveFill);
  QRectF filled = track;
  filled.setRight(XOf(position_));
  QPainterPath level;
  level.addRoundedRect(filled, 2, 2);
  painter.fillPath(level, RibbonPalette::kTrackFill);
  painter.setPen(RibbonPalette::kTrackDark);
  painter.drawPath(groove);

  const QRectF thumb = QRectF(ThumbRect()).adjusted(0.5, 0.5, -0.5, -0.5);
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
  if (!hasFocus()) return;
  painter.setPen(QPen(RibbonPalette::kText, 1.0, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace v7
