#include "ArtCanvas.h"

#include <QLinearGradient>
#include <QPen>
#include <algorithm>
#include <cstdio>

namespace v7::art {

QImage NewCanvas(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void BeginPainting(QPainter& painter, QImage& image) {
  painter.begin(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
}

bool SavePng(const QImage& image, const QString& path) {
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

QColor Shade(const QColor& colour, double factor) {
  const QColor hsl = colour.toHsl();
  const double lightness = std::min(1.0, hsl.lightnessF() * factor);
  return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness, colour.alphaF());
}

void FillRoundedPanel(QPainter& painter, const QRectF& rect, qreal radius, const QColor& top,
                      const QColor& bottom, const QColor& border) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0.0, top);
  gradient.setColorAt(1.0, bottom);
  painter.setPen(QPen(border, 1.0));
  painter.setBrush(gradient);
  painter.drawRoundedRect(rect, radius, radius);
}

}  // namespace v7::art
