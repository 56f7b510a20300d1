#include "ui/dialogs/ProgramIcon.h"

#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include "ui/widgets/Picture.h"

namespace v7 {

namespace {

constexpr int kDrawnPixels = 64;

// A plain stand-in for builds without the artwork: the model name on a blue tile.
QIcon DrawnIcon() {
  QPixmap pixmap(kDrawnPixels, kDrawnPixels);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, 0, kDrawnPixels);
  gradient.setColorAt(0, QColor(70, 140, 220));
  gradient.setColorAt(1, QColor(20, 70, 150));
  painter.setBrush(gradient);
  painter.setPen(Qt::NoPen);
  painter.drawRoundedRect(pixmap.rect().adjusted(2, 2, -2, -2), 12, 12);
  QFont font;
  font.setBold(true);
  font.setPixelSize(kDrawnPixels / 2);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("V7"));
  return QIcon(pixmap);
}

}  // namespace

QIcon ProgramIcon() {
  const QString artwork = PicturePath(Picture::ProgramIcon);
  return QFile::exists(artwork) ? QIcon(artwork) : DrawnIcon();
}

}  // namespace v7
