#include "PageGlyphs.h"

#include <QPainterPath>
#include <QPen>

namespace v7::art {

namespace {

// Glyphs are drawn in a 24 x 24 design space scaled into the box.
constexpr double kDesign = 24.0;

void DrawMic(QPainter& p, const QColor& c) {
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(8.5, 2.0, 7.0, 12.0), 3.5, 3.5);
  QPainterPath holder;
  holder.moveTo(5.5, 10.0);
  holder.cubicTo(5.5, 18.0, 18.5, 18.0, 18.5, 10.0);
  p.drawPath(holder);
  p.drawLine(QPointF(12.0, 16.5), QPointF(12.0, 21.0));
  p.drawLine(QPointF(8.0, 21.5), QPointF(16.0, 21.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(c.red(), c.green(), c.blue(), 70));
  p.drawRoundedRect(QRectF(9.5, 3.0, 5.0, 10.0), 2.5, 2.5);
}

void DrawMusic(QPainter& p, const QColor& c) {
  p.setBrush(c);
  p.drawEllipse(QRectF(3.5, 15.5, 6.0, 4.6));
  p.drawEllipse(QRectF(13.5, 13.5, 6.0, 4.6));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(9.2, 17.5), QPointF(9.2, 5.0));
  p.drawLine(QPointF(19.2, 15.5), QPointF(19.2, 3.0));
  QPen beam = p.pen();
  beam.setWidthF(beam.widthF() * 1.8);
  p.setPen(beam);
  p.drawLine(QPointF(9.2, 5.2), QPointF(19.2, 3.2));
}

void DrawEcho(QPainter& p, const QColor& c) {
  p.setBrush(c);
  p.drawEllipse(QPointF(5.0, 12.0), 2.2, 2.2);
  p.setBrush(Qt::NoBrush);
  const QPen base = p.pen();
  for (int i = 0; i < 3; ++i) {
    QPen pen = base;
    QColor faded = c;
    faded.setAlphaF(1.0 - 0.28 * i);
    pen.setColor(faded);
    p.setPen(pen);
    const double r = 5.5 + 5.0 * i;
    p.drawArc(QRectF(5.0 - r, 12.0 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
  }
}

void DrawSpeakerCone(QPainter& p, const QColor& c) {
  QPainterPath cone;
  cone.moveTo(2.5, 9.0);
  cone.lineTo(6.5, 9.0);
  cone.lineTo(12.0, 4.0);
  cone.lineTo(12.0, 20.0);
  cone.lineTo(6.5, 15.0);
  cone.lineTo(2.5, 15.0);
  cone.closeSubpath();
  p.setBrush(QColor(c.red(), c.green(), c.blue(), 70));
  p.drawPath(cone);
  p.setBrush(Qt::NoBrush);
}

void DrawMainOut(QPainter& p, const QColor& c) {
  DrawSpeakerCone(p, c);
  p.drawArc(QRectF(9.0, 7.0, 10.0, 10.0), -50 * 16, 100 * 16);
  p.drawArc(QRectF(7.0, 3.0, 16.0, 18.0), -50 * 16, 100 * 16);
}

void DrawCentreOut(QPainter& p, const QColor& c) {
  p.setBrush(QColor(c.red(), c.green(), c.blue(), 50));
  p.drawRoundedRect(QRectF(1.5, 6.5, 21.0, 11.0), 2.0, 2.0);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(7.0, 12.0), 3.3, 3.3);
  p.drawEllipse(QPointF(17.0, 12.0), 3.3, 3.3);
  p.setBrush(c);
  p.drawEllipse(QPointF(12.0, 12.0), 1.3, 1.3);
}

void DrawSubOut(QPainter& p, const QColor& c) {
  p.setBrush(QColor(c.red(), c.green(), c.blue(), 50));
  p.drawRoundedRect(QRectF(2.5, 2.5, 19.0, 19.0), 3.0, 3.0);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(12.0, 12.0), 6.8, 6.8);
  p.setBrush(c);
  p.drawEllipse(QPointF(12.0, 12.0), 2.4, 2.4);
}

void DrawBack(QPainter& p, const QColor&) {
  QPainterPath arrow;
  arrow.moveTo(20.0, 18.0);
  arrow.cubicTo(20.0, 10.0, 14.0, 8.0, 6.0, 8.0);
  p.setBrush(Qt::NoBrush);
  p.drawPath(arrow);
  p.drawLine(QPointF(6.0, 8.0), QPointF(10.5, 3.5));
  p.drawLine(QPointF(6.0, 8.0), QPointF(10.5, 12.5));
}

}  // namespace

void DrawPageGlyph(QPainter& painter, PageGlyph glyph, const QRectF& box, const QColor& colour) {
  painter.save();
  painter.translate(box.topLeft());
  painter.scale(box.width() / kDesign, box.height() / kDesign);
  QPen pen(colour, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(pen);
  switch (glyph) {
    case PageGlyph::Mic:
      DrawMic(painter, colour);
      break;
    case PageGlyph::Music:
      DrawMusic(painter, colour);
      break;
    case PageGlyph::Echo:
      DrawEcho(painter, colour);
      break;
    case PageGlyph::MainOut:
      DrawMainOut(painter, colour);
      break;
    case PageGlyph::CentreOut:
      DrawCentreOut(painter, colour);
      break;
    case PageGlyph::SubOut:
      DrawSubOut(painter, colour);
      break;
    case PageGlyph::Back:
      DrawBack(painter, colour);
      break;
  }
  painter.restore();
}

}  // namespace v7::art
