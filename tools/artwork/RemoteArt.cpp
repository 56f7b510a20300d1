#include "RemoteArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>

#include "ArtCanvas.h"
#include "i18n/Language.h"
#include "ui/dialogs/RemoteKeyLayout.h"

namespace v7::art {

namespace {

constexpr double kBodyInset = 14.0;
constexpr double kBodyRadius = 26.0;
constexpr double kKeyRadius = 6.0;

const QColor kBodyTop(0x3A, 0x40, 0x4A);
const QColor kBodyBottom(0x14, 0x17, 0x1C);
const QColor kBodyBorder(0x06, 0x07, 0x09);
const QColor kKeyTop(0x5C, 0x66, 0x74);
const QColor kKeyBottom(0x2A, 0x30, 0x38);
const QColor kMuteTop(0xE8, 0x4A, 0x3C);
const QColor kMuteBottom(0x9A, 0x1C, 0x14);
const QColor kModeAccent(255, 200, 0);
const QColor kVolumeAccent(0, 200, 255);
const QColor kToneAccent(10, 211, 126);
const QColor kLabel(0xF2, 0xF6, 0xFA);

QFont LabelFont(bool chinese, int pixels) {
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                    QStringLiteral("DejaVu Sans")});
  font.setPixelSize(pixels);
  font.setBold(!chinese);
  return font;
}

void DrawBody(QPainter& painter) {
  const QRectF body(kBodyInset, 2, kRemotePictureWidth - 2 * kBodyInset, kRemotePictureHeight - 4);
  FillRoundedPanel(painter, body, kBodyRadius, kBodyTop, kBodyBottom, kBodyBorder);
  QLinearGradient sheen(body.topLeft(), body.topRight());
  sheen.setColorAt(0.0, QColor(255, 255, 255, 0));
  sheen.setColorAt(0.25, QColor(255, 255, 255, 28));
  sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sheen);
  painter.drawRoundedRect(body.adjusted(2, 2, -2, -2), kBodyRadius - 2, kBodyRadius - 2);
  // The infrared window at the top.
  QRadialGradient window(QPointF(kRemotePictureWidth / 2.0, 14), 16);
  window.setColorAt(0.0, QColor(0x90, 0x20, 0x30));
  window.setColorAt(1.0, QColor(0x30, 0x08, 0x10));
  painter.setBrush(window);
  painter.drawRoundedRect(QRectF(kRemotePictureWidth / 2.0 - 22, 8, 44, 12), 6, 6);
}

QColor AccentOf(const RemoteKey& key) {
  if (key.index <= 4) return kModeAccent;
  if (key.index <= 8 || key.index >= 14) return kVolumeAccent;
  return kToneAccent;
}

void DrawKey(QPainter& painter, const RemoteKey& key, bool chinese) {
  const QRectF rect(key.rect.x + 0.5, key.rect.y + 0.5, key.rect.width - 1, key.rect.height - 1);
  const bool mute = key.index == 9;
  const double radius = key.round ? rect.height() / 2 : kKeyRadius;
  painter.setPen(QPen(kBodyBorder, 1.0));
  QLinearGradient face(rect.topLeft(), rect.bottomLeft());
  face.setColorAt(0.0, mute ? kMuteTop : kKeyTop);
  face.setColorAt(1.0, mute ? kMuteBottom : kKeyBottom);
  painter.setBrush(face);
  painter.drawRoundedRect(rect, radius, radius);
  if (!mute) {
    painter.setPen(QPen(AccentOf(key), 1.5));
    painter.drawLine(QPointF(rect.left() + radius, rect.bottom() - 2.5),
                     QPointF(rect.right() - radius, rect.bottom() - 2.5));
  }
  painter.setPen(kLabel);
  painter.setFont(LabelFont(chinese, chinese ? 11 : 10));
  painter.drawText(rect.adjusted(0, 0, 0, -2), Qt::AlignCenter,
                   key.label.In(chinese ? Language::Chinese : Language::English));
}

void DrawBrand(QPainter& painter) {
  painter.setPen(QColor(0xC8, 0xD0, 0xDA));
  QFont font = LabelFont(false, 22);
  font.setItalic(true);
  painter.setFont(font);
  painter.drawText(QRectF(0, 276, kRemotePictureWidth, 30), Qt::AlignCenter, QStringLiteral("V7"));
}

}  // namespace

QImage DrawRemoteHandset(bool chinese) {
  QImage image = NewCanvas(QSize(kRemotePictureWidth, kRemotePictureHeight));
  QPainter painter;
  BeginPainting(painter, image);
  DrawBody(painter);
  for (const RemoteKey& key : kRemoteKeys) DrawKey(painter, key, chinese);
  DrawBrand(painter);
  painter.end();
  return image;
}

}  // namespace v7::art
