#include "ui/ribbon/RibbonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace v7 {

namespace {

constexpr qreal kGrid = 16.0;

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& from, const QColor& to) {
  QLinearGradient gradient(0, top, 0, bottom);
  gradient.setColorAt(0, from);
  gradient.setColorAt(1, to);
  return gradient;
}

}  // namespace

QPixmap RibbonIcons::Make(Icon icon, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kGrid, size / kGrid);
  switch (icon) {
    case Icon::Open:
      DrawOpen(painter);
      break;
    case Icon::Save:
      DrawSave(painter);
      break;
    case Icon::Exit:
      DrawExit(painter);
      break;
    case Icon::About:
      DrawAbout(painter);
      break;
    case Icon::Reset:
      DrawReset(painter);
      break;
    case Icon::Remote:
      DrawRemote(painter);
      break;
    case Icon::Language:
      DrawLanguage(painter);
      break;
    case Icon::MicSub:
      DrawMicSub(painter);
      break;
  }
  return pixmap;
}

void RibbonIcons::DrawOpen(QPainter& painter) {
  const QPen outline(QColor(0x9A, 0x6B, 0x16), 0.7);
  painter.setPen(outline);
  painter.setBrush(Vertical(2, 14, QColor(0xF6, 0xD3, 0x7A), QColor(0xE0, 0xA8, 0x32)));
  QPainterPath back;
  back.moveTo(1.5, 3);
  back.lineTo(6, 3);
  back.lineTo(7.5, 4.5);
  back.lineTo(13.5, 4.5);
  back.lineTo(13.5, 13.5);
  back.lineTo(1.5, 13.5);
  back.closeSubpath();
  painter.drawPath(back);
  painter.setBrush(QColor(0xFF, 0xFF, 0xFF));
  painter.setPen(QPen(QColor(0x9C, 0xA8, 0xB8), 0.5));
  painter.drawRect(QRectF(3.5, 5.5, 8.5, 5));
  painter.setPen(outline);
  painter.setBrush(Vertical(7, 14, QColor(0xFF, 0xE9, 0xA6), QColor(0xF0, 0xB9, 0x42)));
  QPainterPath front;
  front.moveTo(1.5, 13.5);
  front.lineTo(4, 7.5);
  front.lineTo(15.2, 7.5);
  front.lineTo(13.5, 13.5);
  front.closeSubpath();
  painter.drawPath(front);
}

void RibbonIcons::DrawSave(QPainter& painter) {
  painter.setPen(QPen(QColor(0x1F, 0x3F, 0x7A), 0.7));
  painter.setBrush(Vertical(1, 15, QColor(0x5E, 0x8F, 0xDA), QColor(0x23, 0x52, 0xA8)));
  QPainterPath body;
  body.moveTo(1.5, 1.5);
  body.lineTo(12.5, 1.5);
  body.lineTo(14.5, 3.5);
  body.lineTo(14.5, 14.5);
  body.lineTo(1.5, 14.5);
  body.closeSubpath();
  painter.drawPath(body);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xF7, 0xFA, 0xFF));
  painter.drawRect(QRectF(4, 2, 8, 5));
  painter.setBrush(QColor(0x23, 0x52, 0xA8));
  painter.drawRect(QRectF(9.5, 2.7, 1.6, 3.4));
  painter.setBrush(QColor(0xD9, 0xE4, 0xF3));
  painter.drawRect(QRectF(3.5, 9, 9, 5.5));
  painter.setPen(QPen(QColor(0x8A, 0x9E, 0xC0), 0.6));
  painter.drawLine(QPointF(5, 11), QPointF(11, 11));
  painter.drawLine(QPointF(5, 12.8), QPointF(11, 12.8));
}

void RibbonIcons::DrawExit(QPainter& painter) {
  painter.setPen(QPen(QColor(0x8E, 0x1B, 0x12), 0.7));
  painter.setBrush(Vertical(1, 15, QColor(0xF2, 0x7B, 0x62), QColor(0xC9, 0x2F, 0x1F)));
  painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
  QPen cross(Qt::white, 2.0);
  cross.setCapStyle(Qt::RoundCap);
  painter.setPen(cross);
  painter.drawLine(QPointF(5, 5), QPointF(11, 11));
  painter.drawLine(QPointF(11, 5), QPointF(5, 11));
}

void RibbonIcons::DrawAbout(QPainter& painter) {
  QRadialGradient ball(QPointF(6, 5), 10);
  ball.setColorAt(0, QColor(0x8F, 0xC1, 0xFF));
  ball.setColorAt(1, QColor(0x1F, 0x5C, 0xC0));
  painter.setPen(QPen(QColor(0x17, 0x43, 0x8E), 0.7));
  painter.setBrush(ball);
  painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(7, 3.8, 2.1, 2.1));
  painter.drawRoundedRect(QRectF(7.1, 7, 1.9, 5.6), 0.6, 0.6);
}

void RibbonIcons::DrawReset(QPainter& painter) {
  QPen arc(QColor(0x1E, 0x7A, 0x2E), 2.0);
  arc.setCapStyle(Qt::RoundCap);
  painter.setPen(arc);
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(2.5, 2.5, 11, 11), 100 * 16, 290 * 16);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1E, 0x7A, 0x2E));
  QPainterPath head;
  head.moveTo(6.2, 0.6);
  head.lineTo(10.2, 2.9);
  head.lineTo(6.4, 5.6);
  head.closeSubpath();
  painter.drawPath(head);
  painter.setBrush(QColor(0x48, 0xB0, 0x58));
  painter.drawEllipse(QRectF(6.5, 6.5, 3, 3));
}

void RibbonIcons::DrawRemote(QPainter& painter) {
  painter.setPen(QPen(QColor(0x2B, 0x2F, 0x3A), 0.7));
  painter.setBrush(Vertical(1, 15, QColor(0x7D, 0x86, 0x98), QColor(0x3B, 0x41, 0x50)));
  painter.drawRoundedRect(QRectF(4.5, 1.5, 7, 13), 2, 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xE8, 0x4B, 0x3C));
  painter.drawEllipse(QRectF(7, 3, 2, 2));
  painter.setBrush(QColor(0xD6, 0xE4, 0xF6));
  for (int row = 0; row < 3; ++row) {
    painter.drawRect(QRectF(6, 6.5 + row * 2.4, 1.6, 1.4));
    painter.drawRect(QRectF(8.4, 6.5 + row * 2.4, 1.6, 1.4));
  }
}

void RibbonIcons::DrawLanguage(QPainter& painter) {
  QRadialGradient globe(QPointF(6, 5), 11);
  globe.setColorAt(0, QColor(0xA9, 0xE0, 0xFF));
  globe.setColorAt(1, QColor(0x2A, 0x7F, 0xC9));
  painter.setPen(QPen(QColor(0x1D, 0x5A, 0x97), 0.8));
  painter.setBrush(globe);
  painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 0xC0), 0.7));
  painter.drawEllipse(QRectF(5, 1.5, 6, 13));
  painter.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
  painter.drawLine(QPointF(2.6, 4.8), QPointF(13.4, 4.8));
  painter.drawLine(QPointF(2.6, 11.2), QPointF(13.4, 11.2));
}

QPixmap RibbonIcons::Orb(int size, bool hovered, bool pressed) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF ring(1, 1, size - 2, size - 2);
  QLinearGradient rim(0, 0, 0, size);
  rim.setColorAt(0, QColor(0xB8, 0xCC, 0xE8));
  rim.setColorAt(1, QColor(0x6A, 0x86, 0xB3));
  painter.setPen(QPen(QColor(0x4B, 0x64, 0x8E), 1));
  painter.setBrush(rim);
  painter.drawEllipse(ring);

  const QRectF core = ring.adjusted(3, 3, -3, -3);
  QRadialGradient glow(core.center() + QPointF(0, core.height() * 0.35), core.width() * 0.7);
  const QColor light = pressed ? QColor(0xFF, 0xB0, 0x50)
                               : (hovered ? QColor(0xFF, 0xD8, 0x7A) : QColor(0x8F, 0xD3, 0xFF));
  const QColor dark = pressed ? QColor(0xB8, 0x5A, 0x10)
                              : (hovered ? QColor(0xD4, 0x7F, 0x16) : QColor(0x1E, 0x5B, 0xB3));
  glow.setColorAt(0, light);
  glow.setColorAt(1, dark);
  painter.setPen(QPen(QColor(0x2A, 0x46, 0x7A), 0.8));
  painter.setBrush(glow);
  painter.drawEllipse(core);

  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(size * 3 / 10);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(core.translated(0, size * 0.02), Qt::AlignCenter, QStringLiteral("V7"));

  QRectF shine = core.adjusted(core.width() * 0.14, core.height() * 0.04, -core.width() * 0.14,
                               -core.height() * 0.5);
  QLinearGradient gloss(0, shine.top(), 0, shine.bottom());
  gloss.setColorAt(0, QColor(255, 255, 255, 0xB0));
  gloss.setColorAt(1, QColor(255, 255, 255, 0x10));
  painter.setPen(Qt::NoPen);
  painter.setBrush(gloss);
  painter.drawEllipse(shine);
  return pixmap;
}

// A microphone beside a loudspeaker with an arrow down: singing turns the subwoofer down.
void RibbonIcons::DrawMicSub(QPainter& painter) {
  painter.setPen(QPen(QColor(0x2B, 0x2F, 0x3A), 0.7));
  painter.setBrush(Vertical(1, 9, QColor(0xC8, 0xCE, 0xD8), QColor(0x6A, 0x72, 0x82)));
  painter.drawRoundedRect(QRectF(1.5, 1.5, 4, 7.5), 2, 2);
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(0.5, 5, 6, 6), 180 * 16, 180 * 16);
  painter.drawLine(QPointF(3.5, 11), QPointF(3.5, 14));
  painter.drawLine(QPointF(1.5, 14), QPointF(5.5, 14));
  painter.setBrush(Vertical(4, 15, QColor(0x5A, 0x64, 0x78), QColor(0x22, 0x27, 0x30)));
  painter.drawRoundedRect(QRectF(7.5, 4.5, 7, 10), 1.5, 1.5);
  painter.setBrush(QColor(0x14, 0xB4, 0xFF));
  painter.drawEllipse(QPointF(11, 10.5), 2.3, 2.3);
  QPainterPath arrow;
  arrow.moveTo(9, 0.5);
  arrow.lineTo(13, 0.5);
  arrow.lineTo(11, 3.5);
  arrow.closeSubpath();
  painter.setBrush(QColor(0xE8, 0x4A, 0x3C));
  painter.drawPath(arrow);
}

}  // namespace v7
