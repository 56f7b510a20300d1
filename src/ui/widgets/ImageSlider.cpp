#include "ui/widgets/ImageSlider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVariant>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

namespace v7 {

const ImageSlider::Artwork ImageSlider::kHorizontalArtwork = {Picture::SliderTrack,
                                                              Picture::SliderThumb,
                                                              Picture::SliderThumbFocused,
                                                              Picture::SliderThumbDisabled,
                                                              false,
                                                              {7, 7, 3, 2},
                                                              kPanelClearColour};
const ImageSlider::Artwork ImageSlider::kVerticalArtwork = {Picture::VerticalSliderTrack,
                                                            Picture::VerticalSliderThumb,
                                                            Picture::VerticalSliderThumbFocused,
                                                            Picture::VerticalSliderThumbDisabled,
                                                            true,
                                                            {3, 2, 7, 7},
                                                            kPanelClearColour};

namespace {

bool IsArrowKey(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

}  // namespace

ImageSlider::ImageSlider(QWidget* parent, int controlId) : QWidget(parent) {
  setProperty("controlId", controlId);
  // Focus is taken explicitly on a press, so that a disabled slider ignores clicks fully.
  setFocusPolicy(Qt::TabFocus);
}

int ImageSlider::ControlId() const {
  return property("controlId").toInt();
}

bool ImageSlider::LoadArtwork(const Artwork& artwork) {
  const QImage track = LoadPicture(artwork.track);
  const QImage normal = LoadPicture(artwork.thumbNormal);
  const QImage focused = LoadPicture(artwork.thumbFocused);
  const QImage disabled = LoadPicture(artwork.thumbDisabled);
  margins_ = artwork.margins;
  vertical_ = artwork.vertical;
  clearColour_ = artwork.clearColour;
  SetPictures(track, track, normal, focused, disabled);
  return !track.isNull() && !normal.isNull() && !focused.isNull() && !disabled.isNull();
}

void ImageSlider::SetPictures(const QImage& background, const QImage& fill,
                              const QImage& thumbNormal, const QImage& thumbFocused,
                              const QImage& thumbDisabled) {
  background_ = background;
  fill_ = fill;
  thumbNormal_ = thumbNormal;
  thumbFocused_ = thumbFocused;
  thumbDisabled_ = thumbDisabled;
  width_ = background.width();
  height_ = background.height();
  thumbWidth_ = thumbNormal.width();
  thumbHeight_ = thumbNormal.height();
  updateGeometry();
  update();
}

void ImageSlider::SetRange(int minimum, int maximum) {
  if (minimum > maximum) std::swap(minimum, maximum);
  minimum_ = minimum;
  maximum_ = maximum;
  value_ = Clamped(value_);
  update();
}

void ImageSlider::SetMargins(const Margins& margins) {
  margins_ = margins;
  update();
}

void ImageSlider::SetVertical(bool vertical) {
  vertical_ = vertical;
  update();
}

void ImageSlider::SetSliderEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) dragging_ = false;
  update();
}

void ImageSlider::SetClearColour(QRgb colour) {
  clearColour_ = colour;
  update();
}

void ImageSlider::SetValue(int value) {
  value_ = Clamped(value);
  repaint();
}

int ImageSlider::Clamped(int value) const {
  return std::clamp(value, minimum_, maximum_);
}

float ImageSlider::Travel() const {
  return vertical_ ? float(height_ - thumbHeight_ - margins_.bottom - margins_.top)
                   : float(width_ - thumbWidth_ - margins_.right - margins_.left);
}

// Pixels per value step; 0 when the range or the travel is empty, where the thumb
// stays at the start of its travel instead of dividing by zero.
float ImageSlider::PixelsPerStep() const {
  const int span = maximum_ - minimum_;
  const float travel = Travel();
  if (span <= 0 || travel <= 0.0f) return 0.0f;
  return travel / float(span);
}

int ImageSlider::ThumbPixel() const {
  const float step = PixelsPerStep();
  if (vertical_) return int(step * float(maximum_ - value_) + float(margins_.top));
  return int(step * float(value_ - minimum_) + float(margins_.left));
}

QRect ImageSlider::ThumbRect() const {
  const int p = ThumbPixel();
  return vertical_ ? QRect(margins_.left, p, thumbWidth_, thumbHeight_)
                   : QRect(p, margins_.top, thumbWidth_, thumbHeight_);
}

int ImageSlider::ValueAtPixel(int pixel) const {
  const float step = PixelsPerStep();
  if (step <= 0.0f) return value_;
  const float start = float(vertical_ ? margins_.top : margins_.left);
  const float steps = std::trunc((float(pixel) - start) / step);
  const float value = vertical_ ? float(maximum_) - steps : float(minimum_) + steps;
  return int(std::clamp(value, float(minimum_), float(maximum_)));
}

QSize ImageSlider::sizeHint() const {
  return width_ > 0 && height_ > 0 ? QSize(width_, height_) : QWidget::sizeHint();
}

void ImageSlider::PostChanged() {
  QMetaObject::invokeMethod(
      this, [this, id = ControlId(), value = value_] { emit ValueChanged(id, value); },
      Qt::QueuedConnection);
}

void ImageSlider::StepBy(int delta) {
  value_ = Clamped(value_ + delta);
  repaint();
}

void ImageSlider::StepTowards(QPoint pointer) {
  const QRect thumb = ThumbRect();
  if (vertical_) {
    const int centre = (thumb.top() + thumb.top() + thumb.height()) / 2;
    StepBy(pointer.y() > centre ? -1 : 1);
  } else {
    const int centre = (thumb.left() + thumb.left() + thumb.width()) / 2;
    StepBy(pointer.x() > centre ? 1 : -1);
  }
}

bool ImageSlider::event(QEvent* event) {
  // Claim the arrow keys before any shortcut sees them. Tab is never claimed, so it
  // always moves the focus on.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsArrowKey(key->key())) {
      event->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

const QImage& ImageSlider::CurrentThumb() const {
  if (!enabled_) return thumbDisabled_;
  return focused_ ? thumbFocused_ : thumbNormal_;
}

void ImageSlider::RenderSurface() {
  if (surface_.size() != QSize(width_, height_)) {
    surface_ = QImage(width_, height_, QImage::Format_ARGB32_Premultiplied);
  }
  surface_.fill(QColor::fromRgba(clearColour_));
  QPainter painter(&surface_);
  if (!background_.isNull()) painter.drawImage(0, 0, background_);
  if (!fill_.isNull()) {
    const int p = ThumbPixel();
    const QRect lowSide = vertical_ ? QRect(0, p, width_, height_ - p) : QRect(0, 0, p, height_);
    painter.drawImage(lowSide, fill_, lowSide);
  }
  const QImage& thumb = CurrentThumb();
  if (!thumb.isNull()) painter.drawImage(ThumbRect(), thumb);
}

void ImageSlider::paintEvent(QPaintEvent*) {
  if (width_ <= 0 || height_ <= 0) return;
  RenderSurface();
  QPainter(this).drawImage(0, 0, surface_);
}

void ImageSlider::mousePressEvent(QMouseEvent* event) {
  if (!enabled_ || event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  setFocus(Qt::MouseFocusReason);
  const QPoint pointer = event->position().toPoint();
  if (ThumbRect().contains(pointer)) {
    dragging_ = true;  // the pointer stays with this widget until the release
  } else {
    StepTowards(pointer);
  }
  PostChanged();
  update();
}

void ImageSlider::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const QPoint pointer = event->position().toPoint();
  const int edge = vertical_ ? pointer.y() - thumbHeight_ / 2 : pointer.x() - thumbWidth_ / 2;
  value_ = ValueAtPixel(edge);
  repaint();
  PostChanged();
}

void ImageSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
}

void ImageSlider::keyPressEvent(QKeyEvent* event) {
  if (!enabled_ || !IsArrowKey(event->key())) {
    QWidget::keyPressEvent(event);
    return;
  }
  const bool down = event->key() == Qt::Key_Left || event->key() == Qt::Key_Down;
  StepBy(down ? -1 : 1);
  PostChanged();
}

void ImageSlider::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  const int amount = delta.y() != 0 ? delta.y() : delta.x();
  if (amount != 0) StepBy(amount < 0 ? -1 : 1);
  PostChanged();
  event->accept();
}

void ImageSlider::focusInEvent(QFocusEvent*) {
  focused_ = true;
  update();
  QMetaObject::invokeMethod(
      this, [this, id = ControlId()] { emit SliderFocused(id); }, Qt::QueuedConnection);
}

void ImageSlider::focusOutEvent(QFocusEvent*) {
  focused_ = false;
  dragging_ = false;
  update();
}

}  // namespace v7
