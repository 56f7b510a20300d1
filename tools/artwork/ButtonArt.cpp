#include "ButtonArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include "ArtCanvas.h"

namespace v7::art {

namespace {

// Pixel sizes of the buttons on the panel (142 x 38 and 43 x 38 dialog units, 50 x 17 for
// the dialogs' push buttons).
constexpr QSize kPageButtonSize(213, 61);
constexpr QSize kBackButtonSize(64, 61);
constexpr QSize kPlainButtonSize(75, 27);

// Room left around the face for the outline glow and the one-pixel pressed shift.
constexpr double kInset = 3.0;
constexpr double kFaceRadius = 7.0;

const QColor kFaceTop(0x30, 0x36, 0x40);
const QColor kFaceBottom(0x12, 0x15, 0x1A);
const QColor kFaceBorder(0x08, 0x0A, 0x0D);

QRectF FaceRect(QSize size) {
  return QRectF(kInset, kInset, size.width() - 2 * kInset - 1, size.height() - 2 * kInset - 1);
}

void DrawFace(QPainter& painter, const QRectF& face) {
  FillRoundedPanel(painter, face, kFaceRadius, kFaceTop, kFaceBottom, kFaceBorder);
  // Glassy sheen over the upper half.
  QLinearGradient sheen(face.topLeft(), QPointF(face.left(), face.center().y()));
  sheen.setColorAt(0.0, QColor(255, 255, 255, 46));
  sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sheen);
  painter.drawRoundedRect(face.adjusted(1, 1, -1, -face.height() / 2), kFaceRadius - 1,
                          kFaceRadius - 1);
  painter.setPen(QPen(QColor(255, 255, 255, 40), 1.0));
  painter.drawLine(QPointF(face.left() + kFaceRadius, face.top() + 1.5),
                   QPointF(face.right() - kFaceRadius, face.top() + 1.5));
}

void DrawSelectionOutline(QPainter& painter, const QRectF& face, const QColor& accent) {
  for (int ring = 3; ring >= 1; --ring) {
    QColor glow = accent;
    glow.setAlpha(40 * (4 - ring));
    painter.setPen(QPen(glow, 1.0));
    painter.setBrush(Qt::NoBrush);
    const double r = ring - 0.5;
    painter.drawRoundedRect(face.adjusted(-r, -r, r, r), kFaceRadius + r, kFaceRadius + r);
  }
  painter.setPen(QPen(accent, 2.0));
  painter.drawRoundedRect(face.adjusted(1, 1, -1, -1), kFaceRadius - 1, kFaceRadius - 1);
  // Accent bar along the bottom edge and a soft light pool behind the name.
  QRadialGradient pool(face.center(), face.width() / 2);
  QColor inner = accent;
  inner.setAlpha(55);
  pool.setColorAt(0.0, inner);
  pool.setColorAt(1.0, QColor(0, 0, 0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(pool);
  painter.drawRoundedRect(face.adjusted(2, 2, -2, -2), kFaceRadius - 2, kFaceRadius - 2);
  painter.setBrush(accent);
  painter.drawRoundedRect(QRectF(face.center().x() - 28, face.bottom() - 6, 56, 3), 1.5, 1.5);
}

QFont NameFont(bool chinese) {
  QFont font(chinese ? QStringLiteral("WenQuanYi Micro Hei") : QStringLiteral("DejaVu Sans"));
  font.setPixelSize(chinese ? 24 : 20);
  font.setBold(true);
  font.setHintingPreference(QFont::PreferNoHinting);
  if (!chinese) font.setLetterSpacing(QFont::PercentageSpacing, 108);
  return font;
}

void DrawName(QPainter& painter, const PageButtonArt& art, const QRectF& face, bool alternate) {
  const QFont font = NameFont(art.chinese);
  const QFontMetricsF metrics(font);
  const double glyphSize = 30.0;
  const double gap = 10.0;
  const double total = glyphSize + gap + metrics.horizontalAdvance(art.name);
  const double left = face.center().x() - total / 2;
  const double baseline = face.center().y() + (metrics.ascent() - metrics.descent()) / 2 - 1;
  const QColor colour = alternate ? Shade(art.accent, 1.12) : art.accent;
  DrawPageGlyph(painter, art.glyph,
                QRectF(left, face.center().y() - glyphSize / 2 - 1, glyphSize, glyphSize), colour);
  painter.setFont(font);
  // A dark drop shadow keeps the accent text crisp on the glossy face.
  painter.setPen(QColor(0, 0, 0, 160));
  painter.drawText(QPointF(left + glyphSize + gap + 1, baseline + 1), art.name);
  painter.setPen(colour);
  painter.drawText(QPointF(left + glyphSize + gap, baseline), art.name);
}

}  // namespace

QImage DrawPageButton(const PageButtonArt& art, bool alternate) {
  QImage image = NewCanvas(kPageButtonSize);
  QPainter painter;
  BeginPainting(painter, image);
  const QRectF face = FaceRect(kPageButtonSize);
  DrawFace(painter, face);
  if (alternate) DrawSelectionOutline(painter, face, art.accent);
  DrawName(painter, art, face, alternate);
  painter.end();
  return image;
}

QImage DrawBackButton() {
  QImage image = NewCanvas(kBackButtonSize);
  QPainter painter;
  BeginPainting(painter, image);
  const QRectF face = FaceRect(kBackButtonSize);
  DrawFace(painter, face);
  const double glyph = 30.0;
  DrawPageGlyph(painter, PageGlyph::Back,
                QRectF(face.center().x() - glyph / 2, face.center().y() - glyph / 2, glyph, glyph),
                QColor(0xD8, 0xDE, 0xE6));
  painter.end();
  return image;
}

QImage DrawPlainButton() {
  QImage image = NewCanvas(kPlainButtonSize);
  QPainter painter;
  BeginPainting(painter, image);
  const QRectF face(0.5, 0.5, kPlainButtonSize.width() - 1.0, kPlainButtonSize.height() - 1.0);
  FillRoundedPanel(painter, face, 4.0, QColor(0x4A, 0x8E, 0xE6), QColor(0x1C, 0x56, 0xB0),
                   QColor(0x14, 0x3F, 0x82));
  painter.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
  painter.drawLine(QPointF(4.0, 1.5), QPointF(kPlainButtonSize.width() - 4.0, 1.5));
  painter.end();
  return image;
}

}  // namespace v7::art
