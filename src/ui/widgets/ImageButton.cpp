#include "ui/widgets/ImageButton.h"

#include <QFontMetrics>
#include <QPainter>
#include <QVariant>
#include <algorithm>

namespace v7 {

namespace {

// Hover look: red, green and blue scaled by 1.05 and lifted by 0.05, alpha unchanged.
constexpr double kBrightenScale = 1.05;
constexpr double kBrightenOffset = 0.05 * 255.0;
// The pressed alternate picture sits one pixel right and down.
constexpr QPoint kPressedShift(1, 1);
constexpr int kCaptionPixelSize = 12;

int Brightened(int channel) {
  return std::min(255, int(channel * kBrightenScale + kBrightenOffset));
}

QImage Brighten(const QImage& picture) {
  if (picture.isNull()) return {};
  QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < straight.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(straight.scanLine(y));
    for (int x = 0; x < straight.width(); ++x) {
      const QRgb p = line[x];
      line[x] = qRgba(Brightened(qRed(p)), Brightened(qGreen(p)), Brightened(qBlue(p)), qAlpha(p));
    }
  }
  return straight.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QFont CaptionFont() {
  QFont font;
  font.setFamilies(
      {QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(kCaptionPixelSize);
  return font;
}

std::size_t IndexOf(ImageButton::Surface surface) {
  return static_cast<std::size_t>(surface);
}

}  // namespace

ImageButton::ImageButton(QWidget* parent, int controlId) : QAbstractButton(parent) {
  setProperty("controlId", controlId);
  setFont(CaptionFont());
}

bool ImageButton::SetStandardImage(Picture picture) {
  const QImage image = LoadPicture(picture);
  SetStandardImage(image);
  return !image.isNull();
}

bool ImageButton::SetAlternateImage(Picture picture) {
  const QImage image = LoadPicture(picture);
  SetAlternateImage(image);
  return !image.isNull();
}

void ImageButton::SetStandardImage(const QImage& image) {
  standard_ = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  standardBright_ = Brighten(standard_);
  Invalidate();
}

void ImageButton::SetAlternateImage(const QImage& image) {
  alternate_ = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  alternateBright_ = Brighten(alternate_);
  Invalidate();
}

void ImageButton::ShowAlternate(bool show) {
  alternateShown_ = show;
  update();
}

void ImageButton::SetBackground(const QImage& background) {
  background_ = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  Invalidate();
}

void ImageButton::SetTextColour(const QColor& colour) {
  textColour_ = colour;
  update();
}

// New pictures, or a new size, need new state surfaces; the captured background is kept
// while it still fits.
void ImageButton::Invalidate() {
  rendered_ = false;
  update();
}

void ImageButton::resizeEvent(QResizeEvent* event) {
  QAbstractButton::resizeEvent(event);
  if (rendered_ && surfaces_[0].size() != size()) Invalidate();
}

QSize ImageButton::sizeHint() const {
  return standard_.isNull() ? QAbstractButton::sizeHint() : standard_.size();
}

ImageButton::Surface ImageButton::ChooseSurface() const {
  const bool alternate = alternateShown_ && HasAlternate();
  if (isDown()) return alternate ? Surface::AlternatePressed : Surface::StandardPressed;
  if (hovered_) return alternate ? Surface::AlternateHover : Surface::StandardHover;
  return alternate ? Surface::AlternateNormal : Surface::StandardNormal;
}

const QImage& ImageButton::StateSurface(Surface surface) const {
  return surfaces_[IndexOf(surface)];
}

QImage ImageButton::CaptureParentBackground() const {
  QImage captured(size(), QImage::Format_ARGB32_Premultiplied);
  captured.fill(Qt::transparent);
  if (QWidget* parent = parentWidget()) {
    // The parent's own painting only: its other children (and this button) stay out.
    parent->render(&captured, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
  }
  return captured;
}

QImage ImageButton::Composed(const QImage& picture, QPoint offset) const {
  QImage surface = background_.copy();
  QPainter painter(&surface);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!picture.isNull()) painter.drawImage(QRect(offset, size()), picture);
  return surface;
}

void ImageButton::BuildStateSurfaces() {
  if (background_.size() != size()) background_ = CaptureParentBackground();
  surfaces_[IndexOf(Surface::StandardNormal)] = Composed(standard_, QPoint());
  surfaces_[IndexOf(Surface::StandardPressed)] = surfaces_[IndexOf(Surface::StandardNormal)];
  surfaces_[IndexOf(Surface::StandardHover)] = Composed(standardBright_, QPoint());
  const bool alternate = HasAlternate();
  surfaces_[IndexOf(Surface::AlternateNormal)] =
      alternate ? Composed(alternate_, QPoint()) : QImage();
  surfaces_[IndexOf(Surface::AlternatePressed)] =
      alternate ? Composed(alternate_, kPressedShift) : QImage();
  surfaces_[IndexOf(Surface::AlternateHover)] =
      alternate ? Composed(alternateBright_, QPoint()) : QImage();
  rendered_ = true;
}

void ImageButton::DrawCaption(QPainter& painter) const {
  if (text().isEmpty()) return;
  const QFontMetrics metrics(font());
  const int x = (width() - metrics.horizontalAdvance(text())) / 2 + 1;
  const int y = (height() - metrics.height()) / 2;
  painter.setFont(font());
  painter.setPen(textColour_);
  painter.drawText(x, y + metrics.ascent(), text());
}

void ImageButton::paintEvent(QPaintEvent*) {
  if (standard_.isNull()) return;
  if (!rendered_) BuildStateSurfaces();
  frame_ = StateSurface(ChooseSurface()).copy();
  {
    QPainter painter(&frame_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawCaption(painter);
  }
  QPainter(this).drawImage(0, 0, frame_);
}

void ImageButton::enterEvent(QEnterEvent* event) {
  QAbstractButton::enterEvent(event);
  hovered_ = true;
  update();
}

void ImageButton::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  hovered_ = false;
  update();
}

}  // namespace v7
