#include "SliderArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QTransform>

#include "ArtCanvas.h"

namespace v7::art {

namespace {

// Geometry of the horizontal track; the vertical one is its mirror across the diagonal.
constexpr int kTrackLength = 131;
constexpr int kTrackThickness = 22;
constexpr int kThumbLength = 19;
constexpr int kThumbThickness = 9;
constexpr int kTravelStart = 7;  // margin before the thumb's first position
constexpr int kTravelEnd = 7;    // margin after its last position
constexpr int kThumbOffset = 3;  // margin from the track's top (left) edge to the thumb
constexpr int kTickCount = 11;

constexpr double kGrooveThickness = 5.0;

struct ThumbColours {
  QColor top;
  QColor bottom;
  QColor border;
  QColor grip;
};

ThumbColours ColoursOf(ThumbLook look) {
  switch (look) {
    case ThumbLook::Gold:
      return {QColor(0xFF, 0xEC, 0xA8), QColor(0xD4, 0x9A, 0x18), QColor(0x7A, 0x55, 0x08),
              QColor(0x8A, 0x60, 0x0C)};
    case ThumbLook::DarkGrey:
      return {QColor(0x86, 0x8B, 0x92), QColor(0x55, 0x5A, 0x61), QColor(0x36, 0x3A, 0x40),
              QColor(0x3E, 0x42, 0x48)};
    case ThumbLook::Silver:
      break;
  }
  return {QColor(0xFA, 0xFB, 0xFC), QColor(0xAE, 0xB6, 0xC0), QColor(0x5C, 0x66, 0x72),
          QColor(0x6E, 0x78, 0x84)};
}

// Centre of the thumb along the track at travel fraction t.
double ThumbCentreAt(double t) {
  const double first = kTravelStart + kThumbLength / 2.0;
  const double last = kTrackLength - kTravelEnd - kThumbLength / 2.0;
  return first + t * (last - first);
}

void DrawGroove(QPainter& painter) {
  const double centre = kThumbOffset + kThumbThickness / 2.0;
  const QRectF groove(ThumbCentreAt(0.0) - 5.0, centre - kGrooveThickness / 2.0,
                      ThumbCentreAt(1.0) - ThumbCentreAt(0.0) + 10.0, kGrooveThickness);
  // A light lip under the groove makes it read as cut into the light panel.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 230));
  painter.drawRoundedRect(groove.translated(0, 1.0), 2.5, 2.5);
  FillRoundedPanel(painter, groove, 2.5, QColor(0x10, 0x13, 0x18), QColor(0x33, 0x3A, 0x44),
                   QColor(0x0B, 0x0D, 0x10));
  // A faint cyan line along the bottom of the groove, like a lit channel.
  painter.setPen(QPen(QColor(0x00, 0xC8, 0xFF, 90), 1.0));
  painter.drawLine(QPointF(groove.left() + 3, groove.bottom() - 1.5),
                   QPointF(groove.right() - 3, groove.bottom() - 1.5));
}

void DrawTicks(QPainter& painter) {
  const int top = kThumbOffset + kThumbThickness + 2;
  for (int i = 0; i < kTickCount; ++i) {
    const int column = static_cast<int>(ThumbCentreAt(double(i) / (kTickCount - 1)));
    const bool major = i == 0 || i == kTickCount - 1 || i == kTickCount / 2;
    const int length = major ? 6 : 4;
    painter.fillRect(column, top, 1, length,
                     major ? QColor(0x3C, 0x46, 0x52) : QColor(0x7C, 0x88, 0x96));
  }
}

}  // namespace

QImage DrawTrack(Qt::Orientation orientation) {
  QImage image = NewCanvas(QSize(kTrackLength, kTrackThickness));
  QPainter painter;
  BeginPainting(painter, image);
  DrawGroove(painter);
  painter.setRenderHint(QPainter::Antialiasing, false);
  DrawTicks(painter);
  painter.end();
  if (orientation == Qt::Horizontal) return image;
  // Mirror across the diagonal: the thumb offset becomes the left margin, the ticks
  // fall to the right of the groove.
  return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

QImage DrawThumb(Qt::Orientation orientation, ThumbLook look) {
  const ThumbColours c = ColoursOf(look);
  QImage image = NewCanvas(QSize(kThumbLength, kThumbThickness));
  QPainter painter;
  BeginPainting(painter, image);
  const QRectF body(0.5, 0.5, kThumbLength - 1.0, kThumbThickness - 1.0);
  FillRoundedPanel(painter, body, 2.5, c.top, c.bottom, c.border);
  // Top sheen and a centre grip line.
  painter.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
  painter.drawLine(QPointF(2.5, 1.5), QPointF(kThumbLength - 2.5, 1.5));
  painter.setRenderHint(QPainter::Antialiasing, false);
  const int mid = kThumbLength / 2;
  painter.fillRect(mid, 2, 1, kThumbThickness - 4, c.grip);
  painter.fillRect(mid + 1, 2, 1, kThumbThickness - 4, QColor(255, 255, 255, 120));
  painter.end();
  if (orientation == Qt::Horizontal) return image;
  return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

}  // namespace v7::art
