#include "IconArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include "ArtCanvas.h"

namespace v7::art {

namespace {

// Everything is designed on a 256-pixel tile and scaled.
constexpr double kDesign = 256.0;

void DrawTile(QPainter& p) {
  const QRectF tile(8, 8, 240, 240);
  FillRoundedPanel(p, tile, 52, QColor(0x26, 0x2D, 0x3B), QColor(0x0B, 0x0E, 0x14),
                   QColor(0x05, 0x06, 0x09));
  QRadialGradient glow(QPointF(128, 112), 130);
  glow.setColorAt(0.0, QColor(0x00, 0xC8, 0xFF, 48));
  glow.setColorAt(1.0, QColor(0x00, 0xC8, 0xFF, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawRoundedRect(tile.adjusted(2, 2, -2, -2), 50, 50);
}

void DrawGrid(QPainter& p) {
  p.setPen(QPen(QColor(255, 255, 255, 22), 1.5));
  for (int i = 1; i < 6; ++i) p.drawLine(QPointF(40, 40 + 30.0 * i), QPointF(216, 40 + 30.0 * i));
  for (int i = 1; i < 6; ++i) p.drawLine(QPointF(40 + 30.0 * i, 48), QPointF(40 + 30.0 * i, 200));
}

QPainterPath EqCurve() {
  QPainterPath curve;
  curve.moveTo(36, 140);
  curve.cubicTo(62, 140, 66, 168, 90, 168);
  curve.cubicTo(114, 168, 116, 70, 146, 70);
  curve.cubicTo(172, 70, 176, 128, 196, 124);
  curve.cubicTo(208, 122, 214, 112, 220, 108);
  return curve;
}

void DrawCurve(QPainter& p) {
  const QPainterPath curve = EqCurve();
  p.setBrush(Qt::NoBrush);
  QLinearGradient stroke(QPointF(36, 0), QPointF(220, 0));
  stroke.setColorAt(0.0, QColor(0x00, 0xC8, 0xFF));
  stroke.setColorAt(0.55, QColor(0x6A, 0x8C, 0xFF));
  stroke.setColorAt(1.0, QColor(0xE4, 0x40, 0xFF));
  for (int width = 22; width >= 10; width -= 6) {
    p.setPen(QPen(QBrush(QColor(0x00, 0xC8, 0xFF, 18)), width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve);
  }
  p.setPen(QPen(QBrush(stroke), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(curve);
  p.setPen(QPen(QColor(255, 255, 255, 150), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(curve);
  // Band handles on the curve.
  p.setPen(QPen(QColor(255, 255, 255, 230), 3));
  p.setBrush(QColor(0x0B, 0x0E, 0x14));
  p.drawEllipse(QPointF(90, 168), 9, 9);
  p.drawEllipse(QPointF(146, 70), 9, 9);
}

void DrawLabel(QPainter& p) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(54);
  font.setBold(true);
  font.setItalic(true);
  p.setFont(font);
  const QRectF box(24, 176, 208, 64);
  p.setPen(QColor(0, 0, 0, 150));
  p.drawText(box.translated(2, 3), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("V7 "));
  p.setPen(QColor(0xF4, 0xF7, 0xFB));
  p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("V7 "));
}

}  // namespace

QImage DrawProgramIcon(int size) {
  QImage image = NewCanvas(QSize(size, size));
  QPainter painter;
  BeginPainting(painter, image);
  painter.scale(size / kDesign, size / kDesign);
  DrawTile(painter);
  DrawGrid(painter);
  DrawCurve(painter);
  DrawLabel(painter);
  painter.end();
  return image;
}

}  // namespace v7::art
